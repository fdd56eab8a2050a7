#pragma once

#include "session/session_record.h"

// Brings every value of a loaded record that lies outside its range back into range, so that
// a damaged or foreign file can never make a screen index outside an array or compute with
// NaN. Values already in range are kept bit for bit.
//
// Numbers are clamped to the nearest limit (NaN to the lower one); non-finite or negative
// spectra, volumes and analysis values become 0; monochromator settings are rounded to whole
// nanometres (they move in 1 nm steps toward whole-nm targets); analysis channel ranges that
// are not strictly increasing within 1..4096 become the reset ranges 1, 2, 3, 4.
void BringIntoRange(TSessionRecord& record);
