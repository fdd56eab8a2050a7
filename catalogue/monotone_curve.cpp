#include "catalogue/monotone_curve.h"

#include <cassert>
#include <cstddef>
#include <vector>

namespace {

double Secant(const CurvePoint& from, const CurvePoint& to) {
  return (to.Value - from.Value) / (to.Wavelength - from.Wavelength);
}

// The slope at a point between two others: the weighted harmonic mean of the secants on either
// side (Fritsch-Butland), or zero where the curve turns or levels. Both keep the cubic on each
// side monotone.
double InnerSlope(const CurvePoint& before, const CurvePoint& at, const CurvePoint& after) {
  const double secantBefore = Secant(before, at);
  const double secantAfter = Secant(at, after);
  if (secantBefore * secantAfter <= 0.0) return 0.0;
  const double widthBefore = at.Wavelength - before.Wavelength;
  const double widthAfter = after.Wavelength - at.Wavelength;
  const double weightBefore = 2.0 * widthAfter + widthBefore;
  const double weightAfter = widthAfter + 2.0 * widthBefore;
  return (weightBefore + weightAfter) / (weightBefore / secantBefore + weightAfter / secantAfter);
}

// The cubic Hermite segment from one point to the next with the given end slopes. Its basis
// gives exactly the point values at both ends, so listed values come through unchanged.
double HermiteValue(const CurvePoint& from, const CurvePoint& to, double slopeFrom, double slopeTo,
                    double wavelength) {
  const double width = to.Wavelength - from.Wavelength;
  const double t = (wavelength - from.Wavelength) / width;
  const double t2 = t * t;
  const double t3 = t2 * t;
  return (2.0 * t3 - 3.0 * t2 + 1.0) * from.Value + (t3 - 2.0 * t2 + t) * width * slopeFrom +
         (3.0 * t2 - 2.0 * t3) * to.Value + (t3 - t2) * width * slopeTo;
}

}  // namespace

CurveSamples SampleMonotoneCurve(std::span<const CurvePoint> points) {
  assert(points.size() >= 2 && points.front().Wavelength == CurveSamples::First &&
         points.back().Wavelength == CurveSamples::Last);
  std::vector<double> slopes(points.size(), 0.0);  // level at both ends
  for (std::size_t k = 1; k + 1 < points.size(); ++k) {
    slopes[k] = InnerSlope(points[k - 1], points[k], points[k + 1]);
  }
  CurveSamples samples;
  std::size_t k = 0;
  for (int wavelength = CurveSamples::First; wavelength <= CurveSamples::Last; ++wavelength) {
    while (points[k + 1].Wavelength < wavelength) ++k;
    samples[wavelength] =
        HermiteValue(points[k], points[k + 1], slopes[k], slopes[k + 1], wavelength);
  }
  return samples;
}
