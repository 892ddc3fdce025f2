// The whole game, from the start-up screens on, on arbitrary standard-input bytes, with
// its save and score files in a scratch folder that is emptied before every input. The
// game must end on every input: the end of input ends it.

#include <dirent.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/memory_console.hpp"
#include "shell/startup.hpp"

namespace {

const std::string& scratchFolder() {
  static const std::string folder = [] {
    std::string pattern = "/tmp/geekpath-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }();
  return folder;
}

void emptyFolder(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") unlink((folder + "/" + name).c_str());
  }
  closedir(dir);
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
