#include "model/sample_plot.h"

#include <cstdio>

#include "model/sample_preparation.h"
#include "session/session_record.h"

namespace {

constexpr float MostAbsorbance = 2.0f;
constexpr float SmallestPeak = 1e-9f;
constexpr int ZeroRow = 200;
constexpr int TopRow = 1;
constexpr float FullScaleRows = 200.0f;

int Column(int wavelength) {
  return wavelength - (FirstWavelength - 1);
}

float Limited(float absorbance) {
  return absorbance > MostAbsorbance ? MostAbsorbance : absorbance;
}

// The row of a height in pixels above the zero row, truncated toward zero and kept off the
// frame's top row.
int RowAbove(float height) {
  const int row = ZeroRow - static_cast<int>(height);
  return row < TopRow ? TopRow : row;
}

int AbsorbanceRow(float absorbance, float rangeFactor) {
  const float limited = Limited(absorbance);
  return RowAbove(static_cast<float>(double{rangeFactor} * limited * FullScaleRows));
}

void DrawTrace(Raster& plot, RgbColour colour, int startRow, auto rowAt) {
  plot.Pen = colour;
  plot.MoveTo(Column(FirstWavelength), startRow);
  for (int wavelength = FirstWavelength; wavelength <= LastWavelength; ++wavelength)
    plot.LineTo(Column(wavelength), rowAt(wavelength));
}

std::string Formatted(const char* caption, double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%s%.2f", caption, value);
  return text;
}

}  // namespace

float RangeFactor(AbsorbanceRange range) {
  switch (range) {
    case AbsorbanceRange::UpTo2:
      return 0.5f;
    case AbsorbanceRange::UpToHalf:
      return 2.0f;
    case AbsorbanceRange::UpToTenth:
      return 10.0f;
  }
  return 0.5f;  // not reached: every range is listed above
}

float SolventAbsorbance(const TSessionRecord& session, int wavelength) {
  return session.SolventAbsorption[wavelength];
}

float SoluteAbsorbance(const TSessionRecord& session, int wavelength) {
  return Limited(
      static_cast<float>(double{session.AbsorptionScaling} * session.SoluteAbsorption[wavelength] *
                         session.SampleConcentration));
}

float FluorescencePeak(const TSessionRecord& session) {
  float peak = SmallestPeak;
  for (float value : session.FluorescenceSpectrum)
    if (value > peak) peak = value;
  return peak;
}

float RelativeFluorescence(const TSessionRecord& session, int wavelength, float peak) {
  return static_cast<float>(double{session.QuantumYield} *
                            session.FluorescenceSpectrum[wavelength] / peak);
}

bool DrawSpectra(Raster& plot, const TSessionRecord& session, AbsorbanceRange range,
                 TSamplePreparation& prep) {
  plot.Pen = Colours::Black;
  plot.Brush = Colours::White;
  plot.Rectangle(0, 0, SpectraPlotWidth, SpectraPlotHeight);
  if (session.SampleConcentration == 0.0f) return false;

  const float factor = RangeFactor(range);
  DrawTrace(plot, Colours::Green, TopRow, [&](int wavelength) {
    return AbsorbanceRow(SolventAbsorbance(session, wavelength), factor);
  });
  DrawTrace(plot, Colours::Blue, TopRow, [&](int wavelength) {
    return AbsorbanceRow(SoluteAbsorbance(session, wavelength), factor);
  });
  const float peak = FluorescencePeak(session);
  DrawTrace(plot, Colours::Red, ZeroRow, [&](int wavelength) {
    return RowAbove(
        static_cast<float>(FullScaleRows * double{session.FluorescenceSpectrum[wavelength]} *
                           session.QuantumYield / peak));
  });

  const int cursor = prep.CursorWavelength;
  plot.Pen = Colours::Black;
  plot.MoveTo(Column(cursor), ZeroRow);
  plot.LineTo(Column(cursor), TopRow);

  prep.SolventReadout = SolventAbsorbance(session, cursor);
  prep.SoluteReadout = SoluteAbsorbance(session, cursor);
  prep.FluorescenceReadout = RelativeFluorescence(session, cursor, peak);
  return true;
}

SpectraReadoutTexts ReadoutTexts(const TSamplePreparation& prep) {
  return {"Wavelength (nm) : " + std::to_string(prep.CursorWavelength),
          Formatted("Solvent absorption : ", prep.SolventReadout),
          Formatted("Solute absorption : ", prep.SoluteReadout),
          Formatted("Fluorescence : ", prep.FluorescenceReadout)};
}
