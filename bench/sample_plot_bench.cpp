#include <benchmark/benchmark.h>

#include <memory>

#include "catalogue/fluorophore_catalogue.h"
#include "model/raster.h"
#include "model/sample_plot.h"
#include "model/sample_preparation.h"
#include "session/session_record.h"

// One redraw of the sample spectra plot, as every arrow click and paint asks for: the frame,
// three traces of 601 segments and the cursor, for a solution of system 1.
static void DrawSpectraPlot(benchmark::State& state) {
  auto session = std::make_unique<TSessionRecord>();
  for (int wavelength = FirstWavelength; wavelength <= LastWavelength; ++wavelength) {
    session->SolventAbsorption[wavelength] = SolventSpectrum(SystemSolvent(1), wavelength);
    session->SoluteAbsorption[wavelength] = FluorophoreAbsorption(SystemFluorophore(1), wavelength);
    session->FluorescenceSpectrum[wavelength] =
        FluorophoreEmission(SystemFluorophore(1), wavelength);
  }
  session->AbsorptionScaling = 1.0f;
  session->QuantumYield = 1.0f;
  session->SampleConcentration = 1e-5f;
  TSamplePreparation prep;
  prep.CursorWavelength = 450;
  Raster plot(SpectraPlotWidth, SpectraPlotHeight);
  for (auto _ : state) {
    DrawSpectra(plot, *session, AbsorbanceRange::UpToHalf, prep);
    benchmark::DoNotOptimize(plot.Pixels().data());
  }
}
BENCHMARK(DrawSpectraPlot);
