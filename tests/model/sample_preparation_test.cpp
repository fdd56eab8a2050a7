#include <gtest/gtest.h>

#include <memory>

#include "model/random.h"
#include "model/sample_preparation.h"
#include "session/session_record.h"

TEST(SamplePreparation, AddStartsAt0Point1AndDoublesUntilStopped) {
  float rate = 0.0f;
  for (float expected : {0.1f, 0.2f, 0.4f, 0.8f, 1.6f}) {
    rate = SpedUpRate(rate);
    EXPECT_FLOAT_EQ(rate, expected);
  }
  EXPECT_FLOAT_EQ(SpedUpRate(0.0099f), 0.1f);  // below 0.01 counts as standing
  EXPECT_FLOAT_EQ(SpedUpRate(0.01f), 0.02f);
}

TEST(SamplePreparation, FillLimitsAre120PercentOfTheFlaskWith6MlForAnUnknownFlask) {
  const struct {
    int index;
    float limit;
  } cases[] = {{0, 6.0f}, {1, 12.0f}, {2, 30.0f}, {3, 60.0f}, {4, 120.0f}, {-1, 6.0f}, {5, 6.0f}};
  for (const auto& c : cases) EXPECT_EQ(FlaskFillLimit(c.index), c.limit) << c.index;
}

TEST(SamplePreparation, AliquotsRunFrom25To200MicrolitresAndNothingElse) {
  for (int index = 0; index < 8; ++index)
    EXPECT_DOUBLE_EQ(AliquotVolume(index), 25e-6 * (index + 1)) << index;
  EXPECT_EQ(AliquotVolume(-1), 0.0);
  EXPECT_EQ(AliquotVolume(8), 0.0);
}

TEST(SamplePreparation, EachTickAddsOneToOneAndAHalfTimesTheRateOfTheCurrentStep) {
  SeedRandom(7);
  TSamplePreparation prep;
  prep.WeightRate = 0.4f;
  prep.StockRate = 0.8f;  // other steps' rates do not count
  for (int tick = 0; tick < 200; ++tick) {
    const float before = prep.CurrentWeight;
    AddTick(prep, 4, 4);
    EXPECT_GE(prep.CurrentWeight - before, 0.4f * 0.9999f);
    EXPECT_LE(prep.CurrentWeight - before, 0.6f * 1.0001f);
  }
  EXPECT_EQ(prep.CurrentStockVolume, 0.0f);
  EXPECT_EQ(prep.CurrentDilutionVolume, 0.0f);
}

TEST(SamplePreparation, EveryTickDrawsOneRandomNumberEvenWhenNothingFlows) {
  SeedRandom(11);
  TSamplePreparation spectra;
  spectra.PrepStep = 4;
  AddTick(spectra, 0, 0);
  const double next = RandomUniform();
  SeedRandom(11);
  RandomUniform();
  EXPECT_EQ(RandomUniform(), next);
}

TEST(SamplePreparation, TheBalanceStopsAt1000Mg) {
  SeedRandom(3);
  TSamplePreparation prep;
  prep.CurrentWeight = 999.9f;
  prep.WeightRate = 0.8f;
  AddTick(prep, 0, 0);
  EXPECT_EQ(prep.CurrentWeight, 1000.0f);
  EXPECT_EQ(WeightText(prep.CurrentWeight), "Weight = 1000.0");
}

TEST(SamplePreparation, TheFlaskNowSelectedLimitsTheVolumeOnEveryTick) {
  SeedRandom(5);
  TSamplePreparation prep;
  prep.PrepStep = 2;
  prep.StockRate = 0.1f;
  prep.CurrentStockVolume = 50.0f;  // filling the 100 ml flask
  AddTick(prep, 4, 0);
  EXPECT_GT(prep.CurrentStockVolume, 50.0f);
  AddTick(prep, 0, 0);  // switched to the 5 ml flask
  EXPECT_EQ(VolumeText(prep.CurrentStockVolume), "Volume = 6.0");

  prep.PrepStep = 3;
  prep.DilutionRate = 12.8f;
  prep.CurrentDilutionVolume = 5.9f;
  AddTick(prep, 4, 1);  // the dilution flask's limit, not the stock flask's
  EXPECT_EQ(prep.CurrentDilutionVolume, 12.0f);
}

TEST(SamplePreparation, ExactlyOneUnitIsEnough) {
  EXPECT_FALSE(IsEnough(0.9f));
  EXPECT_FALSE(IsEnough(0.99999f));
  EXPECT_TRUE(IsEnough(1.0f));
}

TEST(SamplePreparation, QuantitiesShowWithOneRoundedDecimal) {
  EXPECT_EQ(WeightText(0.0f), "Weight = 0.0");
  EXPECT_EQ(WeightText(12.34f), "Weight = 12.3");
  EXPECT_EQ(VolumeText(0.96f), "Volume = 1.0");
  EXPECT_EQ(VolumeText(120.0f), "Volume = 120.0");
}

// 10.0 mg of a polymer with 1 % fluorophore (300 g/mol) in 10.0 ml; an aliquot of it made up
// to 10.0 ml: 100 ul give 1e-4 × 10 × 1000 / (10 × 300 × 10) × 1 / 100 = 3.33e-7 mol/L, and
// 200 ul twice that.
TEST(SamplePreparation, StoresThePreparationAndItsConcentration) {
  const struct {
    int aliquotIndex;
    double expected;
  } cases[] = {{3, 1.0 / 3.0e6}, {7, 2.0 / 3.0e6}};
  for (const auto& c : cases) {
    auto session = std::make_unique<TSessionRecord>();
    session->MolecularWeight = 300.0f;
    session->FluorophorePercent = 1.0f;
    TSamplePreparation prep;
    prep.CurrentWeight = 10.0f;
    prep.CurrentStockVolume = 10.0f;
    prep.CurrentDilutionVolume = 10.0f;
    StorePreparation(*session, prep, 1, c.aliquotIndex, 2);
    EXPECT_FLOAT_EQ(session->SampleConcentration, static_cast<float>(c.expected));
    EXPECT_EQ(session->SampleWeight, 10.0f);
    EXPECT_EQ(session->StockFlaskIndex, 1);
    EXPECT_EQ(session->StockVolume, 10.0f);
    EXPECT_EQ(session->AliquotIndex, c.aliquotIndex);
    EXPECT_EQ(session->DilutionFlaskIndex, 2);
    EXPECT_EQ(session->DilutionVolume, 10.0f);
  }
}

TEST(SamplePreparation, ConcentrationFollowsTheFilledVolumesNotTheFlaskSizes) {
  auto session = std::make_unique<TSessionRecord>();
  session->MolecularWeight = 300.0f;
  session->FluorophorePercent = 2.0f;
  TSamplePreparation prep;
  prep.CurrentWeight = 10.0f;
  prep.CurrentStockVolume = 5.0f;      // half of the 10 ml flask
  prep.CurrentDilutionVolume = 12.0f;  // the 10 ml flask overfilled
  StorePreparation(*session, prep, 1, 3, 1);
  EXPECT_FLOAT_EQ(session->SampleConcentration,
                  static_cast<float>(1e-4 * 10 * 1000 / (5 * 300 * 12.0) * 2 / 100));
}
