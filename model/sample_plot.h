#pragma once

#include <string>

#include "model/raster.h"

struct TSessionRecord;
struct TSamplePreparation;

// The plot of the prepared solution's spectra, 200 to 800 nm: 200 nm in column 1, 800 nm in
// column 601, zero on row 200 and full scale on row 1 inside a one-pixel frame.
constexpr int SpectraPlotWidth = 603;
constexpr int SpectraPlotHeight = 202;

// The absorbance ranges of the plot, widest first.
enum class AbsorbanceRange { UpTo2, UpToHalf, UpToTenth };

// Pixel rows per 200 per unit absorbance: 0.5, 2.0 and 10.0 for the ranges 2.0, 0.5 and 0.1.
float RangeFactor(AbsorbanceRange range);

// Absorbance of the solvent at a wavelength (nm), as the session holds it.
float SolventAbsorbance(const TSessionRecord& session, int wavelength);
// Absorbance of the fluorophore in the prepared solution:
// AbsorptionScaling × SoluteAbsorption × SampleConcentration, limited to 2.0.
float SoluteAbsorbance(const TSessionRecord& session, int wavelength);
// The emission spectrum's peak, at least 1e-9 so that an empty spectrum divides safely.
float FluorescencePeak(const TSessionRecord& session);
// Fluorescence relative to the peak of a solution with quantum yield 1:
// QuantumYield × FluorescenceSpectrum / peak. Independent of the concentration.
float RelativeFluorescence(const TSessionRecord& session, int wavelength, float peak);

// Redraws the plot: a white area in a black frame, and, when the session has a prepared
// solution (SampleConcentration not 0), the solvent (green), solute (blue) and fluorescence (red)
// traces, the cursor line at prep.CursorWavelength and the three readouts at the cursor in prep.
// Returns whether the readouts were set; without a solution they are left as they were.
bool DrawSpectra(Raster& plot, const TSessionRecord& session, AbsorbanceRange range,
                 TSamplePreparation& prep);

// The texts of the four readouts: the cursor wavelength and the three values with two decimals.
struct SpectraReadoutTexts {
  std::string Wavelength;    // "Wavelength (nm) : 200"
  std::string Solvent;       // "Solvent absorption : 0.00"
  std::string Solute;        // "Solute absorption : 0.00"
  std::string Fluorescence;  // "Fluorescence : 0.00"
};
SpectraReadoutTexts ReadoutTexts(const TSamplePreparation& prep);
