#include "model/conversion_table.h"

#include <cmath>

namespace {

constexpr double TwoToThe32 = 4294967296.0;
constexpr std::uint32_t LargestDraw = 0xffffffffu;

void BuildGuide(TConversionTable& table) {
  constexpr int Shift = 32 - TConversionTable::GuideBits;
  constexpr std::uint32_t GroupSpan = (std::uint32_t{1} << Shift) - 1;
  int channel = 1;
  for (std::size_t g = 0; g < table.Guide.size(); ++g) {
    const auto lowestDraw = static_cast<std::uint32_t>(g << Shift);
    while (table.Threshold[channel] < lowestDraw) ++channel;
    const bool settled = table.Threshold[channel] >= lowestDraw + GroupSpan;
    table.Guide[g] =
        static_cast<std::uint16_t>((channel - 1) | (settled ? 0 : TConversionTable::Unsettled));
  }
}

}  // namespace

bool BuildConversionTable(const TCountModel& model, int lampFrequency, TConversionTable& table) {
  const double sum = model.ResponseSum;
  const double a = sum > 0.0 ? model.SignalTacRate / (lampFrequency * sum * 1000.0) : 0.0;
  const double b = model.DarkTacRate / (lampFrequency * double{ChannelCount} * 1000.0);
  double c = 0.0;
  for (int i = 1; i <= ChannelCount; ++i) {
    const double p = (a * model.ChannelResponse[i] + b) * (1.0 - c);
    table.Probability[i] = p;
    c += p;
    if (c > 1.0) c = 1.0;
  }
  if (c <= 0.0) return false;
  double prefix = 0.0;
  for (int i = 1; i <= ChannelCount; ++i) {
    prefix += table.Probability[i];
    const double f = prefix / c;
    table.Cumulative[i] = f;
    table.Threshold[i] =
        f >= 1.0 ? LargestDraw : static_cast<std::uint32_t>(std::floor(f * TwoToThe32));
  }
  table.Threshold[ChannelCount] = LargestDraw;
  BuildGuide(table);
  return true;
}
