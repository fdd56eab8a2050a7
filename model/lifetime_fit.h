#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/decay_analysis.h"

// Reconvolution fit of one exponential to a recorded decay, for a lifetime the student
// proposes. Operations that can fail return the message to show, or nothing on success; a
// failed operation changes nothing.

constexpr const char* InvalidCalibrationMessage = "Invalid time calibration.";
constexpr const char* InvalidEstimateMessage = "Invalid lifetime estimate.";

using FitFailure = std::optional<std::string>;

// Reads a typed number ("." as the decimal point, optional sign and exponent, blanks around it
// allowed) into TimeCalibration clamped to 0.01..5.0 ns, or into LifetimeEstimate clamped to
// 0.1..100.0 ns. Text that is no number becomes the lower limit.
void AcceptTimeCalibration(TDecayAnalysis& analysis, std::string_view text);
void AcceptLifetimeEstimate(TDecayAnalysis& analysis, std::string_view text);

// 0.0099999 <= TimeCalibration <= 5.0 (so the float nearest 0.01 passes); 0.1 <= estimate <= 100.
bool IsValidCalibration(float timeCalibration);
bool IsValidEstimate(float lifetimeEstimate);

// Sets LifetimeEstimate from the decay alone: from the highest channel of the decay range (the
// first of equals; channel 1 when the range is empty) to the last channel at which the running
// sum of counts is still below (1 - 1/e) of the total from the peak to DecayHigh, times the
// calibration, within 0.1..100.0 ns. Fails on an invalid calibration.
[[nodiscard]] FitFailure EstimateLifetime(TDecayAnalysis& analysis);

// Fits the decay range: with bP, bD the mean prompt and decay counts of the background range and
// q = exp(-TimeCalibration / LifetimeEstimate),
//   M[j] = sum over i = DecayLow..j of (Prompt[i] - bP) q^(j - i)
//   Fit[j] = scale M[j] + bD,  scale = sum(Decay - bD) / sum(M) over the decay range
//   Residuals[j] = (Decay[j] - Fit[j]) sqrt(W[j]),  W = 1 / Decay (1 for an empty channel)
//   ChiSquared = sum of W (Decay - Fit)^2 / (DecayHigh - DecayLow)
// in 4-byte floats, summed in channel order. Where the amplitude is undefined (the corrected
// prompt sums to zero) or would overflow, the fit is the background bD alone. Channels outside
// the decay range keep their values. Fails on an invalid calibration, then an invalid estimate.
[[nodiscard]] FitFailure AnalyseDecay(TDecayAnalysis& analysis);
