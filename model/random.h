#pragma once

#include <cstdint>

// The program's one uniform random generator: MT19937, whose 32-bit output times 2^-32 gives
// a value in [0, 1). The program seeds it once at start from the millisecond tick counter;
// tests seed it to make a run repeatable.
void SeedRandom(std::uint32_t seed);
double RandomUniform();
