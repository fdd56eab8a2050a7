#include "model/analysis_ranges.h"

#include <algorithm>

void SetBackgroundLow(TDecayAnalysis& a, int channel) {
  a.BackgroundLow = std::clamp(channel, 1, ChannelCount - 3);
  if (a.BackgroundHigh <= a.BackgroundLow) a.BackgroundHigh = a.BackgroundLow + 1;
  if (a.DecayLow <= a.BackgroundHigh) a.DecayLow = a.BackgroundHigh + 1;
  if (a.DecayHigh <= a.DecayLow) a.DecayHigh = a.DecayLow + 1;
}

void SetBackgroundHigh(TDecayAnalysis& a, int channel) {
  a.BackgroundHigh = std::clamp(channel, 2, ChannelCount - 2);
  if (a.BackgroundLow >= a.BackgroundHigh) a.BackgroundLow = a.BackgroundHigh - 1;
  if (a.DecayLow <= a.BackgroundHigh) a.DecayLow = a.BackgroundHigh + 1;
  if (a.DecayHigh <= a.DecayLow) a.DecayHigh = a.DecayLow + 1;
}

void SetDecayLow(TDecayAnalysis& a, int channel) {
  a.DecayLow = std::clamp(channel, 3, ChannelCount - 1);
  if (a.BackgroundHigh >= a.DecayLow) a.BackgroundHigh = a.DecayLow - 1;
  if (a.BackgroundLow >= a.BackgroundHigh) a.BackgroundLow = a.BackgroundHigh - 1;
  if (a.DecayHigh <= a.DecayLow) a.DecayHigh = a.DecayLow + 1;
}

void SetDecayHigh(TDecayAnalysis& a, int channel) {
  a.DecayHigh = std::clamp(channel, 4, ChannelCount);
  if (a.DecayLow >= a.DecayHigh) a.DecayLow = a.DecayHigh - 1;
  if (a.BackgroundHigh >= a.DecayLow) a.BackgroundHigh = a.DecayLow - 1;
  if (a.BackgroundLow >= a.BackgroundHigh) a.BackgroundLow = a.BackgroundHigh - 1;
}

std::int64_t RangeSum(const Histogram& counts, int low, int high) {
  std::int64_t sum = 0;
  for (int c = low; c <= high; ++c) sum += counts[c];
  return sum;
}

TRangeCounts RangeCounts(const TDecayAnalysis& a) {
  return {RangeSum(a.Prompt, a.BackgroundLow, a.BackgroundHigh),
          RangeSum(a.Decay, a.BackgroundLow, a.BackgroundHigh),
          RangeSum(a.Prompt, a.DecayLow, a.DecayHigh), RangeSum(a.Decay, a.DecayLow, a.DecayHigh)};
}
