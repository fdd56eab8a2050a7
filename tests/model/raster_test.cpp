#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/raster.h"

namespace {

// The raster as rows of '#' (pen black) and '.' (anything else), for readable expectations.
std::vector<std::string> Picture(const Raster& raster) {
  std::vector<std::string> rows;
  for (int y = 0; y < raster.Height(); ++y) {
    std::string row;
    for (int x = 0; x < raster.Width(); ++x)
      row += raster.Pixel(x, y) == Colours::Black ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

TEST(Raster, StartsWhite) {
  const Raster raster(3, 2);
  EXPECT_EQ(raster.Pixels(), std::vector<RgbColour>(6, Colours::White));
}

TEST(Raster, LineLeavesOutItsEndPoint) {
  Raster raster(6, 3);
  raster.MoveTo(0, 1);
  raster.LineTo(5, 1);
  EXPECT_EQ(Picture(raster), (std::vector<std::string>{"......", "#####.", "......"}));
}

TEST(Raster, PolylineJoinsAtEachVertexAndMovesThePen) {
  Raster raster(5, 5);
  raster.MoveTo(0, 0);
  raster.LineTo(4, 0);
  raster.LineTo(4, 4);
  raster.LineTo(0, 4);
  EXPECT_EQ(Picture(raster),
            (std::vector<std::string>{"#####", "....#", "....#", "....#", ".####"}));
}

TEST(Raster, LineOfNoLengthDrawsNothing) {
  Raster raster(3, 3);
  raster.MoveTo(1, 1);
  raster.LineTo(1, 1);
  EXPECT_EQ(Picture(raster), (std::vector<std::string>{"...", "...", "..."}));
}

TEST(Raster, SlopedLinesStepAlongTheirLongerAxis) {
  Raster raster(5, 3);
  raster.MoveTo(0, 0);
  raster.LineTo(4, 2);  // two pixels per row
  EXPECT_EQ(Picture(raster), (std::vector<std::string>{"#....", ".##..", "...#."}));

  Raster upward(3, 5);
  upward.MoveTo(2, 4);
  upward.LineTo(0, 0);  // drawn from the bottom, end point left out
  EXPECT_EQ(Picture(upward), (std::vector<std::string>{"...", "#..", ".#.", ".#.", "..#"}));
}

TEST(Raster, DrawsInThePenColour) {
  Raster raster(3, 1);
  raster.Pen = Colours::Green;
  raster.MoveTo(0, 0);
  raster.LineTo(2, 0);
  EXPECT_EQ(raster.Pixel(0, 0), Colours::Green);
  EXPECT_EQ(raster.Pixel(1, 0), Colours::Green);
  EXPECT_EQ(raster.Pixel(2, 0), Colours::White);
}

TEST(Raster, ClipsLinesAndPixelsAtItsEdges) {
  Raster raster(4, 3);
  raster.MoveTo(-10, 1);
  raster.LineTo(10, 1);
  raster.SetPixel(-1, 0, Colours::Black);
  raster.SetPixel(4, 2, Colours::Black);
  raster.SetPixel(0, 3, Colours::Black);
  EXPECT_EQ(Picture(raster), (std::vector<std::string>{"....", "####", "...."}));

  // A line between far-away points still draws only what crosses the raster.
  raster.MoveTo(2, -2000000000);
  raster.LineTo(2, 2000000000);
  EXPECT_EQ(Picture(raster), (std::vector<std::string>{"..#.", "####", "..#."}));
}

TEST(Raster, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  Raster raster(6, 5);
  raster.Pen = Colours::Black;
  raster.Brush = Colours::Red;
  raster.Rectangle(1, 0, 5, 4);  // right and bottom exclusive
  EXPECT_EQ(Picture(raster),
            (std::vector<std::string>{".####.", ".#..#.", ".#..#.", ".####.", "......"}));
  EXPECT_EQ(raster.Pixel(2, 1), Colours::Red);
  EXPECT_EQ(raster.Pixel(3, 2), Colours::Red);
  EXPECT_EQ(raster.Pixel(0, 1), Colours::White);
}

TEST(Raster, RectangleIsClippedAndEmptyWhenItHasNoArea) {
  Raster raster(4, 3);
  raster.Rectangle(-2, -2, 2, 2);
  EXPECT_EQ(Picture(raster), (std::vector<std::string>{".#..", "##..", "...."}));
  raster.Rectangle(3, 0, 3, 3);
  raster.Rectangle(0, 2, 4, 1);
  EXPECT_EQ(Picture(raster), (std::vector<std::string>{".#..", "##..", "...."}));
}
