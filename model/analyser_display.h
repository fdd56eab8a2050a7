#pragma once

#include <string>

#include "model/raster.h"
#include "session/session_record.h"

// Vertical scales of the analyser plot, in the order of the scale buttons.
enum class TMcaScale { Log, FullScale100, FullScale1k, FullScale10k, FullScale100k, FullScale1M };

// The multichannel analyser's dot plot with its peak and cursor readouts. The plot is 514 x 200
// pixels: a one-pixel black frame around 512 columns x = 1..512, each showing the eight channels
// 8 (x - 1) + 1 .. 8 x as dots above the baseline row 198.
struct TAnalyserDisplay {
  static constexpr int PlotWidth = 514;
  static constexpr int PlotHeight = 200;
  static constexpr int Columns = 512;
  static constexpr int ChannelsPerColumn = 8;
  static constexpr int BaselineRow = 198;

  Raster Plot{PlotWidth, PlotHeight};
  bool PlotReady = false;  // false: the whole plot is cleared before the next drawing
  TMcaScale Scale = TMcaScale::Log;
  int PeakChannel = 1;  // highest count found so far, the earliest channel on ties
  int PeakCount = 0;
  int CursorChannel = 1;  // 1..4096
  int CursorCount = 0;
};

// White plot inside the black frame; sets PlotReady.
void ClearPlot(TAnalyserDisplay& display);

// Redraws every column (the cursor's as a black line, the others erased to white) with one dot
// per channel, blue for a prompt and red for a decay, then updates the peak and the cursor
// count from the counts.
void DrawHistogram(TAnalyserDisplay& display, const Histogram& counts, bool promptMode);

// Peak back to channel 1 with 0 counts.
void ResetPeak(TAnalyserDisplay& display);

// The row of a channel's dot: 198 - trunc(h), where h = 33.333 log10(v) + 10 on "Log" (0 for an
// empty channel, no upper limit, so the largest counts lie above the plot) and
// h = min(v x 198 / full scale, 198) on the linear scales.
int DotRow(int count, TMcaScale scale);

// Puts the cursor on the last channel of the column at horizontal plot position x (limited
// to 1..512), reads its count and drops a pending clear.
void PlaceCursorAtColumn(TAnalyserDisplay& display, int x, const Histogram& counts);
// Puts the cursor on channel 1..4096, reads its count and drops a pending clear.
void PlaceCursorAtChannel(TAnalyserDisplay& display, int channel, const Histogram& counts);

// Readouts as the screen shows them: "channel / count", the cursor channel, the cursor count.
std::string PeakReadout(const TAnalyserDisplay& display);
std::string CursorChannelReadout(const TAnalyserDisplay& display);
std::string CursorCountReadout(const TAnalyserDisplay& display);
