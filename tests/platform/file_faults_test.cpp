// Saves and score records when the disk fails. Each call that writes the files is made
// to fail in turn, through the system's table of file calls, with the errors a disk
// really gives. A save then says so and leaves the old slot and no temporary file; a
// score record is taken back, and where even that fails, the next record does not follow
// the piece left behind.

#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/windows/file_calls.hpp"
#else
#include <fcntl.h>

#include <cerrno>

#include "platform/posix/file_calls.hpp"
#endif

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "core/memory_console.hpp"
#include "day/victory.hpp"
#include "persistence/save_file.hpp"
#include "persistence/save_screen.hpp"
#include "support/files.hpp"

namespace geekpath {
namespace {

using testing::fileExists;
using testing::makeScratchFolder;
using testing::readFile;
using testing::writeFile;

// The fault in force: the error of the failing calls (errno, or a Windows error code),
// and how many bytes the first write lets through before the writes fail (0: they fail
// at once; with no error they go on after it).
struct FaultState {
  int error = 0;
  std::size_t firstWrite = 0;
  int hits = 0;  // how often a failing call was reached
};
FaultState gFault;

#ifdef _WIN32
using platform::windows::FileCalls;
using platform::windows::fileCalls;
FileCalls gReal;

BOOL fail() {
  ++gFault.hits;
  SetLastError(static_cast<DWORD>(gFault.error));
  return FALSE;
}
// Opens that create a file fail; reads and the cutting of a file go on.
HANDLE WINAPI failingCreateFile(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                DWORD disposition, DWORD flags, HANDLE model) {
  if (disposition == OPEN_EXISTING) return gReal.createFile(name, access, share, security, disposition, flags, model);
  fail();
  return INVALID_HANDLE_VALUE;
}
BOOL WINAPI failingWriteFile(HANDLE file, LPCVOID bytes, DWORD count, LPDWORD written, LPOVERLAPPED at) {
  if (gFault.firstWrite > 0) {
    ++gFault.hits;
    const auto part = static_cast<DWORD>(std::min<std::size_t>(count, std::exchange(gFault.firstWrite, 0)));
    return gReal.writeFile(file, bytes, part, written, at);
  }
  if (gFault.error == 0) return gReal.writeFile(file, bytes, count, written, at);
  *written = 0;
  return fail();
}
BOOL WINAPI failingFlushFileBuffers(HANDLE) { return fail(); }
BOOL WINAPI failingMoveFile(LPCWSTR, LPCWSTR, DWORD) { return fail(); }
BOOL WINAPI failingSetEndOfFile(HANDLE) { return fail(); }
// A close that reports an error has closed the handle all the same.
BOOL WINAPI failingCloseHandle(HANDLE handle) {
  gReal.closeHandle(handle);
  return fail();
}
#else
using platform::posix::FileCalls;
using platform::posix::fileCalls;
FileCalls gReal;

int fail() {
  ++gFault.hits;
  errno = gFault.error;
  return -1;
}
// Opens that create a file fail; reads go on.
int failingOpen(const char* path, int flags, mode_t mode) {
  if ((flags & O_CREAT) == 0) return gReal.open(path, flags, mode);
  return fail();
}
ssize_t failingWrite(int fd, const void* bytes, std::size_t count) {
  if (gFault.firstWrite > 0) {
    ++gFault.hits;
    return gReal.write(fd, bytes, std::min(count, std::exchange(gFault.firstWrite, 0)));
  }
  if (gFault.error == 0) return gReal.write(fd, bytes, count);
  return fail();
}
int failingFsync(int) { return fail(); }
int failingRename(const char*, const char*) { return fail(); }
int failingFtruncate(int, off_t) { return fail(); }
// A close that reports an error has closed the descriptor all the same.
int failingClose(int fd) {
  gReal.close(fd);
  return fail();
}
#endif

struct Fault {
  const char* title;
  void (*inject)(FileCalls& calls);
  int error;
  std::size_t firstWrite = 0;
};

// Puts a fault's failing calls into the table while it lives, and the real ones back.
class Injection {
 public:
  explicit Injection(const Fault& fault) {
    gReal = fileCalls;
    gFault = {.error = fault.error, .firstWrite = fault.firstWrite};
    fault.inject(fileCalls);
  }
  ~Injection() { fileCalls = gReal; }
  Injection(const Injection&) = delete;
  Injection& operator=(const Injection&) = delete;
};

struct SaveFault {
  Fault fault;
  bool saved = false;
};

const SaveFault kSaveFaults[] = {
#ifdef _WIN32
    {{"CreateFileW: access denied", [](FileCalls& c) { c.createFile = failingCreateFile; }, ERROR_ACCESS_DENIED}},
    {{"CreateFileW: disk full", [](FileCalls& c) { c.createFile = failingCreateFile; }, ERROR_DISK_FULL}},
    {{"WriteFile: disk full", [](FileCalls& c) { c.writeFile = failingWriteFile; }, ERROR_DISK_FULL}},
    {{"WriteFile: short, then disk full", [](FileCalls& c) { c.writeFile = failingWriteFile; }, ERROR_DISK_FULL, 10}},
    {{"FlushFileBuffers fails", [](FileCalls& c) { c.flushFileBuffers = failingFlushFileBuffers; }, ERROR_IO_DEVICE}},
    {{"CloseHandle fails", [](FileCalls& c) { c.closeHandle = failingCloseHandle; }, ERROR_IO_DEVICE}},
    {{"MoveFileExW: access denied", [](FileCalls& c) { c.moveFile = failingMoveFile; }, ERROR_ACCESS_DENIED}},
    {{"MoveFileExW: sharing violation", [](FileCalls& c) { c.moveFile = failingMoveFile; }, ERROR_SHARING_VIOLATION}},
    {{"MoveFileExW: another drive", [](FileCalls& c) { c.moveFile = failingMoveFile; }, ERROR_NOT_SAME_DEVICE}},
    {{"WriteFile: short, then the rest", [](FileCalls& c) { c.writeFile = failingWriteFile; }, 0, 10}, true},
#else
    {{"open: read-only folder (EACCES)", [](FileCalls& c) { c.open = failingOpen; }, EACCES}},
    {{"open: no space (ENOSPC)", [](FileCalls& c) { c.open = failingOpen; }, ENOSPC}},
    {{"write: no space (ENOSPC)", [](FileCalls& c) { c.write = failingWrite; }, ENOSPC}},
    {{"write: I/O error (EIO)", [](FileCalls& c) { c.write = failingWrite; }, EIO}},
    {{"write: short, then no space", [](FileCalls& c) { c.write = failingWrite; }, ENOSPC, 10}},
    {{"fsync: I/O error (EIO)", [](FileCalls& c) { c.fsync = failingFsync; }, EIO}},
    {{"close: delayed write error (EIO)", [](FileCalls& c) { c.close = failingClose; }, EIO}},
    {{"rename: another file system (EXDEV)", [](FileCalls& c) { c.rename = failingRename; }, EXDEV}},
    {{"rename: no permission (EACCES)", [](FileCalls& c) { c.rename = failingRename; }, EACCES}},
    {{"write: short, then the rest", [](FileCalls& c) { c.write = failingWrite; }, 0, 10}, true},
#endif
};

TEST(FileFaults, FailedSaveSaysSoAndKeepsTheOldSlot) {
  const std::string oldSlot = "old game;\r\n7;\r\n-3;\r\n";
  for (const SaveFault& row : kSaveFaults) {
    SCOPED_TRACE(row.fault.title);
    MemoryConsole io("1\n");
    Game game(io, makeScratchFolder());
    game.state.day = 12;
    writeFile(game.filePath("save1.sav"), oldSlot);
    {
      const Injection injection(row.fault);
      saveScreen(game);
      EXPECT_GT(gFault.hits, 0);
    }
    const std::string& screen = io.output();
    EXPECT_NE(screen.find(row.saved ? "Успешно сохранено" : "Ошибка сохранения"), std::string::npos);
    EXPECT_EQ(screen.find(row.saved ? "Ошибка сохранения" : "Успешно сохранено"), std::string::npos);
    EXPECT_EQ(readFile(game.filePath("save1.sav")), row.saved ? saveFileBytes(game.state) : oldSlot);
    EXPECT_FALSE(fileExists(game.filePath("save1.sav.tmp")));
  }
}

// What a failed append leaves of its record in the file.
enum class Left { nothing, part, whole };
struct ScoreFault {
  Fault fault;
  Left left = Left::nothing;
};

const ScoreFault kScoreFaults[] = {
#ifdef _WIN32
    {{"CreateFileW: access denied", [](FileCalls& c) { c.createFile = failingCreateFile; }, ERROR_ACCESS_DENIED}},
    {{"CreateFileW: sharing violation", [](FileCalls& c) { c.createFile = failingCreateFile; },
      ERROR_SHARING_VIOLATION}},
    {{"WriteFile: disk full", [](FileCalls& c) { c.writeFile = failingWriteFile; }, ERROR_DISK_FULL}},
    {{"WriteFile: short, taken back", [](FileCalls& c) { c.writeFile = failingWriteFile; }, ERROR_DISK_FULL, 40}},
    {{"FlushFileBuffers fails, taken back", [](FileCalls& c) { c.flushFileBuffers = failingFlushFileBuffers; },
      ERROR_IO_DEVICE}},
    {{"WriteFile: short, SetEndOfFile fails",
      [](FileCalls& c) {
        c.writeFile = failingWriteFile;
        c.setEndOfFile = failingSetEndOfFile;
      },
      ERROR_IO_DEVICE, 40},
     Left::part},
    {{"WriteFile: one byte, SetEndOfFile fails",
      [](FileCalls& c) {
        c.writeFile = failingWriteFile;
        c.setEndOfFile = failingSetEndOfFile;
      },
      ERROR_IO_DEVICE, 1},
     Left::part},
    {{"FlushFileBuffers and SetEndOfFile fail",
      [](FileCalls& c) {
        c.flushFileBuffers = failingFlushFileBuffers;
        c.setEndOfFile = failingSetEndOfFile;
      },
      ERROR_IO_DEVICE},
     Left::whole},
#else
    {{"open: no permission (EACCES)", [](FileCalls& c) { c.open = failingOpen; }, EACCES}},
    {{"write: no space (ENOSPC)", [](FileCalls& c) { c.write = failingWrite; }, ENOSPC}},
    {{"write: I/O error (EIO)", [](FileCalls& c) { c.write = failingWrite; }, EIO}},
    {{"write: short, taken back", [](FileCalls& c) { c.write = failingWrite; }, ENOSPC, 40}},
    {{"fsync: I/O error, taken back", [](FileCalls& c) { c.fsync = failingFsync; }, EIO}},
    {{"write: short, ftruncate fails",
      [](FileCalls& c) {
        c.write = failingWrite;
        c.ftruncate = failingFtruncate;
      },
      EIO, 40},
     Left::part},
    {{"write: one byte, ftruncate fails",
      [](FileCalls& c) {
        c.write = failingWrite;
        c.ftruncate = failingFtruncate;
      },
      EIO, 1},
     Left::part},
    {{"fsync and ftruncate fail",
      [](FileCalls& c) {
        c.fsync = failingFsync;
        c.ftruncate = failingFtruncate;
      },
      EIO},
     Left::whole},
#endif
};

void appendRecordOf(const std::string& folder, const char* name) {
  MemoryConsole io("");
  Game game(io, folder);
  std::copy_n(name, std::char_traits<char>::length(name), game.state.playerName.begin());
  game.state.day = 321;
  appendScoreRecord(game);
}

std::string recordOf(const char* name) {
  const std::string folder = makeScratchFolder();
  appendRecordOf(folder, name);
  return readFile(folder + "/SCORES.txt");
}

TEST(FileFaults, FailedScoreRecordIsTakenBackOrCutOffBeforeTheNext) {
  const std::string first = recordOf("first");
  const std::string second = recordOf("second");
  const std::string third = recordOf("third");
  ASSERT_GT(second.size(), 40u);
  for (const bool earlierRecord : {false, true}) {
    for (const ScoreFault& row : kScoreFaults) {
      SCOPED_TRACE(std::string(row.fault.title) + (earlierRecord ? ", after a record" : ", first record"));
      const std::string folder = makeScratchFolder();
      const std::string scores = folder + "/SCORES.txt";
      const std::string earlier = earlierRecord ? first : "";
      if (earlierRecord) writeFile(scores, earlier);
      {
        const Injection injection(row.fault);
        appendRecordOf(folder, "second");
        EXPECT_GT(gFault.hits, 0);
      }
      const std::string kept = row.left == Left::whole  ? second
                               : row.left == Left::part ? second.substr(0, row.fault.firstWrite)
                                                        : "";
      EXPECT_EQ(readFile(scores), earlier + kept);
      appendRecordOf(folder, "third");
      EXPECT_EQ(readFile(scores), earlier + (row.left == Left::whole ? second : "") + third);
    }
  }
}

}  // namespace
}  // namespace geekpath
