#pragma once

#include <cstdint>
#include <string>

#include "session/indexed_array.h"
#include "session/session_record.h"

// The parts the photon-counting spectrometer can be fitted with: a pulsed lamp, a filter in
// each light path (both chosen from the same list) and a photon detector. Entries are numbered
// from 1 and the session record stores these numbers, so the entry order is part of the session
// file. Time profiles are indexed by base time steps, the instrument's finest channel width.

constexpr int PulseSteps = 200;      // a lamp pulse spans 2.264 ns
constexpr int ResponseSteps = 1000;  // a detector response spans 11.32 ns
using PulseProfile = OneBased<float, PulseSteps>;
using ResponseProfile = OneBased<float, ResponseSteps>;

struct TLampRecord {
  const char* Name;           // at most 11 characters, as the lamp combo box lists it
  std::int32_t MinFrequency;  // kHz
  std::int32_t MaxFrequency;  // kHz
  float Intensity;            // relative number of photons per pulse
  ::Spectrum Spectrum;        // emission, summing to 1
  PulseProfile Pulse;         // shape of the pulse in time, summing to 1
};

struct TFilterRecord {
  const char* Name;       // at most 11 characters, as both filter combo boxes list it
  Spectrum Transmission;  // fraction of the light passed
};

struct TDetectorRecord {
  const char* Name;          // at most 11 characters, as the detector combo box lists it
  float DarkRate;            // dark counts per second
  float TransitTime;         // ns: a fixed delay the detector adds to the stop signal
  Spectrum Sensitivity;      // relative spectral sensitivity
  ResponseProfile Response;  // single-photon time response, summing to about 100
};

using LampTable = OneBased<TLampRecord, 8>;
using FilterTable = OneBased<TFilterRecord, 5>;
using DetectorTable = OneBased<TDetectorRecord, 3>;

// The tables, built once at first use and constant from then on.
const LampTable& Lamps();
const FilterTable& Filters();
const DetectorTable& Detectors();

// Lookups by entry number, wavelength (nm) and base time step. An argument outside its range
// is a programming error: the lookup throws std::out_of_range.

int LampCount();
std::string LampName(int lamp);
int LampMinFrequency(int lamp);  // kHz
int LampMaxFrequency(int lamp);  // kHz
float LampIntensity(int lamp);
float LampSpectrum(int lamp, int wavelength);
float LampPulse(int lamp, int step);

int FilterCount();
std::string FilterName(int filter);
float FilterTransmission(int filter, int wavelength);

int DetectorCount();
std::string DetectorName(int detector);
float DetectorDarkRate(int detector);     // counts per second
float DetectorTransitTime(int detector);  // ns
float DetectorSensitivity(int detector, int wavelength);
float DetectorResponse(int detector, int step);
