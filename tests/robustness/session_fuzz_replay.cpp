// Replays inputs through the session file fuzz target: every file of each folder given (in
// name order), or each file given. Exits non-zero when nothing was replayed.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& argument) {
  if (!std::filesystem::is_directory(argument)) return {argument};
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(argument)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    // Absolute, since the target works in a scratch folder of its own.
    for (const auto& path : InputsOf(std::filesystem::absolute(argv[i]))) {
      std::ifstream file(path, std::ios::binary);
      const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                            std::istreambuf_iterator<char>()};
      std::printf("%s (%zu bytes)\n", path.c_str(), bytes.size());
      std::fflush(stdout);
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++replayed;
    }
  }
  std::printf("replayed %d inputs\n", replayed);
  return replayed > 0 ? 0 : 1;
}
