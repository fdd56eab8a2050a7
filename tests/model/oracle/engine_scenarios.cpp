#include "oracle/engine_scenarios.h"

#include <cstdlib>
#include <memory>

#include "catalogue/fluorophore_catalogue.h"
#include "model/session_creation.h"
#include "session/session_record.h"

namespace {

constexpr int TypicalSystem = 1;
constexpr int FirstLed = 2;  // the LEDs 2..7 peak at 310, 320, 330, 340, 360 and 380 nm
constexpr int LedPeaks[] = {310, 320, 330, 340, 360, 380};

int PeakOf(const Spectrum& spectrum, int low, int high) {
  int peak = low;
  for (int w = low; w <= high; ++w) {
    if (spectrum[w] > spectrum[peak]) peak = w;
  }
  return peak;
}

}  // namespace

TInstrumentSettings WorstCaseSettings() {
  TInstrumentSettings s;
  s.LampIndex = 8;
  s.LampFrequency = 5000;
  s.LampOn = true;
  s.DetectorOn = true;
  s.ExcitationWavelength = s.ExcitationTarget = 4000;
  s.EmissionWavelength = s.EmissionTarget = 4000;
  s.ExcitationShutterOpen = s.EmissionShutterOpen = true;
  return s;
}

void TypicalDecay(TInstrumentSettings& s, TSampleState& sample) {
  auto record = std::make_unique<TSessionRecord>();
  CopySystemSpectra(*record, TypicalSystem);
  record->LifetimeAtMinTemp = DefaultLifetime(TypicalSystem);
  record->ActivationEnergy = DefaultActivationEnergy(TypicalSystem);
  const int absorptionPeak = PeakOf(record->SoluteAbsorption, 300, 390);
  // An absorbance of about one at the peak over the whole path.
  record->SampleConcentration = 1.0f / record->SoluteAbsorption[absorptionPeak];
  PrepareSample(*record, false, sample);

  int led = 0;
  for (int i = 1; i < 6; ++i) {
    if (std::abs(LedPeaks[i] - absorptionPeak) < std::abs(LedPeaks[led] - absorptionPeak)) led = i;
  }
  s = TInstrumentSettings{};
  s.LampIndex = FirstLed + led;
  s.LampOn = true;
  s.DetectorOn = true;
  s.ExcitationWavelength = s.ExcitationTarget = LedPeaks[led] * 10;
  const int emissionPeak = PeakOf(record->FluorescenceSpectrum, FirstWavelength, LastWavelength);
  s.EmissionWavelength = s.EmissionTarget = emissionPeak * 10;
  s.ExcitationBandpass = s.EmissionBandpass = 4;
  s.ExcitationShutterOpen = s.EmissionShutterOpen = true;
  s.TemperatureLow = 20;
  s.TemperatureHigh = 60;
  s.SampleTemperature = s.TemperatureTarget = 3000;
}
