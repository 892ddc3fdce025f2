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

// Per system: the failing calls, the ways of putting them into the table, and the errors
// a failing disk gives.
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

void failCreate(FileCalls& c) { c.createFile = failingCreateFile; }
void failWrite(FileCalls& c) { c.writeFile = failingWriteFile; }
void failSync(FileCalls& c) { c.flushFileBuffers = failingFlushFileBuffers; }
void failClose(FileCalls& c) { c.closeHandle = failingCloseHandle; }
void failRename(FileCalls& c) { c.moveFile = failingMoveFile; }
void failCut(FileCalls& c) { c.setEndOfFile = failingSetEndOfFile; }

constexpr int kDenied = ERROR_ACCESS_DENIED;
constexpr int kDiskFull = ERROR_DISK_FULL;
constexpr int kIoError = ERROR_IO_DEVICE;
constexpr int kOtherDevice = ERROR_NOT_SAME_DEVICE;
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

void failCreate(FileCalls& c) { c.open = failingOpen; }
void failWrite(FileCalls& c) { c.write = failingWrite; }
void failSync(FileCalls& c) { c.fsync = failingFsync; }
void failClose(FileCalls& c) { c.close = failingClose; }
void failRename(FileCalls& c) { c.rename = failingRename; }
void failCut(FileCalls& c) { c.ftruncate = failingFtruncate; }

constexpr int kDenied = EACCES;
constexpr int kDiskFull = ENOSPC;
constexpr int kIoError = EIO;
constexpr int kOtherDevice = EXDEV;
#endif

using Inject = void (*)(FileCalls& calls);

struct Fault {
  const char* title;
  Inject calls[2];  // one or two ways to fail
  int error;
  std::size_t firstWrite = 0;
};

// Puts a fault's failing calls into the table while it lives, and the real ones back.
class Injection {
 public:
  explicit Injection(const Fault& fault) {
    gReal = fileCalls;
    gFault = {.error = fault.error, .firstWrite = fault.firstWrite};
    for (const Inject inject : fault.calls) {
      if (inject != nullptr) inject(fileCalls);
    }
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
    {{"create the temporary file: no permission", {failCreate}, kDenied}},
    {{"create the temporary file: disk full", {failCreate}, kDiskFull}},
    {{"write: disk full", {failWrite}, kDiskFull}},
    {{"write: I/O error", {failWrite}, kIoError}},
    {{"write: short, then disk full", {failWrite}, kDiskFull, 10}},
    {{"sync: I/O error", {failSync}, kIoError}},
    {{"close: a delayed write error", {failClose}, kIoError}},
    {{"rename: no permission", {failRename}, kDenied}},
    {{"rename: onto another device", {failRename}, kOtherDevice}},
#ifdef _WIN32
    {{"rename: the slot is open elsewhere", {failRename}, ERROR_SHARING_VIOLATION}},
#endif
    {{"write: short, then the rest", {failWrite}, 0, 10}, true},
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
    {{"open: no permission", {failCreate}, kDenied}},
#ifdef _WIN32
    {{"open: the file is open elsewhere", {failCreate}, ERROR_SHARING_VIOLATION}},
#endif
    {{"write: disk full", {failWrite}, kDiskFull}},
    {{"write: I/O error", {failWrite}, kIoError}},
    {{"write: short, taken back", {failWrite}, kDiskFull, 40}},
    {{"sync: I/O error, taken back", {failSync}, kIoError}},
    {{"write: short, and the taking back fails", {failWrite, failCut}, kIoError, 40}, Left::part},
    {{"write: one byte, and the taking back fails", {failWrite, failCut}, kIoError, 1}, Left::part},
    {{"sync and the taking back fail", {failSync, failCut}, kIoError}, Left::whole},
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
