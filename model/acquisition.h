#pragma once

#include <array>
#include <cstdint>

#include "model/conversion_carries.h"
#include "model/conversion_table.h"
#include "model/count_model.h"
#include "session/session_record.h"

// The multichannel analyser and the photon counter that fills it.
struct TAcquisition {
  Histogram McaCounts{};  // counts per channel 1..4096, never past 2147483647
  bool Acquiring = false;
  TConversionCarries Carries;

  // Working state of one counting step. Successive draws go to different tallies, so that the
  // many draws into one busy channel do not wait for each other's increments.
  static constexpr int Tallies = 4;
  TConversionTable Table;
  std::array<OneBased<std::uint32_t, ChannelCount>, Tallies> TickTallies{};
};

// One tick's counting, only while acquiring: DarkTacRate / 10 and SignalTacRate / 10
// conversions with their fractions carried, each sorted into the channel its uniform draw
// picks from the tick's conversion table. A channel that reaches 2147483647 stays there.
void AccumulateCounts(const TCountModel& model, int lampFrequency, TAcquisition& acquisition);

// Starts or stops counting; returns whether counting now runs. The carries stay.
bool ToggleAcquisition(TAcquisition& acquisition);

// Empties every channel; counting goes on if it ran.
void ClearCounts(TAcquisition& acquisition);
