#include <gtest/gtest.h>

#include "model/analyser_display.h"

namespace {

struct DotCase {
  TMcaScale Scale;
  int Count;
  int Row;
};

class AnalyserDisplayTest : public ::testing::Test {
 protected:
  TAnalyserDisplay display;
  Histogram counts{};

  void Draw(bool promptMode = false) {
    ClearPlot(display);
    DrawHistogram(display, counts, promptMode);
  }
};

}  // namespace

TEST(AnalyserDotRow, FollowsTheScale) {
  const DotCase cases[] = {
      {TMcaScale::FullScale100, 50, 99},
      {TMcaScale::FullScale100, 100, 0},
      {TMcaScale::FullScale100, 5000, 0},
      {TMcaScale::FullScale100, 0, 198},
      {TMcaScale::Log, 0, 198},
      {TMcaScale::Log, 1, 188},
      {TMcaScale::Log, 10, 155},
      {TMcaScale::FullScale1M, 500000, 99},
      {TMcaScale::FullScale1M, 2147483647, 0},
      {TMcaScale::FullScale1k, 999, 1},
  };
  for (const DotCase& c : cases) EXPECT_EQ(DotRow(c.Count, c.Scale), c.Row) << "count " << c.Count;
}

TEST(AnalyserDotRow, LargeLogCountsLieAboveThePlot) {
  EXPECT_LT(DotRow(1000000, TMcaScale::Log), 0);
}

TEST_F(AnalyserDisplayTest, ClearLeavesAWhitePlotInABlackFrame) {
  ClearPlot(display);
  EXPECT_TRUE(display.PlotReady);
  EXPECT_EQ(display.Plot.Pixel(0, 0), Colours::Black);
  EXPECT_EQ(display.Plot.Pixel(513, 199), Colours::Black);
  EXPECT_EQ(display.Plot.Pixel(1, 1), Colours::White);
  EXPECT_EQ(display.Plot.Pixel(512, 198), Colours::White);
}

TEST_F(AnalyserDisplayTest, DrawsEachChannelInItsColumnInTheModesColour) {
  counts[9] = 10;  // column 2
  display.CursorChannel = 4096;
  Draw();
  EXPECT_EQ(display.Plot.Pixel(2, 155), Colours::Red);
  EXPECT_EQ(display.Plot.Pixel(2, 198), Colours::Red);  // its seven empty neighbours
  EXPECT_EQ(display.Plot.Pixel(1, 155), Colours::White);
  Draw(true);
  EXPECT_EQ(display.Plot.Pixel(2, 155), Colours::Blue);
}

TEST_F(AnalyserDisplayTest, CursorColumnIsABlackLineAndMovingItErasesIt) {
  counts[1] = 1;
  Draw();
  EXPECT_EQ(display.Plot.Pixel(1, 1), Colours::Black);
  EXPECT_EQ(display.Plot.Pixel(1, 100), Colours::Black);
  EXPECT_EQ(display.Plot.Pixel(1, 188), Colours::Red);
  PlaceCursorAtChannel(display, 4096, counts);
  DrawHistogram(display, counts, false);
  EXPECT_EQ(display.Plot.Pixel(1, 1), Colours::White);
  EXPECT_EQ(display.Plot.Pixel(1, 100), Colours::White);
  EXPECT_EQ(display.Plot.Pixel(512, 100), Colours::Black);
}

TEST_F(AnalyserDisplayTest, RedrawingErasesDotsLeftJustBelowTheFrame) {
  display.Scale = TMcaScale::FullScale1k;
  display.CursorChannel = 4096;
  counts[1] = 999;
  Draw();
  EXPECT_EQ(display.Plot.Pixel(1, 1), Colours::Red);
  counts[1] = 0;
  DrawHistogram(display, counts, false);
  EXPECT_EQ(display.Plot.Pixel(1, 1), Colours::White);
}

TEST_F(AnalyserDisplayTest, ClickPutsTheCursorOnTheLastChannelOfTheColumn) {
  counts[8] = 3;
  counts[4096] = 7;
  const struct {
    int X;
    int Channel;
    int Count;
  } cases[] = {{0, 8, 3}, {1, 8, 3}, {2, 16, 0}, {512, 4096, 7}, {600, 4096, 7}};
  for (const auto& c : cases) {
    display.PlotReady = false;
    PlaceCursorAtColumn(display, c.X, counts);
    EXPECT_EQ(display.CursorChannel, c.Channel) << "x " << c.X;
    EXPECT_EQ(display.CursorCount, c.Count) << "x " << c.X;
    EXPECT_TRUE(display.PlotReady);  // a pending clear is dropped
  }
}

TEST_F(AnalyserDisplayTest, SpinnerMovesSingleChannels) {
  counts[9] = 4;
  PlaceCursorAtChannel(display, 9, counts);
  EXPECT_EQ(CursorChannelReadout(display), "9");
  EXPECT_EQ(CursorCountReadout(display), "4");
  PlaceCursorAtChannel(display, 10, counts);
  EXPECT_EQ(CursorChannelReadout(display), "10");
  EXPECT_EQ(CursorCountReadout(display), "0");
}

TEST_F(AnalyserDisplayTest, PeakKeepsTheEarliestHighestChannelAcrossTicks) {
  counts[300] = 5;
  counts[200] = 5;
  Draw();
  EXPECT_EQ(PeakReadout(display), "200 / 5");
  counts[100] = 5;  // a later tie in a lower channel does not take over
  DrawHistogram(display, counts, false);
  EXPECT_EQ(PeakReadout(display), "200 / 5");
  counts[4000] = 6;
  DrawHistogram(display, counts, false);
  EXPECT_EQ(PeakReadout(display), "4000 / 6");
}

TEST_F(AnalyserDisplayTest, AfterResetThePeakShowsChannelOneUntilACountArrives) {
  counts[50] = 9;
  Draw();
  ResetPeak(display);
  counts = {};
  DrawHistogram(display, counts, false);
  EXPECT_EQ(PeakReadout(display), "1 / 0");
  counts[70] = 1;
  DrawHistogram(display, counts, false);
  EXPECT_EQ(PeakReadout(display), "70 / 1");
}

TEST_F(AnalyserDisplayTest, DrawingReadsTheCursorCount) {
  counts[1] = 12;
  Draw();
  EXPECT_EQ(CursorCountReadout(display), "12");
}
