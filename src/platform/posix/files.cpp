// The save and score files on POSIX: plain open, read and write calls, with fsync and
// rename for the replacement that never leaves half a file. The calls that can fail a
// save or a record go through the table of file_calls.hpp.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/platform.hpp"
#include "platform/posix/file_calls.hpp"
#include "platform/posix/file_handle.hpp"

namespace geekpath::platform {

namespace posix {
namespace {
// open takes its mode through "...", which the table's entry cannot.
int openFile(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
}  // namespace

constinit FileCalls fileCalls = {
    .open = openFile,
    .write = ::write,
    .fsync = ::fsync,
    .rename = ::rename,
    .ftruncate = ::ftruncate,
    .close = ::close,
};
}  // namespace posix

namespace {

using posix::FileHandle;
using posix::fileCalls;
using posix::ignoreResult;

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = fileCalls.write(fd, bytes.data(), bytes.size());
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
  const FileHandle dir(fileCalls.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
  if (dir.valid()) ignoreResult(fileCalls.fsync(dir.get()));
}

// The last bytes of the open file of the given size, at most kRecordTailBytes. False
// when they could not be read.
bool readTail(int fd, off_t size, std::string& tail) {
  tail.resize(static_cast<std::size_t>(std::min<off_t>(size, kRecordTailBytes)));
  const off_t from = size - static_cast<off_t>(tail.size());
  for (std::size_t got = 0; got < tail.size();) {
    const ssize_t n = ::pread(fd, tail.data() + got, tail.size() - got, from + static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    got += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string readFileHead(const std::string& path, std::size_t maxBytes) {
  std::string bytes;
  // Non-blocking, so that a FIFO in the file's place cannot hang the game.
  const FileHandle file(fileCalls.open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0));
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
  FileHandle file(fileCalls.open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (!file.valid()) return false;
  bool written = writeAll(file.get(), bytes) && fileCalls.fsync(file.get()) == 0;
  // The close comes after the sync, but a delayed write error may still show here.
  written = fileCalls.close(file.release()) == 0 && written;
  if (written) written = fileCalls.rename(temporary.c_str(), path.c_str()) == 0;
  if (!written) {
    ignoreResult(::unlink(temporary.c_str()));
    return false;
  }
  syncFolder(folderOf(path));
  return true;
}

bool appendToFile(const std::string& path, std::string_view record, WholeRecords wholeRecords) {
  // Read access serves to look at the file's end.
  const FileHandle file(fileCalls.open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
  if (!file.valid()) return false;
  struct stat info {};
  std::string tail;
  if (::fstat(file.get(), &info) != 0 || !readTail(file.get(), info.st_size, tail)) return false;
  off_t size = info.st_size;
  if (const std::size_t whole = wholeRecords(tail); whole < tail.size()) {
    size -= static_cast<off_t>(tail.size() - whole);
    if (fileCalls.ftruncate(file.get(), size) != 0) return false;
  }
  // One write appends the whole record, so records never interleave.
  ssize_t written = 0;
  do {
    written = fileCalls.write(file.get(), record.data(), record.size());
  } while (written < 0 && errno == EINTR);
  if (written < 0) return false;  // nothing went in
  if (static_cast<std::size_t>(written) == record.size() && fileCalls.fsync(file.get()) == 0) return true;
  // A write cut short (a full disk), or a record that may not have reached the disk: take
  // it back. Should that fail as well, the next append cuts off a part of a record left
  // behind (a whole one stays).
  ignoreResult(fileCalls.ftruncate(file.get(), size));
  return false;
}

}  // namespace geekpath::platform
