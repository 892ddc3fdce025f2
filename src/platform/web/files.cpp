// The save and score files in a web page or under Node.js: the host keeps them (the page
// in the browser's storage for the site, the Node.js runner in the working folder), and
// each call is awaited, so a save is durable before the game says so. The host's file
// calls are declared in host.js.

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/platform.hpp"

namespace geekpath::platform {
namespace {

// NOLINTBEGIN: the bodies are JavaScript.
// The bytes go into memory the game frees: *data points to them, and the result is their
// count, or -1 when there is no file.
EM_ASYNC_JS(int, hostReadFile, (const char* path, int maxBytes, char** data), {
  const bytes = await Module.geekpathHost.readFile(UTF8ToString(path), maxBytes);
  if (!bytes) return -1;
  const length = Math.min(bytes.length, maxBytes);
  const copy = _malloc(Math.max(length, 1));
  HEAPU8.set(bytes.subarray(0, length), copy);
  HEAPU32[data >> 2] = copy;
  return length;
});

EM_ASYNC_JS(int, hostReplaceFile, (const char* path, const char* bytes, int size), {
  return await Module.geekpathHost.replaceFile(UTF8ToString(path), HEAPU8.subarray(bytes, bytes + size)) ? 1 : 0;
});

EM_ASYNC_JS(int, hostAppendFile, (const char* path, const char* bytes, int size), {
  return await Module.geekpathHost.appendFile(UTF8ToString(path), HEAPU8.subarray(bytes, bytes + size)) ? 1 : 0;
});
// NOLINTEND

// Texts the host takes in one call; the game's files are far smaller.
constexpr std::size_t kMaxHostBytes = std::size_t{1} << 30;

struct FreeBytes {
  void operator()(char* bytes) const { std::free(bytes); }  // NOLINT(cppcoreguidelines-no-malloc)
};

}  // namespace

std::string readFileHead(std::string_view folder, std::string_view name, std::size_t maxBytes) {
  char* data = nullptr;
  const std::string path = filePath(folder, name);
  const int size = hostReadFile(path.c_str(), static_cast<int>(std::min(maxBytes, kMaxHostBytes)), &data);
  const std::unique_ptr<char, FreeBytes> owned(data);
  if (size <= 0) return {};
  return std::string(data, static_cast<std::size_t>(size));
}

bool replaceFile(std::string_view folder, std::string_view name, std::string_view bytes) {
  if (bytes.size() > kMaxHostBytes) return false;
  return hostReplaceFile(filePath(folder, name).c_str(), bytes.data(), static_cast<int>(bytes.size())) != 0;
}

bool appendToFile(std::string_view folder, std::string_view name, std::string_view record) {
  if (record.size() > kMaxHostBytes) return false;
  return hostAppendFile(filePath(folder, name).c_str(), record.data(), static_cast<int>(record.size())) != 0;
}

}  // namespace geekpath::platform
