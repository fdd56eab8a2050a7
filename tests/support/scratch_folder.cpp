#include "support/scratch_folder.h"

#include <unistd.h>

#include <atomic>
#include <string>

ScratchFolder::ScratchFolder(bool withSessionsFolder) : previous_(std::filesystem::current_path()) {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("vostrelin-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
  if (withSessionsFolder) std::filesystem::create_directory(path_ / "Sessions");
  std::filesystem::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  std::filesystem::remove_all(path_, ignored);
}
