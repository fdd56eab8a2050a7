#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/session_text_record.h"
#include "support/scratch_folder.h"
#include "support/system1_text_record.h"

namespace {

SessionTextRecordEntries System1Defaults() {
  return {"ABC",
          "secret",
          "A. Student",
          "AMMA/PMMA in Toluene",
          {{"276.33", "  1.00", "  1.00", "  1.00", "  5.77", " 20.00", " 60.00", "  6.21"}}};
}

std::string FileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(SessionTextRecord, SixteenLinesWithLabelsPaddedTo37) {
  EXPECT_EQ(SessionTextRecordText(System1Defaults()), System1TextRecord);
}

TEST(SessionTextRecord, IsNamedByTheWholeReference) {
  const std::string forty(40, 'R');
  EXPECT_EQ(SessionTextRecordFileName(forty), "Sessions/" + forty + ".txt");
  for (const char* refused : {"", ".", "..", "A/B", "A\\B", "A\x01"})
    EXPECT_FALSE(SessionTextRecordFileName(refused).has_value()) << refused;
}

TEST(SessionTextRecord, WritesOrReplacesTheFileInTheSessionsFolder) {
  ScratchFolder folder;
  SessionTextRecordEntries entries = System1Defaults();
  entries.Reference = std::string(40, 'R');
  entries.StudentNames = "A much longer list of student names than the next one";
  ASSERT_TRUE(WriteSessionTextRecord(entries));
  entries.StudentNames = "B";
  ASSERT_TRUE(WriteSessionTextRecord(entries));  // a shorter record leaves nothing behind
  EXPECT_EQ(FileText(folder.Path() / "Sessions" / (entries.Reference + ".txt")),
            SessionTextRecordText(entries));
}

TEST(SessionTextRecord, ReportsAFileThatCannotBeWritten) {
  ScratchFolder folder(/*withSessionsFolder=*/false);
  EXPECT_FALSE(WriteSessionTextRecord(System1Defaults()));
}

TEST(SessionTextRecord, NeverWritesOutsideTheSessionsFolder) {
  ScratchFolder folder;
  SessionTextRecordEntries unsafe = System1Defaults();
  unsafe.Reference = "../ABC";
  EXPECT_FALSE(WriteSessionTextRecord(unsafe));
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "ABC.txt"));
}
