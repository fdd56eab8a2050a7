#pragma once

#include <optional>
#include <string_view>

#include "session/indexed_array.h"
#include "session/session_record.h"

// The eight physical parameters a supervisor sets for a session, numbered 1..8 in the order of
// the session record fields MolecularWeight..ActivationEnergy.

constexpr int ParameterCount = 8;

struct ParameterRule {
  float TSessionRecord::*Field;  // where the accepted value is stored
  float Low;                     // inclusive bounds, as 4-byte floats
  float High;
  const char* Message;              // shown when the typed text is refused
  float (*Default)(int system);     // the catalogue's proposal for a system
  float TSessionRecord::*LowField;  // when set, the lower bound is this field's stored value
};

// The parameters in order, with their ranges: molecular weight 50..500 g/mol, percentage by
// weight 0.2..2, absorption scaling 0.2..2, quantum yield 0.1..1, lifetime 0.5..50 ns,
// minimum temperature -100..100 degC, maximum temperature from the minimum to 100 degC,
// activation energy 1..10 kJ/mol.
const OneBased<ParameterRule, ParameterCount>& ParameterRules();

// Reads the typed text of a parameter and checks it against its range (the maximum
// temperature against the minimum temperature the record holds). When it passes, the value
// is stored in its record field and returned; otherwise the record is left as it was.
std::optional<float> AcceptParameter(TSessionRecord& record, int parameter, std::string_view text);
