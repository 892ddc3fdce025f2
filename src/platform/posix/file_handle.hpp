#pragma once
// Small helpers of the POSIX implementation: a descriptor that closes itself, and the one
// way a result that cannot be acted on is dropped.

#include <unistd.h>

#include <utility>

namespace geekpath::platform::posix {

// For a call whose failure leaves nothing more to do (a sync after the fact, a clean-up).
template <class Result>
void ignoreResult(Result&&) {}

// Owns one descriptor and closes it on every path.
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(int fd) : fd_(fd) {}
  FileHandle(FileHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileHandle& operator=(FileHandle&& other) noexcept {
    if (this != &other) {
      reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { reset(); }

  [[nodiscard]] int get() const { return fd_; }
  [[nodiscard]] bool valid() const { return fd_ >= 0; }
  // Gives the descriptor up to the caller, who closes it.
  [[nodiscard]] int release() { return std::exchange(fd_, -1); }

 private:
  void reset() {
    if (fd_ >= 0) ignoreResult(::close(fd_));
    fd_ = -1;
  }
  int fd_ = -1;
};

}  // namespace geekpath::platform::posix
