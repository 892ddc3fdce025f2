// The whole game, from the start-up screens on, on arbitrary standard-input bytes, with
// its save and score files in a scratch folder that is emptied before every input. The
// game must end on every input: the end of input ends it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "core/memory_console.hpp"
#include "shell/startup.hpp"

namespace {

const std::string& scratchFolder() {
  static const std::string folder = [] {
    std::mt19937_64 names(std::random_device{}());
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::filesystem::path path = base / ("geekpath-fuzz-" + std::to_string(names() % 1000000000));
      std::error_code error;
      if (std::filesystem::create_directory(path, error)) return path.generic_string();
    }
    std::abort();
  }();
  return folder;
}

void emptyFolder(const std::string& folder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::error_code ignored;
    std::filesystem::remove(entry.path(), ignored);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& folder = scratchFolder();
  emptyFolder(folder);
  geekpath::MemoryConsole io(std::string(reinterpret_cast<const char*>(data), size));
  geekpath::Game game(io, folder);
  geekpath::playGame(game);
  (void)io.output();
  return 0;
}
