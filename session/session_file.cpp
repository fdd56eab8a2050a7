#include "session/session_file.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "session/session_record.h"
#include "session/session_repair.h"
#include "session/user_message.h"

namespace {

constexpr std::size_t MaxPathLength = 255;

bool LeavesSessionFolder(std::string_view reference) {
  return reference == "." || reference == ".." ||
         reference.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos;
}

// Reads exactly one record; false when the file is shorter or longer.
bool ReadWholeRecord(const std::string& path, TSessionRecord& record) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  const bool complete = std::fread(&record, SessionRecordSize, 1, file) == 1 &&
                        std::fgetc(file) == EOF && !std::ferror(file);
  std::fclose(file);
  return complete;
}

bool WriteWholeRecord(const std::string& path, const TSessionRecord& record) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(&record, SessionRecordSize, 1, file) == 1;
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

// A file the user has made read-only must not be replaced behind their back.
bool IsReadOnly(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(status)) return false;
  return (status.permissions() & std::filesystem::perms::owner_write) ==
         std::filesystem::perms::none;
}

// Writes beside the target first, so that a failed save never destroys the last good file.
bool ReplaceFile(const std::string& path, const TSessionRecord& record) {
  if (IsReadOnly(path)) return false;
  const std::string temporary = path + ".tmp";
  if (!WriteWholeRecord(temporary, record)) {
    std::remove(temporary.c_str());
    return false;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> SessionFileName(std::string_view reference) {
  if (LeavesSessionFolder(reference)) return std::nullopt;
  std::string path = std::string(SessionFolder) + "/" + std::string(reference) + ".qlx";
  if (path.size() > MaxPathLength) path.resize(MaxPathLength);
  return path;
}

void LoadSession(std::string_view reference) {
  const auto path = SessionFileName(reference);
  if (!path) return;
  auto loaded = std::make_unique<TSessionRecord>();
  if (!ReadWholeRecord(*path, *loaded)) return;
  BringIntoRange(*loaded);
  Session = *loaded;
}

bool SaveSession() {
  const auto path = SessionFileName(Session.SessionReference.Text());
  if (!path || !ReplaceFile(*path, Session)) {
    ShowUserMessage(SessionFileFailedMessage);
    return false;
  }
  return true;
}
