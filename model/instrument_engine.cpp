#include "model/instrument_engine.h"

void ClearInstrument(TInstrument& instrument) {
  instrument.Settings = TInstrumentSettings{};
  instrument.Sample = TSampleState{};
  instrument.Model = TCountModel{};
  instrument.Acquisition = TAcquisition{};
}

TSettingsProgress EngineTick(TInstrument& instrument, bool promptMode) {
  const TSettingsProgress progress = AdvanceSettings(instrument.Settings);
  UpdateCountModel(instrument.Settings, instrument.Sample, promptMode, instrument.Model,
                   instrument.Acquisition.Carries);
  AccumulateCounts(instrument.Model, instrument.Settings.LampFrequency, instrument.Acquisition);
  return progress;
}
