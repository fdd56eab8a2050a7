#pragma once

#include <string>
#include <string_view>

#include "session/indexed_array.h"
#include "session/session_record.h"

// The export report: a plain-text account of a session for a spreadsheet or a write-up. Lines end
// in carriage return and line feed; texts are the record's 8-bit Latin-1 bytes as they stand.
//
//   Qelti - Vostrelin Experiment
//   (empty)
//   Report  : <date and time>.
//   Session : <reference>
//   Student : <names>
//   (empty)
//   then the chosen blocks, each a heading, a column line, comma-separated rows and an empty
//   line: the sample spectra (200..800 nm), and per measurement 1..10 its prompt and decay
//   (channels 1..4095) and its analysis (AnaDecayLow..AnaDecayHigh).

// The sections to include.
struct ReportSelection {
  bool Sample = false;
  OneBased<bool, MeasurementCount> Prompt{};
  OneBased<bool, MeasurementCount> Decay{};
  OneBased<bool, MeasurementCount> Analysis{};
};

// A float32 as the report writes it: 16 characters, ten significant digits of the stored value,
// a blank or "-", one digit, ".", nine digits, "E", the exponent's sign and two digits
// (" 1.000000015E-01"). Zero of either sign is " 0.000000000E+00". A value that is no number
// (only in a damaged file) is right-aligned in the same 16 characters: "NaN", "Inf", "-Inf".
std::string ReportFloat(float value);

// The whole report. The date and time text is the caller's (local time in the user's format);
// it is written as given, followed by a full stop.
std::string SessionReportText(const TSessionRecord& record, const ReportSelection& selection,
                              std::string_view dateTime);

// Creates or replaces the file at the path with the report. The report is written beside the
// target first and moved over it only once complete, so a failure leaves neither a partial
// report nor a damaged earlier file; a read-only file is never replaced. True when written.
bool WriteSessionReport(const std::string& path, std::string_view report);
