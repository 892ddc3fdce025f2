#pragma once
// The few calls on files that the save and score procedures (file_procedures.cpp) are
// written over. Each system carries them out in its own folder (posix/, windows/, and
// web/ through the calls of the host that runs the game under Node.js), and the
// procedures never learn which one answered, so the durability of a save is written and
// reviewed in one place.
//
// The calls form one table. Its entries are the system's real calls, unless a test has
// put others in their place for a while (FileCallsOverride), to see what the procedures
// do when a disk fails: a refused open, a full disk, a short write, a failed sync or a
// failed read.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace geekpath::platform {

// An open file: a descriptor or a handle, as the system has it.
using FileId = std::intptr_t;
inline constexpr FileId kNoFile = -1;

enum class OpenFor {
  reading,      // an existing file; never blocks, not even on a FIFO
  creatingNew,  // a new file for writing, where no file may stand yet
  appending,    // every write goes at the end, whatever else appends meanwhile; created
                // when missing
};

// Every call retries by itself what the system asks to be retried (an interrupted call).
struct FileCalls {
  // The file at path opened as purpose says; kNoFile when it could not be.
  FileId (*open)(const std::string& path, OpenFor purpose);
  // At most count bytes from the file's position: how many were read, 0 at its end, -1
  // on an error.
  std::ptrdiff_t (*read)(FileId file, char* bytes, std::size_t count);
  // At most count bytes in one system call: how many were written (fewer on a full
  // disk), -1 when none were.
  std::ptrdiff_t (*write)(FileId file, const char* bytes, std::size_t count);
  // Flushes what was written to the disk.
  bool (*sync)(FileId file);
  // The size of an open regular file; false for anything else (a folder, a pipe, a
  // device) or when it cannot be told.
  bool (*size)(FileId file, std::uint64_t& bytes);
  // Cuts the open file, which is at path, back to its first size bytes. (A system may
  // need the path: an append handle of Windows cannot change the file's size.)
  bool (*truncate)(FileId file, const std::string& path, std::uint64_t size);
  // Closes the file, which is closed even when this reports an error (a delayed write
  // error, say).
  bool (*close)(FileId file);
  // Puts the file at from in the place of the one at to, in one step, durably: a crash
  // leaves one or the other.
  bool (*rename)(const std::string& from, const std::string& to);
  // Removes the file at path.
  bool (*remove)(const std::string& path);
};

// The system's real calls, each defined by the system's folder.
namespace real {
FileId open(const std::string& path, OpenFor purpose);
std::ptrdiff_t read(FileId file, char* bytes, std::size_t count);
std::ptrdiff_t write(FileId file, const char* bytes, std::size_t count);
bool sync(FileId file);
bool size(FileId file, std::uint64_t& bytes);
bool truncate(FileId file, const std::string& path, std::uint64_t size);
bool close(FileId file);
bool rename(const std::string& from, const std::string& to);
bool remove(const std::string& path);
}  // namespace real

// The table of the real calls.
inline constexpr FileCalls kSystemFileCalls = {
    .open = real::open,
    .read = real::read,
    .write = real::write,
    .sync = real::sync,
    .size = real::size,
    .truncate = real::truncate,
    .close = real::close,
    .rename = real::rename,
    .remove = real::remove,
};
// The calls in use: the real ones, or a test's. Defined constinit in file_procedures.cpp
// (clang-tidy 14 takes the declaration for a dynamic initialization when compiling for
// Emscripten).
extern FileCalls fileCalls;  // NOLINT(bugprone-dynamic-static-initializers)

// Puts other calls in use while it lives, then those that were in use before.
class FileCallsOverride {
 public:
  explicit FileCallsOverride(const FileCalls& calls) : saved_(std::exchange(fileCalls, calls)) {}
  ~FileCallsOverride() { fileCalls = saved_; }
  FileCallsOverride(const FileCallsOverride&) = delete;
  FileCallsOverride& operator=(const FileCallsOverride&) = delete;

 private:
  FileCalls saved_;
};

// The file operations of platform.hpp whole, as a host that stores whole files answers
// them: the browser page's storage, which has transactions and no files to open. Each
// takes the file's path.
struct FileStore {
  std::string (*readHead)(const std::string& path, std::size_t maxBytes);
  bool (*replace)(const std::string& path, std::string_view bytes);
  bool (*append)(const std::string& path, std::string_view record);
};

// The store of whole files that the system offers in place of files to open; null where
// the procedures run over fileCalls. Each system's folder defines it.
const FileStore* hostFileStore();

}  // namespace geekpath::platform
