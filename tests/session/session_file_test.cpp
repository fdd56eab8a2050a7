#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "session/session_file.h"
#include "session/session_record.h"
#include "session/user_message.h"
#include "support/created_session.h"
#include "support/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <typename T>
T At(const std::vector<unsigned char>& bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

bool SameBytes(const TSessionRecord& a, const TSessionRecord& b) {
  return std::memcmp(&a, &b, sizeof(TSessionRecord)) == 0;
}

// Each test starts from a zeroed Session in a scratch working directory and records what the
// user would have been told.
class SessionFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&Session, 0, sizeof Session);
    SetUserMessageHandler([this](const std::string& text) { messages.push_back(text); });
  }
  void TearDown() override { SetUserMessageHandler(nullptr); }

  // A created session with a spectrum value to find in the file.
  static void CreateSession(const std::string& reference) {
    FillCreatedSession(reference);
    Session.FluorescenceSpectrum[450] = 0.25f;
  }

  ScratchFolder folder;
  std::vector<std::string> messages;
};

TEST_F(SessionFileTest, CreatedFileHasTheRecordLayoutAndResetValues) {
  CreateSession("ABC");
  ASSERT_TRUE(SaveSession());
  const auto bytes = FileBytes("Sessions/ABC.qlx");
  ASSERT_EQ(bytes.size(), 663188u);
  EXPECT_EQ(bytes[0], 28);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 29), "Qelti - Vostrelin Experiment");
  EXPECT_EQ(bytes[33], 3);
  EXPECT_EQ(std::string(bytes.begin() + 34, bytes.begin() + 37), "ABC");
  EXPECT_EQ(At<float>(bytes, 4976 + (450 - 200) * 4), 0.25f);
  EXPECT_EQ(At<std::int32_t>(bytes, 7384), 1);  // CurrentMeasurement
  for (std::size_t offset = 7388; offset < 7418; ++offset) EXPECT_EQ(bytes[offset], 0);
  EXPECT_EQ(At<std::int32_t>(bytes, 335128), 2000);  // ExcitationWavelength
  EXPECT_EQ(At<std::int32_t>(bytes, 335144), 2000);  // EmissionWavelength
  EXPECT_EQ(At<std::int32_t>(bytes, 335160), 2000);  // SampleTemperature
  EXPECT_EQ(At<std::int32_t>(bytes, 335196), 1000);  // LampFrequency
  EXPECT_EQ(At<std::int32_t>(bytes, 335204), 1);     // RateMeterSource
  for (int m = 0; m < 10; ++m) {
    EXPECT_EQ(At<std::int32_t>(bytes, 335208 + 4 * m), 1);
    EXPECT_EQ(At<std::int32_t>(bytes, 335248 + 4 * m), 2);
    EXPECT_EQ(At<std::int32_t>(bytes, 335288 + 4 * m), 3);
    EXPECT_EQ(At<std::int32_t>(bytes, 335328 + 4 * m), 4);
  }
  EXPECT_EQ(At<std::int32_t>(bytes, 663168), 1);
  EXPECT_EQ(At<std::int32_t>(bytes, 663180), 4);
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(fs::exists("Sessions/ABC.qlx.tmp"));
}

TEST_F(SessionFileTest, TwoDimensionalArraysAreStoredMeasurementByMeasurement) {
  CreateSession("GRID");
  Session.PromptCounts[2][3] = 77;
  Session.DecayCounts[10][4096] = 88;
  Session.AnaResiduals[1][1] = -1.5f;
  ASSERT_TRUE(SaveSession());
  const auto bytes = FileBytes("Sessions/GRID.qlx");
  EXPECT_EQ(At<std::int32_t>(bytes, 7448 + ((2 - 1) * 4096 + (3 - 1)) * 4), 77);
  EXPECT_EQ(At<std::int32_t>(bytes, 171288 + ((10 - 1) * 4096 + (4096 - 1)) * 4), 88);
  EXPECT_EQ(At<float>(bytes, 499328), -1.5f);
}

TEST_F(SessionFileTest, RoundTripIsBitForBit) {
  CreateSession("ROUND");
  Session.SamplePrepared = true;
  Session.CurrentMeasurement = 7;
  Session.DecayRecorded[7] = true;
  Session.SampleConcentration = 3.3e-7f;
  Session.PromptCounts[7][100] = 123456;
  Session.AnaFittedCurve[7][50] = 1.25f;
  Session.AnaDecayLow[7] = 300;
  Session.AnaDecayHigh[7] = 4000;
  Session.LampIndex = 8;
  Session.LampFrequency = 5000;
  ASSERT_TRUE(SaveSession());
  auto saved = std::make_unique<TSessionRecord>(Session);

  std::memset(&Session, 0, sizeof Session);
  LoadSession("ROUND");
  EXPECT_TRUE(SameBytes(Session, *saved));
}

TEST_F(SessionFileTest, LongTextsKeepTheirFirst32Characters) {
  const std::string reference = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD";  // 40 characters
  CreateSession(reference);
  EXPECT_EQ(Session.SessionReference.Text(), reference.substr(0, 32));
  ASSERT_TRUE(SaveSession());
  EXPECT_TRUE(fs::exists("Sessions/" + reference.substr(0, 32) + ".qlx"));
}

TEST_F(SessionFileTest, FilesThatAreNotOneRecordLeaveSessionUnchanged) {
  CreateSession("GOOD");
  ASSERT_TRUE(SaveSession());
  auto before = std::make_unique<TSessionRecord>(Session);
  const auto good = FileBytes("Sessions/GOOD.qlx");

  const struct {
    const char* name;
    std::size_t size;
  } cases[] = {{"EMPTY", 0}, {"SHORT", 663187}, {"LONG", 663189}};
  for (const auto& c : cases) {
    std::vector<unsigned char> bytes(good);
    bytes.resize(c.size, 0xFF);
    std::ofstream(std::string("Sessions/") + c.name + ".qlx", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    LoadSession(c.name);
    EXPECT_TRUE(SameBytes(Session, *before)) << c.name;
  }
  LoadSession("MISSING");
  EXPECT_TRUE(SameBytes(Session, *before));
  EXPECT_TRUE(messages.empty());
}

TEST_F(SessionFileTest, ReferencesThatLeaveTheSessionFolderNeverReachTheFileSystem) {
  const std::string references[] = {"../ESCAPE", "A/B", "A\\B", ".", "..", std::string("A\0B", 3)};
  for (const std::string& reference : references) {
    EXPECT_FALSE(SessionFileName(reference).has_value()) << reference;
    CreateSession(reference);
    auto before = std::make_unique<TSessionRecord>(Session);
    messages.clear();
    EXPECT_FALSE(SaveSession()) << reference;
    EXPECT_EQ(messages, std::vector<std::string>{"File creation failed."});
    LoadSession(reference);
    EXPECT_TRUE(SameBytes(Session, *before));
  }
  EXPECT_FALSE(fs::exists("ESCAPE.qlx"));
  EXPECT_TRUE(fs::is_empty("Sessions"));
}

TEST_F(SessionFileTest, FileNameIsCutTo255Characters) {
  const std::string reference(300, 'R');
  const auto name = SessionFileName(reference);
  ASSERT_TRUE(name.has_value());
  EXPECT_EQ(name->size(), 255u);
  EXPECT_EQ(name->substr(0, 9), "Sessions/");
}

TEST_F(SessionFileTest, SaveWithoutSessionsFolderFailsOnceAndKeepsMemory) {
  fs::remove_all("Sessions");
  CreateSession("ABC");
  auto before = std::make_unique<TSessionRecord>(Session);
  EXPECT_FALSE(SaveSession());
  EXPECT_EQ(messages, std::vector<std::string>{"File creation failed."});
  EXPECT_TRUE(SameBytes(Session, *before));
  EXPECT_FALSE(fs::exists("Sessions"));
}

TEST_F(SessionFileTest, ReadOnlyFileIsNotReplacedAndTheFailureIsShown) {
  CreateSession("LOCKED");
  ASSERT_TRUE(SaveSession());
  const auto original = FileBytes("Sessions/LOCKED.qlx");
  fs::permissions("Sessions/LOCKED.qlx", fs::perms::owner_read | fs::perms::group_read);

  Session.CurrentMeasurement = 9;
  auto before = std::make_unique<TSessionRecord>(Session);
  EXPECT_FALSE(SaveSession());
  EXPECT_EQ(messages, std::vector<std::string>{"File creation failed."});
  EXPECT_TRUE(SameBytes(Session, *before));
  EXPECT_EQ(FileBytes("Sessions/LOCKED.qlx"), original);
}

TEST_F(SessionFileTest, FailedWriteKeepsThePreviousGoodFile) {
  CreateSession("KEEP");
  ASSERT_TRUE(SaveSession());
  const auto original = FileBytes("Sessions/KEEP.qlx");
  // A directory in the way of the temporary file makes the write fail.
  fs::create_directory("Sessions/KEEP.qlx.tmp");
  Session.CurrentMeasurement = 5;
  EXPECT_FALSE(SaveSession());
  EXPECT_EQ(messages, std::vector<std::string>{"File creation failed."});
  EXPECT_EQ(FileBytes("Sessions/KEEP.qlx"), original);
}

TEST_F(SessionFileTest, ResetKeepsTheHeaderAndClearsTheWork) {
  CreateSession("RESET");
  auto header = std::make_unique<TSessionRecord>(Session);
  Session.SamplePrepared = true;
  Session.CurrentMeasurement = 4;
  Session.AnalysisSaved[4] = true;
  Session.SampleWeight = 12.5f;
  Session.DecayCounts[4][2000] = 99;
  Session.DelayLines[3] = true;
  Session.LampOn = true;
  Session.AnaLifetime[4] = 3.8f;
  Session.AnaResiduals[4][10] = 2.0f;
  Session.LastDecayHigh = 3000;
  Session.Padding7381[0] = 0xAB;  // padding is left as it stands

  ResetSession();
  ASSERT_TRUE(SaveSession());
  std::memset(&Session, 0, sizeof Session);
  LoadSession("RESET");
  header->Padding7381[0] = 0xAB;
  EXPECT_TRUE(SameBytes(Session, *header));
}

}  // namespace
