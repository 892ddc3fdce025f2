// The generator, the five rolled event tables, the table chosen by the nickname, and
// the starting bonus.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>

#include "core/memory_console.hpp"
#include "core/random.hpp"
#include "day/new_game.hpp"
#include "support/files.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

void setName(GameState& s, const char* name) {
  s.playerName = {};
  std::strncpy(s.playerName.data(), name, s.playerName.size() - 1);
}

TEST(NextRandom, FirstTenValuesFromTheStartSeed) {
  MemoryConsole io("");
  Game game(io);
  const std::array<std::int32_t, 10> expected = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
  for (const std::int32_t value : expected) EXPECT_EQ(nextRandom(game), value);
}

TEST(RollEventTables, FirstEightEntriesOfAllFiveTables) {
  MemoryConsole io("");
  Game game(io);
  rollEventTables(game);
  const GameState& s = game.state;
  const std::array<std::array<std::int16_t, 8>, 5> expected = {{
      {13, 2, 7, 1, 9, 6, 1, 4},
      {1, 12, 5, 13, 2, 5, 12, 5},
      {6, 0, 13, 0, 10, 12, 1, 7},
      {12, 12, 13, 11, 13, 6, 2, 11},
      {3, 6, 7, 4, 12, 1, 7, 10},
  }};
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(s.eventTable[i], expected[0][i]) << i;
    for (std::size_t t = 0; t < 4; ++t) EXPECT_EQ(s.eventTableAlt[t][i], expected[t + 1][i]) << t << "," << i;
  }
  for (const EventTable& table : s.eventTableAlt) {
    for (const std::int16_t code : table) EXPECT_TRUE(code >= 0 && code <= 13);
  }
  EXPECT_EQ(s.eventCursor, -1) << "the roll leaves the cursor alone";
}

TEST(RollEventTables, NicknameSecondLetterChoosesTheTable) {
  struct Case {
    const char* name;
    std::optional<std::size_t> alt;  // none: the table keeps its own roll
    // clang-format off
  } cases[] = {
      {"ag", 0}, {"ah", 0}, {"ak", 0}, {"al", 1}, {"ap", 1}, {"aq", 2}, {"au", 2}, {"av", 3},
      {"az", 3}, {"aa", {}}, {"af", {}}, {"aH", {}}, {"a1", {}}, {"a", {}}, {"", {}}, {"a{", {}},
  };
  // clang-format on
  for (const Case& c : cases) {
    MemoryConsole io("");
    Game game(io);
    setName(game.state, c.name);
    rollEventTables(game);
    const GameState& s = game.state;
    if (!c.alt) {
      EXPECT_EQ(s.eventTable[0], 13) << c.name;
      EXPECT_EQ(s.eventTable[3], 1) << c.name;
    } else {
      EXPECT_EQ(s.eventTable, s.eventTableAlt[*c.alt]) << c.name;
    }
  }
}

TEST(RollEventTables, EveryEntryOfTheTablesComesFromItsOwnDraw) {
  // Rolling twice in one run continues the sequence: 250 draws a roll.
  MemoryConsole io("");
  Game game(io);
  rollEventTables(game);
  Game fresh(io);
  for (int i = 0; i < 250; ++i) (void)nextRandom(fresh);
  EXPECT_EQ(game.randomSeed, fresh.randomSeed);
}

TEST(StartingBonus, MenuAndEachChoice) {
  // The menu as a recorded new game shows it, between two screen clears.
  const std::string recorded = testing::readFile(GEEKPATH_SESSIONS_DIR "/new-game-bonus-1-money/expected-output");
  const std::size_t start = recorded.find(testing::kClear + "\t\tВыберите") + testing::kClear.size();
  const std::size_t end = recorded.find("\n" + testing::kClear, start) + 1;
  ASSERT_GT(end, start);
  const std::string menu = recorded.substr(start, end - start);
  struct Case {
    const char* input;
    GameState expected;
  };
  const auto with = [](void (*change)(GameState&)) {
    GameState s;
    change(s);
    return s;
  };
  const Case cases[] = {
      {"1\n", with([](GameState& s) { s.money = 90; })},
      {"2\n", with([](GameState& s) { s.reputation = 70; })},
      {"3\n", with([](GameState& s) { s.cpuMhz = 2000; })},
      {"4\n", with([](GameState& s) { s.gpuModel = 6800; })},
      {"5\n", with([](GameState& s) { s.ramGb = 1.0f; })},
      {"6\n", with([](GameState& s) { s.hddGb = 160; })},
      {"7\n", with([](GameState& s) { s.hasDvdRom = 1; })},
      {"8\n", GameState{}},
      {"0\n", GameState{}},
      {"money\n", GameState{}},
  };
  for (const Case& c : cases) {
    MemoryConsole io(c.input);
    Game game(io);
    offerStartingBonus(game);
    EXPECT_EQ(io.output(), menu);
    const GameState& s = game.state;
    const GameState& e = c.expected;
    EXPECT_EQ(s.money, e.money) << c.input;
    EXPECT_EQ(s.reputation, e.reputation) << c.input;
    EXPECT_EQ(s.cpuMhz, e.cpuMhz) << c.input;
    EXPECT_EQ(s.gpuModel, e.gpuModel) << c.input;
    EXPECT_EQ(s.ramGb, e.ramGb) << c.input;
    EXPECT_EQ(s.hddGb, e.hddGb) << c.input;
    EXPECT_EQ(s.hasDvdRom, e.hasDvdRom) << c.input;
  }
}

TEST(StartingBonus, AssignsRatherThanAdds) {
  MemoryConsole io("1\n");
  Game game(io);
  game.state.money = 500;
  offerStartingBonus(game);
  EXPECT_EQ(game.state.money, 90);
}

}  // namespace
}  // namespace geekpath
