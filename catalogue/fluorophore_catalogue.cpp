#include "catalogue/fluorophore_catalogue.h"

#include <cstdint>

#include "catalogue/checked_lookup.h"
#include "catalogue/fluorophore_tables.h"
#include "session/indexed_array.h"

namespace {

constexpr int DefaultCount = 8;

struct TFluorophoreSystem {
  const char* Name;  // as the creation screen lists it
  std::int32_t FluorophoreNumber;
  std::int32_t SolventNumber;
  OneBased<float, DefaultCount> Defaults;  // in the order of the Default... lookups
};

// The built-in systems with their defaults, in the order the creation screen lists them.
constexpr OneBased<TFluorophoreSystem, 2> Systems{{
    {"AMMA/PMMA in Toluene", 1, 1, {{276.33f, 1.0f, 1.0f, 1.0f, 5.77f, 20.0f, 60.0f, 6.21f}}},
    {"ACE/PMMA in Toluene", 2, 1, {{152.19f, 1.0f, 1.0f, 1.0f, 17.1f, 20.0f, 60.0f, 5.25f}}},
}};

const TFluorophoreSystem& System(int system) {
  return CheckedAt(Systems, system, "system");
}

float Default(int system, int position) {
  return System(system).Defaults[position];
}

}  // namespace

int SystemCount() {
  return decltype(Systems)::Count;
}

std::string SystemName(int system) {
  return System(system).Name;
}

int SystemFluorophore(int system) {
  return System(system).FluorophoreNumber;
}

int SystemSolvent(int system) {
  return System(system).SolventNumber;
}

float DefaultMolecularWeight(int system) {
  return Default(system, 1);
}

float DefaultFluorophorePercent(int system) {
  return Default(system, 2);
}

float DefaultAbsorptionScaling(int system) {
  return Default(system, 3);
}

float DefaultQuantumYield(int system) {
  return Default(system, 4);
}

float DefaultLifetime(int system) {
  return Default(system, 5);
}

float DefaultMinTemperature(int system) {
  return Default(system, 6);
}

float DefaultMaxTemperature(int system) {
  return Default(system, 7);
}

float DefaultActivationEnergy(int system) {
  return Default(system, 8);
}

float FluorophoreAbsorption(int fluorophore, int wavelength) {
  return CheckedAt(CheckedAt(Fluorophores(), fluorophore, "fluorophore").Absorption, wavelength,
                   "wavelength");
}

float FluorophoreEmission(int fluorophore, int wavelength) {
  return CheckedAt(CheckedAt(Fluorophores(), fluorophore, "fluorophore").Emission, wavelength,
                   "wavelength");
}

float SolventSpectrum(int solvent, int wavelength) {
  return CheckedAt(CheckedAt(Solvents(), solvent, "solvent").Absorption, wavelength, "wavelength");
}
