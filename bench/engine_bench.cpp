// One iteration is one 100 ms tick's work of the photon-counting engine, against the plain
// step-by-step oracle on the same set-up.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <span>

#include "model/instrument_engine.h"
#include "model/random.h"
#include "oracle/engine_oracle.h"
#include "oracle/engine_scenarios.h"

namespace {

struct Scenario {
  TInstrumentSettings settings;
  TSampleState sample;
  bool promptMode;
};

Scenario Worst() {
  Scenario s{WorstCaseSettings(), TSampleState{}, true};
  s.sample.SampleKind = SampleScatterer;
  return s;
}

Scenario Typical() {
  Scenario s{};
  TypicalDecay(s.settings, s.sample);
  s.promptMode = false;
  return s;
}

void EngineTickBench(benchmark::State& state, const Scenario& scenario) {
  auto instrument = std::make_unique<TInstrument>();
  instrument->Settings = scenario.settings;
  instrument->Sample = scenario.sample;
  instrument->Acquisition.Acquiring = true;
  SeedRandom(1);
  for (auto _ : state) {
    EngineTick(*instrument, scenario.promptMode);
    benchmark::DoNotOptimize(instrument->Acquisition.McaCounts);
  }
  state.counters["conversions"] = std::int64_t{instrument->Acquisition.Carries.DarkEvents} +
                                  instrument->Acquisition.Carries.SignalEvents;
}

void OracleTickBench(benchmark::State& state, const Scenario& scenario) {
  auto model = std::make_unique<TOracleModel>();
  auto table = std::make_unique<TOracleTable>();
  auto counts = std::make_unique<Histogram>();
  TConversionCarries carries;
  std::mt19937 generator(1);
  for (auto _ : state) {
    OracleCountModel(scenario.settings, scenario.sample, scenario.promptMode, *model, carries);
    OracleAccumulate(*model, scenario.settings.LampFrequency, carries, *counts, generator, *table);
    benchmark::DoNotOptimize(*counts);
  }
}

// The model alone from a cleared state, every intermediate recomputed.
void ModelFromScratchBench(benchmark::State& state, const Scenario& scenario) {
  auto model = std::make_unique<TCountModel>();
  TConversionCarries carries;
  for (auto _ : state) {
    *model = TCountModel{};
    UpdateCountModel(scenario.settings, scenario.sample, scenario.promptMode, *model, carries);
    benchmark::DoNotOptimize(model->ChannelResponse);
  }
}

Scenario AllLinesOnStart(int detector) {
  Scenario s = Typical();
  s.settings.DetectorIndex = detector;
  for (bool& line : s.settings.DelayLines) line = true;
  return s;
}

void GeneratorBench(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  SeedRandom(1);
  for (auto _ : state) {
    for (std::size_t done = 0; done < count;) {
      const std::span<const std::uint32_t> draws = RandomDraws(count - done);
      benchmark::DoNotOptimize(draws.data());
      done += draws.size();
    }
  }
}

}  // namespace

BENCHMARK_CAPTURE(EngineTickBench, worst, Worst())
    ->Name("EngineTick/worst")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OracleTickBench, worst, Worst())
    ->Name("OracleTick/worst")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EngineTickBench, typical, Typical())
    ->Name("EngineTick/typical")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OracleTickBench, typical, Typical())
    ->Name("OracleTick/typical")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(GeneratorBench)->Name("Generator")->Arg(4500000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ModelFromScratchBench, worst, Worst())
    ->Name("Model/worst")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ModelFromScratchBench, typical, Typical())
    ->Name("Model/typical")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ModelFromScratchBench, standard_all_lines_on_start, AllLinesOnStart(1))
    ->Name("Model/standard_all_lines_on_start")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ModelFromScratchBench, red_pmt_all_lines_on_start, AllLinesOnStart(2))
    ->Name("Model/red_pmt_all_lines_on_start")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ModelFromScratchBench, mcp_pmt_all_lines_on_start, AllLinesOnStart(3))
    ->Name("Model/mcp_pmt_all_lines_on_start")
    ->Unit(benchmark::kMillisecond);
