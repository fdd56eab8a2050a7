// Ten simulated minutes of counting at the instrument's highest rate, ticks driven directly:
// the busiest channel fills to the 32-bit limit after about five minutes and must then stay
// there, no channel may wrap or lose counts, and neither the memory in use nor the work done
// per tick may grow.

#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>

#include "model/instrument_engine.h"
#include "model/random.h"
#include "oracle/engine_scenarios.h"

namespace {

constexpr int TicksPerMinute = 600;  // 100 ms ticks
constexpr int SoakTicks = 10 * TicksPerMinute;
constexpr int WarmUpTicks = 10;
constexpr std::int32_t Full = std::numeric_limits<std::int32_t>::max();
// Heap bytes the run may gain after warm-up: small enough that a buffer growing with the
// counts or the tick number would show.
constexpr std::size_t HeapSlack = 64 * 1024;

std::int64_t ConversionsOf(const TInstrument& instrument) {
  return std::int64_t{instrument.Acquisition.Carries.DarkEvents} +
         instrument.Acquisition.Carries.SignalEvents;
}

TEST(CountingSoak, TenMinutesAtTheHighestRateSaturateWithoutWrapOrGrowth) {
  auto instrument = std::make_unique<TInstrument>();
  instrument->Settings = WorstCaseSettings();
  instrument->Sample.SampleKind = SampleScatterer;
  instrument->Acquisition.Acquiring = true;
  SeedRandom(1);
  auto previous = std::make_unique<Histogram>();

  EngineTick(*instrument, true);
  // The rate is steady in this set-up, so every tick must convert the same number of photons
  // (the carried fraction moves it by at most one).
  const std::int64_t firstConversions = ConversionsOf(*instrument);
  ASSERT_GT(firstConversions, 4'000'000);
  std::size_t heapAfterWarmUp = 0;
  int fullAtTick = 0;

  for (int tick = 2; tick <= SoakTicks; ++tick) {
    *previous = instrument->Acquisition.McaCounts;
    EngineTick(*instrument, true);
    const Histogram& counts = instrument->Acquisition.McaCounts;

    const std::int64_t conversions = ConversionsOf(*instrument);
    ASSERT_LE(std::abs(conversions - firstConversions), 1) << "tick " << tick;
    for (int c = 1; c <= ChannelCount; ++c) {
      ASSERT_GE(counts[c], (*previous)[c]) << "channel " << c << " lost counts at tick " << tick;
    }
    const std::int32_t peak = *std::max_element(counts.begin(), counts.end());
    if (fullAtTick == 0 && peak == Full) fullAtTick = tick;
    if (fullAtTick != 0) {
      ASSERT_EQ(peak, Full) << "tick " << tick;
    }

    if (tick == WarmUpTicks) heapAfterWarmUp = mallinfo2().uordblks;
    if (tick > WarmUpTicks) {
      ASSERT_LE(mallinfo2().uordblks, heapAfterWarmUp + HeapSlack) << "tick " << tick;
    }
  }

  // About 700,000 counts a tick reach the busiest channel: full after about 3050 ticks.
  EXPECT_GE(fullAtTick, static_cast<int>(4.5 * TicksPerMinute));
  EXPECT_LE(fullAtTick, static_cast<int>(5.5 * TicksPerMinute));
  const Histogram& counts = instrument->Acquisition.McaCounts;
  EXPECT_TRUE(std::all_of(counts.begin(), counts.end(), [](std::int32_t n) { return n >= 0; }));
}

}  // namespace
