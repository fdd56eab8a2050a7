#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>

#include "model/raster.h"
#include "model/sample_plot.h"
#include "model/sample_preparation.h"
#include "session/session_record.h"

namespace {

int Column(int wavelength) {
  return wavelength - 199;
}

// The highest row of a column drawn in a colour, if any.
std::optional<int> TopRow(const Raster& plot, int column, RgbColour colour) {
  for (int y = 0; y < plot.Height(); ++y)
    if (plot.Pixel(column, y) == colour) return y;
  return std::nullopt;
}

// A prepared solution whose spectra are all zero until a test sets them; the cursor stays at
// 200 nm, away from the wavelengths the tests look at.
class SampleSpectraTest : public ::testing::Test {
 protected:
  SampleSpectraTest() {
    session->AbsorptionScaling = 1.0f;
    session->QuantumYield = 1.0f;
    session->SampleConcentration = 1e-6f;
  }

  // An emission band peaking at 500 nm.
  void SetEmissionBand() {
    for (int wavelength = 450; wavelength <= 550; ++wavelength)
      session->FluorescenceSpectrum[wavelength] = 0.02f - 0.0002f * std::abs(wavelength - 500);
  }

  bool Draw(AbsorbanceRange range = AbsorbanceRange::UpTo2) {
    return DrawSpectra(plot, *session, range, prep);
  }

  std::unique_ptr<TSessionRecord> session = std::make_unique<TSessionRecord>();
  TSamplePreparation prep;
  Raster plot{SpectraPlotWidth, SpectraPlotHeight};
};

}  // namespace

TEST_F(SampleSpectraTest, WithoutASolutionOnlyTheFrameIsDrawnAndTheReadoutsStay) {
  session->SampleConcentration = 0.0f;
  SetEmissionBand();
  session->SolventAbsorption[300] = 1.0f;
  plot.Pen = Colours::Red;
  plot.MoveTo(0, 100);
  plot.LineTo(603, 100);  // an earlier picture is wiped
  prep.SolventReadout = 0.37f;

  EXPECT_FALSE(Draw());

  Raster frame(SpectraPlotWidth, SpectraPlotHeight);
  frame.Rectangle(0, 0, 603, 202);
  EXPECT_EQ(plot.Pixels(), frame.Pixels());
  EXPECT_EQ(plot.Pixel(602, 201), Colours::Black);
  EXPECT_EQ(plot.Pixel(601, 200), Colours::White);
  EXPECT_EQ(prep.SolventReadout, 0.37f);
}

TEST_F(SampleSpectraTest, SoluteAbsorbanceRowsScaleWithTheRange) {
  session->SoluteAbsorption[400] = 5e4f;  // absorbance 0.05 at 1e-6 mol/L
  const struct {
    AbsorbanceRange range;
    int row;
  } cases[] = {{AbsorbanceRange::UpTo2, 195},
               {AbsorbanceRange::UpToHalf, 180},
               {AbsorbanceRange::UpToTenth, 100}};
  for (const auto& c : cases) {
    ASSERT_TRUE(Draw(c.range));
    EXPECT_EQ(TopRow(plot, Column(400), Colours::Blue), c.row);
    EXPECT_EQ(TopRow(plot, Column(450), Colours::Blue), std::nullopt);  // covered by red at 200
    EXPECT_EQ(TopRow(plot, Column(450), Colours::Red), 200);
  }
}

TEST_F(SampleSpectraTest, FullScaleAndBeyondAreDrawnOnRow1) {
  const struct {
    AbsorbanceRange range;
    float solvent;
    int row;
  } cases[] = {{AbsorbanceRange::UpTo2, 2.0f, 1},
               {AbsorbanceRange::UpToHalf, 0.5f, 1},
               {AbsorbanceRange::UpToTenth, 0.1f, 1},
               {AbsorbanceRange::UpToTenth, 1.7f, 1},
               {AbsorbanceRange::UpTo2, 1.0f, 100}};
  for (const auto& c : cases) {
    session->SolventAbsorption[300] = c.solvent;
    ASSERT_TRUE(Draw(c.range));
    EXPECT_EQ(TopRow(plot, Column(300), Colours::Green), c.row) << c.solvent;
    EXPECT_EQ(plot.Pixel(Column(300), 0), Colours::Black);  // the frame is never drawn over
  }
}

TEST_F(SampleSpectraTest, SoluteAbsorbanceIsLimitedTo2InTraceAndReadout) {
  for (float& value : session->SoluteAbsorption) value = 1e7f;  // absorbance 10
  ASSERT_TRUE(Draw());
  EXPECT_EQ(TopRow(plot, Column(400), Colours::Blue), 1);
  EXPECT_EQ(prep.SoluteReadout, 2.0f);
  EXPECT_EQ(ReadoutTexts(prep).Solute, "Solute absorption : 2.00");
}

TEST_F(SampleSpectraTest, AbsorbanceTracesStartTopLeftAndEmissionBottomLeft) {
  session->SolventAbsorption[201] = 1.0f;
  prep.CursorWavelength = 700;
  ASSERT_TRUE(Draw());
  // The first segments run from (1, 1) down to the 200 nm values on row 200; emission starts
  // on row 200, so column 1 keeps the solute's blue from row 1 to 199.
  EXPECT_EQ(TopRow(plot, 1, Colours::Blue), 1);
  EXPECT_EQ(plot.Pixel(1, 199), Colours::Blue);
  EXPECT_EQ(plot.Pixel(1, 200), Colours::Red);
  EXPECT_EQ(TopRow(plot, Column(201), Colours::Green), 100);
}

TEST_F(SampleSpectraTest, FluorescencePeakReachesTheQuantumYield) {
  SetEmissionBand();
  const struct {
    float quantumYield;
    int peakRow;
    const char* readout;
  } cases[] = {{0.5f, 100, "Fluorescence : 0.50"}, {1.0f, 1, "Fluorescence : 1.00"}};
  for (const auto& c : cases) {
    session->QuantumYield = c.quantumYield;
    prep.CursorWavelength = 200;
    ASSERT_TRUE(Draw());
    EXPECT_EQ(TopRow(plot, Column(500), Colours::Red), c.peakRow);
    prep.CursorWavelength = 500;
    ASSERT_TRUE(Draw());
    EXPECT_EQ(ReadoutTexts(prep).Fluorescence, c.readout);
  }
}

TEST_F(SampleSpectraTest, ZeroEmissionLiesFlatOnRow200) {
  prep.CursorWavelength = 500;
  ASSERT_TRUE(Draw());
  for (int wavelength = 201; wavelength <= 799; ++wavelength) {
    if (wavelength == 500) continue;  // the cursor
    ASSERT_EQ(TopRow(plot, Column(wavelength), Colours::Red), 200) << wavelength;
  }
  EXPECT_EQ(ReadoutTexts(prep).Fluorescence, "Fluorescence : 0.00");
}

TEST_F(SampleSpectraTest, CursorIsABlackLineFromRow200UpToRow2) {
  prep.CursorWavelength = 800;
  ASSERT_TRUE(Draw());
  EXPECT_EQ(TopRow(plot, 601, Colours::Black), 0);  // the frame's top row
  EXPECT_EQ(plot.Pixel(601, 1), Colours::White);
  for (int y = 2; y <= 200; ++y) ASSERT_EQ(plot.Pixel(601, y), Colours::Black) << y;
}

TEST_F(SampleSpectraTest, ReadoutsAreTheValuesAtTheCursorWhateverTheRange) {
  session->SolventAbsorption[480] = 0.123f;
  session->SoluteAbsorption[480] = 3.7e5f;  // absorbance 0.37
  SetEmissionBand();                        // 0.016 at 480 nm, 0.8 of the peak
  prep.CursorWavelength = 480;
  for (AbsorbanceRange range :
       {AbsorbanceRange::UpTo2, AbsorbanceRange::UpToHalf, AbsorbanceRange::UpToTenth}) {
    ASSERT_TRUE(Draw(range));
    const SpectraReadoutTexts texts = ReadoutTexts(prep);
    EXPECT_EQ(texts.Wavelength, "Wavelength (nm) : 480");
    EXPECT_EQ(texts.Solvent, "Solvent absorption : 0.12");
    EXPECT_EQ(texts.Solute, "Solute absorption : 0.37");
    EXPECT_EQ(texts.Fluorescence, "Fluorescence : 0.80");
  }
}

TEST(SampleSpectraReadouts, StartAt200WithZeros) {
  const SpectraReadoutTexts texts = ReadoutTexts(TSamplePreparation{});
  EXPECT_EQ(texts.Wavelength, "Wavelength (nm) : 200");
  EXPECT_EQ(texts.Solvent, "Solvent absorption : 0.00");
  EXPECT_EQ(texts.Solute, "Solute absorption : 0.00");
  EXPECT_EQ(texts.Fluorescence, "Fluorescence : 0.00");
}
