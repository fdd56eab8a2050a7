#pragma once

#include <cstdint>

#include "session/session_record.h"

// The analysis screen's working set: one measurement's prompt and decay and the fit made of
// them. Reals are 4-byte floats like the session record's. Ranges are inclusive channel numbers
// kept in the order 1 <= BackgroundLow < BackgroundHigh < DecayLow < DecayHigh <= 4096.
struct TDecayAnalysis {
  Histogram Prompt{};
  Histogram Decay{};
  Curve Fit{};        // fitted decay in counts; meaningful over the decay range only
  Curve Residuals{};  // (data - fit) / sqrt(data), or data - fit for an empty channel
  std::int32_t BackgroundLow = 1;
  std::int32_t BackgroundHigh = 2;
  std::int32_t DecayLow = 3;
  std::int32_t DecayHigh = 4;
  float TimeCalibration = 0.0f;   // ns per channel; 0 until given
  float LifetimeEstimate = 0.0f;  // ns, the lifetime the next analysis uses; 0 until given
  float ChiSquared = 0.0f;        // reduced chi-squared of the last analysis
};

// Every channel and value to 0, the ranges to 1, 2, 3, 4.
void ClearAnalysis(TDecayAnalysis& analysis);

// Clears the working set and fills it from the session's current measurement: its prompt and
// decay, and either its saved analysis (returns true) or the session's last-used ranges and
// calibration (returns false; estimate, chi-squared and curves stay 0).
bool LoadAnalysis(TDecayAnalysis& analysis, const TSessionRecord& session);

// Saves the working set as it stands as the current measurement's analysis and marks it saved.
// Writes no file.
void StoreAnalysis(const TDecayAnalysis& analysis, TSessionRecord& session);

// Keeps the ranges and calibration as the last-used settings of the program's Session and writes
// the session file. Returns whether the file was written (a failure has been shown to the user).
bool RememberSettings(const TDecayAnalysis& analysis);
