#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "catalogue/fluorophore_catalogue.h"
#include "model/parameter_text.h"
#include "model/session_creation.h"
#include "model/session_parameters.h"
#include "session/session_record.h"

namespace {

std::unique_ptr<TSessionRecord> ZeroRecord() {
  return std::make_unique<TSessionRecord>();  // value-initialised: all zero
}

}  // namespace

TEST(AcceptParameter, BoundsAreInclusiveAsTyped) {
  const struct {
    int parameter;
    const char* text;
    bool accepted;
  } cases[] = {
      {1, "50", true},   {1, "49.99", false},   {1, "500.0", true}, {1, "500.01", false},
      {2, "0.2", true},  {2, "0.19", false},    {2, "2.0", true},   {2, "2.01", false},
      {3, "0.2", true},  {3, "0.19", false},    {3, "2", true},     {3, "2.01", false},
      {4, "0.1", true},  {4, "0.09", false},    {4, "1.0", true},   {4, "1.01", false},
      {5, "0.5", true},  {5, "0.49", false},    {5, "50.0", true},  {5, "50.01", false},
      {6, "-100", true}, {6, "-100.01", false}, {6, "100.0", true}, {6, "100.01", false},
      {8, "1.0", true},  {8, "0.99", false},    {8, "10", true},    {8, "10.01", false},
      {1, "abc", false}, {6, "2O", false},      {8, "5 ", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.parameter) + " " + c.text);
    auto record = ZeroRecord();
    float& field = record.get()->*ParameterRules()[c.parameter].Field;
    field = 123.0f;
    EXPECT_EQ(AcceptParameter(*record, c.parameter, c.text).has_value(), c.accepted);
    // Stored only when accepted; a refused text leaves the field as it was.
    EXPECT_EQ(field, c.accepted ? *ReadParameterNumber(c.text) : 123.0f);
  }
}

TEST(AcceptParameter, MaximumTemperatureIsCheckedAgainstTheStoredMinimum) {
  auto record = ZeroRecord();
  record->MinTemperature = 30.0f;
  EXPECT_TRUE(AcceptParameter(*record, 7, "30"));  // equal to the minimum
  EXPECT_FALSE(AcceptParameter(*record, 7, "29.99"));
  EXPECT_FALSE(AcceptParameter(*record, 7, "-100"));
  EXPECT_TRUE(AcceptParameter(*record, 7, "100"));
  EXPECT_FALSE(AcceptParameter(*record, 7, "100.01"));
  record->MinTemperature = -100.0f;
  EXPECT_TRUE(AcceptParameter(*record, 7, "-100"));
  EXPECT_EQ(record->MaxTemperature, -100.0f);
}

TEST(ParameterRules, FollowTheRecordFieldsWithTheirMessages) {
  const struct {
    float TSessionRecord::*field;
    const char* message;
  } expected[] = {
      {&TSessionRecord::MolecularWeight, "Invalid molecular weight."},
      {&TSessionRecord::FluorophorePercent, "Invalid percentage."},
      {&TSessionRecord::AbsorptionScaling, "Invalid absorption."},
      {&TSessionRecord::QuantumYield, "Invalid quantum yield."},
      {&TSessionRecord::LifetimeAtMinTemp, "Invalid lifetime."},
      {&TSessionRecord::MinTemperature, "Invalid temperature."},
      {&TSessionRecord::MaxTemperature, "Invalid temperature."},
      {&TSessionRecord::ActivationEnergy, "Invalid activation energy."},
  };
  int parameter = 1;
  for (const auto& e : expected) {
    SCOPED_TRACE(parameter);
    EXPECT_TRUE(ParameterRules()[parameter].Field == e.field);
    EXPECT_STREQ(ParameterRules()[parameter].Message, e.message);
    ++parameter;
  }
}

TEST(ParameterRules, DefaultsOfSystem2AsShown) {
  const OneBased<const char*, ParameterCount> shown{
      {"152.19", "  1.00", "  1.00", "  1.00", " 17.10", " 20.00", " 60.00", "  5.25"}};
  for (int parameter = 1; parameter <= ParameterCount; ++parameter)
    EXPECT_EQ(FormatParameter(ParameterRules()[parameter].Default(2)), shown[parameter]);
}

TEST(ParameterRules, EverySystemsDefaultsPassTheirOwnChecks) {
  for (int system = 1; system <= SystemCount(); ++system) {
    auto record = ZeroRecord();
    for (int parameter = 1; parameter <= ParameterCount; ++parameter) {
      const std::string shown = FormatParameter(ParameterRules()[parameter].Default(system));
      EXPECT_TRUE(AcceptParameter(*record, parameter, shown)) << system << " " << parameter;
    }
  }
}

TEST(IsUsableReference, RefusesWhatCannotNameAFileInTheSessionsFolder) {
  const struct {
    std::string reference;
    bool usable;
  } cases[] = {
      {"ABC", true},       {" ", true},      {"A B", true},   {"...", true},
      {"\xC9T\xC9", true}, {"", false},      {"A/B", false},  {"A\\B", false},
      {".", false},        {"..", false},    {"/", false},    {"A\tB", false},
      {"A\nB", false},     {"A\x7F", false}, {"\x85", false}, {std::string(1, '\0'), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reference);
    EXPECT_EQ(IsUsableReference(c.reference), c.usable);
  }
}

TEST(CopySystemSpectra, TakesTheSystemsFluorophoreAndSolvent) {
  for (int system = 1; system <= SystemCount(); ++system) {
    auto record = ZeroRecord();
    CopySystemSpectra(*record, system);
    const int fluorophore = SystemFluorophore(system);
    const int solvent = SystemSolvent(system);
    for (int wavelength = FirstWavelength; wavelength <= LastWavelength; ++wavelength) {
      ASSERT_EQ(record->SolventAbsorption[wavelength], SolventSpectrum(solvent, wavelength));
      ASSERT_EQ(record->SoluteAbsorption[wavelength],
                FluorophoreAbsorption(fluorophore, wavelength));
      ASSERT_EQ(record->FluorescenceSpectrum[wavelength],
                FluorophoreEmission(fluorophore, wavelength));
    }
  }
  auto record = ZeroRecord();
  CopySystemSpectra(*record, 1);
  EXPECT_EQ(record->SoluteAbsorption[359], 32240.0f);
  EXPECT_EQ(record->SolventAbsorption[200], 2.0f);
}
