#include "model/range_entry.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>

#include "model/analysis_ranges.h"

namespace {

bool IsBlank(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::optional<int> ReadWholeNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;

  // Accumulates up to just past the int limits; further digits cannot bring it back.
  constexpr std::int64_t Beyond = std::int64_t{std::numeric_limits<int>::max()} + 2;
  std::int64_t magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = std::min(magnitude * 10 + (c - '0'), Beyond);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

void SetRangeBound(TDecayAnalysis& analysis, TRangeBound bound, int channel) {
  switch (bound) {
    case TRangeBound::BackgroundLow:
      SetBackgroundLow(analysis, channel);
      break;
    case TRangeBound::BackgroundHigh:
      SetBackgroundHigh(analysis, channel);
      break;
    case TRangeBound::DecayLow:
      SetDecayLow(analysis, channel);
      break;
    case TRangeBound::DecayHigh:
      SetDecayHigh(analysis, channel);
      break;
  }
}

void EnterRangeBound(TDecayAnalysis& analysis, TRangeBound bound, std::string_view text) {
  if (const std::optional<int> typed = ReadWholeNumber(text)) {
    SetRangeBound(analysis, bound, *typed);
    return;
  }
  switch (bound) {
    case TRangeBound::BackgroundLow:
      analysis.BackgroundLow = 1;
      break;
    case TRangeBound::BackgroundHigh:
      analysis.BackgroundHigh = analysis.BackgroundLow + 1;
      break;
    case TRangeBound::DecayLow:
      analysis.DecayLow = analysis.BackgroundHigh + 1;
      break;
    case TRangeBound::DecayHigh:
      analysis.DecayHigh = analysis.DecayLow + 1;
      break;
  }
}

int ClickedChannel(int x) {
  constexpr int Columns = 512;
  constexpr int ChannelsPerColumn = 8;
  return std::clamp(x, 1, Columns) * ChannelsPerColumn;
}
