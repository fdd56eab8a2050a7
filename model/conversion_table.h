#pragma once

#include <array>
#include <cstdint>

#include "model/count_model.h"
#include "session/indexed_array.h"
#include "session/session_record.h"

// The distribution of one tick's TAC conversions over the MCA channels, and a fast exact
// lookup of the channel for a raw 32-bit draw m (the uniform u = m × 2^-32).
struct TConversionTable {
  static constexpr int GuideBits = 14;

  // p[i]: probability that the first conversion after a lamp pulse falls in channel i.
  OneBased<double, ChannelCount> Probability{};
  // F[i] = (p[1] + ... + p[i]) / c, with c the total probability.
  OneBased<double, ChannelCount> Cumulative{};
  // floor(F[i] × 2^32) held at most 2^32 − 1, so that u > F[i] exactly when m > Threshold[i];
  // channel 4096 takes every draw past F[4095], so its threshold is the largest draw.
  OneBased<std::uint32_t, ChannelCount> Threshold{};
  // Guide[g]: the channel, counted from 0, of the smallest draw whose top GuideBits bits are g,
  // marked with Unsettled when a larger draw of the same group falls in a later channel.
  static constexpr std::uint16_t Unsettled = 0x8000;
  std::array<std::uint16_t, std::size_t{1} << GuideBits> Guide{};
};

// Builds the table from the model's channel response and rates at a lamp frequency (kHz):
//   a = SignalTacRate / (f × S × 1000) for S = ResponseSum > 0, else 0;
//   b = DarkTacRate / (f × 4096 × 1000);
//   p[i] = (a × ChannelResponse[i] + b) × (1 − c), c += p[i], c held at most 1 (pile-up).
// Returns false, leaving the table unusable, when c ≤ 0: nothing can be converted.
bool BuildConversionTable(const TCountModel& model, int lampFrequency, TConversionTable& table);

// The channel of a draw counted from 0 (channel 1 is slot 0), for arrays indexed from 0.
inline std::uint32_t ConversionSlot(const TConversionTable& table, std::uint32_t draw) {
  const std::uint32_t guide = table.Guide[draw >> (32 - TConversionTable::GuideBits)];
  if (!(guide & TConversionTable::Unsettled)) return guide;
  std::uint32_t slot = guide & ~std::uint32_t{TConversionTable::Unsettled};
  while (table.Threshold.Items[slot] < draw) ++slot;
  return slot;
}

// The channel of a draw: the smallest i in 1..4095 with F[i] ≥ u, or 4096 when there is none.
// Exactly the channel of the twelve-halving binary search over F.
inline int ConversionChannel(const TConversionTable& table, std::uint32_t draw) {
  return static_cast<int>(ConversionSlot(table, draw)) + 1;
}
