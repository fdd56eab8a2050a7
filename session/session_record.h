#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "session/indexed_array.h"
#include "session/record_types.h"

static_assert(std::endian::native == std::endian::little,
              "the session file is little-endian and is read and written as one block");

constexpr int MeasurementCount = 10;
constexpr int ChannelCount = 4096;
constexpr int FirstWavelength = 200;  // nm
constexpr int LastWavelength = 800;   // nm

using Spectrum = IndexedArray<float, FirstWavelength, LastWavelength>;
using PerMeasurementFlags = OneBased<Flag8, MeasurementCount>;
using PerMeasurementInts = OneBased<std::int32_t, MeasurementCount>;
using PerMeasurementFloats = OneBased<float, MeasurementCount>;
using Histogram = OneBased<std::int32_t, ChannelCount>;
using Curve = OneBased<float, ChannelCount>;

// Everything one session holds. This struct is the session file, byte for byte: the file is
// read and written as one block, so every field stands at its file offset (proved below).
struct TSessionRecord {
  // Header: filled when the supervisor creates the session.
  String32 Signature;
  String32 SessionReference;  // also the session file's base name
  String32 Password;
  String32 StudentNames;
  std::int32_t SystemNumber;  // fluorophore system, 1..2
  float MolecularWeight;      // g/mol
  float FluorophorePercent;   // % by weight in the polymer
  float AbsorptionScaling;
  float QuantumYield;
  float LifetimeAtMinTemp;  // ns
  float MinTemperature;     // degrees Celsius
  float MaxTemperature;     // degrees Celsius
  float ActivationEnergy;   // kJ/mol
  Spectrum SolventAbsorption;
  Spectrum SoluteAbsorption;
  Spectrum FluorescenceSpectrum;

  // Progress.
  Flag8 SamplePrepared;
  std::uint8_t Padding7381[3];
  std::int32_t CurrentMeasurement;  // 1..10
  PerMeasurementFlags PromptRecorded;
  PerMeasurementFlags DecayRecorded;
  PerMeasurementFlags AnalysisSaved;
  std::uint8_t Padding7418[2];

  // Sample preparation.
  float SampleWeight;  // mg
  std::int32_t StockFlaskIndex;
  float StockVolume;  // ml
  std::int32_t AliquotIndex;
  std::int32_t DilutionFlaskIndex;
  float DilutionVolume;       // ml
  float SampleConcentration;  // mol/L; 0 means no sample

  // Measured data.
  OneBased<Histogram, MeasurementCount> PromptCounts;
  OneBased<Histogram, MeasurementCount> DecayCounts;

  // Instrument settings.
  std::int32_t ExcitationWavelength;  // tenths of a nm
  std::int32_t ExcitationBandpass;    // 1..6
  std::int32_t ExcitationFilter;      // 1..5
  Flag8 ExcitationShutterOpen;
  std::uint8_t Padding335141[3];
  std::int32_t EmissionWavelength;  // tenths of a nm
  std::int32_t EmissionBandpass;    // 1..6
  std::int32_t EmissionFilter;      // 1..5
  Flag8 EmissionShutterOpen;
  std::uint8_t Padding335157[3];
  std::int32_t SampleTemperature;  // hundredths of a degree Celsius
  std::int32_t TacRange;           // 1..3
  std::int32_t RangeMultiplier;    // 1..3
  std::int32_t DelaySide;          // 1 start, 2 stop
  OneBased<Flag8, 6> DelayLines;
  std::uint8_t Padding335182[2];
  std::int32_t DetectorIndex;  // 1..3
  Flag8 DetectorOn;
  std::uint8_t Padding335189[3];
  std::int32_t LampIndex;      // 1..8
  std::int32_t LampFrequency;  // kHz
  Flag8 LampOn;
  std::uint8_t Padding335201[3];
  std::int32_t RateMeterSource;  // 1..4

  // Analysis.
  PerMeasurementInts AnaBackgroundLow;
  PerMeasurementInts AnaBackgroundHigh;
  PerMeasurementInts AnaDecayLow;
  PerMeasurementInts AnaDecayHigh;
  PerMeasurementFloats AnaTimeCalibration;  // ns per channel
  PerMeasurementFloats AnaLifetime;         // ns
  PerMeasurementFloats AnaChiSquared;
  OneBased<Curve, MeasurementCount> AnaFittedCurve;
  OneBased<Curve, MeasurementCount> AnaResiduals;
  std::int32_t LastBackgroundLow;
  std::int32_t LastBackgroundHigh;
  std::int32_t LastDecayLow;
  std::int32_t LastDecayHigh;
  float LastTimeCalibration;
};

constexpr std::size_t SessionRecordSize = 663188;
constexpr std::size_t FirstProgressOffset = 7380;  // everything from here on is reset

// The one session of the run. All zero bytes at program start.
extern TSessionRecord Session;
