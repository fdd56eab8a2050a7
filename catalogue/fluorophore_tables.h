#pragma once

#include "session/indexed_array.h"
#include "session/session_record.h"

// The spectra of the fluorophore system catalogue, 200..800 nm in 1 nm steps.

constexpr int FluorophoreCount = 2;
constexpr int SolventCount = 2;

struct TFluorophore {
  const char* Label;    // names the entry in the table; never shown
  Spectrum Absorption;  // molar absorption coefficient: absorbance per mol/L
  Spectrum Emission;    // fluorescence emission, summing to 1
};

struct TSolvent {
  const char* Label;    // names the entry in the table; never shown
  Spectrum Absorption;  // absorbance, at most 2.0
};

// The tables, traced once at first use and constant from then on.
const OneBased<TFluorophore, FluorophoreCount>& Fluorophores();
const OneBased<TSolvent, SolventCount>& Solvents();
