#include "session/session_repair.h"

#include <cmath>

namespace {

template <typename T>
void Clamp(T& value, T low, T high) {
  if (!(value >= low)) {  // also catches NaN
    value = low;
  } else if (value > high) {
    value = high;
  }
}

// A physical quantity that cannot be negative; damaged values become 0.
void NonNegative(float& value) {
  if (!std::isfinite(value) || value < 0.0f) value = 0.0f;
}

void Finite(float& value) {
  if (!std::isfinite(value)) value = 0.0f;
}

void RepairText(String32& text) {
  if (text.Length > String32::Capacity) text.Length = String32::Capacity;
}

void RepairWavelength(std::int32_t& tenthsOfNm) {
  Clamp(tenthsOfNm, 2000, 8000);
  tenthsOfNm = (tenthsOfNm + 5) / 10 * 10;
}

void RepairChannelRange(std::int32_t& backgroundLow, std::int32_t& backgroundHigh,
                        std::int32_t& decayLow, std::int32_t& decayHigh) {
  const bool ordered = 1 <= backgroundLow && backgroundLow < backgroundHigh &&
                       backgroundHigh < decayLow && decayLow < decayHigh &&
                       decayHigh <= ChannelCount;
  if (ordered) return;
  backgroundLow = 1;
  backgroundHigh = 2;
  decayLow = 3;
  decayHigh = 4;
}

void RepairHeader(TSessionRecord& r) {
  RepairText(r.Signature);
  RepairText(r.SessionReference);
  RepairText(r.Password);
  RepairText(r.StudentNames);
  Clamp(r.SystemNumber, 1, 2);
  Clamp(r.MolecularWeight, 50.0f, 500.0f);
  Clamp(r.FluorophorePercent, 0.2f, 2.0f);
  Clamp(r.AbsorptionScaling, 0.2f, 2.0f);
  Clamp(r.QuantumYield, 0.1f, 1.0f);
  Clamp(r.LifetimeAtMinTemp, 0.5f, 50.0f);
  Clamp(r.MinTemperature, -100.0f, 100.0f);
  Clamp(r.MaxTemperature, r.MinTemperature, 100.0f);
  Clamp(r.ActivationEnergy, 1.0f, 10.0f);
  for (float& value : r.SolventAbsorption) Clamp(value, 0.0f, 2.0f);
  for (float& value : r.SoluteAbsorption) NonNegative(value);
  for (float& value : r.FluorescenceSpectrum) NonNegative(value);
}

void RepairSample(TSessionRecord& r) {
  Clamp(r.CurrentMeasurement, 1, MeasurementCount);
  Clamp(r.SampleWeight, 0.0f, 1000.0f);
  Clamp(r.StockFlaskIndex, 0, 4);
  NonNegative(r.StockVolume);
  Clamp(r.AliquotIndex, 0, 7);
  Clamp(r.DilutionFlaskIndex, 0, 4);
  NonNegative(r.DilutionVolume);
  NonNegative(r.SampleConcentration);
  for (auto& histogram : r.PromptCounts)
    for (auto& count : histogram) Clamp(count, 0, INT32_MAX);
  for (auto& histogram : r.DecayCounts)
    for (auto& count : histogram) Clamp(count, 0, INT32_MAX);
}

void RepairInstrument(TSessionRecord& r) {
  RepairWavelength(r.ExcitationWavelength);
  Clamp(r.ExcitationBandpass, 1, 6);
  Clamp(r.ExcitationFilter, 1, 5);
  RepairWavelength(r.EmissionWavelength);
  Clamp(r.EmissionBandpass, 1, 6);
  Clamp(r.EmissionFilter, 1, 5);
  Clamp(r.SampleTemperature, -10000, 10000);
  Clamp(r.TacRange, 1, 3);
  Clamp(r.RangeMultiplier, 1, 3);
  Clamp(r.DelaySide, 1, 2);
  Clamp(r.DetectorIndex, 1, 3);
  Clamp(r.LampIndex, 1, 8);
  Clamp(r.LampFrequency, 1, 5000);  // the widest lamp range; each lamp clamps further
  Clamp(r.RateMeterSource, 1, 4);
}

void RepairAnalysis(TSessionRecord& r) {
  for (int m = 1; m <= MeasurementCount; ++m) {
    RepairChannelRange(r.AnaBackgroundLow[m], r.AnaBackgroundHigh[m], r.AnaDecayLow[m],
                       r.AnaDecayHigh[m]);
    NonNegative(r.AnaTimeCalibration[m]);
    NonNegative(r.AnaLifetime[m]);
    NonNegative(r.AnaChiSquared[m]);
    for (float& value : r.AnaFittedCurve[m]) Finite(value);
    for (float& value : r.AnaResiduals[m]) Finite(value);
  }
  RepairChannelRange(r.LastBackgroundLow, r.LastBackgroundHigh, r.LastDecayLow, r.LastDecayHigh);
  NonNegative(r.LastTimeCalibration);
}

}  // namespace

void BringIntoRange(TSessionRecord& record) {
  RepairHeader(record);
  RepairSample(record);
  RepairInstrument(record);
  RepairAnalysis(record);
}
