// The engine against the plain step-by-step oracle: the model bit for bit, the channel of
// every draw, and whole runs of counting from the same seed.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "model/instrument_engine.h"
#include "model/random.h"
#include "oracle/engine_oracle.h"
#include "oracle/engine_scenarios.h"

namespace {

// Index of the first element whose bits differ, or 0 when all agree.
template <typename A, typename B>
int FirstDifference(const A& engine, const B& oracle, int first, int last) {
  static_assert(sizeof engine[first] == sizeof oracle[first]);
  const auto* engineBytes = reinterpret_cast<const unsigned char*>(&engine[first]);
  const auto* oracleBytes = reinterpret_cast<const unsigned char*>(&oracle[first]);
  constexpr std::size_t size = sizeof engine[first];
  for (int i = first; i <= last; ++i) {
    const std::size_t offset = static_cast<std::size_t>(i - first) * size;
    if (std::memcmp(engineBytes + offset, oracleBytes + offset, size) != 0) return i;
  }
  return 0;
}

void ExpectSameModel(const TCountModel& engine, const TOracleModel& oracle,
                     const std::string& where) {
  SCOPED_TRACE(where);
  EXPECT_EQ(engine.TimeScale, oracle.TimeScale);
  EXPECT_EQ(FirstDifference(engine.DecayShape, oracle.DecayShape, 1, DecayShapeLength), 0);
  EXPECT_EQ(FirstDifference(engine.LampProfile, oracle.LampProfile, 1, PulseSteps), 0);
  EXPECT_EQ(FirstDifference(engine.DetectorProfile, oracle.DetectorProfile, 1, ResponseSteps), 0);
  EXPECT_EQ(FirstDifference(engine.ChannelResponse, oracle.ChannelResponse, 1, ChannelCount), 0);
  EXPECT_EQ(engine.DarkRate, oracle.DarkRate);
  EXPECT_EQ(engine.DarkTacRate, oracle.DarkTacRate);
  EXPECT_EQ(engine.PhotonRate, oracle.PhotonRate);
  EXPECT_EQ(engine.SignalTacRate, oracle.SignalTacRate);
}

// One set-up, told as changes to the typical decay set-up.
struct InstrumentCase {
  const char* name;
  void (*change)(TInstrumentSettings&, TSampleState&, bool& promptMode);
};

void AllLines(TInstrumentSettings& s) {
  for (bool& line : s.DelayLines) line = true;
}

const InstrumentCase InstrumentCases[] = {
    {"typical decay", [](TInstrumentSettings&, TSampleState&, bool&) {}},
    {"prompt",
     [](TInstrumentSettings&, TSampleState& x, bool& p) {
       x.SampleKind = SampleScatterer;
       p = true;
     }},
    {"no sample", [](TInstrumentSettings&, TSampleState& x, bool&) { x.SampleKind = SampleNone; }},
    {"hot", [](TInstrumentSettings& s, TSampleState&, bool&) { s.SampleTemperature = 5999; }},
    {"100 ns x10",
     [](TInstrumentSettings& s, TSampleState&, bool&) {
       s.TacRange = 2;
       s.RangeMultiplier = 2;
     }},
    {"200 ns x100",
     [](TInstrumentSettings& s, TSampleState&, bool&) {
       s.TacRange = 3;
       s.RangeMultiplier = 3;
     }},
    {"50 ns x100", [](TInstrumentSettings& s, TSampleState&, bool&) { s.RangeMultiplier = 3; }},
    {"Red-PMT, 16+8 ns on stop",
     [](TInstrumentSettings& s, TSampleState&, bool&) {
       s.DetectorIndex = 2;
       s.DelaySide = 2;
       s.DelayLines[4] = s.DelayLines[5] = true;
     }},
    {"past the window",
     [](TInstrumentSettings& s, TSampleState&, bool&) {
       s.DelaySide = 2;
       s.DelayLines[5] = s.DelayLines[6] = true;
     }},
    {"Standard, all lines on start",
     [](TInstrumentSettings& s, TSampleState&, bool&) { AllLines(s); }},
    {"Red-PMT, all lines on start",
     [](TInstrumentSettings& s, TSampleState&, bool&) {
       s.DetectorIndex = 2;
       AllLines(s);
     }},
    {"MCP-PMT, all lines on start: shift below -4095",
     [](TInstrumentSettings& s, TSampleState&, bool&) {
       s.DetectorIndex = 3;
       AllLines(s);
     }},
    {"MCP-PMT, 32+16+8 ns on start, 100 ns",
     [](TInstrumentSettings& s, TSampleState&, bool&) {
       s.DetectorIndex = 3;
       s.TacRange = 2;
       s.DelayLines[4] = s.DelayLines[5] = s.DelayLines[6] = true;
     }},
    {"MCP-PMT prompt, all lines on start",
     [](TInstrumentSettings& s, TSampleState& x, bool& p) {
       s.DetectorIndex = 3;
       AllLines(s);
       x.SampleKind = SampleScatterer;
       p = true;
     }},
    {"laser, filters, 32 nm",
     [](TInstrumentSettings& s, TSampleState&, bool&) {
       s.LampIndex = 8;
       s.LampFrequency = 4000;
       s.ExcitationWavelength = 3990;
       s.ExcitationBandpass = s.EmissionBandpass = 6;
       s.ExcitationFilter = 3;
       s.EmissionFilter = 5;
     }},
    {"shutter closed",
     [](TInstrumentSettings& s, TSampleState&, bool&) { s.ExcitationShutterOpen = false; }},
    {"lamp off", [](TInstrumentSettings& s, TSampleState&, bool&) { s.LampOn = false; }},
    {"detector off", [](TInstrumentSettings& s, TSampleState&, bool&) { s.DetectorOn = false; }},
    {"edge windows",
     [](TInstrumentSettings& s, TSampleState&, bool&) {
       s.ExcitationWavelength = 2000;
       s.EmissionWavelength = 8000;
       s.ExcitationBandpass = s.EmissionBandpass = 6;
     }},
};

class EngineAgreementTest : public ::testing::Test {
 protected:
  EngineAgreementTest() { TypicalDecay(typicalSettings, typicalSample); }

  void Apply(const InstrumentCase& setup, TInstrumentSettings& s, TSampleState& x,
             bool& prompt) const {
    s = typicalSettings;
    x = typicalSample;
    prompt = false;
    setup.change(s, x, prompt);
  }

  void ExpectAgreement(const TInstrumentSettings& s, const TSampleState& x, bool prompt,
                       TCountModel& engine, const std::string& where) {
    TConversionCarries engineCarries;
    TConversionCarries oracleCarries;
    UpdateCountModel(s, x, prompt, engine, engineCarries);
    OracleCountModel(s, x, prompt, *oracle, oracleCarries);
    ExpectSameModel(engine, *oracle, where);
  }

  TInstrumentSettings typicalSettings;
  TSampleState typicalSample;
  std::unique_ptr<TOracleModel> oracle = std::make_unique<TOracleModel>();
};

TEST_F(EngineAgreementTest, FreshModelMatchesTheOracleBitForBit) {
  for (const InstrumentCase& setup : InstrumentCases) {
    TInstrumentSettings s;
    TSampleState x;
    bool prompt = false;
    Apply(setup, s, x, prompt);
    auto engine = std::make_unique<TCountModel>();
    ExpectAgreement(s, x, prompt, *engine, setup.name);
  }
}

// One model object carried through every change, as on the screen: what it keeps from the
// previous evaluation must never show.
TEST_F(EngineAgreementTest, ModelKeptAcrossChangesMatchesTheOracle) {
  auto engine = std::make_unique<TCountModel>();
  for (const InstrumentCase& setup : InstrumentCases) {
    TInstrumentSettings s;
    TSampleState x;
    bool prompt = false;
    Apply(setup, s, x, prompt);
    ExpectAgreement(s, x, prompt, *engine, setup.name);
  }
  std::mt19937 pick(99);
  TInstrumentSettings s = typicalSettings;
  TSampleState x = typicalSample;
  for (int step = 0; step < 30; ++step) {
    switch (pick() % 8) {
      case 0:
        s.LampIndex = 1 + static_cast<int>(pick() % 8);
        break;
      case 1:
        s.DetectorIndex = 1 + static_cast<int>(pick() % 3);
        break;
      case 2:
        s.TacRange = 1 + static_cast<int>(pick() % 3);
        break;
      case 3:
        s.RangeMultiplier = 1 + static_cast<int>(pick() % 3);
        break;
      case 4: {
        bool& line = s.DelayLines[1 + static_cast<int>(pick() % 6)];
        line = !line;
        break;
      }
      case 5:
        s.DelaySide = 3 - s.DelaySide;
        break;
      case 6:
        s.SampleTemperature = 2000 + static_cast<int>(pick() % 4000);
        break;
      default:
        s.EmissionShutterOpen = !s.EmissionShutterOpen;
        break;
    }
    ExpectAgreement(s, x, false, *engine, "random step " + std::to_string(step));
  }
}

TEST_F(EngineAgreementTest, EveryDrawFallsInTheOraclesChannel) {
  std::mt19937 draws(5);
  auto engineTable = std::make_unique<TConversionTable>();
  auto oracleTable = std::make_unique<TOracleTable>();
  for (const InstrumentCase& setup : InstrumentCases) {
    SCOPED_TRACE(setup.name);
    TInstrumentSettings s;
    TSampleState x;
    bool prompt = false;
    Apply(setup, s, x, prompt);
    auto engine = std::make_unique<TCountModel>();
    TConversionCarries carries;
    UpdateCountModel(s, x, prompt, *engine, carries);
    OracleCountModel(s, x, prompt, *oracle, carries);
    OracleConversionTable(*oracle, s.LampFrequency, *oracleTable);
    ASSERT_EQ(BuildConversionTable(*engine, s.LampFrequency, *engineTable), oracleTable->Usable);
    if (!oracleTable->Usable) continue;
    EXPECT_EQ(FirstDifference(engineTable->Cumulative, oracleTable->Cumulative, 1, ChannelCount),
              0);
    auto expectSameChannel = [&](std::uint64_t m) {
      if (m > 0xffffffffu) return;
      const auto draw = static_cast<std::uint32_t>(m);
      ASSERT_EQ(ConversionChannel(*engineTable, draw),
                OracleChannel(*oracleTable, draw * (1.0 / 4294967296.0)))
          << "draw " << draw;
    };
    // Both sides of every step of the table, and many draws at random.
    for (int i = 1; i <= ChannelCount; ++i) {
      const std::uint64_t t = engineTable->Threshold[i];
      for (const std::uint64_t m : {t - 1, t, t + 1}) expectSameChannel(m);
    }
    for (int n = 0; n < 200000; ++n) expectSameChannel(draws());
  }
}

// Whole ticks of counting from the same seed: the engine with the shared generator, the oracle
// with std::mt19937 itself.
TEST_F(EngineAgreementTest, CountingRunsMatchTheOracleFromTheSameSeed) {
  struct Run {
    const char* name;
    TInstrumentSettings settings;
    TSampleState sample;
    bool prompt;
    int ticks;
  };
  TInstrumentSettings weakLaser = WorstCaseSettings();
  weakLaser.LampFrequency = 50;
  TInstrumentSettings dark = typicalSettings;
  dark.EmissionShutterOpen = false;
  dark.TacRange = dark.RangeMultiplier = 3;
  TSampleState scatterer;
  scatterer.SampleKind = SampleScatterer;
  const Run runs[] = {
      {"typical decay", typicalSettings, typicalSample, false, 5},
      {"laser prompt at 50 kHz", weakLaser, scatterer, true, 5},
      {"dark counts", dark, typicalSample, false, 5},
      {"worst case", WorstCaseSettings(), scatterer, true, 1},
  };
  std::uint32_t seed = 17;
  for (const Run& run : runs) {
    SCOPED_TRACE(run.name);
    auto engine = std::make_unique<TInstrument>();
    engine->Settings = run.settings;
    engine->Sample = run.sample;
    engine->Acquisition.Acquiring = true;
    SeedRandom(seed);

    std::mt19937 generator(seed);
    TConversionCarries carries;
    auto counts = std::make_unique<Histogram>();
    auto table = std::make_unique<TOracleTable>();
    std::fill(counts->begin(), counts->end(), 0);

    for (int tick = 0; tick < run.ticks; ++tick) {
      EngineTick(*engine, run.prompt);
      OracleCountModel(run.settings, run.sample, run.prompt, *oracle, carries);
      OracleAccumulate(*oracle, run.settings.LampFrequency, carries, *counts, generator, *table);
    }
    EXPECT_GT(std::int64_t{carries.DarkEvents} + carries.SignalEvents, 0);
    EXPECT_EQ(FirstDifference(engine->Acquisition.McaCounts, *counts, 1, ChannelCount), 0);
    EXPECT_EQ(engine->Acquisition.Carries.SignalCarry, carries.SignalCarry);
    ++seed;
  }
}

}  // namespace
