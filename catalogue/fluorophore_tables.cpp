#include "catalogue/fluorophore_tables.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <numeric>
#include <span>
#include <vector>

#include "catalogue/monotone_curve.h"

namespace {

// A value the catalogue fixes, held exactly as this float32.
struct ListedValue {
  int Wavelength;  // nm
  float Value;
};

// Each table holds the catalogue's fixed values of one spectrum, bounded by zeros (or, for the
// solvents, by the 2.0 plateau) where its non-zero range ends, and closed at 200 and 800 nm.
// Between them the spectrum follows a monotone cubic of our own.

// Bands peaking at 340, 359 and 380 nm; non-zero from 318 to 393 nm.
constexpr ListedValue Fluorophore1Absorption[] = {
    {200, 0.0f},     {317, 0.0f},     {320, 2728.0f},  {340, 20344.0f}, {350, 14496.0f},
    {355, 22600.0f}, {359, 32240.0f}, {360, 31400.0f}, {365, 14800.0f}, {375, 19800.0f},
    {380, 26680.0f}, {385, 8320.0f},  {390, 2400.0f},  {394, 0.0f},     {800, 0.0f}};

// Peak at 400 nm; non-zero from 362 to 520 nm.
constexpr ListedValue Fluorophore1Emission[] = {
    {200, 0.0f},      {361, 0.0f},      {370, 0.001315f}, {380, 0.022258f}, {390, 0.007946f},
    {400, 0.025960f}, {410, 0.011376f}, {425, 0.012945f}, {450, 0.003846f}, {500, 0.000223f},
    {520, 0.000112f}, {521, 0.0f},      {800, 0.0f}};

// Peak at 293 nm; non-zero from 283 to 325 nm.
constexpr ListedValue Fluorophore2Absorption[] = {
    {200, 0.0f},      {282, 0.0f},     {285, 8545.75f}, {290, 11836.62f},
    {293, 12016.01f}, {300, 7930.26f}, {310, 3893.99f}, {320, 1466.05f},
    {325, 259.81f},   {326, 0.0f},     {800, 0.0f}};

// Peak at 335 nm; non-zero from 306 to 475 nm.
constexpr ListedValue Fluorophore2Emission[] = {
    {200, 0.0f},      {305, 0.0f},      {310, 0.001501f}, {320, 0.018847f},
    {335, 0.019740f}, {350, 0.015271f}, {380, 0.004198f}, {420, 0.000736f},
    {475, 0.000168f}, {476, 0.0f},      {800, 0.0f}};

// Toluene: 2.0 up to 270 nm; non-zero up to 398 nm.
constexpr ListedValue TolueneAbsorption[] = {{200, 2.0f},     {270, 2.0f},     {271, 1.98902f},
                                             {275, 1.89152f}, {280, 1.75924f}, {300, 0.12322f},
                                             {320, 0.04132f}, {340, 0.02088f}, {360, 0.00794f},
                                             {380, 0.00278f}, {399, 0.0f},     {800, 0.0f}};

// Triacetin: 2.0 up to 251 nm; non-zero up to 400 nm.
constexpr ListedValue TriacetinAbsorption[] = {
    {200, 2.0f},     {251, 2.0f},     {252, 1.975f},  {255, 1.79938f}, {260, 1.23692f},
    {280, 0.5784f},  {300, 0.37686f}, {320, 0.1952f}, {350, 0.07206f}, {380, 0.01246f},
    {400, 0.00476f}, {401, 0.0f},     {800, 0.0f}};

CurvePoint ToPoint(const ListedValue& listed) {
  return {double(listed.Wavelength), listed.Value};
}

Spectrum ToSpectrum(const CurveSamples& samples) {
  Spectrum spectrum;
  for (int wavelength = Spectrum::First; wavelength <= Spectrum::Last; ++wavelength) {
    spectrum[wavelength] = static_cast<float>(samples[wavelength]);
  }
  return spectrum;
}

CurveSamples CurveThrough(std::span<const ListedValue> listed) {
  std::vector<CurvePoint> points;
  std::ranges::transform(listed, std::back_inserter(points), ToPoint);
  return SampleMonotoneCurve(points);
}

Spectrum AbsorptionThrough(std::span<const ListedValue> listed) {
  return ToSpectrum(CurveThrough(listed));
}

// Fluorophore 1's coefficients are whole numbers, as its listed ones are.
Spectrum WholeNumberAbsorptionThrough(std::span<const ListedValue> listed) {
  CurveSamples samples = CurveThrough(listed);
  for (double& value : samples) value = std::round(value);
  return ToSpectrum(samples);
}

// The curve through the listed values and, halfway between each neighbouring pair, a point the
// fraction `sag` of the way from the lower value to the higher. Each added point lies strictly
// between its neighbours for 0 < sag < 1, so it brings no new peak or trough; a smaller sag
// narrows the bands and shortens the tails, a larger one widens them.
CurveSamples EmissionCurve(std::span<const ListedValue> listed, double sag) {
  std::vector<CurvePoint> points;
  for (std::size_t k = 0; k < listed.size(); ++k) {
    points.push_back(ToPoint(listed[k]));
    if (k + 1 == listed.size()) break;
    const double low = std::min(listed[k].Value, listed[k + 1].Value);
    const double high = std::max(listed[k].Value, listed[k + 1].Value);
    const double middle = (listed[k].Wavelength + listed[k + 1].Wavelength) / 2.0;
    points.push_back({middle, low + sag * (high - low)});
  }
  return SampleMonotoneCurve(points);
}

// An emission spectrum summing to 1 whose listed values stay exact: rather than scaling the
// values, which would move the listed ones, the sag is chosen so that the curve's sum is 1. The
// sum grows with the sag, so bisection finds it.
Spectrum NormalisedEmissionThrough(std::span<const ListedValue> listed) {
  const auto sum = [&](double sag) {
    const CurveSamples samples = EmissionCurve(listed, sag);
    return std::accumulate(samples.begin(), samples.end(), 0.0);
  };
  double low = 0.0;
  double high = 1.0;
  for (int step = 0; step < 60; ++step) {  // halves the bracket past double precision
    const double sag = (low + high) / 2.0;
    (sum(sag) < 1.0 ? low : high) = sag;
  }
  return ToSpectrum(EmissionCurve(listed, (low + high) / 2.0));
}

}  // namespace

const OneBased<TFluorophore, FluorophoreCount>& Fluorophores() {
  static const OneBased<TFluorophore, FluorophoreCount> fluorophores{{
      {"Fluorophore-1", WholeNumberAbsorptionThrough(Fluorophore1Absorption),
       NormalisedEmissionThrough(Fluorophore1Emission)},
      {"Fluorophore-2", AbsorptionThrough(Fluorophore2Absorption),
       NormalisedEmissionThrough(Fluorophore2Emission)},
  }};
  return fluorophores;
}

const OneBased<TSolvent, SolventCount>& Solvents() {
  static const OneBased<TSolvent, SolventCount> solvents{{
      {"Toluene", AbsorptionThrough(TolueneAbsorption)},
      {"Triacetin", AbsorptionThrough(TriacetinAbsorption)},
  }};
  return solvents;
}
