#include "model/session_parameters.h"

#include "catalogue/checked_lookup.h"
#include "catalogue/fluorophore_catalogue.h"
#include "model/parameter_text.h"

namespace {

using R = TSessionRecord;

const OneBased<ParameterRule, ParameterCount> Rules{{
    {&R::MolecularWeight, 50.0f, 500.0f, "Invalid molecular weight.", DefaultMolecularWeight,
     nullptr},
    {&R::FluorophorePercent, 0.2f, 2.0f, "Invalid percentage.", DefaultFluorophorePercent, nullptr},
    {&R::AbsorptionScaling, 0.2f, 2.0f, "Invalid absorption.", DefaultAbsorptionScaling, nullptr},
    {&R::QuantumYield, 0.1f, 1.0f, "Invalid quantum yield.", DefaultQuantumYield, nullptr},
    {&R::LifetimeAtMinTemp, 0.5f, 50.0f, "Invalid lifetime.", DefaultLifetime, nullptr},
    {&R::MinTemperature, -100.0f, 100.0f, "Invalid temperature.", DefaultMinTemperature, nullptr},
    {&R::MaxTemperature, -100.0f, 100.0f, "Invalid temperature.", DefaultMaxTemperature,
     &R::MinTemperature},
    {&R::ActivationEnergy, 1.0f, 10.0f, "Invalid activation energy.", DefaultActivationEnergy,
     nullptr},
}};

}  // namespace

const OneBased<ParameterRule, ParameterCount>& ParameterRules() {
  return Rules;
}

std::optional<float> AcceptParameter(TSessionRecord& record, int parameter, std::string_view text) {
  const ParameterRule& rule = CheckedAt(Rules, parameter, "parameter");
  const std::optional<float> value = ReadParameterNumber(text);
  if (!value) return std::nullopt;
  const float low = rule.LowField != nullptr ? record.*rule.LowField : rule.Low;
  if (!(*value >= low && *value <= rule.High)) return std::nullopt;
  record.*rule.Field = *value;
  return value;
}
