#include "model/session_text_record.h"

#include <cstdio>

#include "model/session_creation.h"
#include "session/session_file.h"

namespace {

constexpr std::size_t LabelWidth = 37;

std::string Line(std::string_view text) {
  return std::string(text) + "\r\n";
}

std::string Entry(std::string_view label, std::string_view value) {
  std::string line(label);
  line.resize(LabelWidth, ' ');
  return Line(line + ": " + std::string(value));
}

// The labels of the parameter lines, in parameter order.
constexpr OneBased<const char*, ParameterCount> ParameterLabels{{
    "Molecular weight",
    "Percentage of fluorophore in polymer",
    "Absorption scaling factor",
    "Fluorescence quantum yield",
    "Fluorescence lifetime in nanoseconds",
    "Minimum temperature in degC",
    "Maximum temperature in degC",
    "Activation energy in kilojoules/mole",
}};

}  // namespace

std::string SessionTextRecordText(const SessionTextRecordEntries& entries) {
  std::string text = Line(SessionSignature) + Line("");
  text += Entry("Session reference", entries.Reference);
  text += Entry("Password", entries.Password);
  text += Entry("Student names", entries.StudentNames);
  text += Line("");
  text += Entry("System", entries.SystemName);
  for (int parameter = 1; parameter <= ParameterCount; ++parameter)
    text += Entry(ParameterLabels[parameter], entries.Parameters[parameter]);
  return text + Line("");
}

std::optional<std::string> SessionTextRecordFileName(std::string_view reference) {
  if (!IsUsableReference(reference)) return std::nullopt;
  return std::string(SessionFolder) + "/" + std::string(reference) + ".txt";
}

bool WriteSessionTextRecord(const SessionTextRecordEntries& entries) {
  const auto path = SessionTextRecordFileName(entries.Reference);
  if (!path) return false;
  std::FILE* file = std::fopen(path->c_str(), "wb");
  if (file == nullptr) return false;
  const std::string text = SessionTextRecordText(entries);
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}
