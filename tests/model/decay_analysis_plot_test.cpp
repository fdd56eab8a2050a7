#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

#include "model/decay_analysis_plot.h"

namespace {

constexpr RgbColour SkyBlue = DecayPlotColours::SkyBlue;
constexpr RgbColour Yellow = DecayPlotColours::Yellow;

class DecayAnalysisPlotTest : public ::testing::Test {
 protected:
  // The working set is large; keep it off the stack.
  std::unique_ptr<TDecayAnalysis> owned = std::make_unique<TDecayAnalysis>();
  TDecayAnalysis& analysis = *owned;
  TDecayAnalysisPlots plots;

  void SetUp() override { ClearAnalysis(analysis); }
  void Draw() { DrawDecayAnalysisPlots(plots, analysis); }

  // The rows of a column of the data plot that hold the colour.
  std::vector<int> RowsOf(const Raster& plot, int x, RgbColour colour) {
    std::vector<int> rows;
    for (int y = 0; y < plot.Height(); ++y)
      if (plot.Pixel(x, y) == colour) rows.push_back(y);
    return rows;
  }
};

}  // namespace

TEST(DecayPlotScale, RowsOfValuesAndResiduals) {
  EXPECT_EQ(ChannelColumn(1), 1);
  EXPECT_EQ(ChannelColumn(8), 1);
  EXPECT_EQ(ChannelColumn(9), 2);
  EXPECT_EQ(ChannelColumn(4096), 512);

  const struct {
    float Value;
    int Row;
  } values[] = {{0.0f, 198},   {-5.0f, 198}, {1.0f, 188},  {10.0f, 155},  {0.5f, 198},
                {100.0f, 122}, {1e5f, 22},   {1e9f, -111}, {1e38f, -1078}};
  for (const auto& v : values) EXPECT_EQ(LogPlotRow(v.Value), v.Row) << "value " << v.Value;

  const struct {
    float Residual;
    int Row;
  } residuals[] = {{0.0f, 25}, {1.0f, 20},  {-1.0f, 30}, {4.79f, 2},   {4.8f, 1},
                   {1e30f, 1}, {-4.6f, 48}, {-9.0f, 48}, {-1e30f, 48}, {0.19f, 25}};
  for (const auto& r : residuals)
    EXPECT_EQ(ResidualPlotRow(r.Residual), r.Row) << "residual " << r.Residual;
}

TEST_F(DecayAnalysisPlotTest, ClearedSetShowsFramesBandsAndFlatLines) {
  Draw();
  const Raster& data = plots.Data;
  // Frame, right and bottom edges exclusive.
  EXPECT_EQ(data.Pixel(0, 0), Colours::Black);
  EXPECT_EQ(data.Pixel(513, 199), Colours::Black);
  EXPECT_EQ(data.Pixel(300, 100), Colours::White);
  // Ranges 1, 2, 3, 4: the bands' columns are c div 8 + 1, so both lie on column 1 and the
  // decay band is drawn last.
  EXPECT_EQ(data.Pixel(1, 1), Yellow);
  EXPECT_EQ(data.Pixel(2, 100), Colours::White);
  // Empty prompt and decay lie on the bottom row, the decay's red over the prompt's blue.
  EXPECT_EQ(data.Pixel(200, 198), Colours::Red);
  EXPECT_EQ(RowsOf(data, 200, Colours::Blue), std::vector<int>{});
  // No fit: a single column polyline draws nothing but stays on row 198 when widened.
  analysis.DecayHigh = 800;
  Draw();
  for (int x = 1; x < ChannelColumn(800); ++x)
    ASSERT_EQ(RowsOf(plots.Data, x, Colours::Green), std::vector<int>{198}) << "column " << x;
  EXPECT_EQ(plots.Residuals.Pixel(0, 0), Colours::Black);
  EXPECT_EQ(plots.Residuals.Pixel(511, 25), Colours::Black);
  EXPECT_EQ(plots.Residuals.Pixel(512, 25), Colours::White);
  for (int x = 1; x < ChannelColumn(800); ++x)
    ASSERT_EQ(RowsOf(plots.Residuals, x, Colours::Green), std::vector<int>{25}) << "column " << x;
}

TEST_F(DecayAnalysisPlotTest, BandsUseTheirOwnColumnRule) {
  analysis.BackgroundLow = 8;    // column 2, where channel 8's dot lies in column 1
  analysis.BackgroundHigh = 23;  // column 3
  analysis.DecayLow = 4000;      // column 501
  analysis.DecayHigh = 4095;     // column 512
  Draw();
  const Raster& data = plots.Data;
  EXPECT_EQ(data.Pixel(1, 50), Colours::White);
  EXPECT_EQ(data.Pixel(2, 1), SkyBlue);
  EXPECT_EQ(data.Pixel(3, 197), SkyBlue);
  EXPECT_EQ(data.Pixel(4, 50), Colours::White);
  EXPECT_EQ(data.Pixel(2, 0), Colours::Black);  // the frame stays above the band
  EXPECT_EQ(data.Pixel(500, 50), Colours::White);
  EXPECT_EQ(data.Pixel(501, 50), Yellow);
  EXPECT_EQ(data.Pixel(512, 50), Yellow);
  EXPECT_EQ(data.Pixel(513, 50), Colours::Black);
}

TEST_F(DecayAnalysisPlotTest, DotsSitOnTheLogScaleRedOverBlue) {
  analysis.BackgroundLow = 4001;
  analysis.BackgroundHigh = 4002;
  analysis.DecayLow = 4003;
  analysis.DecayHigh = 4004;
  analysis.Prompt[9] = 1;     // column 2, row 188: 10 pixels above an empty channel
  analysis.Prompt[17] = 100;  // column 3, under a decay of the same height
  analysis.Decay[24] = 100;
  analysis.Decay[33] = 1000000;  // row 198 - 209 lies above the plot: clipped
  Draw();
  const Raster& data = plots.Data;
  EXPECT_EQ(RowsOf(data, 2, Colours::Blue), std::vector<int>{188});
  EXPECT_EQ(RowsOf(data, 3, Colours::Blue), std::vector<int>{});
  EXPECT_EQ(RowsOf(data, 3, Colours::Red), (std::vector<int>{122, 198}));
  EXPECT_EQ(RowsOf(data, 5, Colours::Red), std::vector<int>{198});
  EXPECT_EQ(data.Pixel(5, 0), Colours::Black);
}

TEST_F(DecayAnalysisPlotTest, FitAndResidualsFollowTheDecayRange) {
  analysis.DecayLow = 81;    // column 11
  analysis.DecayHigh = 160;  // column 20
  for (int c = 81; c <= 160; ++c) {
    analysis.Fit[c] = 100.0f;  // row 122
    analysis.Residuals[c] = 0.0f;
  }
  analysis.Residuals[120] = 50.0f;  // column 15, held at row 1
  analysis.Residuals[130] = -7.0f;  // column 17, held at row 48
  analysis.Fit[10] = 1e6f;          // outside the decay range: not drawn
  Draw();
  EXPECT_EQ(RowsOf(plots.Data, 11, Colours::Green), std::vector<int>{122});
  EXPECT_EQ(RowsOf(plots.Data, 19, Colours::Green), std::vector<int>{122});
  EXPECT_EQ(RowsOf(plots.Data, 10, Colours::Green), std::vector<int>{});
  EXPECT_EQ(RowsOf(plots.Data, 2, Colours::Green), std::vector<int>{});
  const Raster& residuals = plots.Residuals;
  EXPECT_EQ(residuals.Pixel(15, 1), Colours::Green);
  EXPECT_EQ(residuals.Pixel(15, 0), Colours::Black);
  EXPECT_EQ(residuals.Pixel(17, 48), Colours::Green);
  EXPECT_EQ(residuals.Pixel(17, 49), Colours::Black);
  EXPECT_EQ(RowsOf(residuals, 12, Colours::Green), std::vector<int>{25});
  EXPECT_EQ(residuals.Pixel(12, 25), Colours::Green);  // green over the zero line
}

TEST_F(DecayAnalysisPlotTest, NonFiniteValuesDrawWithoutFailing) {
  analysis.DecayLow = 81;
  analysis.DecayHigh = 160;
  analysis.Fit[90] = std::numeric_limits<float>::infinity();
  analysis.Fit[100] = std::numeric_limits<float>::quiet_NaN();
  analysis.Residuals[110] = std::numeric_limits<float>::quiet_NaN();
  analysis.Residuals[120] = -std::numeric_limits<float>::infinity();
  Draw();
  EXPECT_EQ(plots.Residuals.Pixel(ChannelColumn(120), 48), Colours::Green);
  EXPECT_EQ(plots.Data.Pixel(ChannelColumn(100), 198), Colours::Green);
}
