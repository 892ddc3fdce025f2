// Playing games through: the listing with its marks, the requirement tests, what a success
// gives and takes (once), what a failure says, and the choice kept between visits.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "activities/play_games.hpp"
#include "core/memory_console.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::kClear;
using testing::lines;

const std::string kHeading = lines({"Название игры \t\t\tСтоимость прохождения"});
const std::string kPrompt =
    lines({"", "Выберете игру для прохождения", "Каждый день прохождения тратятся некоторые деньги"});
const std::string kPassed = lines({"Вы прошли игру"});
const std::string kFailed = lines({"Вы не прошли игру"});
const std::string kNeedsDvd = lines({"Требуется DVD-ROM"});

// The listing of a new game: no game lines, sixteen empty mark lines.
const std::string kEmptyListing = kClear + kHeading + std::string(16, '\n') + kPrompt;

auto playFields(const GameState& s) { return std::tuple(s.reputation, s.gamesCompleted, s.day, s.money); }

void bestComputer(GameState& s) {
  s.cpuMhz = 4400;
  s.gpuModel = 9800;
  s.ramGb = 8.0f;
  s.hddGb = 1500;
  s.hasDvdRom = 1;
}

// Everything game 4 needs.
void readyForGameFour(GameState& s) {
  s.gamesCompleted = 3;
  s.cpuMhz = 1000;
  s.gpuModel = 5800;
  s.ramGb = 0.5f;
  s.hddGb = 50;
  s.hasDvdRom = 1;
}

TEST(PlayGames, NewGameListsSixteenEmptyLinesAndIgnoresALaterGame) {
  MemoryConsole io("2\n");
  Game game(io);
  const GameState before = game.state;
  playGamesScreen(game);
  EXPECT_EQ(io.output(), kEmptyListing);
  EXPECT_EQ(playFields(game.state), playFields(before));
}

TEST(PlayGames, ListsOwnedGamesWithTheirMarksBelow) {
  MemoryConsole io("0\n");
  Game game(io);
  game.state.gamesOwned = 3;
  game.state.gamesCompleted = 2;
  playGamesScreen(game);
  EXPECT_EQ(io.output(), kClear + kHeading +
                             lines({"1.StarCraft \t\t\t20", "пройдено", "2.Казаки \t\t\t40", "пройдено",
                                    "3.NeedForSpeed5 \t\t60", ""}) +
                             std::string(13, '\n') + kPrompt);
}

TEST(PlayGames, MarksStayAfterTheGamesAreLost) {
  MemoryConsole io("0\n");
  Game game(io);
  game.state.gamesOwned = 0;
  game.state.gamesCompleted = 3;
  playGamesScreen(game);
  EXPECT_EQ(io.output(),
            kClear + kHeading + lines({"пройдено", "пройдено", "пройдено"}) + std::string(13, '\n') + kPrompt);
}

TEST(PlayGames, AllSixteenOwnedAndPlayed) {
  MemoryConsole io("0\n");
  Game game(io);
  game.state.gamesOwned = 16;
  game.state.gamesCompleted = 16;
  playGamesScreen(game);
  const std::string& out = io.output();
  EXPECT_EQ(testing::countOf(out, "пройдено\n"), 16u);
  EXPECT_NE(out.find("15.Heroes of MightAndMagic6 \t2000\nпройдено\n16.Lineage 3 \t\t\t2500\nпройдено\n\n"),
            std::string::npos);
}

struct AttemptCase {
  const char* name;
  void (*setup)(GameState&);
  const char* input;
  std::string result;          // printed after the prompt
  void (*change)(GameState&);  // nullptr: nothing changes
};

const AttemptCase kAttempts[] = {
    {"StartingComputerPassesGameOneUnownedAndPenniless", [](GameState&) {}, "1\n", kPassed,
     [](GameState& s) {
       s.reputation = 20;
       s.gamesCompleted = 1;
       s.day = 2;
       s.money = -20;
     }},
    {"GameTwoNeedsABetterVideoCard", [](GameState& s) { s.gamesCompleted = 1; }, "2\n", kFailed, nullptr},
    {"GameThreeFailsWithoutTheDvdLine",
     [](GameState& s) {
       s.gamesCompleted = 2;
       s.gpuModel = 5800;
     },
     "3\n", kFailed, nullptr},
    {"MissingDvdRomPrintsBothLines",
     [](GameState& s) {
       readyForGameFour(s);
       s.hasDvdRom = 0;
     },
     "4\n", kFailed + kNeedsDvd, nullptr},
    {"DvdRomPresentButTooLittleMemory",
     [](GameState& s) {
       readyForGameFour(s);
       s.ramGb = 0.125f;
     },
     "4\n", kFailed, nullptr},
    {"MissingDvdRomIsNamedWhicheverRequirementFailed",
     [](GameState& s) {
       readyForGameFour(s);
       s.hasDvdRom = 0;
       s.cpuMhz = 500;
     },
     "4\n", kFailed + kNeedsDvd, nullptr},
    {"DvdRomFlagOtherThanOneIsNotADrive",
     [](GameState& s) {
       readyForGameFour(s);
       s.hasDvdRom = 2;
     },
     "4\n", kFailed, nullptr},
    {"EveryRequirementExactlyMetPasses",
     [](GameState& s) {
       readyForGameFour(s);
       s.money = 100;
       s.day = 30;
     },
     "4\n", kPassed,
     [](GameState& s) {
       s.reputation = 110;
       s.gamesCompleted = 4;
       s.day = 32;
       s.money = 15;
     }},
    {"GameTwelveNeedsEightGigabytes",
     [](GameState& s) {
       bestComputer(s);
       s.ramGb = 4.0f;
       s.gamesCompleted = 11;
     },
     "12\n", kFailed, nullptr},
    {"GameAlreadyPlayedThroughPrintsNothing",
     [](GameState& s) {
       bestComputer(s);
       s.gamesCompleted = 5;
     },
     "5\n", "", nullptr},
    {"GameBeyondTheNextPrintsNothing", [](GameState& s) { bestComputer(s); }, "2\n", "", nullptr},
    {"NumbersOutsideTheListPrintNothing",
     [](GameState& s) {
       bestComputer(s);
       s.gamesCompleted = 16;
     },
     "17\n", "", nullptr},
    {"LastGameAppliesDaysAndCostOnce",
     [](GameState& s) {
       bestComputer(s);
       s.gamesCompleted = 15;
       s.day = 100;
       s.money = 10000;
       s.reputation = 7;
     },
     "16\n", kPassed,
     [](GameState& s) {
       s.reputation = 3507;
       s.gamesCompleted = 16;
       s.day = 155;
       s.money = 7500;
     }},
};

TEST(PlayGames, Attempts) {
  for (const AttemptCase& c : kAttempts) {
    SCOPED_TRACE(c.name);
    // The line feed after the number answers the closing key wait; nothing more is read.
    MemoryConsole io(c.input);
    Game game(io);
    c.setup(game.state);
    GameState expected = game.state;
    if (c.change != nullptr) c.change(expected);
    playGamesScreen(game);
    const std::string& out = io.output();
    ASSERT_GE(out.size(), kPrompt.size());
    EXPECT_EQ(out.substr(out.rfind(kPrompt) + kPrompt.size()), c.result);
    EXPECT_EQ(playFields(game.state), playFields(expected));
  }
}

TEST(PlayGames, BestComputerPlaysAllSixteenInOrder) {
  std::string input;
  for (int n = 1; n <= 16; ++n) input += std::to_string(n) + "\n";
  MemoryConsole io(input);
  Game game(io);
  bestComputer(game.state);
  for (int n = 1; n <= 16; ++n) playGamesScreen(game);
  EXPECT_EQ(testing::countOf(io.output(), "Вы прошли игру\n"), 16u);
  // Rewards, days and costs of the whole list.
  EXPECT_EQ(playFields(game.state), std::tuple(16605, std::int16_t{16}, 1 + 323, -11775));
}

TEST(PlayGames, FailedReadRepeatsThePreviousVisitsChoice) {
  MemoryConsole io("2\nx\nk");
  Game game(io);
  game.state.gamesCompleted = 1;
  playGamesScreen(game);  // game 2 on the starting video card: fails
  EXPECT_EQ(game.state.gamesCompleted, 1);
  game.state.gpuModel = 5800;
  io.clearOutput();
  playGamesScreen(game);  // nothing readable: game 2 again, now passed
  EXPECT_EQ(game.state.gamesCompleted, 2);
  EXPECT_EQ(game.state.reputation, 25);
  EXPECT_NE(io.output().find(kPassed), std::string::npos);
}

TEST(PlayGames, EndsWithAKeyWait) {
  MemoryConsole io("1");
  Game game(io);
  EXPECT_THROW(playGamesScreen(game), EndOfInput);
}

}  // namespace
}  // namespace geekpath
