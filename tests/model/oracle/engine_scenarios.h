#pragma once

#include "model/instrument_settings.h"

// Instrument set-ups that tests and the benchmark share.

// The highest conversion rate the instrument reaches: "LD-400" at 5000 kHz scattered through
// 1 nm windows at 400 nm, no filters, the Standard detector, 50 ns, ×1, no delay lines, in
// prompt mode (about 4.5 million conversions per tick).
TInstrumentSettings WorstCaseSettings();

// A decay set-up: a prepared sample of fluorophore system 1 with its default parameters, the
// LED nearest the sample's absorption peak, 8 nm windows on that LED and on the fluorescence
// peak, no filters, at 30 °C in a 20..60 °C session.
void TypicalDecay(TInstrumentSettings& settings, TSampleState& sample);
