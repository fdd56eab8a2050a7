#include "model/random.h"

#include <random>

namespace {
std::mt19937& Generator() {
  static std::mt19937 generator;
  return generator;
}
}  // namespace

void SeedRandom(std::uint32_t seed) {
  Generator().seed(seed);
}

double RandomUniform() {
  return Generator()() * (1.0 / 4294967296.0);
}
