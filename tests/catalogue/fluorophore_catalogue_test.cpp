#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/fluorophore_catalogue.h"

namespace {

constexpr int First = 200;  // nm
constexpr int Last = 800;   // nm

TEST(FluorophoreCatalogue, ListsTheSystemsInOrder) {
  ASSERT_EQ(SystemCount(), 2);
  EXPECT_EQ(SystemName(1), "AMMA/PMMA in Toluene");
  EXPECT_EQ(SystemName(2), "ACE/PMMA in Toluene");
  EXPECT_EQ(SystemFluorophore(1), 1);
  EXPECT_EQ(SystemSolvent(1), 1);
  EXPECT_EQ(SystemFluorophore(2), 2);
  EXPECT_EQ(SystemSolvent(2), 1);
}

// A value as the creation screen shows it: two decimals in six characters.
std::string Shown(float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%6.2f", value);
  return text;
}

TEST(FluorophoreCatalogue, DefaultsShowWithTwoDecimals) {
  const struct {
    int system;
    std::vector<std::string> shown;
  } cases[] = {
      {1, {"276.33", "  1.00", "  1.00", "  1.00", "  5.77", " 20.00", " 60.00", "  6.21"}},
      {2, {"152.19", "  1.00", "  1.00", "  1.00", " 17.10", " 20.00", " 60.00", "  5.25"}},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> shown = {
        Shown(DefaultMolecularWeight(c.system)),   Shown(DefaultFluorophorePercent(c.system)),
        Shown(DefaultAbsorptionScaling(c.system)), Shown(DefaultQuantumYield(c.system)),
        Shown(DefaultLifetime(c.system)),          Shown(DefaultMinTemperature(c.system)),
        Shown(DefaultMaxTemperature(c.system)),    Shown(DefaultActivationEnergy(c.system))};
    EXPECT_EQ(shown, c.shown) << "system " << c.system;
  }
}

TEST(FluorophoreCatalogue, MolecularWeightIsTheNearestFloat32) {
  EXPECT_EQ(DefaultMolecularWeight(1), 276.33f);  // 276.32998657..., shown as 276.33
}

struct Listed {
  int wavelength;
  float value;
};

struct Range {
  int from, to;  // nm, both included
  [[nodiscard]] bool Holds(int wavelength) const { return wavelength >= from && wavelength <= to; }
};

// One spectrum and the facts the catalogue states about it.
struct SpectrumCase {
  const char* what;
  std::function<float(int)> at;  // the lookup at a wavelength
  Range nonZero;
  Range peak;                  // where the maximum is held; nothing rises above it
  std::vector<Listed> listed;  // in increasing wavelength
};

// The values the catalogue lists for each spectrum.
const std::vector<Listed> Fluorophore1Absorption = {
    {320, 2728},  {340, 20344}, {350, 14496}, {355, 22600}, {359, 32240}, {360, 31400},
    {365, 14800}, {375, 19800}, {380, 26680}, {385, 8320},  {390, 2400}};
const std::vector<Listed> Fluorophore1Emission = {
    {370, 0.001315f}, {380, 0.022258f}, {390, 0.007946f}, {400, 0.025960f}, {410, 0.011376f},
    {425, 0.012945f}, {450, 0.003846f}, {500, 0.000223f}, {520, 0.000112f}};
const std::vector<Listed> Fluorophore2Absorption = {
    {285, 8545.75f}, {290, 11836.62f}, {293, 12016.01f}, {300, 7930.26f},
    {310, 3893.99f}, {320, 1466.05f},  {325, 259.81f}};
const std::vector<Listed> Fluorophore2Emission = {
    {310, 0.001501f}, {320, 0.018847f}, {335, 0.019740f}, {350, 0.015271f},
    {380, 0.004198f}, {420, 0.000736f}, {475, 0.000168f}};
// The solvents from the end of their 2.0 plateau.
const std::vector<Listed> Solvent1 = {{270, 2.0f},     {271, 1.98902f}, {275, 1.89152f},
                                      {280, 1.75924f}, {300, 0.12322f}, {320, 0.04132f},
                                      {340, 0.02088f}, {360, 0.00794f}, {380, 0.00278f}};
const std::vector<Listed> Solvent2 = {
    {251, 2.0f},     {252, 1.975f},  {255, 1.79938f}, {260, 1.23692f}, {280, 0.5784f},
    {300, 0.37686f}, {320, 0.1952f}, {350, 0.07206f}, {380, 0.01246f}, {400, 0.00476f}};

const SpectrumCase Spectra[] = {
    {"fluorophore 1 absorption",
     [](int w) { return FluorophoreAbsorption(1, w); },
     {318, 393},
     {359, 359},
     Fluorophore1Absorption},
    {"fluorophore 1 emission",
     [](int w) { return FluorophoreEmission(1, w); },
     {362, 520},
     {400, 400},
     Fluorophore1Emission},
    {"fluorophore 2 absorption",
     [](int w) { return FluorophoreAbsorption(2, w); },
     {283, 325},
     {293, 293},
     Fluorophore2Absorption},
    {"fluorophore 2 emission",
     [](int w) { return FluorophoreEmission(2, w); },
     {306, 475},
     {335, 335},
     Fluorophore2Emission},
    {"solvent 1", [](int w) { return SolventSpectrum(1, w); }, {200, 398}, {200, 270}, Solvent1},
    {"solvent 2", [](int w) { return SolventSpectrum(2, w); }, {200, 400}, {200, 251}, Solvent2},
};

TEST(FluorophoreCatalogueSpectra, HoldTheListedValuesExactly) {
  for (const auto& c : Spectra) {
    for (const auto& [wavelength, value] : c.listed) {
      EXPECT_EQ(c.at(wavelength), value) << c.what << " at " << wavelength;
    }
  }
}

TEST(FluorophoreCatalogueSpectra, AreExactlyZeroOutsideTheirRangeAndPositiveInside) {
  for (const auto& c : Spectra) {
    for (int wavelength = First; wavelength <= Last; ++wavelength) {
      const float value = c.at(wavelength);
      if (c.nonZero.Holds(wavelength)) {
        EXPECT_GT(value, 0.0f) << c.what << " at " << wavelength;
      } else {
        EXPECT_EQ(std::bit_cast<std::uint32_t>(value), 0u) << c.what << " at " << wavelength;
      }
    }
  }
}

TEST(FluorophoreCatalogueSpectra, PeakOnlyWhereStated) {
  for (const auto& c : Spectra) {
    const float peak = c.at(c.peak.from);
    for (int wavelength = First; wavelength <= Last; ++wavelength) {
      if (c.peak.Holds(wavelength)) {
        EXPECT_EQ(c.at(wavelength), peak) << c.what << " at " << wavelength;
      } else {
        EXPECT_LT(c.at(wavelength), peak) << c.what << " at " << wavelength;
      }
    }
  }
}

// Between neighbouring fixed values (the listed ones and the zeros that bound the range) every
// spectrum runs monotonically: no overshoot, no extra bands.
TEST(FluorophoreCatalogueSpectra, RunMonotonicallyBetweenNeighbouringFixedValues) {
  for (const auto& c : Spectra) {
    std::vector<Listed> fixed;
    if (c.nonZero.from > First) fixed.push_back({c.nonZero.from - 1, 0.0f});
    fixed.insert(fixed.end(), c.listed.begin(), c.listed.end());
    fixed.push_back({c.nonZero.to + 1, 0.0f});
    for (std::size_t k = 0; k + 1 < fixed.size(); ++k) {
      const float direction = fixed[k + 1].value - fixed[k].value;
      for (int wavelength = fixed[k].wavelength; wavelength < fixed[k + 1].wavelength;
           ++wavelength) {
        const float step = c.at(wavelength + 1) - c.at(wavelength);
        EXPECT_GE(step * direction, 0.0f) << c.what << " from " << wavelength;
      }
    }
  }
}

TEST(FluorophoreCatalogueSpectra, Fluorophore1AbsorptionIsInWholeNumbers) {
  for (int wavelength = First; wavelength <= Last; ++wavelength) {
    const float value = FluorophoreAbsorption(1, wavelength);
    EXPECT_EQ(value, std::round(value)) << wavelength;
  }
}

// Each emission value is its curve's value rounded to float32, off by at most half a unit in
// the last place: 2^-30 for values below 1/32. So 601 of them sum to 1 within 6e-7.
TEST(FluorophoreCatalogueSpectra, EmissionsSumToOne) {
  for (int fluorophore = 1; fluorophore <= 2; ++fluorophore) {
    double sum = 0.0;
    for (int wavelength = First; wavelength <= Last; ++wavelength) {
      sum += FluorophoreEmission(fluorophore, wavelength);
    }
    EXPECT_NEAR(sum, 1.0, 6e-7) << "fluorophore " << fluorophore;
  }
}

TEST(FluorophoreCatalogue, RefusesNumbersAndWavelengthsOutOfRange) {
  const struct {
    const char* what;
    std::function<void()> lookup;
  } cases[] = {
      {"system 0 name", [] { SystemName(0); }},
      {"system 3 name", [] { SystemName(3); }},
      {"system 0 fluorophore", [] { SystemFluorophore(0); }},
      {"system 3 solvent", [] { SystemSolvent(3); }},
      {"system 0 molecular weight", [] { DefaultMolecularWeight(0); }},
      {"system 3 percent", [] { DefaultFluorophorePercent(3); }},
      {"system -1 scaling", [] { DefaultAbsorptionScaling(-1); }},
      {"system 3 quantum yield", [] { DefaultQuantumYield(3); }},
      {"system 0 lifetime", [] { DefaultLifetime(0); }},
      {"system 3 minimum temperature", [] { DefaultMinTemperature(3); }},
      {"system 0 maximum temperature", [] { DefaultMaxTemperature(0); }},
      {"system 3 activation energy", [] { DefaultActivationEnergy(3); }},
      {"fluorophore 0 absorption", [] { FluorophoreAbsorption(0, 300); }},
      {"fluorophore 3 emission", [] { FluorophoreEmission(3, 300); }},
      {"solvent 0", [] { SolventSpectrum(0, 300); }},
      {"solvent 3", [] { SolventSpectrum(3, 300); }},
      {"absorption at 199 nm", [] { FluorophoreAbsorption(1, 199); }},
      {"absorption at 801 nm", [] { FluorophoreAbsorption(2, 801); }},
      {"emission at 199 nm", [] { FluorophoreEmission(1, 199); }},
      {"emission at 801 nm", [] { FluorophoreEmission(2, 801); }},
      {"solvent at 199 nm", [] { SolventSpectrum(1, 199); }},
      {"solvent at 801 nm", [] { SolventSpectrum(2, 801); }},
  };
  for (const auto& c : cases) EXPECT_THROW(c.lookup(), std::out_of_range) << c.what;
}

}  // namespace
