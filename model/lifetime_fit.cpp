#include "model/lifetime_fit.h"

#include <cmath>
#include <memory>

#include "model/analysis_ranges.h"
#include "model/parameter_text.h"

namespace {

constexpr double LowestCalibration = 0.01;  // ns per channel
constexpr double HighestCalibration = 5.0;
constexpr double CalibrationTolerance = 0.0099999;  // admits the float nearest 0.01
constexpr double ShortestLifetime = 0.1;            // ns
constexpr double LongestLifetime = 100.0;
constexpr double OneMinusInverseE = 0.632120558;

// NaN counts as below the window.
float Clamped(double value, double low, double high) {
  if (!(value >= low)) return static_cast<float>(low);
  if (value > high) return static_cast<float>(high);
  return static_cast<float>(value);
}

float TypedNumber(std::string_view text, double low, double high) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return Clamped(ReadParameterNumber(text).value_or(0.0f), low, high);
}

int PeakChannel(const TDecayAnalysis& a) {
  int peak = 1;
  std::int32_t highest = 0;
  for (int c = a.DecayLow; c <= a.DecayHigh; ++c) {
    if (a.Decay[c] > highest) {
      peak = c;
      highest = a.Decay[c];
    }
  }
  return peak;
}

// The local arrays of one analysis; only the decay range is used.
struct FitArrays {
  Curve Model{};
  Curve Weight{};
};

// Each prompt channel of the decay range starts an exponential at full height in its own
// channel. Channels after DecayHigh are never read, so the filter stops there.
void Reconvolve(const TDecayAnalysis& a, float promptBackground, float q, Curve& model) {
  for (int i = a.DecayLow; i <= a.DecayHigh; ++i) {
    auto v = static_cast<float>(a.Prompt[i] - double{promptBackground});
    for (int j = i; j <= a.DecayHigh; ++j) {
      model[j] += v;
      v *= q;
    }
  }
}

float Amplitude(const TDecayAnalysis& a, const Curve& model, float decayBackground) {
  float modelSum = 0.0f;
  float dataSum = 0.0f;
  for (int c = a.DecayLow; c <= a.DecayHigh; ++c) {
    modelSum += model[c];
    dataSum =
        static_cast<float>(double{dataSum} + static_cast<float>(a.Decay[c]) - decayBackground);
  }
  // A corrected prompt that cancels over the range leaves the amplitude undefined.
  return modelSum == 0.0f ? 0.0f : dataSum / modelSum;
}

// Writes Fit and Residuals over the decay range; returns the sum of weighted squared residuals.
float WriteFit(TDecayAnalysis& a, const FitArrays& arrays, float scale, float decayBackground) {
  float chi = 0.0f;
  for (int c = a.DecayLow; c <= a.DecayHigh; ++c) {
    a.Fit[c] = static_cast<float>(double{scale} * arrays.Model[c] + decayBackground);
    const auto r = static_cast<float>(a.Decay[c] - double{a.Fit[c]});
    a.Residuals[c] = static_cast<float>(std::sqrt(double{arrays.Weight[c]}) * r);
    chi = static_cast<float>(double{r} * r * arrays.Weight[c] + chi);
  }
  return chi;
}

}  // namespace

void AcceptTimeCalibration(TDecayAnalysis& analysis, std::string_view text) {
  analysis.TimeCalibration = TypedNumber(text, LowestCalibration, HighestCalibration);
}

void AcceptLifetimeEstimate(TDecayAnalysis& analysis, std::string_view text) {
  analysis.LifetimeEstimate = TypedNumber(text, ShortestLifetime, LongestLifetime);
}

bool IsValidCalibration(float timeCalibration) {
  return timeCalibration >= CalibrationTolerance && timeCalibration <= HighestCalibration;
}

bool IsValidEstimate(float lifetimeEstimate) {
  return lifetimeEstimate >= ShortestLifetime && lifetimeEstimate <= LongestLifetime;
}

FitFailure EstimateLifetime(TDecayAnalysis& a) {
  if (!IsValidCalibration(a.TimeCalibration)) return InvalidCalibrationMessage;
  const int peak = PeakChannel(a);
  const std::int64_t total = RangeSum(a.Decay, peak, a.DecayHigh);
  const auto threshold =
      static_cast<std::int64_t>(static_cast<float>(static_cast<double>(total) * OneMinusInverseE));
  int end = peak;
  std::int64_t running = 0;
  for (int c = peak; c <= a.DecayHigh && running + a.Decay[c] < threshold; ++c) {
    running += a.Decay[c];
    end = c;
  }
  const auto estimate = static_cast<float>((end - peak) * double{a.TimeCalibration});
  a.LifetimeEstimate = Clamped(estimate, ShortestLifetime, LongestLifetime);
  return std::nullopt;
}

FitFailure AnalyseDecay(TDecayAnalysis& a) {
  if (!IsValidCalibration(a.TimeCalibration)) return InvalidCalibrationMessage;
  if (!IsValidEstimate(a.LifetimeEstimate)) return InvalidEstimateMessage;

  const double n = a.BackgroundHigh - a.BackgroundLow + 1;
  const auto promptBackground =
      static_cast<float>(RangeSum(a.Prompt, a.BackgroundLow, a.BackgroundHigh) / n);
  const auto decayBackground =
      static_cast<float>(RangeSum(a.Decay, a.BackgroundLow, a.BackgroundHigh) / n);

  auto arrays = std::make_unique<FitArrays>();
  for (int c = a.DecayLow; c <= a.DecayHigh; ++c) {
    const auto y = static_cast<float>(a.Decay[c]);
    arrays->Weight[c] = y >= 1.0f ? static_cast<float>(1.0 / y) : 1.0f;
  }
  const auto q =
      static_cast<float>(std::exp(-double{a.TimeCalibration} / double{a.LifetimeEstimate}));
  Reconvolve(a, promptBackground, q, arrays->Model);

  float chi = WriteFit(a, *arrays, Amplitude(a, arrays->Model, decayBackground), decayBackground);
  if (!std::isfinite(chi)) chi = WriteFit(a, *arrays, 0.0f, decayBackground);
  a.ChiSquared = static_cast<float>(double{chi} / (a.DecayHigh - a.DecayLow));
  return std::nullopt;
}
