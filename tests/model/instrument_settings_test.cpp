#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "model/instrument_settings.h"

TEST(InstrumentSettings, StartAtTheInitialValues) {
  const TInstrumentSettings s;
  EXPECT_EQ(s.ExcitationWavelength, 2000);
  EXPECT_EQ(s.EmissionTarget, 2000);
  EXPECT_EQ(s.SampleTemperature, 2000);
  EXPECT_EQ(s.TemperatureLow, 20);
  EXPECT_EQ(s.TemperatureHigh, 20);
  EXPECT_EQ(s.LampFrequency, 1000);
  EXPECT_EQ(s.LampIndex, 1);
  EXPECT_EQ(s.DetectorIndex, 1);
  EXPECT_EQ(s.RateMeterSource, 1);
  EXPECT_FALSE(s.ExcitationMoving || s.EmissionMoving || s.TemperatureMoving);
  EXPECT_FALSE(s.LampOn || s.DetectorOn || s.ExcitationShutterOpen || s.EmissionShutterOpen);
}

TEST(AdvanceSettings, MovesEachSettingOneStepAndReportsArrival) {
  TInstrumentSettings s;
  s.ExcitationTarget = 2020;
  s.ExcitationMoving = true;
  s.EmissionWavelength = 3000;
  s.EmissionTarget = 2990;
  s.EmissionMoving = true;
  s.TemperatureTarget = 1999;
  s.TemperatureMoving = true;

  TSettingsProgress first = AdvanceSettings(s);
  EXPECT_EQ(s.ExcitationWavelength, 2010);
  EXPECT_TRUE(first.Excitation.Moved);
  EXPECT_FALSE(first.Excitation.Arrived);
  EXPECT_EQ(s.EmissionWavelength, 2990);
  EXPECT_TRUE(first.Emission.Arrived);
  EXPECT_FALSE(s.EmissionMoving);
  EXPECT_EQ(s.SampleTemperature, 1999);
  EXPECT_TRUE(first.Temperature.Arrived);

  TSettingsProgress second = AdvanceSettings(s);
  EXPECT_EQ(s.ExcitationWavelength, 2020);
  EXPECT_TRUE(second.Excitation.Arrived);
  EXPECT_FALSE(second.Emission.Moved);
  EXPECT_FALSE(second.Temperature.Moved);

  TSettingsProgress third = AdvanceSettings(s);
  EXPECT_FALSE(third.Excitation.Moved);
  EXPECT_EQ(s.ExcitationWavelength, 2020);
}

TEST(AdvanceSettings, CrossesTheWholeRangeInSixHundredTicks) {
  TInstrumentSettings s;
  s.ExcitationTarget = 8000;
  s.ExcitationMoving = true;
  int ticks = 0;
  while (s.ExcitationMoving) {
    AdvanceSettings(s);
    ++ticks;
  }
  EXPECT_EQ(ticks, 600);
  EXPECT_EQ(s.ExcitationWavelength, 8000);
}

TEST(TimeScaleOf, IsRangeTimesMultiplier) {
  const int expected[3][3] = {{1, 10, 100}, {2, 20, 200}, {4, 40, 400}};
  TInstrumentSettings s;
  for (int range = 1; range <= 3; ++range) {
    for (int multiplier = 1; multiplier <= 3; ++multiplier) {
      s.TacRange = range;
      s.RangeMultiplier = multiplier;
      EXPECT_EQ(TimeScaleOf(s), expected[range - 1][multiplier - 1]);
    }
  }
}

TEST(MonochromatorWindow, SpansTheBandpassAroundTheWholeNanometre) {
  struct Case {
    int wavelength, bandpass, low, high;
  } cases[] = {
      {3105, 1, 310, 310}, {3100, 2, 310, 311}, {3100, 3, 309, 312}, {3100, 4, 307, 314},
      {3100, 5, 303, 318}, {3100, 6, 295, 326}, {2000, 6, 200, 216}, {8000, 6, 785, 800},
  };
  for (const Case& c : cases) {
    const TWavelengthWindow window = MonochromatorWindow(c.wavelength, c.bandpass);
    EXPECT_EQ(window.Low, c.low) << c.wavelength << " nm/10, bandpass " << c.bandpass;
    EXPECT_EQ(window.High, c.high) << c.wavelength << " nm/10, bandpass " << c.bandpass;
  }
}

TEST(PrepareSample, LoadsAScattererForAPrompt) {
  auto record = std::make_unique<TSessionRecord>();
  record->LifetimeAtMinTemp = 5.0f;
  TSampleState sample;
  PrepareSample(*record, true, sample);
  EXPECT_EQ(sample.SampleKind, SampleScatterer);
  EXPECT_EQ(sample.SampleLifetime, 0.0f);
}

TEST(PrepareSample, AbsorbsInTheMiddleOfThePathBehindTheSolvent) {
  auto record = std::make_unique<TSessionRecord>();
  record->SampleConcentration = 1e-5f;
  record->SoluteAbsorption[300] = 20000.0f;  // ε C = 0.2
  record->SolventAbsorption[300] = 0.4f;
  record->SoluteAbsorption[400] = 20000.0f;
  record->SolventAbsorption[400] = 2.0f;  // opaque
  record->FluorescenceSpectrum[450] = 0.25f;
  record->LifetimeAtMinTemp = 4.0f;
  record->ActivationEnergy = 12.0f;
  TSampleState sample;
  PrepareSample(*record, false, sample);
  EXPECT_EQ(sample.SampleKind, SampleFluorescent);
  const double expected = std::exp(-0.2) * (std::exp(-0.09) - std::exp(-0.11));
  EXPECT_NEAR(sample.SampleExcitation[300], expected, 1e-6);
  EXPECT_EQ(sample.SampleExcitation[400], 0.0f);
  EXPECT_EQ(sample.SampleExcitation[500], 0.0f);  // nothing absorbs there
  EXPECT_EQ(sample.SampleEmission[450], 0.25f);
  EXPECT_EQ(sample.SampleLifetime, 4.0f);
  EXPECT_EQ(sample.SampleActivationEnergy, 12.0f);
}
