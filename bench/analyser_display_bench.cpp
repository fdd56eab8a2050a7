// One iteration is one tick's drawing of the analyser plot: the engine's worst-case tick alone,
// the drawing alone on the counts it leaves, and both together as the measurement screen runs
// them.

#include <benchmark/benchmark.h>

#include <memory>

#include "model/analyser_display.h"
#include "model/instrument_engine.h"
#include "model/random.h"
#include "oracle/engine_scenarios.h"

namespace {

std::unique_ptr<TInstrument> CountingWorstCase() {
  auto instrument = std::make_unique<TInstrument>();
  instrument->Settings = WorstCaseSettings();
  instrument->Sample.SampleKind = SampleScatterer;
  instrument->Acquisition.Acquiring = true;
  SeedRandom(1);
  for (int tick = 0; tick < 10; ++tick) EngineTick(*instrument, true);
  return instrument;
}

void DrawHistogramBench(benchmark::State& state) {
  const auto instrument = CountingWorstCase();
  auto display = std::make_unique<TAnalyserDisplay>();
  ClearPlot(*display);
  for (auto _ : state) {
    DrawHistogram(*display, instrument->Acquisition.McaCounts, true);
    benchmark::DoNotOptimize(display->Plot.Pixels().data());
  }
}

void TickWithDrawingBench(benchmark::State& state) {
  const auto instrument = CountingWorstCase();
  auto display = std::make_unique<TAnalyserDisplay>();
  ClearPlot(*display);
  for (auto _ : state) {
    EngineTick(*instrument, true);
    DrawHistogram(*display, instrument->Acquisition.McaCounts, true);
    benchmark::DoNotOptimize(display->Plot.Pixels().data());
  }
}

}  // namespace

BENCHMARK(DrawHistogramBench)->Name("DrawHistogram/worst")->Unit(benchmark::kMillisecond);
BENCHMARK(TickWithDrawingBench)->Name("TickWithDrawing/worst")->Unit(benchmark::kMillisecond);
