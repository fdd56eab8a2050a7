// One iteration is one press of Analyse over the widest decay range (channels 3..4096), the
// reconvolution's worst case of about 4096 × 4096 / 2 steps.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "model/decay_analysis.h"
#include "model/lifetime_fit.h"

namespace {

void WidestAnalysis(benchmark::State& state) {
  auto analysis = std::make_unique<TDecayAnalysis>();
  TDecayAnalysis& a = *analysis;
  a.DecayHigh = ChannelCount;
  a.TimeCalibration = 0.01132f;
  a.LifetimeEstimate = 5.0f;
  for (int c = 1; c <= ChannelCount; ++c) {
    a.Prompt[c] = 10 + static_cast<int>(1e4 * std::exp(-0.001 * (c - 2000) * (c - 2000)));
    a.Decay[c] = 10 + (c > 2000 ? static_cast<int>(1e4 * std::exp(-(c - 2000) / 440.0)) : 0);
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(AnalyseDecay(a));
    benchmark::DoNotOptimize(a.ChiSquared);
  }
}
BENCHMARK(WidestAnalysis)->Unit(benchmark::kMillisecond);

}  // namespace
