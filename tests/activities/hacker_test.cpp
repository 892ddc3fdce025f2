// The hacking missions: success before failure, the limits on both sides, the band of
// missions 5 and 6 where nothing happens, and the choice kept between visits.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "activities/hacker.hpp"
#include "core/memory_console.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::kClear;
using testing::lines;

const std::string kPrompt = kClear + lines({"Миссия:", "\t 1-6"});

struct MissionCase {
  const char* what;
  std::int16_t hackerLevel;
  std::int32_t reputation;
  const char* input;
  std::vector<std::string_view> printed;  // after the prompt
  std::int32_t moneyAfter;                // money starts at 1000
  std::int32_t reputationAfter;
  std::int16_t hackerLevelAfter;
};

TEST(Hacker, Missions) {
  // clang-format off
  const MissionCase cases[] = {
      {"new game, mission 1", 0, 0, "1\n",
       {"Вы смогли взломать компьютер и скачать требующийся файл", "Крутость+30,деньги+10"}, 1010, 30, 1},
      {"mission 1 again", 1, 30, "1\n", {}, 1000, 30, 1},
      {"mission 1 again with reputation gone", 3, -500, "1\n", {}, 1000, -500, 3},
      {"mission 2 at its limit", 1, 30, "2\n",
       {"Вы не смогли взломать компьютер и скачать требующийся файл", "Деньги-60"}, 940, 30, 1},
      {"mission 2 just above it", 1, 31, "2\n",
       {"Вы смогли взломать компьютер и скачать требующийся файл", "Крутость+50,деньги+15"}, 1015, 81, 2},
      {"mission 3", 2, 81, "3\n", {"Вы смогли закачать в чужой компьютер вирус", "Крутость+80,деньги+40"}, 1040, 161,
       3},
      {"mission 3 refused", 2, 80, "3\n", {"Вы не смогли закачать в чужой компьютер вирус", "Деньги-125"}, 875, 80, 2},
      {"mission 4 before mission 1", 0, 0, "4\n",
       {"Вы не смогли взломать компьютер и скачать секретный файл", "Деньги-250"}, 750, 0, 0},
      {"mission 4 before mission 3, reputation high", 2, 5000, "4\n",
       {"Вы не смогли взломать компьютер и скачать секретный файл", "Деньги-250"}, 750, 5000, 2},
      {"mission 4", 3, 201, "4\n",
       {"Вы смогли взломать компьютер и скачать секретный файл", "Крутость+150,деньги+70"}, 1070, 351, 4},
      {"mission 5", 4, 801, "5\n",
       {"Вы смогли ограбить через интернет небольшой банк", "Крутость+400,деньги+200"}, 1200, 1201, 5},
      {"mission 5 at its failure limit", 4, 600, "5\n",
       {"Вы не смогли ограбить через интернет небольшой банк", "Деньги-600"}, 400, 600, 4},
      {"mission 6", 5, 2501, "6\n",
       {"Вы смогли ограбить через интернет большой банк", "Крутость+800,деньги+400"}, 1400, 3301, 6},
      {"mission 6 at its failure limit", 5, 2000, "6\n",
       {"Вы не смогли ограбить через интернет большой банк", "Деньги-1250"}, -250, 2000, 5},
      {"mission 2 done, reputation fell to 20", 3, 20, "2\n",
       {"Вы не смогли взломать компьютер и скачать требующийся файл", "Деньги-60"}, 940, 20, 3},
      {"mission 2 done, reputation 50", 3, 50, "2\n", {}, 1000, 50, 3},
      {"mission 5 done, reputation at its limit", 6, 600, "5\n",
       {"Вы не смогли ограбить через интернет небольшой банк", "Деньги-600"}, 400, 600, 6},
      {"no mission 0", 0, 0, "0\n", {}, 1000, 0, 0},
      {"no mission 7", 6, 0, "7\n", {}, 1000, 0, 6},
      {"no mission -1", 0, 0, "-1\n", {}, 1000, 0, 0},
  };
  // clang-format on
  for (const MissionCase& c : cases) {
    MemoryConsole io(c.input);
    Game game(io);
    game.state.hackerLevel = c.hackerLevel;
    game.state.reputation = c.reputation;
    game.state.money = 1000;
    hackerScreen(game);
    std::string expected = kPrompt;
    for (const std::string_view line : c.printed) expected += lines({line});
    EXPECT_EQ(io.output(), expected) << c.what;
    EXPECT_EQ(game.state.money, c.moneyAfter) << c.what;
    EXPECT_EQ(game.state.reputation, c.reputationAfter) << c.what;
    EXPECT_EQ(game.state.hackerLevel, c.hackerLevelAfter) << c.what;
    EXPECT_EQ(io.unreadInput(), "") << c.what << ": the key wait takes the line feed";
  }
}

// Missions 5 and 6 leave reputation between their two limits where an attempt neither
// succeeds nor fails: nothing is printed and nothing changes.
TEST(Hacker, BandOfMissionsFiveAndSixDoesNothing) {
  struct Band {
    std::int16_t hackerLevel;
    std::int32_t reputation;
    const char* input;
  };
  const Band cases[] = {{4, 601, "5\n"}, {4, 800, "5\n"}, {5, 2001, "6\n"}, {5, 2500, "6\n"}};
  for (const Band& c : cases) {
    MemoryConsole io(c.input);
    Game game(io);
    game.state.hackerLevel = c.hackerLevel;
    game.state.reputation = c.reputation;
    game.state.money = 77;
    hackerScreen(game);
    EXPECT_EQ(io.output(), kPrompt) << c.reputation;
    EXPECT_EQ(game.state.money, 77);
    EXPECT_EQ(game.state.reputation, c.reputation);
    EXPECT_EQ(game.state.hackerLevel, c.hackerLevel);
  }
}

TEST(Hacker, PenaltyChargedWhateverTheMoney) {
  MemoryConsole io("6\n");
  Game game(io);
  game.state.money = -100;
  hackerScreen(game);
  EXPECT_EQ(game.state.money, -1350);
}

// A failed read repeats the mission of the previous visit, as the choice is kept.
TEST(Hacker, UnreadableChoiceRepeatsThePreviousVisit) {
  MemoryConsole io("4\nabc\n\n");
  Game game(io);
  game.state.money = 1000;
  hackerScreen(game);
  hackerScreen(game);
  EXPECT_EQ(game.state.money, 500);
  EXPECT_EQ(testing::countOf(io.output(), "Деньги-250"), 2u);
}

TEST(Hacker, AllSixMissionsInOrder) {
  MemoryConsole io("1\n2\n3\n4\n5\n6\n");
  Game game(io);
  game.state.reputation = 2000;  // the gains of missions 1 to 4 carry it past 2500
  for (int visit = 0; visit < 6; ++visit) hackerScreen(game);
  EXPECT_EQ(game.state.hackerLevel, 6);
  EXPECT_EQ(game.state.reputation, 2000 + 30 + 50 + 80 + 150 + 400 + 800);
  EXPECT_EQ(game.state.money, 10 + 15 + 40 + 70 + 200 + 400);
}

TEST(Hacker, EndOfInputAtTheKeyWait) {
  MemoryConsole io("1");
  Game game(io);
  EXPECT_THROW(hackerScreen(game), EndOfInput);
  EXPECT_EQ(game.state.hackerLevel, 1);
}

}  // namespace
}  // namespace geekpath
