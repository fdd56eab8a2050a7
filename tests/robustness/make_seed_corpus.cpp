// Writes the fuzz target's seed corpus into the folder given: real session files made by the
// core (just created; worked on: sample prepared, two measurements recorded, one analysed),
// one cut short and one with out-of-range values in every group. Deterministic.
//   session_seed_maker tests/robustness/corpus

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <string>

#include "catalogue/fluorophore_catalogue.h"
#include "model/analysis_ranges.h"
#include "model/decay_analysis.h"
#include "model/instrument_engine.h"
#include "model/lifetime_fit.h"
#include "model/random.h"
#include "model/session_creation.h"
#include "oracle/engine_scenarios.h"
#include "session/session_record.h"
#include "support/created_session.h"

namespace {

constexpr int RecordedTicks = 100;
constexpr std::size_t TruncatedSize = 400000;

void Write(const std::filesystem::path& path, const TSessionRecord& record, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(&record), static_cast<std::streamsize>(size));
}

Histogram Record(const TInstrumentSettings& settings, const TSampleState& sample, bool prompt) {
  auto instrument = std::make_unique<TInstrument>();
  instrument->Settings = settings;
  instrument->Sample = sample;
  instrument->Acquisition.Acquiring = true;
  for (int tick = 0; tick < RecordedTicks; ++tick) EngineTick(*instrument, prompt);
  return instrument->Acquisition.McaCounts;
}

void StoreSettings(const TInstrumentSettings& s, TSessionRecord& record) {
  record.ExcitationWavelength = s.ExcitationWavelength;
  record.ExcitationBandpass = s.ExcitationBandpass;
  record.ExcitationShutterOpen = s.ExcitationShutterOpen;
  record.EmissionWavelength = s.EmissionWavelength;
  record.EmissionBandpass = s.EmissionBandpass;
  record.EmissionShutterOpen = s.EmissionShutterOpen;
  record.SampleTemperature = s.SampleTemperature;
  record.DetectorOn = s.DetectorOn;
  record.LampIndex = s.LampIndex;
  record.LampOn = s.LampOn;
}

// Measurement m's prompt and decay, recorded on the typical decay set-up.
void RecordMeasurement(int m, TSessionRecord& record) {
  TInstrumentSettings settings;
  TSampleState decaySample;
  TypicalDecay(settings, decaySample);
  auto promptSample = std::make_unique<TSampleState>();
  PrepareSample(record, true, *promptSample);
  record.PromptCounts[m] = Record(settings, *promptSample, true);
  record.DecayCounts[m] = Record(settings, decaySample, false);
  record.PromptRecorded[m] = true;
  record.DecayRecorded[m] = true;
  StoreSettings(settings, record);
}

// Analyses measurement m around its decay peak, as a student would, and saves it.
void AnalyseMeasurement(int m, TSessionRecord& record) {
  record.CurrentMeasurement = m;
  auto analysis = std::make_unique<TDecayAnalysis>();
  LoadAnalysis(*analysis, record);
  const Histogram& decay = record.DecayCounts[m];
  const int peak =
      static_cast<int>(std::max_element(decay.begin(), decay.end()) - decay.begin()) + 1;
  SetDecayHigh(*analysis, std::min(peak + 1500, ChannelCount));
  SetDecayLow(*analysis, std::max(peak - 20, 4));
  SetBackgroundHigh(*analysis, std::max(analysis->DecayLow - 100, 2));
  SetBackgroundLow(*analysis, 1);
  AcceptTimeCalibration(*analysis, "0.01221");
  if (EstimateLifetime(*analysis) || AnalyseDecay(*analysis)) {
    std::fprintf(stderr, "the seed analysis failed\n");
    std::exit(1);
  }
  StoreAnalysis(*analysis, record);
}

// Something out of range in every group of the record.
void Damage(TSessionRecord& r) {
  constexpr float nan = std::numeric_limits<float>::quiet_NaN();
  constexpr float inf = std::numeric_limits<float>::infinity();
  constexpr std::int32_t huge = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
  r.SessionReference.Length = 255;
  r.StudentNames.Length = 200;
  r.SystemNumber = 77;
  r.MolecularWeight = nan;
  r.FluorophorePercent = -inf;
  r.QuantumYield = 1e30f;
  r.LifetimeAtMinTemp = inf;
  r.MinTemperature = 90.0f;
  r.MaxTemperature = -90.0f;
  r.ActivationEnergy = nan;
  r.SolventAbsorption[400] = nan;
  r.SoluteAbsorption[300] = -inf;
  r.FluorescenceSpectrum[500] = 1e38f;
  r.SamplePrepared.Byte = 0xFF;
  r.CurrentMeasurement = huge;
  r.AnalysisSaved[2].Byte = 0x80;
  r.StockFlaskIndex = -5;
  r.AliquotIndex = 1000;
  r.DilutionFlaskIndex = huge;
  r.StockVolume = nan;
  r.SampleConcentration = inf;
  r.PromptCounts[1][1] = lowest;
  r.DecayCounts[1][4096] = huge;
  r.DecayCounts[2][2000] = -1;
  r.ExcitationWavelength = 999999;
  r.ExcitationBandpass = 99;
  r.ExcitationFilter = -1;
  r.EmissionWavelength = lowest;
  r.EmissionFilter = 6;
  r.SampleTemperature = lowest;
  r.TacRange = 0;
  r.RangeMultiplier = 4;
  r.DelaySide = 3;
  r.DetectorIndex = 4;
  r.LampIndex = 9;
  r.LampFrequency = -1;
  r.RateMeterSource = 5;
  r.AnaBackgroundLow[1] = 4000;
  r.AnaDecayHigh[1] = 5000;
  r.AnaTimeCalibration[1] = nan;
  r.AnaLifetime[1] = -inf;
  r.AnaChiSquared[1] = inf;
  r.AnaFittedCurve[1][100] = nan;
  r.AnaResiduals[1][100] = -inf;
  r.LastBackgroundLow = 0;
  r.LastDecayHigh = huge;
  r.LastTimeCalibration = -1.0f;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  SeedRandom(1);

  FillCreatedSession("SEED");
  CopySystemSpectra(Session, 1);
  Write(folder / "created.qlx", Session, SessionRecordSize);

  Session.SamplePrepared = true;
  Session.SampleWeight = 10.3f;
  Session.StockFlaskIndex = 2;
  Session.StockVolume = 100.0f;
  Session.AliquotIndex = 3;
  Session.DilutionFlaskIndex = 4;
  Session.DilutionVolume = 250.0f;
  Session.SampleConcentration = 1.0f / Session.SoluteAbsorption[340];
  RecordMeasurement(1, Session);
  RecordMeasurement(2, Session);
  AnalyseMeasurement(1, Session);
  Session.CurrentMeasurement = 2;
  Write(folder / "worked.qlx", Session, SessionRecordSize);
  Write(folder / "truncated.qlx", Session, TruncatedSize);

  Damage(Session);
  Write(folder / "damaged.qlx", Session, SessionRecordSize);
  return 0;
}
