// What the web page asks of the game besides a run of it, exported by name from the
// WebAssembly build: whether a file offered for upload into a slot reads as a save file,
// by the game's own reader.

#include <cstddef>
#include <string_view>

#include "persistence/save_file.hpp"

extern "C" int geekpath_is_save_file(const char* bytes, int size) {
  if (bytes == nullptr || size < 0) return 0;
  return geekpath::isSaveFile(std::string_view(bytes, static_cast<std::size_t>(size))) ? 1 : 0;
}
