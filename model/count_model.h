#pragma once

#include <cstdint>

#include "catalogue/instrument_catalogue.h"
#include "model/conversion_carries.h"
#include "model/instrument_settings.h"
#include "session/indexed_array.h"
#include "session/session_record.h"

// The instrument's finest channel width (ns): a TAC range of 50 ns at a multiplier of 1, so
// the 4096 channels span 46.37 ns. The width in general is TimeScale × BaseChannelWidth.
constexpr float BaseChannelWidth = 0.01132f;
constexpr double GasConstant = 0.008314472;  // kJ/(mol K)
constexpr int AbsoluteZero = 273;            // degrees Celsius below zero, as the model takes it

constexpr int DecayShapeLength = 8192;
using DecayCurve = OneBased<float, DecayShapeLength>;

// Channels before the TAC window that can still reach channel 1 through the lamp pulse
// (199 channels) and, before that, the detector response (999 channels).
constexpr int FirstDetectedChannel = 1 - (PulseSteps - 1);
constexpr int FirstPlacedChannel = FirstDetectedChannel - (ResponseSteps - 1);
using PlacedCurve = IndexedArray<float, FirstPlacedChannel, ChannelCount>;
using DetectedCurve = IndexedArray<float, FirstDetectedChannel, ChannelCount>;

// What a cached intermediate was last computed from; a change of any field recomputes it.
struct TDecayKey {
  int SampleKind = -1;  // no valid decay shape yet
  int TimeScale = 0;
  float Lifetime = 0.0f;
  float ActivationEnergy = 0.0f;
  std::int32_t Temperature = 0;
  std::int32_t TemperatureLow = 0;
  bool operator==(const TDecayKey&) const = default;
};

struct TProfileKey {
  int Entry = 0;  // no valid profile yet
  int TimeScale = 0;
  bool operator==(const TProfileKey&) const = default;
};

struct TResponseKey {
  TDecayKey Decay;
  TProfileKey Lamp;
  TProfileKey Detector;
  int Shift = 0;
  bool operator==(const TResponseKey&) const = default;
};

// The count-rate model: the expected shape of the time histogram and the four rates. Callers
// read it; only UpdateCountModel writes it. Intermediates are kept until their inputs change,
// so a tick whose settings did not move recomputes only the rates.
struct TCountModel {
  int TimeScale = 1;                  // k: channel width in base steps, 1..400
  DecayCurve DecayShape{};            // probability of emission per channel after excitation
  PulseProfile LampProfile{};         // the lamp pulse rebinned to k base steps per channel
  ResponseProfile DetectorProfile{};  // the detector response rebinned the same way
  Curve ChannelResponse{};            // expected light signal in MCA channels 1..4096
  float ResponseSum = 0.0f;           // ChannelResponse summed over 1..4096 in channel order
  float DarkRate = 0.0f;              // detector dark counts per second
  float DarkTacRate = 0.0f;           // TAC conversions per second from dark counts
  float PhotonRate = 0.0f;            // photons per second reaching the detector
  float SignalTacRate = 0.0f;         // TAC conversions per second from those photons

  // Working state of the evaluation.
  PlacedCurve Placed{};      // the decay at its shift, from the first channel that matters
  DetectedCurve Detected{};  // after the detector response
  TDecayKey DecayKey;
  TProfileKey LampKey;
  TProfileKey DetectorKey;
  TResponseKey ResponseKey;
  bool ResponseValid = false;  // ChannelResponse holds the response of ResponseKey
};

// The lifetime (ns) at the current sample temperature:
//   τ = SampleLifetime × exp((Ea / 0.008314472) × (1/T − 1/Tmin))
// with T = SampleTemperature / 100 + 273 and Tmin = TemperatureLow + 273 (kelvin).
float LifetimeAt(const TSampleState& sample, const TInstrumentSettings& settings);

// The shift in channels of the stop relative to the start: the delay lines switched in (ns,
// negated on the start side) plus the detector's transit time, over the channel width,
// truncated toward zero.
int ChannelShift(const TInstrumentSettings& settings, int timeScale);

// Re-evaluates the model from the settings and the sample. Clears all carries when the
// detector is off and the light carries when the lamp is off or a shutter is closed.
void UpdateCountModel(const TInstrumentSettings& settings, const TSampleState& sample,
                      bool promptMode, TCountModel& model, TConversionCarries& carries);

// The whole number the rate meter shows: 0 when off, the lamp's pulses per second for
// "Lamp/Start", and x + (u − 0.5) √x rounded half to even for "PMT/Stop" (x = photon plus dark
// rate) and "TAC-out" (x = both conversion rates), u drawn from the shared generator.
std::int64_t ReadRateMeter(const TInstrumentSettings& settings, const TCountModel& model);

// A noisy reading of the rate x (per second) for the uniform u in [0, 1):
// x + (u − 0.5) √x rounded to the nearest whole number, ties to even.
std::int64_t RateMeterReading(double x, double u);
