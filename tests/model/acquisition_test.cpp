#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <numeric>
#include <vector>

#include "model/acquisition.h"
#include "model/instrument_engine.h"
#include "model/random.h"
#include "oracle/engine_scenarios.h"

namespace {

constexpr std::int32_t FullChannel = std::numeric_limits<std::int32_t>::max();

// An analyser fed by a model whose rates the test sets by hand.
class AcquisitionTest : public ::testing::Test {
 protected:
  AcquisitionTest() { acquisition->Acquiring = true; }

  void Tick() { AccumulateCounts(*model, lampFrequency, *acquisition); }

  std::int64_t Total() const {
    return std::accumulate(acquisition->McaCounts.begin(), acquisition->McaCounts.end(),
                           std::int64_t{0});
  }

  std::unique_ptr<TCountModel> model = std::make_unique<TCountModel>();
  std::unique_ptr<TAcquisition> acquisition = std::make_unique<TAcquisition>();
  int lampFrequency = 1000;
};

TEST_F(AcquisitionTest, ConversionsPerTickCarryTheFraction) {
  model->DarkTacRate = 25.0f;
  const int expected[] = {2, 3, 2, 3, 2, 3};
  for (const int events : expected) {
    Tick();
    EXPECT_EQ(acquisition->Carries.DarkEvents, events);
  }
  for (int i = 6; i < 100; ++i) Tick();
  EXPECT_EQ(Total(), 250);
}

TEST_F(AcquisitionTest, NothingIsCountedWhileStopped) {
  model->DarkTacRate = 25.0f;
  acquisition->Acquiring = false;
  Tick();
  EXPECT_EQ(Total(), 0);
  EXPECT_EQ(acquisition->Carries.DarkCarry, 0.0f);
}

TEST_F(AcquisitionTest, NothingIsCountedWhenNoConversionIsPossible) {
  model->SignalTacRate = 1000.0f;  // but no channel response: a = 0
  Tick();
  EXPECT_EQ(acquisition->Carries.SignalEvents, 100);
  EXPECT_EQ(Total(), 0);
}

TEST_F(AcquisitionTest, AFullChannelStaysFullAndTheOthersGoOn) {
  model->ChannelResponse[10] = 1.0f;
  model->ResponseSum = 1.0f;
  model->SignalTacRate = 1000.0f;  // 100 conversions per tick, all into channel 10
  model->DarkTacRate = 1000.0f;    // 100 more over all channels
  acquisition->McaCounts[10] = FullChannel - 20;
  Tick();
  std::uint64_t intoTen = 0;  // this tick's draws into channel 10
  for (const auto& tally : acquisition->TickTallies) intoTen += tally[10];
  ASSERT_GT(intoTen, 20u);
  EXPECT_EQ(acquisition->McaCounts[10], FullChannel);
  EXPECT_EQ(Total() - FullChannel, 200 - static_cast<std::int64_t>(intoTen));
  Tick();
  EXPECT_EQ(acquisition->McaCounts[10], FullChannel);
}

TEST_F(AcquisitionTest, ClearEmptiesTheAnalyserAndCountingGoesOn) {
  model->DarkTacRate = 100.0f;
  Tick();
  ClearCounts(*acquisition);
  EXPECT_EQ(Total(), 0);
  EXPECT_TRUE(acquisition->Acquiring);
  Tick();
  EXPECT_EQ(Total(), 10);
}

TEST_F(AcquisitionTest, ToggleKeepsTheCarries) {
  model->DarkTacRate = 25.0f;
  Tick();
  EXPECT_FALSE(ToggleAcquisition(*acquisition));
  EXPECT_EQ(acquisition->Carries.DarkCarry, 0.5f);
  EXPECT_TRUE(ToggleAcquisition(*acquisition));
  Tick();
  EXPECT_EQ(acquisition->Carries.DarkEvents, 3);
}

TEST_F(AcquisitionTest, PileUpTiltsTheHistogramTowardEarlyChannels) {
  // Dark conversions at 90 % of the lamp's pulse rate: p[i] = b (1 − c) with c ≈ 1 − e^(−bi),
  // so the last channel is e^(−0.9) times as likely as the first.
  model->DarkTacRate = 0.9f * 1000.0f * 1000.0f;
  SeedRandom(11);
  for (int i = 0; i < 10; ++i) Tick();
  const auto& p = acquisition->Table.Probability;
  EXPECT_NEAR(p[ChannelCount] / p[1], std::exp(-0.9), 1e-3);
  std::int64_t early = 0;
  std::int64_t late = 0;
  for (int i = 1; i <= 512; ++i) early += acquisition->McaCounts[i];
  for (int i = ChannelCount - 511; i <= ChannelCount; ++i) late += acquisition->McaCounts[i];
  EXPECT_NEAR(static_cast<double>(late) / early, std::exp(-0.9 * 3584 / 4096.0), 0.02);
}

TEST(ConversionChannel, DrawsBelowTheFirstAndAboveTheLastStep) {
  auto model = std::make_unique<TCountModel>();
  auto table = std::make_unique<TConversionTable>();
  model->DarkTacRate = 10.0f;
  ASSERT_TRUE(BuildConversionTable(*model, 1000, *table));
  const std::uint64_t first = table->Threshold[1];
  EXPECT_EQ(ConversionChannel(*table, 0), 1);
  EXPECT_EQ(ConversionChannel(*table, static_cast<std::uint32_t>(first)), 1);  // u = F[1]
  EXPECT_EQ(ConversionChannel(*table, static_cast<std::uint32_t>(first + 1)), 2);
  const std::uint64_t last = table->Threshold[ChannelCount - 1];
  EXPECT_EQ(ConversionChannel(*table, static_cast<std::uint32_t>(last)), ChannelCount - 1);
  EXPECT_EQ(ConversionChannel(*table, static_cast<std::uint32_t>(last + 1)), ChannelCount);
  EXPECT_EQ(ConversionChannel(*table, 0xffffffffu), ChannelCount);
}

// Chi-squared of observed counts against expected ones, channels pooled until each group
// expects at least 20 (a short remainder joins the last group); returns the statistic and the
// degrees of freedom.
std::pair<double, int> ChiSquared(const Histogram& counts, const OneBased<double, ChannelCount>& p,
                                  double total) {
  const double sum = std::accumulate(p.begin(), p.end(), 0.0);
  std::vector<std::pair<double, double>> groups;  // expected, observed
  double expected = 0.0;
  double observed = 0.0;
  for (int i = 1; i <= ChannelCount; ++i) {
    expected += total * p[i] / sum;
    observed += counts[i];
    if (expected >= 20.0) {
      groups.emplace_back(expected, observed);
      expected = observed = 0.0;
    }
  }
  groups.back().first += expected;
  groups.back().second += observed;
  double chi = 0.0;
  for (const auto& [e, o] : groups) chi += (o - e) * (o - e) / e;
  return {chi, static_cast<int>(groups.size()) - 1};
}

// Upper bound of the chi-squared distribution with n degrees of freedom, about 4 standard
// deviations out: a correct engine passes with a fixed seed, a biased one fails by far.
double ChiSquaredLimit(int n) {
  return n + 4.0 * std::sqrt(2.0 * n);
}

TEST(AccumulateCounts, ClosedShutterSpreadsCountsEvenly) {
  auto instrument = std::make_unique<TInstrument>();
  TInstrumentSettings& s = instrument->Settings;
  s.LampIndex = 2;
  s.LampOn = s.DetectorOn = true;
  s.TacRange = s.RangeMultiplier = 3;  // k = 400: 4000 dark conversions per second
  instrument->Sample.SampleKind = SampleScatterer;
  instrument->Acquisition.Acquiring = true;
  SeedRandom(2024);
  for (int i = 0; i < 100; ++i) EngineTick(*instrument, true);
  const Histogram& counts = instrument->Acquisition.McaCounts;
  const double total = std::accumulate(counts.begin(), counts.end(), 0.0);
  EXPECT_EQ(total, 40000.0);
  OneBased<double, ChannelCount> flat;
  std::fill(flat.begin(), flat.end(), 1.0);
  const auto [chi, dof] = ChiSquared(counts, flat, total);
  EXPECT_LT(chi, ChiSquaredLimit(dof));
}

TEST(AccumulateCounts, LargeRunFollowsTheModelDistribution) {
  struct Case {
    int lamp, frequency, tacRange, multiplier;
    bool exOpen;
    std::uint32_t seed;
  } cases[] = {
      {2, 1000, 1, 1, true, 1},   // prompt of an LED
      {8, 5000, 1, 1, true, 2},   // the laser at its highest rate: strong pile-up
      {8, 1000, 2, 1, true, 3},   // wider channels
      {2, 1000, 3, 3, false, 4},  // dark counts only
  };
  for (const Case& c : cases) {
    auto instrument = std::make_unique<TInstrument>();
    TInstrumentSettings& s = instrument->Settings;
    s.LampIndex = c.lamp;
    s.LampFrequency = c.frequency;
    s.LampOn = s.DetectorOn = true;
    s.ExcitationShutterOpen = c.exOpen;
    s.EmissionShutterOpen = true;
    s.ExcitationWavelength = s.EmissionWavelength = c.lamp == 8 ? 4000 : 3100;
    s.ExcitationBandpass = s.EmissionBandpass = 3;
    s.TacRange = c.tacRange;
    s.RangeMultiplier = c.multiplier;
    instrument->Sample.SampleKind = SampleScatterer;
    instrument->Acquisition.Acquiring = true;
    SeedRandom(c.seed);
    EngineTick(*instrument, true);
    const TAcquisition& a = instrument->Acquisition;
    const double total = std::int64_t{a.Carries.DarkEvents} + a.Carries.SignalEvents;
    ASSERT_GT(total, 300.0);
    const auto [chi, dof] = ChiSquared(a.McaCounts, a.Table.Probability, total);
    ASSERT_GE(dof, 5) << "lamp " << c.lamp << " seed " << c.seed;
    EXPECT_LT(chi, ChiSquaredLimit(dof)) << "lamp " << c.lamp << " seed " << c.seed;
  }
}

TEST(AccumulateCounts, HighestRateSortsOneSixthIntoOneChannel) {
  auto instrument = std::make_unique<TInstrument>();
  instrument->Settings = WorstCaseSettings();
  instrument->Sample.SampleKind = SampleScatterer;
  instrument->Acquisition.Acquiring = true;
  SeedRandom(3);
  EngineTick(*instrument, true);
  const Histogram& counts = instrument->Acquisition.McaCounts;
  const double total = std::accumulate(counts.begin(), counts.end(), 0.0);
  EXPECT_NEAR(total, 4.5e6, 0.05e6);
  const auto peak = std::max_element(counts.begin(), counts.end());
  EXPECT_EQ(peak - counts.begin() + 1, 2477);
  EXPECT_NEAR(*peak / total, 0.156, 0.001);
}

}  // namespace
