#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "catalogue/monotone_curve.h"

namespace {

TEST(MonotoneCurve, ReproducesAStraightLineBetweenCollinearPoints) {
  const std::vector<CurvePoint> line = {{200, 1.0}, {350, 4.0}, {600, 9.0}, {800, 13.0}};
  const CurveSamples samples = SampleMonotoneCurve(line);
  // Inner slopes of collinear points are the line's own; the level ends bend only the first
  // and last segments.
  for (int wavelength = 350; wavelength <= 600; ++wavelength) {
    EXPECT_NEAR(samples[wavelength], 1.0 + (wavelength - 200) * 0.02, 1e-12) << wavelength;
  }
}

TEST(MonotoneCurve, PassesThroughItsPointsWithoutOvershoot) {
  // A sharp step, a narrow peak and a plateau, where an ordinary spline would ring.
  const std::vector<CurvePoint> points = {{200, 0.0},  {300, 0.0},  {301, 10.0}, {340, 10.0},
                                          {350, 30.0}, {351, 12.0}, {500, 11.0}, {800, 0.0}};
  const CurveSamples samples = SampleMonotoneCurve(points);
  for (const auto& point : points) {
    EXPECT_EQ(samples[int(point.Wavelength)], point.Value) << point.Wavelength;
  }
  for (std::size_t k = 0; k + 1 < points.size(); ++k) {
    const double direction = points[k + 1].Value - points[k].Value;
    for (int wavelength = int(points[k].Wavelength); wavelength < int(points[k + 1].Wavelength);
         ++wavelength) {
      EXPECT_GE((samples[wavelength + 1] - samples[wavelength]) * direction, 0.0) << wavelength;
    }
  }
  for (int wavelength = 200; wavelength <= 300; ++wavelength) EXPECT_EQ(samples[wavelength], 0.0);
  for (int wavelength = 301; wavelength <= 340; ++wavelength) EXPECT_EQ(samples[wavelength], 10.0);
}

// Points may stand between whole wavelengths; the samples on either side stay below such a peak.
TEST(MonotoneCurve, SamplesAroundAPeakBetweenWholeWavelengthsStayBelowIt) {
  const std::vector<CurvePoint> points = {{200, 0.0}, {400.5, 8.0}, {800, 0.0}};
  const CurveSamples samples = SampleMonotoneCurve(points);
  EXPECT_LT(samples[400], 8.0);
  EXPECT_LT(samples[401], 8.0);
  EXPECT_GT(samples[400], 7.9);
  EXPECT_GT(samples[401], 7.9);
}

}  // namespace
