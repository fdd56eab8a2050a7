#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/session_parameters.h"
#include "session/indexed_array.h"

// The supervisor's plain-text record of a created session: Sessions/<reference>.txt, sixteen
// lines ended by carriage return and line feed, each entry behind a label padded to 37
// characters and ": ". Texts are 8-bit Latin-1, written as they stand.

struct SessionTextRecordEntries {
  std::string Reference;  // in full, even beyond the 32 characters the session file keeps
  std::string Password;
  std::string StudentNames;
  std::string SystemName;
  OneBased<std::string, ParameterCount> Parameters;  // as the fields show them, e.g. "  1.00"
};

// The record's text, all sixteen lines.
std::string SessionTextRecordText(const SessionTextRecordEntries& entries);

// Sessions/<reference>.txt; none for a reference that cannot name a file there.
std::optional<std::string> SessionTextRecordFileName(std::string_view reference);

// Creates or replaces the text record named by the entries' reference; false when it could not
// be written completely.
bool WriteSessionTextRecord(const SessionTextRecordEntries& entries);
