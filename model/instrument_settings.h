#pragma once

#include <cstdint>

#include "session/indexed_array.h"
#include "session/session_record.h"

// The settings of the simulated photon-counting spectrometer, kept in step with the
// measurement screen's controls. Wavelengths are in tenths of a nm, temperatures in
// hundredths of a degree Celsius, the lamp frequency in kHz; selections are 1-based.
struct TInstrumentSettings {
  std::int32_t ExcitationWavelength = 2000;  // where the monochromator stands now
  std::int32_t ExcitationTarget = 2000;      // where it is moving to
  bool ExcitationMoving = false;
  std::int32_t ExcitationBandpass = 1;  // 1..6: 1, 2, 4, 8, 16, 32 nm
  std::int32_t ExcitationFilter = 1;    // into Filters()
  bool ExcitationShutterOpen = false;

  std::int32_t EmissionWavelength = 2000;
  std::int32_t EmissionTarget = 2000;
  bool EmissionMoving = false;
  std::int32_t EmissionBandpass = 1;
  std::int32_t EmissionFilter = 1;
  bool EmissionShutterOpen = false;

  std::int32_t TacRange = 1;         // 1..3: 50, 100, 200 ns
  std::int32_t RangeMultiplier = 1;  // 1..3: ×1, ×10, ×100
  std::int32_t DelaySide = 1;        // 1 delay on the start signal, 2 on the stop signal
  OneBased<bool, 6> DelayLines{};    // 1, 2, 4, 8, 16, 32 ns switched in

  std::int32_t DetectorIndex = 1;  // into Detectors()
  bool DetectorOn = false;
  std::int32_t LampIndex = 1;         // into Lamps()
  std::int32_t LampFrequency = 1000;  // kHz, within the lamp's limits
  bool LampOn = false;

  std::int32_t SampleTemperature = 2000;  // where the sample stands now
  std::int32_t TemperatureTarget = 2000;
  bool TemperatureMoving = false;
  std::int32_t TemperatureLow = 20;  // whole degrees Celsius, the session's range
  std::int32_t TemperatureHigh = 20;

  std::int32_t RateMeterSource = 1;  // 1 off, 2 lamp/start, 3 PMT/stop, 4 TAC-out
};

constexpr int SampleNone = 0;
constexpr int SampleScatterer = 1;    // for a prompt: the instrument response
constexpr int SampleFluorescent = 2;  // for a decay

// The sample in the instrument, as "Load Sample" put it there.
struct TSampleState {
  int SampleKind = SampleNone;
  Spectrum SampleExcitation{};          // share of the exciting light absorbed in the viewed region
  Spectrum SampleEmission{};            // fluorescence spectrum
  float SampleLifetime = 0.0f;          // ns at the session's minimum temperature
  float SampleActivationEnergy = 0.0f;  // kJ/mol
};

// Loads the sample: a scatterer in prompt mode, else the session's prepared sample with
//   T = exp(-0.5 A) for a solvent absorbance A up to 1.9999, else 0,
//   SampleExcitation = T × (exp(-0.45 ε C) - exp(-0.55 ε C))
// for the solute's molar absorption ε and the sample concentration C, and the session's
// fluorescence spectrum, lifetime and activation energy.
void PrepareSample(const TSessionRecord& session, bool promptMode, TSampleState& sample);

// What one tick did to a monochromator or the temperature.
struct TMovement {
  bool Moved = false;    // it took a step in this tick
  bool Arrived = false;  // and the step reached the target
};

struct TSettingsProgress {
  TMovement Excitation;
  TMovement Emission;
  TMovement Temperature;
};

// One 100 ms tick of movement: each monochromator 1 nm (10 tenths), the temperature 0.01 °C,
// toward its target.
TSettingsProgress AdvanceSettings(TInstrumentSettings& settings);

// The channel width in base steps: (1, 2, 4 for 50, 100, 200 ns) × (1, 10, 100).
int TimeScaleOf(const TInstrumentSettings& settings);

// A monochromator's window in whole nm for a wavelength in tenths of a nm and a bandpass
// selection 1..6, kept within 200..800 nm.
struct TWavelengthWindow {
  int Low;
  int High;
};
TWavelengthWindow MonochromatorWindow(std::int32_t wavelength, std::int32_t bandpass);
