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

TEST(RandomDraws, ContinueTheTwisterSequenceForAMillionOutputs) {
  for (const std::uint32_t seed : {5489u, 1u, 20261211u}) {
    SeedRandom(seed);
    std::mt19937 reference(seed);
    // Single draws and spans of awkward sizes interleaved, crossing many twists.
    EXPECT_EQ(RandomUniform(), reference() / 4294967296.0);
    const std::size_t sizes[] = {1, 623, 625, 2048, 7};
    std::size_t done = 0;
    for (int round = 0; done < 1000000; ++round) {
      const std::span<const std::uint32_t> draws = RandomDraws(sizes[round % 5]);
      ASSERT_GE(draws.size(), 1u);
      ASSERT_LE(draws.size(), sizes[round % 5]);
      for (const std::uint32_t draw : draws) ASSERT_EQ(draw, reference()) << "output " << done;
      done += draws.size();
      if (round % 97 == 0) {
        EXPECT_EQ(RandomUniform(), reference() / 4294967296.0);
      }
    }
  }
}
