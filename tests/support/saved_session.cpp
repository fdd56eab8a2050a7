#include "support/saved_session.h"

#include <fstream>
#include <iterator>

#include "session/session_file.h"

std::filesystem::path SessionFilePath(const std::string& reference) {
  return std::filesystem::path(SessionFolder) / (reference + ".qlx");
}

std::vector<char> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::unique_ptr<TSessionRecord> ReadSavedSession(const std::string& reference) {
  auto record = std::make_unique<TSessionRecord>();  // all zero
  std::ifstream in(SessionFilePath(reference), std::ios::binary);
  in.read(reinterpret_cast<char*>(record.get()), sizeof(TSessionRecord));
  return record;
}

long long TotalCounts(const Histogram& counts) {
  long long total = 0;
  for (const std::int32_t count : counts) total += count;
  return total;
}
