#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/instrument_catalogue.h"

namespace {

constexpr int First = 200;  // nm
constexpr int Last = 800;   // nm

// The names in the order the combo boxes list them, which is the order the session file counts.
std::vector<std::string> Names(int count, const std::function<std::string(int)>& name) {
  std::vector<std::string> names;
  for (int entry = 1; entry <= count; ++entry) names.push_back(name(entry));
  return names;
}

TEST(InstrumentCatalogue, ListsEveryPartInFileOrder) {
  EXPECT_EQ(Names(LampCount(), LampName),
            (std::vector<std::string>{"LED-295", "LED-310", "LED-320", "LED-330", "LED-340",
                                      "LED-360", "LED-380", "LD-400"}));
  EXPECT_EQ(Names(FilterCount(), FilterName),
            (std::vector<std::string>{"None", "ND 0.3", "ND 1.0", "ND 2.0", "Pass 350"}));
  EXPECT_EQ(Names(DetectorCount(), DetectorName),
            (std::vector<std::string>{"Standard", "Red-PMT", "MCP-PMT"}));
}

TEST(InstrumentCatalogue, LampFrequenciesAndIntensities) {
  const struct {
    int lamp;
    int minFrequency;
    int maxFrequency;
    float intensity;
  } cases[] = {
      {1, 1, 1000, 0.2f}, {2, 1, 1000, 1.0f}, {3, 1, 1000, 1.0f}, {4, 1, 1000, 1.0f},
      {5, 1, 1000, 1.0f}, {6, 1, 1000, 1.0f}, {7, 1, 1000, 1.0f}, {8, 1, 5000, 10.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("lamp " + std::to_string(c.lamp));
    EXPECT_EQ(LampMinFrequency(c.lamp), c.minFrequency);
    EXPECT_EQ(LampMaxFrequency(c.lamp), c.maxFrequency);
    EXPECT_EQ(LampIntensity(c.lamp), c.intensity);
  }
}

// Where a lamp emits: the first and last non-zero wavelengths and the peak.
TEST(InstrumentCatalogue, EachLampEmitsOnlyAroundItsLine) {
  const struct {
    int lamp;
    int first;
    int last;
    int peak;
    float peakValue;
  } cases[] = {
      {1, 291, 299, 295, 0.2f}, {2, 301, 319, 310, 0.1f},
      {3, 311, 329, 320, 0.1f}, {4, 321, 339, 330, 0.1f},
      {5, 331, 349, 340, 0.1f}, {6, 351, 369, 360, 0.1f},
      {7, 371, 389, 380, 0.1f}, {8, 398, 400, 400, static_cast<float>(100.0 / 111)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("lamp " + std::to_string(c.lamp));
    int first = 0;
    int last = 0;
    int peak = 0;
    for (int wavelength = First; wavelength <= Last; ++wavelength) {
      const float value = LampSpectrum(c.lamp, wavelength);
      if (value == 0.0f) continue;
      if (first == 0) first = wavelength;
      last = wavelength;
      if (peak == 0 || value > LampSpectrum(c.lamp, peak)) peak = wavelength;
    }
    EXPECT_EQ(first, c.first);
    EXPECT_EQ(last, c.last);
    EXPECT_EQ(peak, c.peak);
    EXPECT_EQ(LampSpectrum(c.lamp, c.peak), c.peakValue);
  }
}

// Values are the floats nearest the nominal decimals and fractions, so they compare exactly.
TEST(InstrumentCatalogue, LampSpectrumEdges) {
  const struct {
    int lamp;
    int wavelength;
    float value;
  } cases[] = {
      {1, 290, 0.0f},
      {1, 291, 0.04f},
      {1, 294, 0.16f},
      {1, 299, 0.04f},
      {1, 300, 0.0f},
      {2, 300, 0.0f},
      {2, 301, 0.01f},
      {2, 309, 0.09f},
      {2, 319, 0.01f},
      {2, 320, 0.0f},
      {7, 370, 0.0f},
      {7, 371, 0.01f},
      {7, 385, 0.05f},
      {7, 389, 0.01f},
      {7, 390, 0.0f},
      {8, 397, 0.0f},
      {8, 398, static_cast<float>(1.0 / 111)},
      {8, 399, static_cast<float>(10.0 / 111)},
      {8, 400, static_cast<float>(100.0 / 111)},
      {8, 401, 0.0f},
      {1, First, 0.0f},
      {8, Last, 0.0f},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LampSpectrum(c.lamp, c.wavelength), c.value)
        << "lamp " << c.lamp << " at " << c.wavelength << " nm";
  }
}

TEST(InstrumentCatalogue, LampPulseShapes) {
  const struct {
    int lamp;
    int step;
    float value;
  } cases[] = {
      {1, 1, 0.0025f},
      {1, 19, 0.0475f},
      {1, 20, 0.05f},
      {1, 21, 0.0475f},
      {1, 39, 0.0025f},
      {1, 40, 0.0f},
      {7, 20, 0.05f},
      {7, PulseSteps, 0.0f},
      {8, 1, static_cast<float>(1.0 / 19)},
      {8, 2, static_cast<float>(2.0 / 19)},
      {8, 3, static_cast<float>(4.0 / 19)},
      {8, 4, static_cast<float>(5.0 / 19)},
      {8, 5, static_cast<float>(4.0 / 19)},
      {8, 6, static_cast<float>(2.0 / 19)},
      {8, 7, static_cast<float>(1.0 / 19)},
      {8, 8, 0.0f},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LampPulse(c.lamp, c.step), c.value) << "lamp " << c.lamp << " step " << c.step;
  }
}

TEST(InstrumentCatalogue, EveryLampSpectrumAndPulseSumsToOne) {
  for (int lamp = 1; lamp <= LampCount(); ++lamp) {
    double spectrum = 0.0;
    for (int wavelength = First; wavelength <= Last; ++wavelength) {
      spectrum += LampSpectrum(lamp, wavelength);
    }
    double pulse = 0.0;
    for (int step = 1; step <= PulseSteps; ++step) pulse += LampPulse(lamp, step);
    EXPECT_NEAR(spectrum, 1.0, 1e-6) << "lamp " << lamp;
    EXPECT_NEAR(pulse, 1.0, 1e-6) << "lamp " << lamp;
  }
}

TEST(InstrumentCatalogue, NeutralFiltersAreFlat) {
  const float transmission[] = {1.0f, 0.5f, 0.1f, 0.01f};
  for (int filter = 1; filter <= 4; ++filter) {
    for (int wavelength = First; wavelength <= Last; ++wavelength) {
      ASSERT_EQ(FilterTransmission(filter, wavelength), transmission[filter - 1])
          << "filter " << filter << " at " << wavelength << " nm";
    }
  }
}

TEST(InstrumentCatalogue, BandPassFilterPasses340To360Inclusive) {
  for (int wavelength = First; wavelength <= Last; ++wavelength) {
    const bool inBand = wavelength >= 340 && wavelength <= 360;
    ASSERT_EQ(FilterTransmission(5, wavelength), inBand ? 1.0f : 0.0f) << wavelength << " nm";
  }
}

TEST(InstrumentCatalogue, DetectorScalarsAndFlatSensitivity) {
  const struct {
    int detector;
    float darkRate;
    float transitTime;
    float sensitivity;
  } cases[] = {
      {1, 200.0f, 28.0f, 0.9f},
      {2, 2000.0f, 20.0f, 0.8f},
      {3, 200.0f, 10.0f, 0.75f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("detector " + std::to_string(c.detector));
    EXPECT_EQ(DetectorDarkRate(c.detector), c.darkRate);
    EXPECT_EQ(DetectorTransitTime(c.detector), c.transitTime);
    for (int wavelength = First; wavelength <= Last; ++wavelength) {
      ASSERT_EQ(DetectorSensitivity(c.detector, wavelength), c.sensitivity) << wavelength << " nm";
    }
  }
}

TEST(InstrumentCatalogue, DetectorResponseEdges) {
  const struct {
    int detector;
    int step;
    float value;
  } cases[] = {
      {1, 1, 2.86f},
      {1, 34, 2.86f},
      {1, 35, 2.76f},
      {1, 36, 0.0f},
      {1, 960, 0.0f},
      {1, 961, 0.005f},
      {1, ResponseSteps, 0.005f},
      {2, 1, 4.0f},
      {2, 25, 4.0f},
      {2, 26, 0.0f},
      {2, 960, 0.0f},
      {2, 961, 0.01f},
      {2, 995, 0.01f},
      {2, 996, 0.0f},
      {2, ResponseSteps, 0.0f},
      {3, 1, 33.0f},
      {3, 2, 34.0f},
      {3, 3, 33.0f},
      {3, 4, 0.0f},
      {3, 961, 0.0f},
      {3, ResponseSteps, 0.0f},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DetectorResponse(c.detector, c.step), c.value)
        << "detector " << c.detector << " step " << c.step;
  }
}

// The count-rate model divides the responses by 100; the late components make up the excess.
TEST(InstrumentCatalogue, DetectorResponseSums) {
  const double sums[] = {100.2, 100.35, 100.0};
  for (int detector = 1; detector <= DetectorCount(); ++detector) {
    double sum = 0.0;
    for (int step = 1; step <= ResponseSteps; ++step) sum += DetectorResponse(detector, step);
    EXPECT_NEAR(sum, sums[detector - 1], 1e-4) << "detector " << detector;
  }
}

TEST(InstrumentCatalogue, LookupsOutsideTheirRangesThrow) {
  const struct {
    const char* call;
    std::function<void()> lookup;
  } cases[] = {
      {"LampName(0)", [] { LampName(0); }},
      {"LampName(9)", [] { LampName(9); }},
      {"LampMinFrequency(0)", [] { LampMinFrequency(0); }},
      {"LampMaxFrequency(9)", [] { LampMaxFrequency(9); }},
      {"LampIntensity(9)", [] { LampIntensity(9); }},
      {"LampSpectrum(9, 400)", [] { LampSpectrum(9, 400); }},
      {"LampSpectrum(1, 199)", [] { LampSpectrum(1, 199); }},
      {"LampSpectrum(1, 801)", [] { LampSpectrum(1, 801); }},
      {"LampPulse(0, 1)", [] { LampPulse(0, 1); }},
      {"LampPulse(1, 0)", [] { LampPulse(1, 0); }},
      {"LampPulse(1, 201)", [] { LampPulse(1, 201); }},
      {"FilterName(0)", [] { FilterName(0); }},
      {"FilterName(6)", [] { FilterName(6); }},
      {"FilterTransmission(6, 400)", [] { FilterTransmission(6, 400); }},
      {"FilterTransmission(1, 199)", [] { FilterTransmission(1, 199); }},
      {"FilterTransmission(1, 801)", [] { FilterTransmission(1, 801); }},
      {"DetectorName(0)", [] { DetectorName(0); }},
      {"DetectorName(4)", [] { DetectorName(4); }},
      {"DetectorDarkRate(4)", [] { DetectorDarkRate(4); }},
      {"DetectorTransitTime(0)", [] { DetectorTransitTime(0); }},
      {"DetectorSensitivity(4, 400)", [] { DetectorSensitivity(4, 400); }},
      {"DetectorSensitivity(1, 199)", [] { DetectorSensitivity(1, 199); }},
      {"DetectorSensitivity(1, 801)", [] { DetectorSensitivity(1, 801); }},
      {"DetectorResponse(0, 1)", [] { DetectorResponse(0, 1); }},
      {"DetectorResponse(1, 0)", [] { DetectorResponse(1, 0); }},
      {"DetectorResponse(1, 1001)", [] { DetectorResponse(1, 1001); }},
  };
  for (const auto& c : cases) EXPECT_THROW(c.lookup(), std::out_of_range) << c.call;
}

}  // namespace
