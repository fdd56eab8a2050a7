#include "model/acquisition.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>

#include "model/random.h"

namespace {

constexpr float TicksPerSecond = 10.0f;

// The whole conversions of this tick at a rate per second; the fraction stays in the carry.
std::int32_t TakeWhole(float rate, float& carry) {
  carry += rate / TicksPerSecond;
  const auto whole = static_cast<std::int32_t>(carry);
  carry -= static_cast<float>(whole);
  return whole;
}

using TallySet = std::array<OneBased<std::uint32_t, ChannelCount>, TAcquisition::Tallies>;

void SortConversions(const TConversionTable& table, std::int64_t conversions, TallySet& tallies) {
  static_assert(TAcquisition::Tallies == 4);
  for (auto& tally : tallies) std::fill(tally.begin(), tally.end(), 0u);
  std::uint32_t* t0 = tallies[0].Items;  // each indexed by slot, channel − 1
  std::uint32_t* t1 = tallies[1].Items;
  std::uint32_t* t2 = tallies[2].Items;
  std::uint32_t* t3 = tallies[3].Items;
  while (conversions > 0) {
    const std::span<const std::uint32_t> draws = RandomDraws(static_cast<std::size_t>(conversions));
    const std::size_t count = draws.size();
    std::size_t n = 0;
    for (; n + 4 <= count; n += 4) {
      ++t0[ConversionSlot(table, draws[n])];
      ++t1[ConversionSlot(table, draws[n + 1])];
      ++t2[ConversionSlot(table, draws[n + 2])];
      ++t3[ConversionSlot(table, draws[n + 3])];
    }
    for (; n < count; ++n) ++t0[ConversionSlot(table, draws[n])];
    conversions -= static_cast<std::int64_t>(count);
  }
}

}  // namespace

void AccumulateCounts(const TCountModel& model, int lampFrequency, TAcquisition& acquisition) {
  if (!acquisition.Acquiring) return;
  TConversionCarries& carries = acquisition.Carries;
  carries.DarkEvents = TakeWhole(model.DarkTacRate, carries.DarkCarry);
  carries.SignalEvents = TakeWhole(model.SignalTacRate, carries.SignalCarry);
  if (!BuildConversionTable(model, lampFrequency, acquisition.Table)) return;

  TallySet& tallies = acquisition.TickTallies;
  SortConversions(acquisition.Table,
                  std::int64_t{carries.DarkEvents} + std::int64_t{carries.SignalEvents}, tallies);
  constexpr std::int64_t Full = std::numeric_limits<std::int32_t>::max();
  for (int i = 1; i <= ChannelCount; ++i) {
    std::int64_t total = acquisition.McaCounts[i];
    for (const auto& tally : tallies) total += tally[i];
    acquisition.McaCounts[i] = static_cast<std::int32_t>(std::min(total, Full));
  }
}

bool ToggleAcquisition(TAcquisition& acquisition) {
  acquisition.Acquiring = !acquisition.Acquiring;
  return acquisition.Acquiring;
}

void ClearCounts(TAcquisition& acquisition) {
  std::fill(acquisition.McaCounts.begin(), acquisition.McaCounts.end(), 0);
}
