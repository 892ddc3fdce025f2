// The load screen: the income a loaded game gets, the slot prompt, and the day loop it
// enters without the starting bonus and with the event table of the loaded nickname.

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/memory_console.hpp"
#include "day/day_loop.hpp"
#include "persistence/load_screen.hpp"
#include "persistence/save_file.hpp"
#include "support/files.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::countOf;
using testing::gameFile;
using testing::kClear;
using testing::lines;
using testing::makeScratchFolder;
using testing::writeFile;

TEST(IncomeAfterLoad, ByJobAndClubs) {
  struct Case {
    std::int16_t job;
    std::int32_t small, medium, big, huge;
    std::int32_t incomeBefore;
    std::int32_t expected;
  };
  const Case cases[] = {
      {1, 0, 0, 0, 0, 99, 10},
      {2, 0, 0, 0, 0, 99, 15},
      {3, 0, 0, 0, 0, 35, 30},  // not the jobs screen's 35
      {4, 0, 0, 0, 0, 60, 50},
      {5, 0, 0, 0, 0, 120, 100},
      {6, 0, 0, 0, 0, 180, 150},
      {7, 0, 0, 0, 0, 300, 250},
      {0, 0, 0, 0, 0, 10, 10},  // no job: unchanged
      {0, 0, 0, 0, 0, 77, 77},
      {8, 5, 5, 5, 5, 42, 42},
      {-1, 0, 0, 0, 0, 42, 42},
      {10, 2, 0, 0, 1, 10, 340},
      {10, 1, 1, 1, 1, 10, 460},
      {10, 0, 0, 0, 0, 10, 0},
      {10, -3, 0, 0, 0, 10, -30},
      // 3 200 000 000 does not fit: it wraps as the 32-bit field would hold it.
      {10, 0, 0, 0, 10'000'000, 10, -1'094'967'296},
      {10, 2147483647, 2147483647, 2147483647, 2147483647, 10, -460},
  };
  for (const Case& c : cases) {
    GameState s;
    s.job = c.job;
    s.smallClubs = c.small;
    s.mediumClubs = c.medium;
    s.bigClubs = c.big;
    s.hugeClubs = c.huge;
    s.dailyIncome = c.incomeBefore;
    EXPECT_EQ(incomeAfterLoad(s), c.expected) << "job " << c.job << " huge " << c.huge;
  }
}

// The records of a hand-made save file: nickname, day and job as given, two small clubs
// and one huge club, everything else as a new game has it.
std::string handMadeFile(std::string_view name, std::int32_t day, std::int16_t job) {
  std::string bytes = std::string(name) + ";\r\n" + std::to_string(day) + ";\r\n";
  const std::vector<std::string> rest = {"25", "30", "2000", "6800", "1", "160", std::to_string(job),
                                         "0",  "0",  "0",    "0",    "0", "0",   "0",
                                         "0",  "0",  "0",    "0",    "2", "0",   "0",
                                         "1",  "0",  "0"};
  for (const std::string& record : rest) bytes += record + ";\r\n";
  return bytes;
}

TEST(LoadScreen, LoadsTheSlotAndTheDayLoopSkipsTheBonus) {
  struct Case {
    std::int16_t job;
    std::int32_t income;
  };
  for (const Case c : {Case{0, 10}, Case{3, 30}, Case{7, 250}, Case{10, 340}}) {
    MemoryConsole io("2\n");  // the input ends at the first day menu
    Game game(io, makeScratchFolder());
    writeFile(gameFile(game, "save2.sav"), handMadeFile("loaded", 3, c.job));
    ASSERT_TRUE(loadScreen(game));
    EXPECT_THROW(runDayLoop(game), EndOfInput);

    const GameState& s = game.state;
    EXPECT_EQ(std::string(s.playerName.data()), "loaded");
    EXPECT_EQ(s.day, 3);
    EXPECT_EQ(s.money, 25);
    EXPECT_EQ(s.reputation, 30);
    EXPECT_EQ(s.cpuMhz, 2000);
    EXPECT_EQ(s.ramGb, 1.0f);
    EXPECT_EQ(s.job, c.job);
    EXPECT_EQ(s.smallClubs, 2);
    EXPECT_EQ(s.hugeClubs, 1);
    EXPECT_EQ(s.dailyIncome, c.income) << "job " << c.job;
    EXPECT_EQ(s.gameLoaded, 1);

    const std::string& out = io.output();
    const std::string prompt = "Выберите слот для загрузки:\n";
    const std::size_t at = out.find(prompt);
    ASSERT_NE(at, std::string::npos);
    const std::string firstHeading = "\t\t\tСлот 1\n";  // no clearing of its own
    EXPECT_EQ(out.substr(0, firstHeading.size()), firstHeading);
    EXPECT_EQ(countOf(out, "пользователь:loaded\nДень:3\nДеньги:25\nКрутость:30\n"), 1u);
    // Entry, set-up without the bonus menu, and the first pass: three clearings, then the panel.
    const std::string dayLoopStart = kClear + kClear + kClear + "Процессор:\t\t|\t деньги:\n";
    EXPECT_EQ(out.substr(at + prompt.size(), dayLoopStart.size()), dayLoopStart);
    EXPECT_EQ(countOf(out, "Выберите началрный бонус"), 0u);
    EXPECT_EQ(countOf(out, "GB\t\t|\t " + std::to_string(c.income) + "\n-----"), 1u);
  }
}

TEST(LoadScreen, LoadedNicknameChoosesTheEventTable) {
  struct Case {
    const char* name;
    std::optional<std::size_t> table;  // none: the event table keeps its own roll
  };
  const Case cases[] = {{"zh", 0}, {"al", 1}, {"xq", 2}, {"au", 2}, {"xz", 3}, {"ab", {}}, {"aH", {}}, {"a", {}}};
  for (const Case& c : cases) {
    MemoryConsole io("1\n");
    Game game(io, makeScratchFolder());
    game.state.playerName = {'x', 'h'};  // the nickname typed at start-up does not count
    writeFile(gameFile(game, "save1.sav"), handMadeFile(c.name, 1, 1));
    ASSERT_TRUE(loadScreen(game));
    EXPECT_THROW(runDayLoop(game), EndOfInput);
    const GameState& s = game.state;
    const EventTable& expected = c.table ? s.eventTableAlt[*c.table] : EventTable{13, 2, 7, 1, 9, 6, 1, 4};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(s.eventTable[i], expected[i]) << c.name << " entry " << i;
    if (c.table) {
      EXPECT_EQ(s.eventTable, s.eventTableAlt[*c.table]) << c.name;
    }
  }
}

TEST(LoadScreen, SlotOutsideOneToFiveRefused) {
  for (const char* input : {"9\n", "0\n", "6\n", "-1\n", "abc\n\n"}) {
    MemoryConsole io(input);
    Game game(io, makeScratchFolder());
    writeFile(gameFile(game, "save1.sav"), handMadeFile("other", 4, 3));
    EXPECT_FALSE(loadScreen(game));
    EXPECT_EQ(io.output().substr(io.output().find("Выберите")),
              lines({"Выберите слот для загрузки:", "Ошибка загрузки"}))
        << input;
    EXPECT_EQ(io.unreadInput(), "") << input;
    EXPECT_EQ(game.state.gameLoaded, 0);
    EXPECT_EQ(game.state.day, 1);
    EXPECT_EQ(game.state.playerName[0], '\0');
  }
}

TEST(LoadScreen, MissingSlotGivesAnEmptyGame) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  game.state.playerName = {'n', 'i', 'c', 'k'};
  readSaveFile(game, 5);
  EXPECT_EQ(game.state.playerName[0], '\0');
  EXPECT_EQ(game.state.day, 0);
  EXPECT_EQ(game.state.money, 0);
  EXPECT_EQ(game.state.reputation, 0);
  EXPECT_EQ(game.state.cpuMhz, 500);
  EXPECT_EQ(game.state.job, 1);
  EXPECT_EQ(incomeAfterLoad(game.state), 10);
}

}  // namespace
}  // namespace geekpath
