#pragma once
// The system calls that write the save and score files, reached through one table. Each
// entry is the real call unless a test has put a failing one in its place, to see what
// the game does when a disk fails; the test puts the real one back. files.cpp makes
// every call of these six through the table, save the closing of a descriptor that
// FileHandle does on its way out, whose result nothing looks at.

#include <sys/types.h>

#include <cstddef>

namespace geekpath::platform::posix {

struct FileCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*write)(int fd, const void* bytes, std::size_t count);
  int (*fsync)(int fd);
  int (*rename)(const char* from, const char* to);
  int (*ftruncate)(int fd, off_t length);
  int (*close)(int fd);
};

extern FileCalls fileCalls;

}  // namespace geekpath::platform::posix
