#include "model/analyser_display.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Full-scale counts of the linear scales, indexed like TMcaScale (Log has none).
constexpr std::int64_t FullScales[] = {0, 100, 1000, 10000, 100000, 1000000};

void DrawColumn(TAnalyserDisplay& display, int x, const Histogram& counts, RgbColour trace) {
  Raster& plot = display.Plot;
  const int cursorColumn = (display.CursorChannel - 1) / TAnalyserDisplay::ChannelsPerColumn + 1;
  // Erasing reaches row 1 inclusive, so that no dot just below the frame is left behind.
  plot.Pen = x == cursorColumn ? Colours::Black : Colours::White;
  plot.MoveTo(x, TAnalyserDisplay::BaselineRow);
  plot.LineTo(x, 0);
  const int first = TAnalyserDisplay::ChannelsPerColumn * (x - 1) + 1;
  for (int channel = first; channel < first + TAnalyserDisplay::ChannelsPerColumn; ++channel)
    plot.SetPixel(x, DotRow(counts[channel], display.Scale), trace);
}

void UpdatePeak(TAnalyserDisplay& display, const Histogram& counts) {
  for (int channel = Histogram::First; channel <= Histogram::Last; ++channel) {
    if (counts[channel] > display.PeakCount) {
      display.PeakChannel = channel;
      display.PeakCount = counts[channel];
    }
  }
}

}  // namespace

void ClearPlot(TAnalyserDisplay& display) {
  display.Plot.Pen = Colours::Black;
  display.Plot.Brush = Colours::White;
  display.Plot.Rectangle(0, 0, TAnalyserDisplay::PlotWidth, TAnalyserDisplay::PlotHeight);
  display.PlotReady = true;
}

int DotRow(int count, TMcaScale scale) {
  int height = 0;
  if (scale == TMcaScale::Log) {
    if (count > 0) height = static_cast<int>(33.333 * std::log10(count) + 10);
  } else {
    const std::int64_t fullScale = FullScales[static_cast<int>(scale)];
    const std::int64_t linear = std::int64_t{count} * TAnalyserDisplay::BaselineRow / fullScale;
    height = static_cast<int>(std::min<std::int64_t>(linear, TAnalyserDisplay::BaselineRow));
  }
  return TAnalyserDisplay::BaselineRow - height;
}

void DrawHistogram(TAnalyserDisplay& display, const Histogram& counts, bool promptMode) {
  const RgbColour trace = promptMode ? Colours::Blue : Colours::Red;
  for (int x = 1; x <= TAnalyserDisplay::Columns; ++x) DrawColumn(display, x, counts, trace);
  UpdatePeak(display, counts);
  display.CursorCount = counts[display.CursorChannel];
}

void ResetPeak(TAnalyserDisplay& display) {
  display.PeakChannel = 1;
  display.PeakCount = 0;
}

void PlaceCursorAtChannel(TAnalyserDisplay& display, int channel, const Histogram& counts) {
  display.CursorChannel = std::clamp(channel, Histogram::First, Histogram::Last);
  display.CursorCount = counts[display.CursorChannel];
  display.PlotReady = true;
}

void PlaceCursorAtColumn(TAnalyserDisplay& display, int x, const Histogram& counts) {
  const int column = std::clamp(x, 1, TAnalyserDisplay::Columns);
  PlaceCursorAtChannel(display, column * TAnalyserDisplay::ChannelsPerColumn, counts);
}

std::string PeakReadout(const TAnalyserDisplay& display) {
  return std::to_string(display.PeakChannel) + " / " + std::to_string(display.PeakCount);
}

std::string CursorChannelReadout(const TAnalyserDisplay& display) {
  return std::to_string(display.CursorChannel);
}

std::string CursorCountReadout(const TAnalyserDisplay& display) {
  return std::to_string(display.CursorCount);
}
