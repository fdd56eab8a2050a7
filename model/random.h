#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The program's one uniform random generator: MT19937, whose 32-bit output times 2^-32 gives
// a value in [0, 1). The program seeds it once at start from the millisecond tick counter;
// tests seed it to make a run repeatable.
void SeedRandom(std::uint32_t seed);
double RandomUniform();

// The next raw 32-bit outputs of the same generator, in the order RandomUniform would have
// drawn them (output m stands for the uniform m × 2^-32): at least one and at most maxCount
// (fewer at the end of the generator's block of 624), read in place. The span is valid until
// the next draw of any kind. Photon counting draws millions per tick this way.
std::span<const std::uint32_t> RandomDraws(std::size_t maxCount);
