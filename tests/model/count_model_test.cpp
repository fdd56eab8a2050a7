#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "model/count_model.h"
#include "model/random.h"

namespace {

// A scatterer in the instrument with lamp and detector on and both shutters open.
class CountModelTest : public ::testing::Test {
 protected:
  CountModelTest() {
    settings.LampIndex = 2;  // LED-310
    settings.LampOn = true;
    settings.DetectorOn = true;
    settings.ExcitationShutterOpen = settings.EmissionShutterOpen = true;
    settings.ExcitationWavelength = settings.EmissionWavelength = 3100;
    sample.SampleKind = SampleScatterer;
  }

  void Update() { UpdateCountModel(settings, sample, promptMode, *model, carries); }

  // The first channel the response reaches.
  int FirstLitChannel() const {
    for (int i = 1; i <= ChannelCount; ++i) {
      if (model->ChannelResponse[i] != 0.0f) return i;
    }
    return 0;
  }

  TInstrumentSettings settings;
  TSampleState sample;
  bool promptMode = true;
  std::unique_ptr<TCountModel> model = std::make_unique<TCountModel>();
  TConversionCarries carries;
};

TEST_F(CountModelTest, ShiftFollowsTransitTimeAndDelayLines) {
  EXPECT_EQ(ChannelShift(settings, 1), 2473);  // 28 ns / 0.01132 ns
  settings.DelaySide = 2;
  settings.DelayLines[5] = true;
  EXPECT_EQ(ChannelShift(settings, 1), 3886);  // 44 ns
  settings.DelayLines[6] = true;
  EXPECT_EQ(ChannelShift(settings, 1), 6713);  // 76 ns
  settings.DelaySide = 1;
  EXPECT_EQ(ChannelShift(settings, 1), -1766);  // -20 ns, truncated toward zero
  EXPECT_EQ(ChannelShift(settings, 4), -441);
}

TEST_F(CountModelTest, PromptStartsAtTheShiftedChannel) {
  Update();
  EXPECT_EQ(FirstLitChannel(), 2473);
  settings.DelaySide = 2;
  settings.DelayLines[5] = true;
  Update();
  EXPECT_EQ(FirstLitChannel(), 3886);
}

TEST_F(CountModelTest, ShiftPastTheWindowLeavesNoSignalButTheSamePhotonRate) {
  Update();
  const float photonRate = model->PhotonRate;
  EXPECT_GT(model->SignalTacRate, 0.0f);
  settings.DelaySide = 2;
  settings.DelayLines[5] = settings.DelayLines[6] = true;
  Update();
  EXPECT_EQ(FirstLitChannel(), 0);
  EXPECT_EQ(model->SignalTacRate, 0.0f);
  EXPECT_EQ(model->PhotonRate, photonRate);
}

TEST_F(CountModelTest, PromptCountsOnlyTheOverlapOfTheTwoWindows) {
  settings.EmissionWavelength = 3300;
  Update();
  EXPECT_EQ(model->PhotonRate, 0.0f);  // [310, 310] and [330, 330]

  // [295, 326] and [315, 346] share 315..326; 1e7 photons/s over ten times the lamp
  // spectrum there.
  settings.ExcitationBandpass = settings.EmissionBandpass = 6;
  const struct {
    int lamp;
    double spectrumInOverlap;
  } cases[] = {
      {2, 0.15},  // LED-310: 0.05 at 315 down to 0.01 at 319; 314 would add 0.06
      {4, 0.21},  // LED-330: 0.01 at 321 up to 0.06 at 326; 327 would add 0.07
  };
  for (const auto& c : cases) {
    settings.LampIndex = c.lamp;
    Update();
    EXPECT_NEAR(model->PhotonRate, 1e6 * c.spectrumInOverlap, 1.0) << "lamp " << c.lamp;
  }
}

TEST_F(CountModelTest, SignalTacRateIsThePhotonRateShareInTheWindow) {
  Update();
  // The prompt lies wholly inside the window: the share is the detector response's sum over
  // 100 (100.2 for the Standard detector).
  EXPECT_NEAR(model->SignalTacRate / model->PhotonRate, 1.002, 1e-4);
}

TEST_F(CountModelTest, WithoutSampleThereIsNoSignal) {
  sample.SampleKind = SampleNone;
  Update();
  EXPECT_GT(model->PhotonRate, 0.0f);
  EXPECT_EQ(model->SignalTacRate, 0.0f);
  EXPECT_EQ(FirstLitChannel(), 0);
}

TEST_F(CountModelTest, ClosedShutterConvertsOnlyDarkCounts) {
  Update();
  carries = {0.5f, 3, 0.25f, 7};
  settings.EmissionShutterOpen = false;
  Update();
  EXPECT_FLOAT_EQ(model->DarkTacRate, 10.0f);  // 1000 kHz × 200/s × 1 × 5e-05
  EXPECT_EQ(model->DarkRate, 200.0f);
  EXPECT_EQ(model->PhotonRate, 0.0f);
  EXPECT_EQ(model->SignalTacRate, 0.0f);
  EXPECT_EQ(FirstLitChannel(), 0);
  EXPECT_EQ(carries.DarkCarry, 0.5f);
  EXPECT_EQ(carries.DarkEvents, 3);
  EXPECT_EQ(carries.SignalCarry, 0.0f);
  EXPECT_EQ(carries.SignalEvents, 0);
}

TEST_F(CountModelTest, DetectorOffClearsEveryRateAndCarry) {
  carries = {0.5f, 3, 0.25f, 7};
  settings.DetectorOn = false;
  Update();
  EXPECT_EQ(model->DarkRate, 0.0f);
  EXPECT_EQ(model->DarkTacRate, 0.0f);
  EXPECT_EQ(model->SignalTacRate, 0.0f);
  EXPECT_EQ(carries.DarkCarry, 0.0f);
  EXPECT_EQ(carries.DarkEvents, 0);
  EXPECT_EQ(carries.SignalCarry, 0.0f);
}

TEST_F(CountModelTest, LampOffReadings) {
  settings.LampOn = false;
  Update();
  settings.RateMeterSource = 2;
  EXPECT_EQ(ReadRateMeter(settings, *model), 0);
  settings.RateMeterSource = 4;
  EXPECT_EQ(ReadRateMeter(settings, *model), 0);
  settings.RateMeterSource = 3;  // the dark rate of 200/s with its noise of ±√200 / 2
  SeedRandom(7);
  for (int i = 0; i < 100; ++i) {
    const std::int64_t reading = ReadRateMeter(settings, *model);
    EXPECT_GE(reading, 193);
    EXPECT_LE(reading, 207);
  }
  settings.RateMeterSource = 1;
  EXPECT_EQ(ReadRateMeter(settings, *model), 0);
  settings.LampOn = true;
  settings.RateMeterSource = 2;
  EXPECT_EQ(ReadRateMeter(settings, *model), 1000000);
}

TEST(RateMeterReading, RoundsHalfToEven) {
  EXPECT_EQ(RateMeterReading(4.0, 0.75), 4);     // 4.5
  EXPECT_EQ(RateMeterReading(4.0, 0.25), 4);     // 3.5
  EXPECT_EQ(RateMeterReading(16.0, 0.875), 18);  // 17.5
  EXPECT_EQ(RateMeterReading(16.0, 0.625), 16);  // 16.5
  EXPECT_EQ(RateMeterReading(0.0, 0.9), 0);
}

// A fluorescent sample with 5 ns at 20 °C and 10 kJ/mol.
class DecayModelTest : public CountModelTest {
 protected:
  DecayModelTest() {
    sample.SampleKind = SampleFluorescent;
    sample.SampleLifetime = 5.0f;
    sample.SampleActivationEnergy = 10.0f;
    settings.TemperatureLow = 20;
    settings.TemperatureHigh = 60;
    promptMode = false;
  }
};

TEST_F(DecayModelTest, LifetimeFollowsArrhenius) {
  EXPECT_EQ(LifetimeAt(sample, settings), 5.0f);  // at the minimum temperature, exactly
  settings.SampleTemperature = 4000;
  const double expected = 5.0 * std::exp((10.0 / 0.008314472) * (1.0 / 313 - 1.0 / 293));
  EXPECT_NEAR(LifetimeAt(sample, settings), expected, 1e-5);
  EXPECT_NEAR(LifetimeAt(sample, settings), 3.85, 0.005);
}

TEST_F(DecayModelTest, ResponseDecaysWithTheLifetimeAfterThePrompt) {
  const struct {
    int temperature, tacRange, multiplier;
  } cases[] = {{2000, 1, 1}, {4000, 1, 1}, {6000, 2, 1}, {3000, 3, 1}};
  for (const auto& c : cases) {
    settings.SampleTemperature = c.temperature;
    settings.TacRange = c.tacRange;
    settings.RangeMultiplier = c.multiplier;
    Update();
    const int k = TimeScaleOf(settings);
    // Past the shift plus both profiles' reach only the exponential tail is left.
    const int from = ChannelShift(settings, k) + 1200;
    const int to = ChannelCount;
    ASSERT_LT(from + 100, to);
    const double slope =
        (std::log(model->ChannelResponse[to]) - std::log(model->ChannelResponse[from])) /
        (to - from);
    const double expected = -k * double{BaseChannelWidth} / LifetimeAt(sample, settings);
    EXPECT_NEAR(slope / expected, 1.0, 1e-3) << c.temperature << " " << k;
  }
}

// With the MCP-PMT and all 63 ns on the start side the decay starts 4681 channels before the
// window, past the start of the working range; the window must show the same stretch of the
// decay as with 31 ns, 2826 channels later.
TEST_F(DecayModelTest, ShiftFarBeforeTheWindowShowsTheDecaysContinuation) {
  settings.DetectorIndex = 3;
  for (int line = 1; line <= 5; ++line) settings.DelayLines[line] = true;  // 31 ns
  ASSERT_EQ(ChannelShift(settings, 1), -1855);
  Update();
  const Curve nearer = model->ChannelResponse;
  settings.DelayLines[6] = true;  // 63 ns
  ASSERT_EQ(ChannelShift(settings, 1), -4681);
  Update();
  for (int i = 1; i <= 1000; ++i) {
    ASSERT_EQ(model->ChannelResponse[i], nearer[i + 4681 - 1855]) << "channel " << i;
  }
  EXPECT_GT(model->ChannelResponse[1000], 0.0f);
}

TEST_F(DecayModelTest, PhotonRateMultipliesExcitationAndEmissionSums) {
  settings.ExcitationWavelength = 3100;
  settings.EmissionWavelength = 4500;
  settings.ExcitationBandpass = 2;  // 310, 311 nm
  settings.EmissionBandpass = 1;    // 450 nm
  settings.ExcitationFilter = 2;    // ND 0.3
  sample.SampleExcitation[310] = 0.5f;
  sample.SampleExcitation[311] = 0.25f;
  sample.SampleEmission[450] = 0.5f;
  Update();
  // 1e7 × (0.1 × 0.5 × 0.5 + 0.09 × 0.5 × 0.25) × (1 × 0.5 × 0.9)
  EXPECT_NEAR(model->PhotonRate, 1e7 * 0.03625 * 0.45, 0.5);
}

}  // namespace
