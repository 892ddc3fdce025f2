// Saves, loads and score records when the disk fails. Each file call is made to fail in
// turn through the table of file calls, as a refused open, a full disk, a short write, a
// failed sync or a failed read do on either system. A save then says so and leaves the
// old slot and no temporary file; a load finds no half a save; a score record is taken
// back, and nothing that stood in SCORES.txt before it is ever lost.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "core/memory_console.hpp"
#include "day/victory.hpp"
#include "persistence/save_file.hpp"
#include "persistence/save_screen.hpp"
#include "platform/file_calls.hpp"
#include "support/files.hpp"

namespace geekpath {
namespace {

using platform::FileCalls;
using platform::FileId;
using platform::kNoFile;
using platform::kSystemFileCalls;
using platform::OpenFor;
using testing::fileExists;
using testing::gameFile;
using testing::makeScratchFolder;
using testing::readFile;
using testing::writeFile;

// The fault in force: how many bytes the first write or read lets through before the
// calls fail (0: they fail at once), and whether they go on after it (a short write
// followed by the rest).
struct FaultState {
  std::size_t firstTransfer = 0;
  bool failAfterFirst = true;
  int hits = 0;  // how often a failing call was reached
};
FaultState gFault;

template <class Result>
Result fail(Result result) {
  ++gFault.hits;
  return result;
}

// Opens that write fail; reads go on.
FileId failingOpenToWrite(const std::string& path, OpenFor purpose) {
  if (purpose == OpenFor::reading) return kSystemFileCalls.open(path, purpose);
  return fail(kNoFile);
}
FileId failingOpenToRead(const std::string& path, OpenFor purpose) {
  if (purpose != OpenFor::reading) return kSystemFileCalls.open(path, purpose);
  return fail(kNoFile);
}
// The first transfer moves firstTransfer bytes at most; the rest fail, unless told not to.
template <class Bytes, std::ptrdiff_t (*const FileCalls::*Real)(FileId, Bytes, std::size_t)>
std::ptrdiff_t failingTransfer(FileId file, Bytes bytes, std::size_t count) {
  if (gFault.firstTransfer > 0) {
    ++gFault.hits;
    return (kSystemFileCalls.*Real)(file, bytes, std::min(count, std::exchange(gFault.firstTransfer, 0)));
  }
  if (!gFault.failAfterFirst) return (kSystemFileCalls.*Real)(file, bytes, count);
  return fail(std::ptrdiff_t{-1});
}
bool failingSync(FileId) { return fail(false); }
bool failingTruncate(FileId, const std::string&, std::uint64_t) { return fail(false); }
bool failingRename(const std::string&, const std::string&) { return fail(false); }
// A close that reports an error has closed the file all the same.
bool failingClose(FileId file) {
  kSystemFileCalls.close(file);
  return fail(false);
}

using Inject = void (*)(FileCalls& calls);
void failCreate(FileCalls& c) { c.open = failingOpenToWrite; }
void failOpenToRead(FileCalls& c) { c.open = failingOpenToRead; }
void failWrite(FileCalls& c) { c.write = failingTransfer<const char*, &FileCalls::write>; }
void failRead(FileCalls& c) { c.read = failingTransfer<char*, &FileCalls::read>; }
void failSync(FileCalls& c) { c.sync = failingSync; }
void failClose(FileCalls& c) { c.close = failingClose; }
void failRename(FileCalls& c) { c.rename = failingRename; }
void failTruncate(FileCalls& c) { c.truncate = failingTruncate; }

struct Fault {
  const char* title;
  Inject calls[2];  // one or two ways to fail
  std::size_t firstTransfer = 0;
  bool failAfterFirst = true;
};

// The fault's failing calls in use while it lives.
class Injection {
 public:
  explicit Injection(const Fault& fault) : override_(injected(fault)) {}

 private:
  static FileCalls injected(const Fault& fault) {
    gFault = {.firstTransfer = fault.firstTransfer, .failAfterFirst = fault.failAfterFirst};
    FileCalls calls = kSystemFileCalls;
    for (const Inject inject : fault.calls) {
      if (inject != nullptr) inject(calls);
    }
    return calls;
  }
  platform::FileCallsOverride override_;
};

struct SaveFault {
  Fault fault;
  bool saved = false;
};

const SaveFault kSaveFaults[] = {
    {{"create the temporary file", {failCreate}}},
    {{"write", {failWrite}}},
    {{"write: short, then failing", {failWrite}, 10}},
    {{"sync", {failSync}}},
    {{"close: a delayed write error", {failClose}}},
    {{"rename: refused, or onto another device", {failRename}}},
    {{"write: short, then the rest", {failWrite}, 10, false}, true},
};

TEST(FileFaults, FailedSaveSaysSoAndKeepsTheOldSlot) {
  const std::string oldSlot = "old game;\r\n7;\r\n-3;\r\n";
  for (const SaveFault& row : kSaveFaults) {
    SCOPED_TRACE(row.fault.title);
    MemoryConsole io("1\n");
    Game game(io, makeScratchFolder());
    game.state.day = 12;
    writeFile(gameFile(game, "save1.sav"), oldSlot);
    {
      const Injection injection(row.fault);
      saveScreen(game);
      EXPECT_GT(gFault.hits, 0);
    }
    const std::string& screen = io.output();
    EXPECT_NE(screen.find(row.saved ? "Успешно сохранено" : "Ошибка сохранения"), std::string::npos);
    EXPECT_EQ(screen.find(row.saved ? "Ошибка сохранения" : "Успешно сохранено"), std::string::npos);
    EXPECT_EQ(readFile(gameFile(game, "save1.sav")), row.saved ? saveFileBytes(game.state) : oldSlot);
    EXPECT_FALSE(fileExists(gameFile(game, "save1.sav.tmp")));
  }
}

TEST(FileFaults, FailedReadFindsNoSave) {
  const Fault faults[] = {
      {"open", {failOpenToRead}},
      {"read", {failRead}},
      {"read: a few bytes, then failing", {failRead}, 10},
  };
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  game.state.day = 12;
  ASSERT_TRUE(writeSaveFile(game, 1));
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.title);
    const Injection injection(fault);
    EXPECT_EQ(readSlotBytes(game, 1), "");
    EXPECT_GT(gFault.hits, 0);
  }
  EXPECT_EQ(readSlotBytes(game, 1), saveFileBytes(game.state));
}

// What a failed append leaves of its record in the file.
enum class Left { nothing, part, whole };
struct ScoreFault {
  Fault fault;
  Left left = Left::nothing;
};

const ScoreFault kScoreFaults[] = {
    {{"open: refused", {failCreate}}},
    {{"write", {failWrite}}},
    {{"write: short, taken back", {failWrite}, 40}},
    {{"sync, taken back", {failSync}}},
    {{"write: short, and the taking back fails", {failWrite, failTruncate}, 40}, Left::part},
    {{"write: one byte, and the taking back fails", {failWrite, failTruncate}, 1}, Left::part},
    {{"sync and the taking back fail", {failSync, failTruncate}}, Left::whole},
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

// Whatever SCORES.txt held stays, byte for byte: a record, or a player's notes, a blank
// line and the first lines of a record copied by hand. A failed append leaves its own
// bytes only where even their taking back failed, and the next record follows.
TEST(FileFaults, FailedScoreRecordIsTakenBackAndNothingBeforeItIsLost) {
  const std::string first = recordOf("first");
  const std::string second = recordOf("second");
  const std::string third = recordOf("third");
  ASSERT_GT(second.size(), 40u);
  const std::string notes = "мои заметки\n\n" + first.substr(0, first.find('\n', first.find('\n', 1) + 1) + 1);
  for (const std::string& earlier : {std::string(), first, notes}) {
    for (const ScoreFault& row : kScoreFaults) {
      SCOPED_TRACE(std::string(row.fault.title) + ", after " + std::to_string(earlier.size()) + " bytes");
      const std::string folder = makeScratchFolder();
      const std::string scores = folder + "/SCORES.txt";
      if (!earlier.empty()) writeFile(scores, earlier);
      {
        const Injection injection(row.fault);
        appendRecordOf(folder, "second");
        EXPECT_GT(gFault.hits, 0);
      }
      const std::string kept = row.left == Left::whole  ? second
                               : row.left == Left::part ? second.substr(0, row.fault.firstTransfer)
                                                        : "";
      EXPECT_EQ(readFile(scores), earlier + kept);
      appendRecordOf(folder, "third");
      EXPECT_EQ(readFile(scores), earlier + kept + third);
    }
  }
}

}  // namespace
}  // namespace geekpath
