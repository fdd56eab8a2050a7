#include "model/instrument_settings.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The solvent lets no light through from this absorbance on.
constexpr float OpaqueSolvent = 1.9999f;

TMovement StepToward(std::int32_t& value, std::int32_t target, std::int32_t step, bool& moving) {
  if (!moving) return {};
  value += value < target ? std::min(step, target - value) : -std::min(step, value - target);
  moving = value != target;
  return {true, !moving};
}

}  // namespace

void PrepareSample(const TSessionRecord& session, bool promptMode, TSampleState& sample) {
  sample = TSampleState{};
  if (promptMode) {
    sample.SampleKind = SampleScatterer;
    return;
  }
  sample.SampleKind = SampleFluorescent;
  const float concentration = session.SampleConcentration;
  for (int wavelength = FirstWavelength; wavelength <= LastWavelength; ++wavelength) {
    const float solvent = session.SolventAbsorption[wavelength];
    const float epsilonC = session.SoluteAbsorption[wavelength] * concentration;
    const float passed = solvent <= OpaqueSolvent ? std::exp(-0.5f * solvent) : 0.0f;
    sample.SampleExcitation[wavelength] =
        passed * (std::exp(-0.45f * epsilonC) - std::exp(-0.55f * epsilonC));
    sample.SampleEmission[wavelength] = session.FluorescenceSpectrum[wavelength];
  }
  sample.SampleLifetime = session.LifetimeAtMinTemp;
  sample.SampleActivationEnergy = session.ActivationEnergy;
}

TSettingsProgress AdvanceSettings(TInstrumentSettings& settings) {
  constexpr std::int32_t NanometreStep = 10;
  constexpr std::int32_t TemperatureStep = 1;
  TSettingsProgress progress;
  progress.Excitation = StepToward(settings.ExcitationWavelength, settings.ExcitationTarget,
                                   NanometreStep, settings.ExcitationMoving);
  progress.Emission = StepToward(settings.EmissionWavelength, settings.EmissionTarget,
                                 NanometreStep, settings.EmissionMoving);
  progress.Temperature = StepToward(settings.SampleTemperature, settings.TemperatureTarget,
                                    TemperatureStep, settings.TemperatureMoving);
  return progress;
}

int TimeScaleOf(const TInstrumentSettings& settings) {
  constexpr std::array<int, 3> RangeScale{1, 2, 4};
  constexpr std::array<int, 3> MultiplierScale{1, 10, 100};
  return RangeScale.at(settings.TacRange - 1) * MultiplierScale.at(settings.RangeMultiplier - 1);
}

TWavelengthWindow MonochromatorWindow(std::int32_t wavelength, std::int32_t bandpass) {
  // Offsets below and above the centre for 1, 2, 4, 8, 16 and 32 nm.
  constexpr std::array<int, 6> Below{0, 0, 1, 3, 7, 15};
  constexpr std::array<int, 6> Above{0, 1, 2, 4, 8, 16};
  const int centre = wavelength / 10;
  return {std::max(centre - Below.at(bandpass - 1), FirstWavelength),
          std::min(centre + Above.at(bandpass - 1), LastWavelength)};
}
