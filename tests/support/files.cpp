#include "support/files.hpp"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "platform/platform.hpp"

namespace geekpath::testing {
namespace {

// Every scratch folder of the test process, removed with its files when the process ends.
struct ScratchFolders {
  std::vector<std::filesystem::path> paths;
  ~ScratchFolders() {
    for (const std::filesystem::path& path : paths) {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  }
};
ScratchFolders gScratchFolders;

}  // namespace

std::string makeScratchFolder() {
  static std::mt19937_64 names(std::random_device{}());
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path folder = base / ("geekpath-test-" + std::to_string(names() % 1000000000));
    std::error_code error;
    if (std::filesystem::create_directory(folder, error)) {
      gScratchFolders.paths.push_back(folder);
      return folder.generic_string();
    }
  }
  throw std::runtime_error("no scratch folder could be made");
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool fileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

std::string gameFile(const Game& game, std::string_view name) { return platform::filePath(game.fileFolder, name); }

}  // namespace geekpath::testing
