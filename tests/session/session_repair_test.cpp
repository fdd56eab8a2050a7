#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>

#include "session/session_file.h"
#include "session/session_record.h"
#include "session/session_repair.h"
#include "support/created_session.h"
#include "support/scratch_folder.h"

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Infinity = std::numeric_limits<float>::infinity();

// A valid session as the program creates and uses it.
std::unique_ptr<TSessionRecord> ValidRecord() {
  auto record = std::make_unique<TSessionRecord>();
  std::memset(record.get(), 0, sizeof(TSessionRecord));
  std::swap(*record, Session);
  FillCreatedSession("VALID");
  Session.SolventAbsorption[250] = 2.0f;
  Session.CurrentMeasurement = 10;
  Session.LampIndex = 8;
  Session.LampFrequency = 5000;
  Session.ExcitationWavelength = 8000;
  Session.AnaBackgroundLow[10] = 4093;
  Session.AnaBackgroundHigh[10] = 4094;
  Session.AnaDecayLow[10] = 4095;
  Session.AnaDecayHigh[10] = 4096;
  Session.PromptCounts[1][1] = std::numeric_limits<std::int32_t>::max();
  Session.AnaResiduals[3][7] = -4.5f;
  Session.PromptRecorded[2].Byte = 7;  // any non-zero byte reads as true, and stays as it is
  std::swap(*record, Session);
  return record;
}

TEST(SessionRepair, ValuesInRangeAreKeptBitForBit) {
  const auto valid = ValidRecord();
  auto repaired = std::make_unique<TSessionRecord>(*valid);
  BringIntoRange(*repaired);
  EXPECT_EQ(std::memcmp(repaired.get(), valid.get(), sizeof(TSessionRecord)), 0);
}

struct RepairCase {
  const char* what;
  std::function<void(TSessionRecord&)> damage;
  std::function<bool(const TSessionRecord&)> repaired;
};

TEST(SessionRepair, DamagedValuesAreBroughtIntoRange) {
  const RepairCase cases[] = {
      {"measurement 0", [](auto& r) { r.CurrentMeasurement = 0; },
       [](auto& r) { return r.CurrentMeasurement == 1; }},
      {"measurement 99", [](auto& r) { r.CurrentMeasurement = 99; },
       [](auto& r) { return r.CurrentMeasurement == 10; }},
      {"system 3", [](auto& r) { r.SystemNumber = 3; },
       [](auto& r) { return r.SystemNumber == 2; }},
      {"lamp 9", [](auto& r) { r.LampIndex = 9; }, [](auto& r) { return r.LampIndex == 8; }},
      {"lamp -5", [](auto& r) { r.LampIndex = -5; }, [](auto& r) { return r.LampIndex == 1; }},
      {"bandpass 7", [](auto& r) { r.EmissionBandpass = 7; },
       [](auto& r) { return r.EmissionBandpass == 6; }},
      {"filter 0", [](auto& r) { r.ExcitationFilter = 0; },
       [](auto& r) { return r.ExcitationFilter == 1; }},
      {"detector 4", [](auto& r) { r.DetectorIndex = 4; },
       [](auto& r) { return r.DetectorIndex == 3; }},
      {"TAC range, multiplier, side, rate meter",
       [](auto& r) {
         r.TacRange = 4;
         r.RangeMultiplier = 0;
         r.DelaySide = 3;
         r.RateMeterSource = 5;
       },
       [](auto& r) {
         return r.TacRange == 3 && r.RangeMultiplier == 1 && r.DelaySide == 2 &&
                r.RateMeterSource == 4;
       }},
      {"frequency 0", [](auto& r) { r.LampFrequency = 0; },
       [](auto& r) { return r.LampFrequency == 1; }},
      {"wavelength between whole nm", [](auto& r) { r.EmissionWavelength = 3456; },
       [](auto& r) { return r.EmissionWavelength == 3460; }},
      {"wavelength below 200 nm", [](auto& r) { r.ExcitationWavelength = -1; },
       [](auto& r) { return r.ExcitationWavelength == 2000; }},
      {"flask and aliquot choices",
       [](auto& r) {
         r.StockFlaskIndex = 5;
         r.AliquotIndex = -1;
         r.DilutionFlaskIndex = 100;
       },
       [](auto& r) {
         return r.StockFlaskIndex == 4 && r.AliquotIndex == 0 && r.DilutionFlaskIndex == 4;
       }},
      {"text length byte 200", [](auto& r) { r.StudentNames.Length = 200; },
       [](auto& r) { return r.StudentNames.Length == 32; }},
      {"analysis ranges out of order",
       [](auto& r) {
         r.AnaBackgroundLow[4] = 10;
         r.AnaBackgroundHigh[4] = 5;
       },
       [](auto& r) {
         return r.AnaBackgroundLow[4] == 1 && r.AnaBackgroundHigh[4] == 2 &&
                r.AnaDecayLow[4] == 3 && r.AnaDecayHigh[4] == 4;
       }},
      {"analysis range beyond the last channel", [](auto& r) { r.LastDecayHigh = 5000; },
       [](auto& r) { return r.LastDecayLow == 3 && r.LastDecayHigh == 4; }},
      {"NaN and infinite parameters",
       [](auto& r) {
         r.MolecularWeight = NaN;
         r.LifetimeAtMinTemp = Infinity;
         r.MinTemperature = 80.0f;
         r.MaxTemperature = 30.0f;
       },
       [](auto& r) {
         return r.MolecularWeight == 50.0f && r.LifetimeAtMinTemp == 50.0f &&
                r.MinTemperature == 80.0f && r.MaxTemperature == 80.0f;
       }},
      {"damaged spectra",
       [](auto& r) {
         r.SolventAbsorption[300] = 7.0f;
         r.SoluteAbsorption[300] = -1.0f;
         r.FluorescenceSpectrum[300] = NaN;
       },
       [](auto& r) {
         return r.SolventAbsorption[300] == 2.0f && r.SoluteAbsorption[300] == 0.0f &&
                r.FluorescenceSpectrum[300] == 0.0f;
       }},
      {"negative counts and concentration",
       [](auto& r) {
         r.DecayCounts[5][5] = -3;
         r.SampleConcentration = -1e-7f;
       },
       [](auto& r) { return r.DecayCounts[5][5] == 0 && r.SampleConcentration == 0.0f; }},
      {"non-finite analysis values",
       [](auto& r) {
         r.AnaChiSquared[2] = NaN;
         r.AnaFittedCurve[2][100] = Infinity;
         r.LastTimeCalibration = -Infinity;
       },
       [](auto& r) {
         return r.AnaChiSquared[2] == 0.0f && r.AnaFittedCurve[2][100] == 0.0f &&
                r.LastTimeCalibration == 0.0f;
       }},
  };
  for (const auto& c : cases) {
    auto record = ValidRecord();
    c.damage(*record);
    BringIntoRange(*record);
    EXPECT_TRUE(c.repaired(*record)) << c.what;
  }
}

TEST(SessionRepair, LoadingADamagedFileRepairsIt) {
  ScratchFolder folder;
  auto record = ValidRecord();
  record->CurrentMeasurement = 0;
  record->LampIndex = 9;
  std::ofstream("Sessions/VALID.qlx", std::ios::binary)
      .write(reinterpret_cast<const char*>(record.get()), sizeof(TSessionRecord));
  LoadSession("VALID");
  EXPECT_EQ(Session.SessionReference.Text(), "VALID");
  EXPECT_EQ(Session.CurrentMeasurement, 1);
  EXPECT_EQ(Session.LampIndex, 8);
}

}  // namespace
