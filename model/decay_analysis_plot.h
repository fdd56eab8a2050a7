#pragma once

#include "model/decay_analysis.h"
#include "model/raster.h"

// The analysis screen's two plots of a working set. Both are 514 pixels wide with a one-pixel
// black frame; channel c lies in column (c - 1) div 8 + 1, so the 4096 channels fill the
// columns 1..512.
//
// Data plot (514 x 200): the background and decay ranges as sky-blue and yellow bands, the
// prompt as blue and the decay as red dots (red over blue), and the fit as a green polyline
// over the decay range, on a logarithmic scale: a value v > 0 lies at row 198 - trunc(h),
// h = 33.333 log10(v) + 10 in 4-byte floats, so one count is 10 pixels above an empty channel
// (row 198) and a decade takes 33.333 pixels. Points beyond the plot are clipped.
//
// Residual plot (514 x 50): a black zero line on row 25 and the weighted residuals over the
// decay range as a green polyline, 5 pixels per unit, upwards for positive residuals, held
// within rows 1..48.
struct TDecayAnalysisPlots {
  static constexpr int Width = 514;
  static constexpr int DataHeight = 200;
  static constexpr int ResidualHeight = 50;

  Raster Data{Width, DataHeight};
  Raster Residuals{Width, ResidualHeight};
};

namespace DecayPlotColours {
inline constexpr RgbColour SkyBlue{166, 202, 240};
inline constexpr RgbColour Yellow{255, 255, 0};
}  // namespace DecayPlotColours

// The column of channel c: (c - 1) div 8 + 1.
int ChannelColumn(int channel);
// The data plot's row of a value: 198 - trunc(h(v)); far outside the plot for huge values.
int LogPlotRow(float value);
// The residual plot's row of a weighted residual: 25 - trunc(5 r), r held so the row is 1..48.
int ResidualPlotRow(float residual);

// Redraw one plot whole from the working set, or both.
void DrawDataPlot(Raster& plot, const TDecayAnalysis& analysis);
void DrawResidualPlot(Raster& plot, const TDecayAnalysis& analysis);
void DrawDecayAnalysisPlots(TDecayAnalysisPlots& plots, const TDecayAnalysis& analysis);
