#pragma once

#include <span>

#include "session/indexed_array.h"
#include "session/session_record.h"

// A point a spectrum's curve passes through: wavelength in nm and the value there.
struct CurvePoint {
  double Wavelength;
  double Value;
};

// A curve's values at each whole wavelength 200..800 nm, before they are stored as float32.
using CurveSamples = IndexedArray<double, FirstWavelength, LastWavelength>;

// Samples, at every whole wavelength, the shape-preserving monotone cubic (PCHIP) through the
// points, which run in increasing wavelength from 200 to 800 nm. The curve passes through each
// point exactly, stays monotone between neighbouring points so it never overshoots them, has a
// continuous slope, and is level at each peak, trough and plateau and at both ends.
CurveSamples SampleMonotoneCurve(std::span<const CurvePoint> points);
