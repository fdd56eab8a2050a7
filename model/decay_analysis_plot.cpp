#include "model/decay_analysis_plot.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int ChannelsPerColumn = 8;
constexpr int BottomRow = 198;
constexpr int ZeroRow = 25;
// Far enough outside either plot to be clipped, small enough to convert to int safely.
constexpr float OffPlot = 10000.0f;

// A range band: columns low div 8 + 1 to high div 8 + 1, rows 1..198, outline and inside alike.
void DrawBand(Raster& plot, int low, int high, RgbColour colour) {
  plot.Pen = colour;
  plot.Brush = colour;
  plot.Rectangle(low / ChannelsPerColumn + 1, 1, high / ChannelsPerColumn + 2, BottomRow + 1);
}

void DrawDots(Raster& plot, const Histogram& counts, RgbColour colour) {
  for (int channel = Histogram::First; channel <= Histogram::Last; ++channel)
    plot.SetPixel(ChannelColumn(channel), LogPlotRow(static_cast<float>(counts[channel])), colour);
}

}  // namespace

int ChannelColumn(int channel) {
  return (channel - 1) / ChannelsPerColumn + 1;
}

int LogPlotRow(float value) {
  float height = 0.0f;
  if (value > 0.0f) height = 33.333f * std::log10(value) + 10.0f;
  // Infinite values (and NaN, which fails every comparison) stay off the plot or at 0.
  height = std::clamp(std::isnan(height) ? 0.0f : height, -OffPlot, OffPlot);
  return BottomRow - static_cast<int>(height);
}

int ResidualPlotRow(float residual) {
  float offset = 5.0f * residual;
  offset = std::clamp(std::isnan(offset) ? 0.0f : offset, -23.0f, 24.0f);
  return ZeroRow - static_cast<int>(offset);
}

void DrawDataPlot(Raster& plot, const TDecayAnalysis& analysis) {
  plot.Pen = Colours::Black;
  plot.Brush = Colours::White;
  plot.Rectangle(0, 0, TDecayAnalysisPlots::Width, TDecayAnalysisPlots::DataHeight);
  DrawBand(plot, analysis.BackgroundLow, analysis.BackgroundHigh, DecayPlotColours::SkyBlue);
  DrawBand(plot, analysis.DecayLow, analysis.DecayHigh, DecayPlotColours::Yellow);
  DrawDots(plot, analysis.Prompt, Colours::Blue);
  DrawDots(plot, analysis.Decay, Colours::Red);

  plot.Pen = Colours::Green;
  plot.MoveTo(ChannelColumn(analysis.DecayLow), LogPlotRow(analysis.Fit[analysis.DecayLow]));
  for (int channel = analysis.DecayLow; channel <= analysis.DecayHigh; ++channel)
    plot.LineTo(ChannelColumn(channel), LogPlotRow(analysis.Fit[channel]));
}

void DrawResidualPlot(Raster& plot, const TDecayAnalysis& analysis) {
  plot.Pen = Colours::Black;
  plot.Brush = Colours::White;
  plot.Rectangle(0, 0, TDecayAnalysisPlots::Width, TDecayAnalysisPlots::ResidualHeight);
  plot.MoveTo(1, ZeroRow);
  plot.LineTo(TDecayAnalysisPlots::Width - 2, ZeroRow);

  plot.Pen = Colours::Green;
  plot.MoveTo(ChannelColumn(analysis.DecayLow), ZeroRow);
  for (int channel = analysis.DecayLow; channel <= analysis.DecayHigh; ++channel)
    plot.LineTo(ChannelColumn(channel), ResidualPlotRow(analysis.Residuals[channel]));
}

void DrawDecayAnalysisPlots(TDecayAnalysisPlots& plots, const TDecayAnalysis& analysis) {
  DrawDataPlot(plots.Data, analysis);
  DrawResidualPlot(plots.Residuals, analysis);
}
