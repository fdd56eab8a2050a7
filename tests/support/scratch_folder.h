#pragma once

#include <filesystem>

// Runs a test inside a fresh empty working directory (with a Sessions folder unless told
// otherwise) and returns to the previous directory afterwards, removing the scratch folder.
class ScratchFolder {
 public:
  explicit ScratchFolder(bool withSessionsFolder = true);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};
