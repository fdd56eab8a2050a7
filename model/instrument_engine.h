#pragma once

#include "model/acquisition.h"
#include "model/count_model.h"
#include "model/instrument_settings.h"

// The whole working state of the measurement screen's instrument: one instance per run,
// cleared on every refresh of the screen.
struct TInstrument {
  TInstrumentSettings Settings;
  TSampleState Sample;
  TCountModel Model;
  TAcquisition Acquisition;
};

// Back to the initial state: settings at their initial values, no sample, an empty model and
// analyser, counting stopped.
void ClearInstrument(TInstrument& instrument);

// The engine's part of one 100 ms tick: moves the monochromators and the temperature,
// re-evaluates the count-rate model and, while acquiring, counts. Returns the movement for
// the screen's displays.
TSettingsProgress EngineTick(TInstrument& instrument, bool promptMode);
