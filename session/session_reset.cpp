#include "session/session_file.h"
#include "session/session_record.h"

namespace {
template <typename Array, typename Value>
void Fill(Array& array, Value value) {
  for (auto& item : array) item = value;
}
}  // namespace

void ResetSession() {
  TSessionRecord& s = Session;
  s.SamplePrepared = false;
  s.CurrentMeasurement = 1;
  Fill(s.PromptRecorded, false);
  Fill(s.DecayRecorded, false);
  Fill(s.AnalysisSaved, false);

  s.SampleWeight = 0.0f;
  s.StockFlaskIndex = 0;
  s.StockVolume = 0.0f;
  s.AliquotIndex = 0;
  s.DilutionFlaskIndex = 0;
  s.DilutionVolume = 0.0f;
  s.SampleConcentration = 0.0f;

  for (auto& histogram : s.PromptCounts) Fill(histogram, 0);
  for (auto& histogram : s.DecayCounts) Fill(histogram, 0);

  s.ExcitationWavelength = 2000;
  s.ExcitationBandpass = 1;
  s.ExcitationFilter = 1;
  s.ExcitationShutterOpen = false;
  s.EmissionWavelength = 2000;
  s.EmissionBandpass = 1;
  s.EmissionFilter = 1;
  s.EmissionShutterOpen = false;
  s.SampleTemperature = 2000;
  s.TacRange = 1;
  s.RangeMultiplier = 1;
  s.DelaySide = 1;
  Fill(s.DelayLines, false);
  s.DetectorIndex = 1;
  s.DetectorOn = false;
  s.LampIndex = 1;
  s.LampFrequency = 1000;
  s.LampOn = false;
  s.RateMeterSource = 1;

  Fill(s.AnaBackgroundLow, 1);
  Fill(s.AnaBackgroundHigh, 2);
  Fill(s.AnaDecayLow, 3);
  Fill(s.AnaDecayHigh, 4);
  Fill(s.AnaTimeCalibration, 0.0f);
  Fill(s.AnaLifetime, 0.0f);
  Fill(s.AnaChiSquared, 0.0f);
  for (auto& curve : s.AnaFittedCurve) Fill(curve, 0.0f);
  for (auto& curve : s.AnaResiduals) Fill(curve, 0.0f);
  s.LastBackgroundLow = 1;
  s.LastBackgroundHigh = 2;
  s.LastDecayLow = 3;
  s.LastDecayHigh = 4;
  s.LastTimeCalibration = 0.0f;
}
