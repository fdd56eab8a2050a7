#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "model/analysis_ranges.h"
#include "model/count_model.h"
#include "model/decay_analysis.h"
#include "model/instrument_engine.h"
#include "model/lifetime_fit.h"
#include "model/random.h"
#include "oracle/engine_scenarios.h"
#include "session/session_file.h"
#include "session/session_record.h"
#include "support/scratch_folder.h"

namespace {

std::unique_ptr<TDecayAnalysis> NewAnalysis() {
  return std::make_unique<TDecayAnalysis>();
}

struct Ranges {
  int backgroundLow, backgroundHigh, decayLow, decayHigh;
  bool operator==(const Ranges&) const = default;
};

Ranges RangesOf(const TDecayAnalysis& a) {
  return {a.BackgroundLow, a.BackgroundHigh, a.DecayLow, a.DecayHigh};
}

void SetRanges(TDecayAnalysis& a, Ranges r) {
  a.BackgroundLow = r.backgroundLow;
  a.BackgroundHigh = r.backgroundHigh;
  a.DecayLow = r.decayLow;
  a.DecayHigh = r.decayHigh;
}

TEST(RangeSetters, ClampTheirBoundAndPushTheOthers) {
  using Setter = void (*)(TDecayAnalysis&, int);
  struct Case {
    const char* name;
    Setter setter;
    int channel;
    Ranges expected;
  } cases[] = {
      {"background low beyond the end", SetBackgroundLow, 5000, {4093, 4094, 4095, 4096}},
      {"decay high before the start", SetDecayHigh, 2, {1, 2, 3, 4}},
      {"decay low into the background", SetDecayLow, 15, {10, 14, 15, 40}},
      {"background high into the decay", SetBackgroundHigh, 35, {10, 35, 36, 40}},
      {"background low below 1", SetBackgroundLow, -7, {1, 20, 30, 40}},
      {"background high at its window's top", SetBackgroundHigh, 9999, {10, 4094, 4095, 4096}},
      {"decay low at its window's bottom", SetDecayLow, 0, {1, 2, 3, 40}},
      {"a bound inside the order moves alone", SetDecayHigh, 100, {10, 20, 30, 100}},
  };
  for (const Case& c : cases) {
    auto a = NewAnalysis();
    SetRanges(*a, {10, 20, 30, 40});
    c.setter(*a, c.channel);
    EXPECT_EQ(RangesOf(*a), c.expected) << c.name;
  }
}

TEST(AcceptTypedValues, ClampIntoTheValidRangeAndNoNumberBecomesTheLowerLimit) {
  struct Case {
    const char* text;
    float calibration;
    float estimate;
  } cases[] = {
      {"0.01", 0.01f, 0.1f}, {"0.005", 0.01f, 0.1f}, {"7", 5.0f, 7.0f},    {"0.05", 0.05f, 0.1f},
      {"250", 5.0f, 100.0f}, {"abc", 0.01f, 0.1f},   {"", 0.01f, 0.1f},    {" 2.5 ", 2.5f, 2.5f},
      {"-3", 0.01f, 0.1f},   {"1e99", 5.0f, 100.0f}, {"2,5", 0.01f, 0.1f}, {"1.5e1", 5.0f, 15.0f},
  };
  for (const Case& c : cases) {
    auto a = NewAnalysis();
    AcceptTimeCalibration(*a, c.text);
    AcceptLifetimeEstimate(*a, c.text);
    EXPECT_EQ(a->TimeCalibration, c.calibration) << '"' << c.text << '"';
    EXPECT_EQ(a->LifetimeEstimate, c.estimate) << '"' << c.text << '"';
  }
  EXPECT_TRUE(IsValidCalibration(0.01f));
  EXPECT_FALSE(IsValidCalibration(0.0f));
  EXPECT_FALSE(IsValidCalibration(5.01f));
  EXPECT_FALSE(IsValidEstimate(0.0f));
  EXPECT_FALSE(IsValidEstimate(std::numeric_limits<float>::quiet_NaN()));
}

// A working set with a flat background of 50 prompt and 100 decay counts over channels 1..20 and
// a short prompt pulse starting at channel 40; the decay range is 30..400.
class LifetimeFitTest : public ::testing::Test {
 protected:
  LifetimeFitTest() {
    SetRanges(*a, {1, 20, 30, 400});
    for (int c = 1; c <= ChannelCount; ++c) {
      a->Prompt[c] = PromptBackground;
      a->Decay[c] = DecayBackground;
    }
    const int pulse[] = {200, 1000, 3000, 1500, 400, 100};
    for (int i = 0; i < 6; ++i) a->Prompt[40 + i] += pulse[i];
  }

  // The model of the fit worked out independently, in double precision.
  double Model(int j, double q) const {
    double m = 0.0;
    for (int i = a->DecayLow; i <= j; ++i)
      m += (a->Prompt[i] - PromptBackground) * std::pow(q, j - i);
    return m;
  }

  static constexpr int PromptBackground = 50;
  static constexpr int DecayBackground = 100;
  std::unique_ptr<TDecayAnalysis> a = NewAnalysis();
};

TEST_F(LifetimeFitTest, MissingCalibrationFailsFirstAndChangesNothing) {
  const std::unique_ptr<TDecayAnalysis> before = NewAnalysis();
  *before = *a;
  EXPECT_EQ(AnalyseDecay(*a), InvalidCalibrationMessage);  // estimate also missing
  EXPECT_EQ(EstimateLifetime(*a), InvalidCalibrationMessage);
  EXPECT_EQ(std::memcmp(before.get(), a.get(), sizeof(TDecayAnalysis)), 0);
  a->TimeCalibration = 0.05f;
  EXPECT_EQ(AnalyseDecay(*a), InvalidEstimateMessage);
  EXPECT_EQ(a->ChiSquared, 0.0f);
  EXPECT_EQ(a->Fit[100], 0.0f);
}

TEST_F(LifetimeFitTest, EstimateOfEmptyRangesAndSpikes) {
  a->TimeCalibration = 0.05f;
  for (int& count : a->Decay) count = 0;
  ASSERT_FALSE(EstimateLifetime(*a));
  EXPECT_EQ(a->LifetimeEstimate, 0.1f);

  // With no counts in the decay range the peak stays channel 1, so counts before the range are
  // walked: 100 in each of channels 1..20 reach 1264 (63 % of 2000) at channel 13.
  for (int c = 1; c <= 20; ++c) a->Decay[c] = 100;
  ASSERT_FALSE(EstimateLifetime(*a));
  EXPECT_FLOAT_EQ(a->LifetimeEstimate, 11 * 0.05f);

  a->Decay[200] = 1000;  // one spike holds all counts from the peak on
  a->LifetimeEstimate = 0.0f;
  ASSERT_FALSE(EstimateLifetime(*a));
  EXPECT_EQ(a->LifetimeEstimate, 0.1f);
}

TEST_F(LifetimeFitTest, EstimateWalksToOneLifetimeAfterThePeak) {
  // A pure exponential of 40 channels from a peak at channel 100: the running sum reaches 63 %
  // of the total 39 channels on, so the last channel below it is 38 channels on.
  a->TimeCalibration = 0.05f;
  for (int& count : a->Decay) count = 0;
  for (int c = 100; c <= 400; ++c)
    a->Decay[c] = static_cast<int>(1e5 * std::exp(-(c - 100) / 40.0));
  ASSERT_FALSE(EstimateLifetime(*a));
  EXPECT_FLOAT_EQ(a->LifetimeEstimate, 38 * 0.05f);

  a->TimeCalibration = 5.0f;  // 40 channels of 5 ns: capped
  ASSERT_FALSE(EstimateLifetime(*a));
  EXPECT_EQ(a->LifetimeEstimate, 100.0f);
}

TEST_F(LifetimeFitTest, DataMadeOfTheModelFitsWithChiSquaredNearZero) {
  a->TimeCalibration = 0.05f;
  a->LifetimeEstimate = 2.0f;
  const double q = std::exp(-0.05 / 2.0);
  constexpr double k = 20.0;
  for (int c = a->DecayLow; c <= a->DecayHigh; ++c)
    a->Decay[c] = static_cast<int>(std::lround(k * Model(c, q) + DecayBackground));
  ASSERT_FALSE(AnalyseDecay(*a));
  EXPECT_LT(a->ChiSquared, 0.01f);
  for (int c = a->DecayLow; c <= a->DecayHigh; ++c) EXPECT_NEAR(a->Fit[c], a->Decay[c], 0.6) << c;

  a->LifetimeEstimate = 3.0f;  // the wrong lifetime fits far worse
  ASSERT_FALSE(AnalyseDecay(*a));
  EXPECT_GT(a->ChiSquared, 10.0f);
}

TEST_F(LifetimeFitTest, EmptyChannelsEnterWithWeightOne) {
  a->TimeCalibration = 0.05f;
  a->LifetimeEstimate = 2.0f;
  for (int& count : a->Decay) count = 0;
  a->Decay[50] = 400;
  ASSERT_FALSE(AnalyseDecay(*a));
  EXPECT_GT(a->Fit[60], 0.0f);
  EXPECT_EQ(a->Residuals[60], -a->Fit[60]);
  EXPECT_FLOAT_EQ(a->Residuals[50], (400 - a->Fit[50]) / 20.0f);
  double chi = 0.0;
  for (int c = a->DecayLow; c <= a->DecayHigh; ++c) {
    const double r = a->Decay[c] - double{a->Fit[c]};
    chi += r * r / (a->Decay[c] > 0 ? a->Decay[c] : 1);
  }
  EXPECT_NEAR(a->ChiSquared, chi / (a->DecayHigh - a->DecayLow), 1e-3 * a->ChiSquared);
}

TEST_F(LifetimeFitTest, NarrowerAnalysisKeepsTheOuterChannelsOfTheWiderOne) {
  a->TimeCalibration = 0.05f;
  a->LifetimeEstimate = 2.0f;
  ASSERT_FALSE(AnalyseDecay(*a));
  const float fitAt35 = a->Fit[35];
  const float residualAt300 = a->Residuals[300];
  a->Decay[300] += 500;
  SetDecayLow(*a, 38);
  SetDecayHigh(*a, 200);
  a->LifetimeEstimate = 1.0f;
  ASSERT_FALSE(AnalyseDecay(*a));
  EXPECT_EQ(a->Fit[35], fitAt35);
  EXPECT_EQ(a->Residuals[300], residualAt300);
  EXPECT_EQ(a->Fit[401], 0.0f);
}

TEST_F(LifetimeFitTest, PromptCancellingToZeroFitsTheBackgroundAlone) {
  // Prompt counts equal to the background everywhere: the corrected prompt is zero, so the
  // amplitude is undefined; the fit is the flat decay background and stays finite.
  for (int& count : a->Prompt) count = PromptBackground;
  a->Decay[100] = 1100;
  a->TimeCalibration = 0.05f;
  a->LifetimeEstimate = 2.0f;
  ASSERT_FALSE(AnalyseDecay(*a));
  EXPECT_EQ(a->Fit[100], float{DecayBackground});
  EXPECT_EQ(a->Fit[300], float{DecayBackground});
  EXPECT_FLOAT_EQ(a->Residuals[100], 1000.0f / std::sqrt(1100.0f));
  EXPECT_TRUE(std::isfinite(a->ChiSquared));
  EXPECT_NEAR(a->ChiSquared, 1000.0 * 1000.0 / 1100.0 / 370.0, 1e-3);
}

TEST(RangeCounts, SumsBeyond32BitsAreExact) {
  auto a = NewAnalysis();
  SetRanges(*a, {1, 2, 3, 4096});
  constexpr std::int32_t full = std::numeric_limits<std::int32_t>::max();
  for (int& count : a->Decay) count = full;
  a->Prompt[1] = 3;
  a->Prompt[2] = 4;
  a->Prompt[3] = 5;
  const TRangeCounts counts = RangeCounts(*a);
  EXPECT_EQ(counts.BackgroundPrompt, 7);
  EXPECT_EQ(counts.BackgroundDecay, 2 * std::int64_t{full});
  EXPECT_EQ(counts.DecayRangePrompt, 5);
  EXPECT_EQ(counts.DecayRangeDecay, 4094 * std::int64_t{full});

  // The background level of full channels is right too: no wrapped sum. A prompt of zeros
  // leaves the fit at that level alone.
  for (int& count : a->Prompt) count = 0;
  a->TimeCalibration = 0.05f;
  a->LifetimeEstimate = 2.0f;
  ASSERT_FALSE(AnalyseDecay(*a));
  EXPECT_EQ(a->Fit[20], static_cast<float>(full));
}

// A session on disk with analyses in measurements 2 and 3.
class AnalysisSessionTest : public ::testing::Test {
 protected:
  AnalysisSessionTest() {
    std::memset(&Session, 0, sizeof Session);
    Session.SessionReference.Length = 3;
    std::memcpy(Session.SessionReference.Chars, "FIT", 3);
    ResetSession();
    Session.CurrentMeasurement = 2;
    Session.PromptCounts[2][7] = 70;
    Session.DecayCounts[2][8] = 80;
  }

  ScratchFolder folder;
  std::unique_ptr<TDecayAnalysis> a = NewAnalysis();
};

TEST_F(AnalysisSessionTest, StoredAnalysisComesBackAndSettingsCarryToTheNextMeasurement) {
  EXPECT_FALSE(LoadAnalysis(*a, Session));
  EXPECT_EQ(RangesOf(*a), (Ranges{1, 2, 3, 4}));
  EXPECT_EQ(a->Prompt[7], 70);
  EXPECT_EQ(a->Decay[8], 80);

  SetRanges(*a, {5, 9, 12, 3000});
  a->TimeCalibration = 0.02f;
  a->LifetimeEstimate = 4.5f;
  a->ChiSquared = 1.25f;
  a->Fit[100] = 33.0f;
  a->Residuals[100] = -1.5f;
  StoreAnalysis(*a, Session);
  ASSERT_TRUE(RememberSettings(*a));

  std::memset(&Session.AnaLifetime, 0, sizeof Session.AnaLifetime);
  LoadSession("FIT");  // what was written is what comes back
  ClearAnalysis(*a);
  ASSERT_TRUE(LoadAnalysis(*a, Session));
  EXPECT_EQ(RangesOf(*a), (Ranges{5, 9, 12, 3000}));
  EXPECT_EQ(a->LifetimeEstimate, 4.5f);
  EXPECT_EQ(a->ChiSquared, 1.25f);
  EXPECT_EQ(a->Fit[100], 33.0f);
  EXPECT_EQ(a->Residuals[100], -1.5f);

  Session.CurrentMeasurement = 3;
  EXPECT_FALSE(LoadAnalysis(*a, Session));
  EXPECT_EQ(RangesOf(*a), (Ranges{5, 9, 12, 3000}));
  EXPECT_EQ(a->TimeCalibration, 0.02f);
  EXPECT_EQ(a->LifetimeEstimate, 0.0f);
  EXPECT_EQ(a->Fit[100], 0.0f);
}

// Records through the photon-counting engine for the given number of ticks.
Histogram Record(TInstrumentSettings settings, const TSampleState& sample, bool promptMode,
                 int ticks) {
  auto instrument = std::make_unique<TInstrument>();
  instrument->Settings = settings;
  instrument->Sample = sample;
  instrument->Acquisition.Acquiring = true;
  for (int i = 0; i < ticks; ++i) EngineTick(*instrument, promptMode);
  return instrument->Acquisition.McaCounts;
}

constexpr int PromptTicks = 50;
constexpr int DecayTicks = 50;

TEST(LifetimeFitPhysics, LowestChiSquaredLiesAtTheRecordedLifetime) {
  TInstrumentSettings settings;
  TSampleState sample;
  TypicalDecay(settings, sample);
  settings.TacRange = 2;  // 100 ns: channels of 2 × 0.01132 ns
  const float lifetime = LifetimeAt(sample, settings);
  SeedRandom(5);

  auto a = NewAnalysis();
  TSampleState scatterer;
  scatterer.SampleKind = SampleScatterer;
  TInstrumentSettings promptSettings = settings;
  promptSettings.EmissionWavelength = promptSettings.EmissionTarget = settings.ExcitationWavelength;
  a->Prompt = Record(promptSettings, scatterer, true, PromptTicks);
  a->Decay = Record(settings, sample, false, DecayTicks);
  SetRanges(*a, {100, 1100, 1200, 4096});
  a->TimeCalibration = TimeScaleOf(settings) * BaseChannelWidth;

  float best = 0.0f;
  float lowest = std::numeric_limits<float>::max();
  for (int percent = 80; percent <= 120; percent += 2) {
    a->LifetimeEstimate = lifetime * percent / 100.0f;
    ASSERT_FALSE(AnalyseDecay(*a));
    if (a->ChiSquared < lowest) {
      lowest = a->ChiSquared;
      best = a->LifetimeEstimate;
    }
  }
  EXPECT_NEAR(best, lifetime, 0.03 * lifetime);
  EXPECT_LT(lowest, 2.0f);
}

}  // namespace
