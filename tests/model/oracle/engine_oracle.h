#pragma once

#include <cstdint>
#include <random>

#include "catalogue/instrument_catalogue.h"
#include "model/conversion_carries.h"
#include "model/instrument_settings.h"
#include "session/indexed_array.h"
#include "session/session_record.h"

// A plain, slow implementation of the count-rate model and the photon counting, written step
// by step with no caching and no shortcuts. The engine must agree with it exactly; tests and
// the benchmark compare against it.

using OracleResponse = IndexedArray<float, -4095, ChannelCount>;

struct TOracleModel {
  int TimeScale = 1;
  OneBased<float, 8192> DecayShape{};
  PulseProfile LampProfile{};
  ResponseProfile DetectorProfile{};
  OracleResponse ChannelResponse{};
  float DarkRate = 0.0f;
  float DarkTacRate = 0.0f;
  float PhotonRate = 0.0f;
  float SignalTacRate = 0.0f;
};

void OracleCountModel(const TInstrumentSettings& settings, const TSampleState& sample,
                      bool promptMode, TOracleModel& model, TConversionCarries& carries);

// The cumulative table of one counting step, and whether any conversion is possible.
struct TOracleTable {
  OneBased<double, ChannelCount> Cumulative{};
  bool Usable = false;
};
void OracleConversionTable(const TOracleModel& model, int lampFrequency, TOracleTable& table);

// The twelve-halving search: the channel for a uniform u in [0, 1).
int OracleChannel(const TOracleTable& table, double u);

// One counting step while acquiring, drawing from a std::mt19937 (u = output × 2^-32).
void OracleAccumulate(const TOracleModel& model, int lampFrequency, TConversionCarries& carries,
                      Histogram& counts, std::mt19937& generator, TOracleTable& table);
