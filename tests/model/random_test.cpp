#include <gtest/gtest.h>

#include <random>

#include "model/random.h"

TEST(RandomUniform, IsTheTwisterOutputScaledToTheUnitInterval) {
  SeedRandom(5489);
  std::mt19937 reference(5489);
  for (int i = 0; i < 1000; ++i) {
    const double value = RandomUniform();
    EXPECT_EQ(value, reference() / 4294967296.0);
    EXPECT_GE(value, 0.0);
    EXPECT_LT(value, 1.0);
  }
}

TEST(RandomUniform, SameSeedRepeatsTheSequence) {
  SeedRandom(42);
  const double first = RandomUniform();
  SeedRandom(42);
  EXPECT_EQ(RandomUniform(), first);
}
