#pragma once

#include <string>

// The built-in fluorophore systems a supervisor can choose for a session: each a fluorophore in
// a polymer, measured in a solvent, with eight default physical parameters. Systems,
// fluorophores and solvents are numbered from 1, wavelengths run 200..800 nm. An entry number or
// wavelength out of range is a programming error: the lookup throws std::out_of_range.

int SystemCount();
std::string SystemName(int system);
int SystemFluorophore(int system);
int SystemSolvent(int system);

// The defaults, in the order of the session record fields MolecularWeight..ActivationEnergy.
float DefaultMolecularWeight(int system);     // g/mol
float DefaultFluorophorePercent(int system);  // % by weight in the polymer
float DefaultAbsorptionScaling(int system);
float DefaultQuantumYield(int system);
float DefaultLifetime(int system);          // ns, at the minimum temperature
float DefaultMinTemperature(int system);    // degrees Celsius
float DefaultMaxTemperature(int system);    // degrees Celsius
float DefaultActivationEnergy(int system);  // kJ/mol

// Molar absorption coefficient: absorbance per mol/L of fluorophore.
float FluorophoreAbsorption(int fluorophore, int wavelength);
// Fluorescence emission; a fluorophore's values sum to 1 over 200..800 nm.
float FluorophoreEmission(int fluorophore, int wavelength);
// Absorbance of the solvent, at most 2.0.
float SolventSpectrum(int solvent, int wavelength);
