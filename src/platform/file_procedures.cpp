// The save and score files on every system that has files to open (POSIX, Windows, the
// Node.js runner): the read of a file's head, the replacement that never leaves half a
// file and the append of one record, each written once over the calls of file_calls.hpp.
// A host that stores whole files answers the three itself.

#include <algorithm>
#include <utility>

#include "platform/file_calls.hpp"
#include "platform/platform.hpp"

namespace geekpath::platform {

constinit FileCalls fileCalls = kSystemFileCalls;

namespace {

// Owns one open file and closes it on every path that does not close it itself.
class OpenFile {
 public:
  explicit OpenFile(FileId file) : file_(file) {}
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile() {
    if (valid()) fileCalls.close(file_);
  }

  [[nodiscard]] FileId get() const { return file_; }
  [[nodiscard]] bool valid() const { return file_ != kNoFile; }
  // Closes the file now; false when the system reported an error.
  [[nodiscard]] bool close() { return fileCalls.close(std::exchange(file_, kNoFile)); }

 private:
  FileId file_;
};

bool writeAll(FileId file, std::string_view bytes) {
  while (!bytes.empty()) {
    const std::ptrdiff_t written = fileCalls.write(file, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::string readHead(const std::string& path, std::size_t maxBytes) {
  std::string bytes;
  const OpenFile file(fileCalls.open(path, OpenFor::reading));
  // Only a regular file is read: a pipe in a save's place would keep the game waiting.
  std::uint64_t size = 0;
  if (!file.valid() || !fileCalls.size(file.get(), size)) return bytes;
  char buffer[4096];
  while (bytes.size() < maxBytes) {
    const std::ptrdiff_t got = fileCalls.read(file.get(), buffer, std::min(sizeof buffer, maxBytes - bytes.size()));
    if (got == 0) break;
    // A file that fails part of the way is no more readable than a missing one: half a
    // save would load as a game the player never saved.
    if (got < 0) return {};
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  return bytes;
}

bool replace(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".tmp";
  fileCalls.remove(temporary);  // the leftover of a replacement cut short, if any
  OpenFile file(fileCalls.open(temporary, OpenFor::creatingNew));
  if (!file.valid()) return false;
  bool written = writeAll(file.get(), bytes) && fileCalls.sync(file.get());
  // The close comes after the sync, but a delayed write error may still show here.
  written = file.close() && written;
  if (written && fileCalls.rename(temporary, path)) return true;
  fileCalls.remove(temporary);
  return false;
}

bool append(const std::string& path, std::string_view record) {
  const OpenFile file(fileCalls.open(path, OpenFor::appending));
  std::uint64_t size = 0;
  if (!file.valid() || !fileCalls.size(file.get(), size)) return false;
  // One write appends the whole record, so records never interleave.
  const std::ptrdiff_t written = fileCalls.write(file.get(), record.data(), record.size());
  if (written < 0) return false;  // nothing went in
  if (static_cast<std::size_t>(written) == record.size() && fileCalls.sync(file.get())) return true;
  // A write cut short (a full disk), or a record that may not have reached the disk: its
  // own bytes are taken back, and nothing that stood before them. Should that fail too,
  // they stay, and the next record starts on a line of its own all the same.
  fileCalls.truncate(file.get(), path, size);
  return false;
}

constexpr FileStore kProcedures = {.readHead = readHead, .replace = replace, .append = append};

// The host's store of whole files where it has one, else the procedures over the calls.
const FileStore& fileStore() {
  const FileStore* store = hostFileStore();
  return store != nullptr ? *store : kProcedures;
}

}  // namespace

std::string readFileHead(std::string_view folder, std::string_view name, std::size_t maxBytes) {
  return fileStore().readHead(filePath(folder, name), maxBytes);
}

bool replaceFile(std::string_view folder, std::string_view name, std::string_view bytes) {
  return fileStore().replace(filePath(folder, name), bytes);
}

bool appendToFile(std::string_view folder, std::string_view name, std::string_view record) {
  return fileStore().append(filePath(folder, name), record);
}

}  // namespace geekpath::platform
