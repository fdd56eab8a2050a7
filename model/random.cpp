#include "model/random.h"

#include <algorithm>
#include <array>

namespace {

// MT19937 (Matsumoto and Nishimura, 1998), the sequence of std::mt19937. The whole state is
// twisted at once and a block of 624 outputs tempered together: loops the compiler can
// vectorise, where drawing one number at a time cannot.
class BlockTwister {
 public:
  explicit BlockTwister(std::uint32_t seed) { Seed(seed); }

  void Seed(std::uint32_t seed) {
    state_[0] = seed;
    for (std::uint32_t i = 1; i < StateSize; ++i) {
      state_[i] = 1812433253u * (state_[i - 1] ^ (state_[i - 1] >> 30)) + i;
    }
    next_ = StateSize;  // the first draw twists
  }

  std::uint32_t Next() {
    if (next_ == StateSize) Refill();
    return block_[next_++];
  }

  std::span<const std::uint32_t> Draws(std::size_t maxCount) {
    if (next_ == StateSize) Refill();
    const std::size_t take = std::min(maxCount, StateSize - next_);
    const std::span<const std::uint32_t> draws(block_.data() + next_, take);
    next_ += take;
    return draws;
  }

 private:
  static constexpr std::size_t StateSize = 624;
  static constexpr std::size_t Shift = 397;
  static constexpr std::uint32_t Matrix = 0x9908b0dfu;

  static std::uint32_t Mixed(std::uint32_t upper, std::uint32_t lower, std::uint32_t far) {
    const std::uint32_t y = (upper & 0x80000000u) | (lower & 0x7fffffffu);
    return far ^ (y >> 1) ^ ((y & 1u) ? Matrix : 0u);
  }

  // state[i] from state[i], state[i + 1] and the far word state[(i + 397) mod 624] for i in
  // [From, To). The far words lie outside the range, so no step waits for another. The bulk
  // runs a fixed multiple of 16 steps, a loop the compiler vectorises at -O2; the rest follows.
  template <std::size_t From, std::size_t To>
  void TwistRange() {
    constexpr std::size_t Far = (From + Shift) % StateSize;
    constexpr std::size_t Bulk = (To - From) / 16 * 16;
    const auto twist = [this](std::size_t n) {
      state_[From + n] = Mixed(state_[From + n], state_[From + n + 1], state_[Far + n]);
    };
    for (std::size_t n = 0; n < Bulk; ++n) twist(n);
    for (std::size_t n = Bulk; n < To - From; ++n) twist(n);
  }

  void Refill() {
    constexpr std::size_t Lag = StateSize - Shift;  // 227
    TwistRange<0, Lag>();
    TwistRange<Lag, 2 * Lag>();
    TwistRange<2 * Lag, StateSize - 1>();
    state_[StateSize - 1] = Mixed(state_[StateSize - 1], state_[0], state_[Shift - 1]);
    for (std::size_t i = 0; i < StateSize; ++i) {
      std::uint32_t y = state_[i];
      y ^= y >> 11;
      y ^= (y << 7) & 0x9d2c5680u;
      y ^= (y << 15) & 0xefc60000u;
      y ^= y >> 18;
      block_[i] = y;
    }
    next_ = 0;
  }

  std::array<std::uint32_t, StateSize> state_{};
  std::array<std::uint32_t, StateSize> block_{};
  std::size_t next_ = StateSize;
};

BlockTwister& Generator() {
  static BlockTwister generator(5489u);  // std::mt19937's default seed
  return generator;
}

}  // namespace

void SeedRandom(std::uint32_t seed) {
  Generator().Seed(seed);
}

double RandomUniform() {
  return Generator().Next() * (1.0 / 4294967296.0);
}

std::span<const std::uint32_t> RandomDraws(std::size_t maxCount) {
  return Generator().Draws(maxCount);
}
