// The file calls on POSIX: plain open, read, write, fsync, ftruncate and rename, each
// tried again when a signal interrupts it.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_calls.hpp"
#include "platform/posix/file_handle.hpp"

namespace geekpath::platform {
namespace {

template <class Call>
auto retried(Call call) {
  decltype(call()) result;
  do {
    result = call();
  } while (result < 0 && errno == EINTR);
  return result;
}

int descriptor(FileId file) { return static_cast<int>(file); }

}  // namespace

FileId real::open(const std::string& path, OpenFor purpose) {
  int flags = O_CLOEXEC | O_NOCTTY;
  switch (purpose) {
    case OpenFor::reading: flags |= O_RDONLY | O_NONBLOCK; break;  // a FIFO cannot hang the game
    case OpenFor::creatingNew: flags |= O_WRONLY | O_CREAT | O_EXCL; break;
    case OpenFor::appending: flags |= O_WRONLY | O_APPEND | O_CREAT; break;
  }
  const int fd = retried([&] { return ::open(path.c_str(), flags, 0666); });
  return fd < 0 ? kNoFile : fd;
}

std::ptrdiff_t real::read(FileId file, char* bytes, std::size_t count) {
  return retried([&] { return ::read(descriptor(file), bytes, count); });
}

std::ptrdiff_t real::write(FileId file, const char* bytes, std::size_t count) {
  return retried([&] { return ::write(descriptor(file), bytes, count); });
}

bool real::sync(FileId file) { return ::fsync(descriptor(file)) == 0; }

bool real::size(FileId file, std::uint64_t& bytes) {
  struct stat info {};
  if (::fstat(descriptor(file), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  bytes = static_cast<std::uint64_t>(info.st_size);
  return true;
}

bool real::truncate(FileId file, const std::string& /*path*/, std::uint64_t size) {
  return retried([&] { return ::ftruncate(descriptor(file), static_cast<off_t>(size)); }) == 0;
}

bool real::close(FileId file) { return ::close(descriptor(file)) == 0; }

namespace {
std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}
}  // namespace

// The rename, then a sync of the folder that makes it durable. The file already holds
// its new bytes by then, so a failed sync of the folder is not reported.
bool real::rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return false;
  const posix::FileHandle folder(::open(folderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid()) posix::ignoreResult(::fsync(folder.get()));
  return true;
}

bool real::remove(const std::string& path) { return ::unlink(path.c_str()) == 0; }

// The game opens its files itself: no host stores them whole.
const FileStore* hostFileStore() { return nullptr; }

}  // namespace geekpath::platform
