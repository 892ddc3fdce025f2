// The save and score files in a web page or under Node.js, through the host that started
// the game (its calls are declared in host.js). The page stores whole files in the
// browser's storage and answers each operation whole; each is awaited, so a save is
// durable before the game says so. The Node.js runner has files to open, and hands in the
// calls of file_calls.hpp over them: the game's own procedures (file_procedures.cpp) then
// run there as on POSIX.

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/file_calls.hpp"

namespace geekpath::platform {
namespace {

// NOLINTBEGIN: the bodies are JavaScript, left as written by clang-tidy and clang-format.
// clang-format off
EM_JS(int, hostStoresFiles, (), { return geekpathHostFiles(Module.geekpathHost) === 'store' ? 1 : 0; });

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

EM_JS(int, hostFileOpen, (const char* path, const char* purpose), {
  return Module.geekpathHost.files.open(UTF8ToString(path), UTF8ToString(purpose));
});
EM_JS(int, hostFileRead, (int file, char* bytes, int count), {
  return Module.geekpathHost.files.read(file, HEAPU8.subarray(bytes, bytes + count));
});
EM_JS(int, hostFileWrite, (int file, const char* bytes, int count), {
  return Module.geekpathHost.files.write(file, HEAPU8.subarray(bytes, bytes + count));
});
EM_JS(int, hostFileSync, (int file), { return Module.geekpathHost.files.sync(file) ? 1 : 0; });
EM_JS(double, hostFileSize, (int file), { return Module.geekpathHost.files.size(file); });
EM_JS(int, hostFileTruncate, (int file, const char* path, double size), {
  return Module.geekpathHost.files.truncate(file, UTF8ToString(path), size) ? 1 : 0;
});
EM_JS(int, hostFileClose, (int file), { return Module.geekpathHost.files.close(file) ? 1 : 0; });
EM_JS(int, hostFileRename, (const char* from, const char* to), {
  return Module.geekpathHost.files.rename(UTF8ToString(from), UTF8ToString(to)) ? 1 : 0;
});
EM_JS(int, hostFileRemove, (const char* path), { return Module.geekpathHost.files.remove(UTF8ToString(path)) ? 1 : 0; });
// clang-format on
// NOLINTEND

// The most one host call is handed or asked for; the game's files are far smaller.
constexpr std::size_t kMaxHostBytes = std::size_t{1} << 30;

int hostCount(std::size_t count) { return static_cast<int>(std::min(count, kMaxHostBytes)); }

struct FreeBytes {
  void operator()(char* bytes) const { std::free(bytes); }  // NOLINT(cppcoreguidelines-no-malloc)
};

std::string storedHead(const std::string& path, std::size_t maxBytes) {
  char* data = nullptr;
  const int size = hostReadFile(path.c_str(), hostCount(maxBytes), &data);
  const std::unique_ptr<char, FreeBytes> owned(data);
  if (size <= 0) return {};
  return std::string(data, static_cast<std::size_t>(size));
}

bool storedReplace(const std::string& path, std::string_view bytes) {
  if (bytes.size() > kMaxHostBytes) return false;
  return hostReplaceFile(path.c_str(), bytes.data(), static_cast<int>(bytes.size())) != 0;
}

bool storedAppend(const std::string& path, std::string_view record) {
  if (record.size() > kMaxHostBytes) return false;
  return hostAppendFile(path.c_str(), record.data(), static_cast<int>(record.size())) != 0;
}

constexpr FileStore kHostStore = {.readHead = storedHead, .replace = storedReplace, .append = storedAppend};

const char* purposeName(OpenFor purpose) {
  switch (purpose) {
    case OpenFor::reading: return "reading";
    case OpenFor::creatingNew: return "creatingNew";
    case OpenFor::appending: return "appending";
  }
  return "";
}

int descriptor(FileId file) { return static_cast<int>(file); }

}  // namespace

const FileStore* hostFileStore() { return hostStoresFiles() != 0 ? &kHostStore : nullptr; }

FileId real::open(const std::string& path, OpenFor purpose) {
  const int file = hostFileOpen(path.c_str(), purposeName(purpose));
  return file < 0 ? kNoFile : file;
}

std::ptrdiff_t real::read(FileId file, char* bytes, std::size_t count) {
  return hostFileRead(descriptor(file), bytes, hostCount(count));
}

std::ptrdiff_t real::write(FileId file, const char* bytes, std::size_t count) {
  return hostFileWrite(descriptor(file), bytes, hostCount(count));
}

bool real::sync(FileId file) { return hostFileSync(descriptor(file)) != 0; }

bool real::size(FileId file, std::uint64_t& bytes) {
  const double size = hostFileSize(descriptor(file));
  if (!(size >= 0)) return false;
  bytes = static_cast<std::uint64_t>(size);
  return true;
}

bool real::truncate(FileId file, const std::string& path, std::uint64_t size) {
  return hostFileTruncate(descriptor(file), path.c_str(), static_cast<double>(size)) != 0;
}

bool real::close(FileId file) { return hostFileClose(descriptor(file)) != 0; }

bool real::rename(const std::string& from, const std::string& to) {
  return hostFileRename(from.c_str(), to.c_str()) != 0;
}

bool real::remove(const std::string& path) { return hostFileRemove(path.c_str()) != 0; }

}  // namespace geekpath::platform
