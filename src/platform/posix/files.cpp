// The save and score files on POSIX: plain open, read and write calls, with fsync and
// rename for the replacement that never leaves half a file.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/platform.hpp"
#include "platform/posix/file_handle.hpp"

namespace geekpath::platform {
namespace {

using posix::FileHandle;
using posix::ignoreResult;

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes a rename in the folder durable. It comes after the file already holds the new
// bytes, so a failure here is not reported.
void syncFolder(const std::string& folder) {
  const FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) ignoreResult(::fsync(dir.get()));
}

}  // namespace

std::string readFileHead(const std::string& path, std::size_t maxBytes) {
  std::string bytes;
  // Non-blocking, so that a FIFO in the file's place cannot hang the game.
  const FileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!file.valid()) return bytes;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return bytes;
  char buffer[4096];
  while (bytes.size() < maxBytes) {
    const std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
    const ssize_t n = ::read(file.get(), buffer, want);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  return bytes;
}

bool replaceFile(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".tmp";
  ignoreResult(::unlink(temporary.c_str()));  // the leftover of a replacement cut short, if any
  FileHandle file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (!file.valid()) return false;
  bool written = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
  written = file.close() && written;
  if (written) written = ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!written) {
    ignoreResult(::unlink(temporary.c_str()));
    return false;
  }
  syncFolder(folderOf(path));
  return true;
}

bool appendToFile(const std::string& path, std::string_view bytes) {
  const FileHandle file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
  if (!file.valid()) return false;
  struct stat before {};
  const bool sized = ::fstat(file.get(), &before) == 0;
  // One write appends the whole record, so records never interleave or break off.
  ssize_t written = 0;
  do {
    written = ::write(file.get(), bytes.data(), bytes.size());
  } while (written < 0 && errno == EINTR);
  if (written < 0) return false;
  if (static_cast<std::size_t>(written) == bytes.size()) return true;
  // A short write (a full disk) would leave part of a record: take it back.
  if (sized) ignoreResult(::ftruncate(file.get(), before.st_size));
  return false;
}

}  // namespace geekpath::platform
