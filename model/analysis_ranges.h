#pragma once

#include <cstdint>

#include "model/decay_analysis.h"

// The four range setters. Each clamps its own bound into the window that still leaves room for
// the other three (background low 1..4093, background high 2..4094, decay low 3..4095, decay
// high 4..4096), then pushes the other bounds away one channel at a time until
// BackgroundLow < BackgroundHigh < DecayLow < DecayHigh holds again.
void SetBackgroundLow(TDecayAnalysis& analysis, int channel);
void SetBackgroundHigh(TDecayAnalysis& analysis, int channel);
void SetDecayLow(TDecayAnalysis& analysis, int channel);
void SetDecayHigh(TDecayAnalysis& analysis, int channel);

// Sum of the counts from channel low to high, both inclusive. 64 bits wide: 4096 channels of up
// to 2147483647 counts each do not fit the record's 32-bit counts.
std::int64_t RangeSum(const Histogram& counts, int low, int high);

// The counts the screen shows under the two ranges.
struct TRangeCounts {
  std::int64_t BackgroundPrompt;
  std::int64_t BackgroundDecay;
  std::int64_t DecayRangePrompt;
  std::int64_t DecayRangeDecay;
};
TRangeCounts RangeCounts(const TDecayAnalysis& analysis);
