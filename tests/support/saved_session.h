#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "session/session_record.h"

// The session file of a reference as it stands on disk.
std::filesystem::path SessionFilePath(const std::string& reference);

// The whole file, byte for byte (empty when it cannot be read).
std::vector<char> FileBytes(const std::filesystem::path& path);

// The file read raw into a record; unread bytes stay zero.
std::unique_ptr<TSessionRecord> ReadSavedSession(const std::string& reference);

// Sum of a histogram's counts.
long long TotalCounts(const Histogram& counts);
