#pragma once

#include <cstdint>

// The photon counter's carries between ticks: the whole conversions of a tick are the rate
// divided by ten, the fraction goes on to the next tick.
struct TConversionCarries {
  float DarkCarry = 0.0f;  // fractional dark conversions
  std::int32_t DarkEvents = 0;
  float SignalCarry = 0.0f;  // fractional light conversions
  std::int32_t SignalEvents = 0;
};

// No light reaches the detector: the light pair restarts.
inline void ClearLightCarries(TConversionCarries& carries) {
  carries.SignalCarry = 0.0f;
  carries.SignalEvents = 0;
}

// The detector is off: nothing is converted at all.
inline void ClearAllCarries(TConversionCarries& carries) {
  carries = TConversionCarries{};
}
