#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "model/range_entry.h"

namespace {

struct Bounds {
  int BackgroundLow, BackgroundHigh, DecayLow, DecayHigh;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

Bounds Of(const TDecayAnalysis& a) {
  return {a.BackgroundLow, a.BackgroundHigh, a.DecayLow, a.DecayHigh};
}

void PrintTo(const Bounds& b, std::ostream* out) {
  *out << b.BackgroundLow << ", " << b.BackgroundHigh << ", " << b.DecayLow << ", " << b.DecayHigh;
}

}  // namespace

TEST(ReadWholeNumber, AcceptsOnlyWholeNumbersAndHoldsHugeOnes) {
  const struct {
    const char* Text;
    std::optional<int> Value;
  } cases[] = {
      {"12", 12},
      {"  -7 ", -7},
      {"+4096", 4096},
      {"99999999999", 2147483647},
      {"-99999999999999999999999999", -2147483647 - 1},
      {"2147483648", 2147483647},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"12.5", std::nullopt},
      {"1e3", std::nullopt},
      {"ABC", std::nullopt},
      {"1 2", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadWholeNumber(c.Text), c.Value) << '"' << c.Text << '"';
}

TEST(EnterRangeBound, NumbersGoThroughTheSettersOtherTextFallsBack) {
  const struct {
    TRangeBound Bound;
    const char* Text;
    Bounds After;
  } cases[] = {
      {TRangeBound::BackgroundLow, "X", {1, 200, 300, 400}},
      {TRangeBound::BackgroundHigh, "X", {100, 101, 300, 400}},
      {TRangeBound::DecayLow, "X", {100, 200, 201, 400}},
      {TRangeBound::DecayHigh, "X", {100, 200, 300, 301}},
      {TRangeBound::DecayHigh, "99999999999", {100, 200, 300, 4096}},
      {TRangeBound::BackgroundLow, "99999999999", {4093, 4094, 4095, 4096}},
      {TRangeBound::DecayLow, "-99999999999", {1, 2, 3, 400}},
      {TRangeBound::BackgroundHigh, " 250 ", {100, 250, 300, 400}},
  };
  for (const auto& c : cases) {
    auto analysis = std::make_unique<TDecayAnalysis>();
    analysis->BackgroundLow = 100;
    analysis->BackgroundHigh = 200;
    analysis->DecayLow = 300;
    analysis->DecayHigh = 400;
    EnterRangeBound(*analysis, c.Bound, c.Text);
    EXPECT_EQ(Of(*analysis), c.After) << '"' << c.Text << '"';
  }
}

TEST(ClickedChannel, LastChannelOfTheColumnWithinThePlot) {
  EXPECT_EQ(ClickedChannel(-40), 8);
  EXPECT_EQ(ClickedChannel(1), 8);
  EXPECT_EQ(ClickedChannel(100), 800);
  EXPECT_EQ(ClickedChannel(512), 4096);
  EXPECT_EQ(ClickedChannel(513), 4096);
}
