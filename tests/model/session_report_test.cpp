#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "model/session_report.h"
#include "session/session_record.h"
#include "support/scratch_folder.h"

namespace {

const std::string DateTime = "11/12/2026 08:30:00";
const std::string Header =
    "Qelti - Vostrelin Experiment\r\n"
    "\r\n"
    "Report  : 11/12/2026 08:30:00.\r\n"
    "Session : ABC\r\n"
    "Student : A. Student\r\n"
    "\r\n";

class SessionReport : public ::testing::Test {
 protected:
  SessionReport() {
    record->SessionReference.Assign("ABC");
    record->StudentNames.Assign("A. Student");
  }

  std::string Report() const { return SessionReportText(*record, selection, DateTime); }

  // The report's lines after the header, without their line ends.
  std::vector<std::string> BodyLines() const {
    const std::string report = Report();
    EXPECT_EQ(report.substr(0, Header.size()), Header);
    std::vector<std::string> lines;
    for (std::size_t start = Header.size(); start < report.size();) {
      const std::size_t end = report.find("\r\n", start);
      EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
      if (end == std::string::npos) break;
      lines.push_back(report.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }

  std::unique_ptr<TSessionRecord> record = std::make_unique<TSessionRecord>();
  ReportSelection selection;
};

std::string FileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Sorted names of the folder's entries.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST_F(SessionReport, WithNothingChosenHoldsTheSixHeaderLines) {
  EXPECT_EQ(Report(), Header);
}

TEST_F(SessionReport, WritesA32CharacterReferenceAndNameInFull) {
  const std::string reference(32, 'R');
  const std::string names = "Anna M\xFCller and Bj\xF6rn Sj\xF6str\xF6m x";  // Latin-1, 32 bytes
  ASSERT_EQ(names.size(), 32u);
  record->SessionReference.Assign(reference);
  record->StudentNames.Assign(names);
  const std::string report = Report();
  EXPECT_NE(report.find("\r\nSession : " + reference + "\r\n"), std::string::npos);
  EXPECT_NE(report.find("\r\nStudent : " + names + "\r\n"), std::string::npos);
}

TEST_F(SessionReport, DecayBlockHoldsChannels1To4095AndOneEmptyLine) {
  for (int channel = 1; channel <= ChannelCount; ++channel)
    record->DecayCounts[2][channel] = 3 * channel - 7;
  record->PromptCounts[2][1] = 55;  // not chosen: never written
  selection.Decay[2] = true;

  std::string expected = Header + "Decay 2:\r\nchannel,count\r\n";
  for (int channel = 1; channel <= 4095; ++channel)
    expected += std::to_string(channel) + "," + std::to_string(3 * channel - 7) + "\r\n";
  expected += "\r\n";
  EXPECT_EQ(Report(), expected);
}

TEST_F(SessionReport, BlocksFollowInMeasurementOrderPromptDecayAnalysis) {
  selection.Analysis[1] = true;
  selection.Decay[1] = true;
  selection.Prompt[10] = true;
  selection.Prompt[1] = true;
  std::vector<std::string> headings;
  for (const std::string& line : BodyLines())
    if (!line.empty() && line.back() == ':') headings.push_back(line);
  EXPECT_EQ(headings,
            (std::vector<std::string>{"Prompt 1:", "Decay 1:", "Analysis 1:", "Prompt 10:"}));
}

TEST_F(SessionReport, AnalysisRowsCoverTheSavedFittedRange) {
  const struct {
    int low, high;
    std::vector<int> channels;
  } cases[] = {
      {3, 4, {3, 4}},
      {4, 3, {}},                        // high below low: no rows
      {4094, 5000, {4094, 4095, 4096}},  // damaged file: cut to the channels
      {-2, 1, {1}},
  };
  selection.Analysis[7] = true;
  for (int channel = 1; channel <= ChannelCount; ++channel) {
    record->AnaFittedCurve[7][channel] = static_cast<float>(channel);
    record->AnaResiduals[7][channel] = -0.5f;
  }
  for (const auto& c : cases) {
    record->AnaDecayLow[7] = c.low;
    record->AnaDecayHigh[7] = c.high;
    std::vector<std::string> expected = {"Analysis 7:", "channel,fitted function,residuals"};
    for (int channel : c.channels)
      expected.push_back(std::to_string(channel) + "," + ReportFloat(static_cast<float>(channel)) +
                         ",-5.000000000E-01");
    expected.push_back("");
    EXPECT_EQ(BodyLines(), expected) << c.low << ".." << c.high;
  }
}

TEST_F(SessionReport, AnalysisRowShowsFittedFunctionAndResidual) {
  selection.Analysis[3] = true;
  record->AnaDecayLow[3] = 3;
  record->AnaDecayHigh[3] = 3;
  record->AnaFittedCurve[3][3] = 1234.5f;
  record->AnaResiduals[3][3] = 0.25f;
  EXPECT_EQ(BodyLines()[2], "3, 1.234500000E+03, 2.500000000E-01");
}

TEST_F(SessionReport, SampleRowsPutABlankAfterEachCommaUnlessNegative) {
  record->SolventAbsorption[200] = 0.5f;
  record->SoluteAbsorption[200] = -2.5f;
  record->FluorescenceSpectrum[200] = 0.0f;
  record->SolventAbsorption[350] = 0.1f;
  selection.Sample = true;

  const std::vector<std::string> lines = BodyLines();
  ASSERT_EQ(lines.size(), 2u + 601u + 1u);
  EXPECT_EQ(lines[0], "Sample spectra:");
  EXPECT_EQ(lines[1], "wavelength,solvent absorption,solute absorption,fluorescence");
  EXPECT_EQ(lines[2], "200, 5.000000000E-01,-2.500000000E+00, 0.000000000E+00");
  EXPECT_EQ(lines[3], "201, 0.000000000E+00, 0.000000000E+00, 0.000000000E+00");
  EXPECT_EQ(lines[2 + 150], "350, 1.000000015E-01, 0.000000000E+00, 0.000000000E+00");
  EXPECT_EQ(lines[2 + 600].substr(0, 4), "800,");
  EXPECT_EQ(lines.back(), "");
}

TEST(ReportFloat, TenSignificantDigitsOfTheStoredFloatIn16Characters) {
  const struct {
    float value;
    const char* text;
  } cases[] = {
      {0.0f, " 0.000000000E+00"},
      {-0.0f, " 0.000000000E+00"},
      {0.1f, " 1.000000015E-01"},
      {-2.5f, "-2.500000000E+00"},
      {1.0f, " 1.000000000E+00"},
      {123456.789f, " 1.234567891E+05"},
      {FLT_MAX, " 3.402823466E+38"},
      {-FLT_MAX, "-3.402823466E+38"},
      {FLT_MIN, " 1.175494351E-38"},
      {std::numeric_limits<float>::denorm_min(), " 1.401298464E-45"},
      // Only a damaged file holds these; they keep the column's width.
      {std::numeric_limits<float>::quiet_NaN(), "             NaN"},
      {std::numeric_limits<float>::infinity(), "             Inf"},
      {-std::numeric_limits<float>::infinity(), "            -Inf"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReportFloat(c.value), c.text) << c.value;
    EXPECT_EQ(ReportFloat(c.value).size(), 16u);
  }
}

TEST(WriteSessionReport, CreatesOrReplacesTheFileLeavingNoDraft) {
  ScratchFolder folder;
  ASSERT_TRUE(WriteSessionReport("export.txt", "a much longer earlier report\r\n"));
  ASSERT_TRUE(WriteSessionReport("export.txt", "new\r\n"));
  EXPECT_EQ(FileText(folder.Path() / "export.txt"), "new\r\n");
  EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"Sessions", "export.txt"}));
}

TEST(WriteSessionReport, NeverOverwritesAFileThatLooksLikeTheDraft) {
  ScratchFolder folder;
  std::ofstream("export.txt.part") << "the user's own file";
  ASSERT_TRUE(WriteSessionReport("export.txt", "report\r\n"));
  EXPECT_EQ(FileText(folder.Path() / "export.txt.part"), "the user's own file");
  EXPECT_EQ(FolderEntries(folder.Path()),
            (std::vector<std::string>{"Sessions", "export.txt", "export.txt.part"}));
}

TEST(WriteSessionReport, FailsAndLeavesNothingWhenTheFolderCannotTakeIt) {
  ScratchFolder folder;
  EXPECT_FALSE(WriteSessionReport("missing/export.txt", "report\r\n"));
  EXPECT_FALSE(WriteSessionReport("", "report\r\n"));
  // The target is a folder: the draft is written, but cannot take the folder's place.
  std::filesystem::create_directory("export.txt");
  std::ofstream("export.txt/inside") << "kept";
  EXPECT_FALSE(WriteSessionReport("export.txt", "report\r\n"));
  EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"Sessions", "export.txt"}));
  EXPECT_EQ(FileText(folder.Path() / "export.txt" / "inside"), "kept");
}

TEST(WriteSessionReport, LeavesAReadOnlyFileAsItWas) {
  ScratchFolder folder;
  std::ofstream("export.txt") << "earlier report";
  std::filesystem::permissions("export.txt", std::filesystem::perms::owner_read);
  EXPECT_FALSE(WriteSessionReport("export.txt", "report\r\n"));
  EXPECT_EQ(FileText(folder.Path() / "export.txt"), "earlier report");
  EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"Sessions", "export.txt"}));
}
