// The save file: the exact bytes the writer produces, the reader's rules on damaged and
// hand-made files, and saves that cannot be written.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "core/memory_console.hpp"
#include "persistence/save_file.hpp"
#include "support/files.hpp"

namespace geekpath {
namespace {

using testing::fileExists;
using testing::gameFile;
using testing::makeScratchFolder;
using testing::readFile;
using testing::writeFile;

void setName(GameState& state, std::string_view name) {
  state.playerName.fill(0);
  name = name.substr(0, state.playerName.size() - 1);
  std::copy(name.begin(), name.end(), state.playerName.begin());
}

std::string nameOf(const GameState& state) { return std::string(state.playerName.data()); }

// Records 2 to 26 of a state, in the file's order, as numbers.
std::vector<double> numericRecords(const GameState& s) {
  const auto n = [](auto value) { return static_cast<double>(value); };
  return {
      n(s.day),         n(s.money),      n(s.reputation),      n(s.cpuMhz),      n(s.gpuModel),       n(s.ramGb),
      n(s.hddGb),       n(s.job),        n(s.hackerLevel),     n(s.gamesOwned),  n(s.gamesCompleted), n(s.hasDvdRom),
      n(s.hasModem),    n(s.hasTvOut),   n(s.hasWaterCooling), n(s.hasSpeakers), n(s.hasBigMonitor),  n(s.onlineHero1),
      n(s.onlineHero2), n(s.smallClubs), n(s.mediumClubs),     n(s.bigClubs),    n(s.hugeClubs),      n(s.siteLevel),
      n(s.pressLevel)};
}

// A state with a value of its own in every saved field, the six extras included (each a
// different number, so that a swap of two records shows).
GameState unusualState() {
  GameState s;
  setName(s, "zaveK-9_x");
  s.day = 123456;
  s.money = -98765;
  s.reputation = std::numeric_limits<std::int32_t>::max();
  s.cpuMhz = 4400;
  s.gpuModel = 9800;
  s.ramGb = 0.5f;
  s.hddGb = 1500;
  s.job = 10;
  s.hackerLevel = 6;
  s.gamesOwned = 15;
  s.gamesCompleted = 12;
  s.hasDvdRom = 1;
  s.hasModem = 2;
  s.hasTvOut = 3;
  s.hasWaterCooling = 4;
  s.hasSpeakers = 5;
  s.hasBigMonitor = 6;
  s.onlineHero1 = std::numeric_limits<std::int16_t>::max();
  s.onlineHero2 = std::numeric_limits<std::int16_t>::min();
  s.smallClubs = 2;
  s.mediumClubs = 3;
  s.bigClubs = 4;
  s.hugeClubs = 5;
  s.siteLevel = 7;
  s.pressLevel = std::numeric_limits<std::int32_t>::min();
  return s;
}

const std::string kUnusualFile =
    "zaveK-9_x;\r\n123456;\r\n-98765;\r\n2147483647;\r\n4400;\r\n9800;\r\n0.5;\r\n1500;\r\n"
    "10;\r\n6;\r\n15;\r\n12;\r\n1;\r\n2;\r\n3;\r\n4;\r\n5;\r\n6;\r\n32767;\r\n-32768;\r\n"
    "2;\r\n3;\r\n4;\r\n5;\r\n7;\r\n-2147483648;\r\n";

// The records of a file as texts, each to be followed by ";" and a line end.
std::string fileOf(const std::vector<std::string>& records, std::string_view lineEnd = "\r\n") {
  std::string bytes;
  for (const std::string& record : records) bytes += record + ";" + std::string(lineEnd);
  return bytes;
}

std::vector<std::string> unusualRecords() {
  return {"zaveK-9_x", "123456", "-98765", "2147483647", "4400", "9800", "0.5", "1500",       "10",
          "6",         "15",     "12",     "1",          "2",    "3",    "4",   "5",          "6",
          "32767",     "-32768", "2",      "3",          "4",    "5",    "7",   "-2147483648"};
}

TEST(SaveWriter, DayOneOfANewGameWithoutBonus) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  setName(game.state, "nick");
  ASSERT_TRUE(writeSaveFile(game, 1));
  EXPECT_EQ(readFile(gameFile(game, "save1.sav")),
            "nick;\r\n1;\r\n0;\r\n0;\r\n500;\r\n3600;\r\n0.125;\r\n10;\r\n1;\r\n" +
                fileOf(std::vector<std::string>(17, "0")));
  EXPECT_FALSE(fileExists(gameFile(game, "save1.sav.tmp")));
}

TEST(SaveWriter, EveryRecordInTheFilesOrder) {
  EXPECT_EQ(saveFileBytes(unusualState()), kUnusualFile);
  EXPECT_EQ(kUnusualFile, fileOf(unusualRecords()));
}

TEST(SaveWriter, NegativeMoneyAndMemorySizes) {
  GameState s;
  s.money = -150;
  for (const auto& [ram, text] : {std::pair{1.0f, "1"}, {8.0f, "8"}, {0.125f, "0.125"}, {2.0f, "2"}}) {
    s.ramGb = ram;
    const std::vector<std::string> expected = {"", "1", "-150", "0", "500", "3600", text, "10", "1"};
    EXPECT_EQ(saveFileBytes(s).substr(0, fileOf(expected).size()), fileOf(expected)) << text;
  }
}

TEST(SaveWriter, NicknameLeavesOutWhiteSpaceAndSemicolons) {
  GameState s;
  setName(s, " a b\tc;d\r\ne\v\ff;");
  EXPECT_EQ(saveFileBytes(s).substr(0, 9), "abcdef;\r\n");
  // A name of all 16 bytes without a terminating zero is still cut at the array's end.
  std::memset(s.playerName.data(), 'q', s.playerName.size());
  EXPECT_EQ(saveFileBytes(s).substr(0, 19), std::string(16, 'q') + ";\r\n");
}

TEST(SaveWriter, OccupiedSlotIsReplacedWhole) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  const std::string old = std::string(5000, 'x') + ";\r\n" + fileOf(unusualRecords());
  writeFile(gameFile(game, "save4.sav"), old);
  setName(game.state, "newer");
  ASSERT_TRUE(writeSaveFile(game, 4));
  EXPECT_EQ(readFile(gameFile(game, "save4.sav")), saveFileBytes(game.state));
}

TEST(SaveWriter, FiveSlotsAreIndependent) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  std::vector<std::string> written;
  for (std::int32_t slot = 1; slot <= 5; ++slot) {
    game.state.day = slot * 11;
    game.state.money = -slot;
    ASSERT_TRUE(writeSaveFile(game, slot));
    written.push_back(saveFileBytes(game.state));
  }
  game.state.day = 999;
  ASSERT_TRUE(writeSaveFile(game, 3));
  written[2] = saveFileBytes(game.state);
  for (std::int32_t slot = 1; slot <= 5; ++slot) {
    EXPECT_EQ(readFile(gameFile(game, slotFileName(slot))), written[static_cast<std::size_t>(slot - 1)]) << slot;
  }
}

TEST(SaveWriter, RoundTripOfEveryFieldThroughEverySlot) {
  const std::string folder = makeScratchFolder();
  for (std::int32_t slot = 1; slot <= 5; ++slot) {
    MemoryConsole io("");
    Game saving(io, folder);
    saving.state = unusualState();
    saving.state.day = slot;  // a different game in each slot
    ASSERT_TRUE(writeSaveFile(saving, slot));

    Game loading(io, folder);
    readSaveFile(loading, slot);
    EXPECT_EQ(nameOf(loading.state), "zaveK-9_x") << slot;
    EXPECT_EQ(numericRecords(loading.state), numericRecords(saving.state)) << slot;
  }
}

TEST(SaveWriter, SlotOutsideOneToFiveWritesNothing) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  for (const std::int32_t slot : {0, 6, -1, 10}) EXPECT_FALSE(writeSaveFile(game, slot)) << slot;
  for (const char* name : {"save0.sav", "save6.sav", "save-1.sav", "save10.sav"}) {
    EXPECT_FALSE(fileExists(gameFile(game, name))) << name;
  }
}

// Every slot file as it was before the failed save.
void expectSlotsUnchanged(const Game& game, const std::vector<std::string>& before) {
  for (std::int32_t slot = 1; slot <= 5; ++slot) {
    EXPECT_EQ(readFile(gameFile(game, slotFileName(slot))), before[static_cast<std::size_t>(slot - 1)]) << slot;
  }
}

TEST(SaveWriterFaults, DirectoryInPlaceOfTheSlot) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  std::vector<std::string> before;
  for (std::int32_t slot = 1; slot <= 5; ++slot) {
    before.push_back(slot == 2 ? "" : "old game " + std::to_string(slot));
    if (slot != 2) writeFile(gameFile(game, slotFileName(slot)), before.back());
  }
  ASSERT_TRUE(std::filesystem::create_directory(gameFile(game, "save2.sav")));
  EXPECT_FALSE(writeSaveFile(game, 2));
  EXPECT_TRUE(std::filesystem::is_directory(gameFile(game, "save2.sav")));
  EXPECT_FALSE(fileExists(gameFile(game, "save2.sav.tmp")));
  expectSlotsUnchanged(game, before);
}

TEST(SaveWriterFaults, TemporaryFileCannotBeCreated) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  writeFile(gameFile(game, "save5.sav"), "old");
  // Something that is not ours in the temporary file's place is left alone.
  ASSERT_TRUE(std::filesystem::create_directory(gameFile(game, "save5.sav.tmp")));
  EXPECT_FALSE(writeSaveFile(game, 5));
  EXPECT_EQ(readFile(gameFile(game, "save5.sav")), "old");

  Game nowhere(io, gameFile(game, "no-such-folder"));
  EXPECT_FALSE(writeSaveFile(nowhere, 1));
}

TEST(SaveWriterFaults, LeftoverTemporaryFileIsReplaced) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  writeFile(gameFile(game, "save3.sav.tmp"), std::string(100, 'z'));
  ASSERT_TRUE(writeSaveFile(game, 3));
  EXPECT_EQ(readFile(gameFile(game, "save3.sav")), saveFileBytes(game.state));
  EXPECT_FALSE(fileExists(gameFile(game, "save3.sav.tmp")));
}

// ---- Reading ----

TEST(SaveReader, LineEndsAndWhiteSpaceAreSkipped) {
  for (const std::string_view lineEnd : {"\r\n", "\n", "\r", " ", "\t\v\f  \n\n"}) {
    GameState loaded;
    readSaveRecords(fileOf(unusualRecords(), lineEnd), loaded);
    EXPECT_EQ(nameOf(loaded), "zaveK-9_x");
    EXPECT_EQ(numericRecords(loaded), numericRecords(unusualState()));
  }
  GameState loaded;
  readSaveRecords("  \r\n\tnick;1 ; -2;\n3\n;", loaded);
  EXPECT_EQ(nameOf(loaded), "nick");
  EXPECT_EQ(loaded.day, 1);
  EXPECT_EQ(loaded.money, -2);
  EXPECT_EQ(loaded.reputation, 3);
}

TEST(SaveReader, NicknameWithSpacesIsReadWithoutThem) {
  std::vector<std::string> records = unusualRecords();
  records[0] = "ni ck\tna me";
  GameState loaded;
  readSaveRecords(fileOf(records), loaded);
  EXPECT_EQ(nameOf(loaded), "nickname");
  EXPECT_EQ(numericRecords(loaded), numericRecords(unusualState()));
  EXPECT_EQ(readSlotSummary(fileOf(records)).name, "nickname");
}

TEST(SaveReader, NicknameWithSemicolonFromAnOlderWriter) {
  std::vector<std::string> records = unusualRecords();
  records[0] = "ab;cd";
  const SlotSummary summary = readSlotSummary(fileOf(records));
  EXPECT_EQ(summary.name, "ab");
  EXPECT_EQ(summary.day, 0);
  EXPECT_EQ(summary.money, 0);
  EXPECT_EQ(summary.reputation, 0);

  GameState loaded;
  loaded.day = 40;
  readSaveRecords(fileOf(records), loaded);
  EXPECT_EQ(nameOf(loaded), "ab");
  GameState expected;
  expected.day = expected.money = expected.reputation = 0;
  EXPECT_EQ(numericRecords(loaded), numericRecords(expected));
}

TEST(SaveReader, TruncatedAtEveryRecordBoundary) {
  const GameState full = unusualState();
  const std::vector<double> fullRecords = numericRecords(full);
  const std::vector<double> initial = numericRecords(GameState{});
  // Cut after the whole record k (";" and line end), and just after its value.
  for (std::size_t k = 0; k <= 26; ++k) {
    std::string whole;
    std::string valueOnly;
    for (std::size_t r = 0; r < k; ++r) {
      valueOnly = whole + unusualRecords()[r];
      whole += unusualRecords()[r] + ";\r\n";
    }
    for (const std::string& bytes : {whole, valueOnly}) {
      GameState loaded;
      readSaveRecords(bytes, loaded);
      std::vector<double> expected = initial;
      for (std::size_t r = 0; r < 25; ++r) {
        if (r + 2 <= k) {
          expected[r] = fullRecords[r];
        } else if (r < 3) {
          expected[r] = 0;  // day, money and reputation that cannot be read
        }
      }
      EXPECT_EQ(nameOf(loaded), k >= 1 ? "zaveK-9_x" : "") << "k=" << k << " bytes=" << bytes.size();
      EXPECT_EQ(numericRecords(loaded), expected) << "k=" << k << " bytes=" << bytes.size();

      const SlotSummary summary = readSlotSummary(bytes);
      EXPECT_EQ(summary.day, k >= 2 ? 123456 : 0) << k;
      EXPECT_EQ(summary.money, k >= 3 ? -98765 : 0) << k;
      EXPECT_EQ(summary.reputation, k >= 4 ? 2147483647 : 0) << k;
    }
  }
}

TEST(SaveReader, ValuesOutsideTheFieldsWidthFailAndStopTheReading) {
  struct Case {
    std::size_t record;  // 1-based record number
    const char* text;
    bool accepted;
  };
  // clang-format off
  const Case cases[] = {
      {2, "2147483647", true},   {2, "2147483648", false},      {3, "-2147483648", true},
      {3, "-2147483649", false}, {4, "99999999999999999999", false}, {5, "+77", true},
      {8, "4294967296", false},  {9, "32767", true},            {9, "32768", false},
      {10, "-32768", true},      {10, "-32769", false},          {20, "65536", false},
      {21, "0000000000000000000042", true}, {26, "-0", true},    {13, "abc", false},
      {13, "-", false},          {13, "+", false},              {26, "2147483648", false},
  };
  // clang-format on
  const GameState full = unusualState();
  for (const Case& c : cases) {
    std::vector<std::string> records = unusualRecords();
    records[c.record - 1] = c.text;
    GameState loaded;
    readSaveRecords(fileOf(records), loaded);
    std::vector<double> expected = numericRecords(full);
    const std::vector<double> initial = numericRecords(GameState{});
    for (std::size_t r = c.record - 2; r < 25; ++r) {
      if (c.accepted) {
        if (r == c.record - 2) expected[r] = std::stod(c.text);
      } else {
        expected[r] = r < 3 ? 0 : initial[r];
      }
    }
    EXPECT_EQ(numericRecords(loaded), expected) << "record " << c.record << " = " << c.text;
  }
}

TEST(SaveReader, MemoryRecordAsADecimalReal) {
  struct Case {
    const char* text;
    bool accepted;
    float value;
  };
  // clang-format off
  const Case cases[] = {
      {"0.125", true, 0.125f}, {"1", true, 1.0f},     {"8", true, 8.0f},         {"+2.5", true, 2.5f},
      {".5", true, 0.5f},      {"4.", true, 4.0f},    {"5e-1", true, 0.5f},      {"1.5E+3", true, 1500.0f},
      {"-0", true, -0.0f},     {"0.1", true, 0.1f},   {"3.4e38", true, 3.4e38f}, {"1e-50", true, 0.0f},
      {"0.00000000000000000000000000000000000000000000000001", true, 0.0f},
      {"3.5e38", false, 0},    {"1e39", false, 0},    {"-1e999999999999999999", false, 0},
      {"1e", false, 0},        {"1e+", false, 0},     {"inf", false, 0},         {"nan", false, 0},
      {".", false, 0},         {"-", false, 0},       {"e5", false, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    std::vector<std::string> records = unusualRecords();
    records[6] = c.text;
    GameState loaded;
    readSaveRecords(fileOf(records), loaded);
    if (c.accepted) {
      EXPECT_EQ(loaded.ramGb, c.value) << c.text;
      EXPECT_EQ(std::signbit(loaded.ramGb), std::signbit(c.value)) << c.text;
      EXPECT_EQ(loaded.pressLevel, unusualState().pressLevel) << c.text;
    } else {
      EXPECT_EQ(loaded.ramGb, 0.125f) << c.text;
      EXPECT_EQ(loaded.hddGb, 10) << c.text;
      EXPECT_EQ(loaded.cpuMhz, 4400) << c.text;  // the records before it are read
    }
  }
}

TEST(SaveReader, SeparatorIsAnyOneByte) {
  GameState loaded;
  readSaveRecords("n;5x6y7z2800", loaded);
  EXPECT_EQ(loaded.day, 5);
  EXPECT_EQ(loaded.money, 6);
  EXPECT_EQ(loaded.reputation, 7);
  EXPECT_EQ(loaded.cpuMhz, 2800);
  // A number stops at the first byte that cannot continue it.
  readSaveRecords("n;12abc;9", loaded);
  EXPECT_EQ(loaded.day, 12);
  EXPECT_EQ(loaded.money, 0);  // "bc" is no number
  EXPECT_EQ(loaded.reputation, 0);
}

TEST(SaveReader, FortyCharacterFirstRecord) {
  std::vector<std::string> records = unusualRecords();
  records[0] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";
  GameState loaded;
  readSaveRecords(fileOf(records), loaded);
  EXPECT_EQ(nameOf(loaded), "abcdefghijklmno");
  EXPECT_EQ(loaded.playerName[15], '\0');
  EXPECT_EQ(numericRecords(loaded), numericRecords(unusualState()));
  // The summary echoes the whole record.
  EXPECT_EQ(readSlotSummary(fileOf(records)).name, records[0]);
}

TEST(SaveReader, ZeroByteEndsTheNickname) {
  GameState loaded;
  setName(loaded, "previous-name");
  readSaveRecords(std::string("ab\0cd;\r\n5;", 10), loaded);
  EXPECT_EQ(nameOf(loaded), "ab");
  EXPECT_EQ(std::string(loaded.playerName.data() + 3, 12), std::string(12, '\0'));
  EXPECT_EQ(loaded.day, 5);
}

// A file offered from outside counts as a save file only when the reader takes all of it.
TEST(SaveReader, WhatCountsAsASaveFile) {
  std::vector<std::string> longName = unusualRecords();
  longName[0] = "sixteen-letters!";
  std::vector<std::string> badNumber = unusualRecords();
  badNumber[20] = "x";
  const std::string whole = fileOf(unusualRecords());
  const struct {
    const char* what;
    std::string bytes;
    bool isSave;
  } cases[] = {
      {"as the game writes it", saveFileBytes(unusualState()), true},
      {"LF line ends", fileOf(unusualRecords(), "\n"), true},
      {"without the last record's end", whole.substr(0, whole.size() - 3), true},
      {"cut inside the last record", whole.substr(0, whole.size() - 5), true},
      {"cut before the last record", whole.substr(0, whole.rfind(";", whole.size() - 4) + 1), false},
      {"a record that is no number", fileOf(badNumber), false},
      {"a nickname of 16 bytes", fileOf(longName), false},
      {"empty", "", false},
      {"a text", "Dear diary, today I saved nothing.", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isSaveFile(c.bytes), c.isSave) << c.what;
}

TEST(SaveReader, EmptyFileAndMissingFile) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  writeFile(gameFile(game, "save2.sav"), "");
  for (const std::int32_t slot : {2, 3}) {  // empty, missing
    game.state = unusualState();
    readSaveFile(game, slot);
    EXPECT_EQ(nameOf(game.state), "") << slot;
    std::vector<double> expected = numericRecords(unusualState());
    expected[0] = expected[1] = expected[2] = 0;
    EXPECT_EQ(numericRecords(game.state), expected) << slot;
    const SlotSummary summary = readSlotSummary(readSlotBytes(game, slot));
    EXPECT_EQ(summary.name, "");
    EXPECT_EQ(summary.day, 0);
  }
}

TEST(SaveReader, SlotThatIsNoRegularFileReadsAsMissing) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  ASSERT_TRUE(std::filesystem::create_directory(gameFile(game, "save1.sav")));
  EXPECT_EQ(readSlotBytes(game, 1), "");
#ifndef _WIN32
  ASSERT_EQ(mkfifo(gameFile(game, "save2.sav").c_str(), 0644), 0);  // must not hang
  EXPECT_EQ(readSlotBytes(game, 2), "");
#endif
}

TEST(SaveReader, OnlyTheFirstMebibyteOfAHugeFileIsRead) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  writeFile(gameFile(game, "save1.sav"), std::string(kMaxSaveFileBytes, ' ') + fileOf(unusualRecords()));
  EXPECT_EQ(readSlotBytes(game, 1).size(), kMaxSaveFileBytes);
  readSaveFile(game, 1);
  EXPECT_EQ(nameOf(game.state), "");
  EXPECT_EQ(game.state.day, 0);
}

}  // namespace
}  // namespace geekpath
