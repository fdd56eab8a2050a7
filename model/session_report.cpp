#include "model/session_report.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::size_t FloatWidth = 16;
constexpr int LastReportedChannel =
    ChannelCount - 1;  // the analyser's overflow channel is left out

void AddLine(std::string& text, std::string_view line) {
  text += line;
  text += "\r\n";
}

void AddInteger(std::string& text, long long value) {
  std::array<char, 24> digits;
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  text.append(digits.data(), end);
}

void AddFloatColumn(std::string& text, float value) {
  text += ',';
  text += ReportFloat(value);
}

std::string RightAligned(std::string_view word) {
  return std::string(FloatWidth - word.size(), ' ') + std::string(word);
}

void AddSampleBlock(std::string& text, const TSessionRecord& record) {
  AddLine(text, "Sample spectra:");
  AddLine(text, "wavelength,solvent absorption,solute absorption,fluorescence");
  for (int wavelength = FirstWavelength; wavelength <= LastWavelength; ++wavelength) {
    AddInteger(text, wavelength);
    AddFloatColumn(text, record.SolventAbsorption[wavelength]);
    AddFloatColumn(text, record.SoluteAbsorption[wavelength]);
    AddFloatColumn(text, record.FluorescenceSpectrum[wavelength]);
    AddLine(text, "");
  }
  AddLine(text, "");
}

void AddHeading(std::string& text, std::string_view title, int m) {
  text += title;
  text += ' ';
  AddInteger(text, m);
  AddLine(text, ":");
}

void AddHistogramBlock(std::string& text, std::string_view title, int m, const Histogram& counts) {
  AddHeading(text, title, m);
  AddLine(text, "channel,count");
  for (int channel = 1; channel <= LastReportedChannel; ++channel) {
    AddInteger(text, channel);
    text += ',';
    AddInteger(text, counts[channel]);
    AddLine(text, "");
  }
  AddLine(text, "");
}

// Rows of the saved fitted range; a range reaching past the channels (damaged file) is cut to
// them, and a range whose high end lies below its low end has no rows.
void AddAnalysisBlock(std::string& text, int m, const TSessionRecord& record) {
  AddHeading(text, "Analysis", m);
  AddLine(text, "channel,fitted function,residuals");
  const int low = std::max(record.AnaDecayLow[m], 1);
  const int high = std::min(record.AnaDecayHigh[m], ChannelCount);
  for (int channel = low; channel <= high; ++channel) {
    AddInteger(text, channel);
    AddFloatColumn(text, record.AnaFittedCurve[m][channel]);
    AddFloatColumn(text, record.AnaResiduals[m][channel]);
    AddLine(text, "");
  }
  AddLine(text, "");
}

// The report is about 2.4 MB with every section; reserving avoids repeated copying.
std::size_t ExpectedSize(const ReportSelection& selection) {
  constexpr std::size_t SampleBlock = 64 * 610;
  constexpr std::size_t HistogramBlock = 24 * ChannelCount;
  constexpr std::size_t AnalysisBlock = 40 * ChannelCount;
  std::size_t size = 256 + (selection.Sample ? SampleBlock : 0);
  for (int m = 1; m <= MeasurementCount; ++m) {
    size += selection.Prompt[m] ? HistogramBlock : 0;
    size += selection.Decay[m] ? HistogramBlock : 0;
    size += selection.Analysis[m] ? AnalysisBlock : 0;
  }
  return size;
}

bool IsReadOnly(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(status)) return false;
  return (status.permissions() & std::filesystem::perms::owner_write) ==
         std::filesystem::perms::none;
}

// A new file beside the target that did not exist before (so no file of the user's is ever
// overwritten by the draft); its name is returned through `draftPath`.
std::FILE* CreateDraft(const std::string& path, std::string& draftPath) {
  constexpr int Attempts = 100;
  for (int attempt = 0; attempt < Attempts; ++attempt) {
    draftPath = path + ".part" + (attempt == 0 ? std::string() : std::to_string(attempt));
    if (std::FILE* file = std::fopen(draftPath.c_str(), "wbx")) return file;
    std::error_code error;
    if (!std::filesystem::exists(draftPath, error)) return nullptr;  // the folder refuses it
  }
  return nullptr;
}

}  // namespace

std::string ReportFloat(float value) {
  if (std::isnan(value)) return RightAligned("NaN");
  if (std::isinf(value)) return RightAligned(value < 0 ? "-Inf" : "Inf");
  if (value == 0.0f) value = 0.0f;  // no "-" for negative zero
  // to_chars, unlike printf, ignores the locale the windowing toolkit sets, so the point stays
  // "."; the float widens to double exactly, so the digits are those of the stored value.
  std::array<char, 32> digits;
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                 static_cast<double>(value), std::chars_format::scientific, 9)
                       .ptr;
  std::string text(value < 0 ? "" : " ");
  text.append(digits.data(), end);
  // float32 magnitudes lie between 1.4E-45 and 3.4E+38: the exponent always has two digits.
  std::replace(text.begin(), text.end(), 'e', 'E');
  return text;
}

std::string SessionReportText(const TSessionRecord& record, const ReportSelection& selection,
                              std::string_view dateTime) {
  std::string text;
  text.reserve(ExpectedSize(selection));
  AddLine(text, "Qelti - Vostrelin Experiment");
  AddLine(text, "");
  AddLine(text, "Report  : " + std::string(dateTime) + ".");
  AddLine(text, "Session : " + record.SessionReference.Text());
  AddLine(text, "Student : " + record.StudentNames.Text());
  AddLine(text, "");
  if (selection.Sample) AddSampleBlock(text, record);
  for (int m = 1; m <= MeasurementCount; ++m) {
    if (selection.Prompt[m]) AddHistogramBlock(text, "Prompt", m, record.PromptCounts[m]);
    if (selection.Decay[m]) AddHistogramBlock(text, "Decay", m, record.DecayCounts[m]);
    if (selection.Analysis[m]) AddAnalysisBlock(text, m, record);
  }
  return text;
}

bool WriteSessionReport(const std::string& path, std::string_view report) {
  if (path.empty() || IsReadOnly(path)) return false;
  std::string draftPath;
  std::FILE* draft = CreateDraft(path, draftPath);
  if (draft == nullptr) return false;
  const bool written = std::fwrite(report.data(), 1, report.size(), draft) == report.size();
  const bool closed = std::fclose(draft) == 0;
  if (!written || !closed || std::rename(draftPath.c_str(), path.c_str()) != 0) {
    std::remove(draftPath.c_str());
    return false;
  }
  return true;
}
