// Random events: the fixed codes and shifts written into the table, each event's message
// and effect, the late-game shift and the table consumed again after fifty events.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/memory_console.hpp"
#include "day/new_game.hpp"
#include "day/random_events.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::lines;

const std::string kHeader = "\t\tСобытие\n";
// Two key presses per event.
const std::string kTwoKeys = "\n\n";

// What the screen prints for an event with the message (none when empty).
std::string eventOutput(std::string_view message) { return message.empty() ? kHeader : kHeader + lines({message}); }

// A position past the eleven with fixed codes and day shifts: the code placed there is
// the code that strikes (unless the late-game shift lowers it).
constexpr int kFreePosition = 20;

struct EventCase {
  std::int16_t code;
  std::int32_t day;
  std::int32_t money;
  std::int32_t reputation;
  std::int32_t income;
  std::int16_t gamesOwned;
  std::string_view message;
  std::int32_t moneyAfter;
  std::int32_t reputationAfter;
  std::int32_t incomeAfter;
  std::int16_t gamesOwnedAfter;
};

TEST(RandomEvents, EachCodeByItsCondition) {
  const EventCase cases[] = {
      {2, 12, 100, 0, 10, 0, "Время платить налоги", 88, 0, 10, 0},
      {3, 12, 100, 10, 10, 0, "Вы потеряли работу и репутацию", 100, 7, 0, 0},
      {3, 12, 100, -10, 10, 0, "Вы потеряли работу и репутацию", 100, -7, 0, 0},
      {3, 12, 100, 101, 10, 0, "Вы потеряли работу и репутацию", 100, 75, 0, 0},
      {4, 150, 0, 0, 10, 0, "У вас сломалась машина", -100, -50, 10, 0},
      {4, 151, 0, 0, 10, 0, "У вас сломалась Porshe", -300, -150, 10, 0},
      {4, 250, 0, 0, 10, 0, "У вас сломалась Porshe", -300, -150, 10, 0},
      {4, 251, 0, 0, 10, 0, "У вас сломалась Lamborghini", -1000, -500, 10, 0},
      {5, 200, 0, 0, 10, 0, "Время платить налоги", -800, 0, 10, 0},
      {5, 201, 50, 0, 10, 0, "Вас ограбили", 0, 0, 10, 0},
      {5, 201, 0, 0, 10, 0, "", 0, 0, 10, 0},
      {5, 210, -5, 0, 10, 0, "", -5, 0, 10, 0},
      {6, 12, 0, 0, 10, 7, "Все диски с играми потеряны", 0, 0, 10, 0},
      {7, 200, 0, 0, 10, 0, "У вас сломался монитор. Ремонт стоит 100$", -100, 0, 10, 0},
      {7, 201, 0, 0, 10, 0, "У вас сломался монитор. Ремонт стоит 500$", -500, 0, 10, 0},
      {7, 300, 0, 0, 10, 0, "У вас сломался монитор. Ремонт стоит 500$", -500, 0, 10, 0},
      {7, 301, 0, 0, 10, 0, "У вас сломался монитор. Ремонт стоит 1500$", -1500, 0, 10, 0},
      {8, 10, 5, 0, 10, 0, "Вы нашли 30$ в парке", 35, 0, 10, 0},
      {8, 11, 5, 0, 10, 0, "Вы нашли 60$ в парке", 65, 0, 10, 0},
      {9, 12, 0, 0, 10, 0, "За усердную работу у вас повысилась зарплата", 0, 0, 12, 0},
      {9, 12, 0, 0, 3, 0, "За усердную работу у вас повысилась зарплата", 0, 0, 3, 0},
      {10, 55, 0, 0, 10, 0, "Вы выиграли кибер-турнир.деньги+500$", 527, 500, 10, 0},
      {11, 12, -100, 0, 10, 0, "Вы купили новую машину и у вас повысилась репутация", -50, -50, 10, 0},
      {11, 12, 7, 0, 10, 0, "Вы купили новую машину и у вас повысилась репутация", 3, 3, 10, 0},
      {12, 15, 100, 10, 10, 0, "Вы выиграли в лотереи", 125, 10, 10, 0},
      {12, 15, -100, -10, 10, 0, "Вы выиграли в лотереи", -80, -10, 10, 0},
      {13, 12, 0, 0, 10, 9, "Вы нашли диск с игрой", 0, 0, 10, 10},
      {13, 12, 0, 0, 10, 10, "Вы нашли коробку из под диска, но без игры!", 0, 0, 10, 10},
      {14, 12, 5, 5, 10, 3, "", 5, 5, 10, 3},
      {-1, 12, 5, 5, 10, 3, "", 5, 5, 10, 3},
  };
  for (const EventCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "code " << c.code << " on day " << c.day);
    MemoryConsole io(kTwoKeys);
    Game game(io);
    GameState& s = game.state;
    s.eventCursor = kFreePosition - 1;
    s.eventTable[kFreePosition] = c.code;
    s.day = c.day;
    s.money = c.money;
    s.reputation = c.reputation;
    s.dailyIncome = c.income;
    s.gamesOwned = c.gamesOwned;
    randomEventScreen(game);
    EXPECT_EQ(io.output(), eventOutput(c.message));
    EXPECT_EQ(s.eventCursor, kFreePosition);
    EXPECT_EQ(s.money, c.moneyAfter);
    EXPECT_EQ(s.reputation, c.reputationAfter);
    EXPECT_EQ(s.dailyIncome, c.incomeAfter);
    EXPECT_EQ(s.gamesOwned, c.gamesOwnedAfter);
  }
}

TEST(RandomEvents, BreakdownsAndTheLostJobOfAnEntrepreneur) {
  struct Case {
    std::int16_t code;
    std::string_view message;
    std::int32_t cpuAfter;
    std::int32_t gpuAfter;
    std::int16_t jobAfter;
  };
  const Case cases[] = {
      {0, "У вас полетела видеокартa", 2000, 0, 10},
      {1, "У вас сгорел процессор", 0, 6800, 10},
      {3, "Вы потеряли работу и репутацию", 2000, 6800, 0},
  };
  for (const Case& c : cases) {
    MemoryConsole io(kTwoKeys);
    Game game(io);
    GameState& s = game.state;
    s.eventCursor = kFreePosition - 1;
    s.eventTable[kFreePosition] = c.code;
    s.cpuMhz = 2000;
    s.gpuModel = 6800;
    s.job = 10;
    s.dailyIncome = 700;
    randomEventScreen(game);
    EXPECT_EQ(io.output(), eventOutput(c.message));
    EXPECT_EQ(s.cpuMhz, c.cpuAfter);
    EXPECT_EQ(s.gpuModel, c.gpuAfter);
    EXPECT_EQ(s.job, c.jobAfter);
  }
}

TEST(RandomEvents, LateInTheGameGoodEventsTurnBad) {
  // Codes 8 to 13 after day 150 give the events of codes 3 to 8, and stay lowered.
  struct Case {
    std::int16_t code;
    std::int32_t day;
    std::int16_t entryAfter;
    std::string_view message;
  };
  const Case cases[] = {
      {8, 151, 3, "Вы потеряли работу и репутацию"},
      {9, 151, 4, "У вас сломалась Porshe"},
      {10, 160, 5, "Время платить налоги"},
      {11, 151, 6, "Все диски с играми потеряны"},
      {12, 151, 7, "У вас сломался монитор. Ремонт стоит 100$"},
      {13, 151, 8, "Вы нашли 60$ в парке"},
      {13, 150, 13, "Вы нашли диск с игрой"},
      {7, 151, 7, "У вас сломался монитор. Ремонт стоит 100$"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "code " << c.code << " on day " << c.day);
    MemoryConsole io(kTwoKeys);
    Game game(io);
    game.state.eventCursor = kFreePosition - 1;
    game.state.eventTable[kFreePosition] = c.code;
    game.state.day = c.day;
    game.state.money = 1000;
    randomEventScreen(game);
    EXPECT_EQ(io.output(), eventOutput(c.message));
    EXPECT_EQ(game.state.eventTable[kFreePosition], c.entryAfter);
  }
}

TEST(RandomEvents, FirstEventOfAGameTakesPositionZero) {
  // The rolled tables: the own table starts with 13, the one of a second letter i with 1.
  struct Case {
    const char* name;
    std::string_view message;
  };
  const Case cases[] = {{"", "Вы нашли диск с игрой"}, {"nick", "У вас сгорел процессор"}};
  for (const Case& c : cases) {
    MemoryConsole io(kTwoKeys);
    Game game(io);
    std::copy_n(c.name, std::char_traits<char>::length(c.name), game.state.playerName.begin());
    rollEventTables(game);
    game.state.day = 5;
    randomEventScreen(game);
    EXPECT_EQ(io.output(), eventOutput(c.message)) << c.name;
    EXPECT_EQ(game.state.eventCursor, 0);
  }
}

TEST(RandomEvents, FixedCodesAndDayShiftsAreWrittenIntoTheTable) {
  // The rolled entries are all 0, so the fixed positions show their code and the shifted
  // positions show the shift.
  struct Case {
    int position;
    std::int32_t day;
    std::int16_t entryAfter;
  };
  // clang-format off
  const Case cases[] = {
      {0, 20, 0},  {1, 20, 8},   {2, 20, 12},  {3, 20, 8},   {4, 20, 9},  {4, 30, 9},  {4, 31, 8},
      {5, 100, 1}, {5, 101, 0},  {6, 20, 13},  {7, 40, 1},   {7, 41, 0},  {8, 20, 9},  {9, 20, 0},
      {10, 20, 11}, {11, 20, 0}, {49, 20, 0},
      // After day 150 the fixed codes are lowered at once.
      {1, 151, 3}, {2, 151, 7},  {4, 151, 3},  {6, 151, 8},  {8, 151, 4}, {10, 151, 6},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "position " << c.position << " on day " << c.day);
    MemoryConsole io(kTwoKeys);
    Game game(io);
    game.state.eventCursor = static_cast<std::int16_t>(c.position - 1);
    game.state.day = c.day;
    randomEventScreen(game);
    EXPECT_EQ(game.state.eventCursor, c.position);
    EXPECT_EQ(game.state.eventTable[static_cast<std::size_t>(c.position)], c.entryAfter);
  }
}

TEST(RandomEvents, SecondAndFifthEventsByTheDay) {
  struct Case {
    int position;
    std::int32_t day;
    std::string_view message;
  };
  const Case cases[] = {
      {1, 10, "Вы нашли 30$ в парке"},
      {1, 11, "Вы нашли 60$ в парке"},
      {1, 151, "Вы потеряли работу и репутацию"},
      {4, 30, "За усердную работу у вас повысилась зарплата"},
      {4, 31, "Вы нашли 60$ в парке"},
      {4, 150, "Вы нашли 30$ в парке"},
      {4, 151, "Вы потеряли работу и репутацию"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "position " << c.position << " on day " << c.day);
    MemoryConsole io(kTwoKeys);
    Game game(io);
    game.state.eventCursor = static_cast<std::int16_t>(c.position - 1);
    game.state.eventTable[static_cast<std::size_t>(c.position)] = 2;  // a rolled tax, overwritten
    game.state.day = c.day;
    randomEventScreen(game);
    EXPECT_EQ(io.output(), eventOutput(c.message));
  }
}

TEST(RandomEvents, ThirdEventIsTheLotteryPrize) {
  MemoryConsole io(kTwoKeys);
  Game game(io);
  game.state.eventCursor = 1;
  game.state.money = 100;
  game.state.day = 15;
  game.state.reputation = 10;
  randomEventScreen(game);
  EXPECT_EQ(io.output(), eventOutput("Вы выиграли в лотереи"));
  EXPECT_EQ(game.state.money, 125);  // 100 + 22.5 + 3, truncated
}

TEST(RandomEvents, RolledThirteenShiftedToFourteenStrikesNothing) {
  for (const int position : {5, 7}) {
    MemoryConsole io(kTwoKeys);
    Game game(io);
    game.state.eventCursor = static_cast<std::int16_t>(position - 1);
    game.state.eventTable[static_cast<std::size_t>(position)] = 13;
    game.state.day = 40;
    game.state.gamesOwned = 3;
    randomEventScreen(game);
    EXPECT_EQ(io.output(), kHeader) << position;
    EXPECT_EQ(game.state.eventTable[static_cast<std::size_t>(position)], 14);
    EXPECT_EQ(game.state.gamesOwned, 3);
  }
}

TEST(RandomEvents, EveryEventWaitsTwice) {
  MemoryConsole io("\n");
  Game game(io);
  game.state.eventCursor = kFreePosition - 1;
  game.state.eventTable[kFreePosition] = 14;
  EXPECT_THROW(randomEventScreen(game), EndOfInput);
  EXPECT_EQ(io.output(), kHeader);
}

TEST(RandomEvents, FiftyFirstEventTakesPositionZeroAgain) {
  // Late in the game every 13 becomes 8 in the first pass and 3 (the lost job) in the
  // second, while the fixed positions get their codes again.
  MemoryConsole io(std::string(2 * 53, '\n'));
  Game game(io);
  GameState& s = game.state;
  s.eventTable.fill(13);
  s.day = 151;
  s.money = 1'000'000;
  for (int i = 0; i < 50; ++i) randomEventScreen(game);
  EXPECT_EQ(s.eventCursor, 49);
  const std::int16_t afterFirstPass[] = {8, 3, 7, 3, 3, 8, 8, 8, 4, 8, 6, 8};
  for (std::size_t i = 0; i < std::size(afterFirstPass); ++i) {
    EXPECT_EQ(s.eventTable[i], afterFirstPass[i]) << "position " << i;
  }
  EXPECT_EQ(s.eventTable[49], 8);

  io.clearOutput();
  s.reputation = 100;
  s.job = 3;
  randomEventScreen(game);
  EXPECT_EQ(s.eventCursor, 0);
  EXPECT_EQ(io.output(), eventOutput("Вы потеряли работу и репутацию"));
  EXPECT_EQ(s.eventTable[0], 3);
  EXPECT_EQ(s.reputation, 75);

  // Position 2 gets its 12 again and the shift lowers it again: the broken monitor.
  io.clearOutput();
  randomEventScreen(game);
  randomEventScreen(game);
  EXPECT_EQ(s.eventCursor, 2);
  EXPECT_EQ(io.output(),
            eventOutput("Вы потеряли работу и репутацию") + eventOutput("У вас сломался монитор. Ремонт стоит 100$"));
}

TEST(RandomEvents, EarlyDayShiftAddsOneAgainInTheSecondPass) {
  // A rolled 12 at position 5 becomes the found disc in the first pass and 14 (nothing)
  // in the second.
  MemoryConsole io(std::string(2 * 56, '\n'));
  Game game(io);
  GameState& s = game.state;
  s.eventTable.fill(2);
  s.eventTable[5] = 12;
  s.day = 50;
  s.money = 1'000'000;
  for (int i = 0; i < 6; ++i) randomEventScreen(game);
  EXPECT_EQ(s.gamesOwned, 1);
  for (int i = 6; i < 55; ++i) randomEventScreen(game);
  EXPECT_EQ(s.eventCursor, 4);
  const std::int16_t gamesBefore = s.gamesOwned;
  io.clearOutput();
  randomEventScreen(game);
  EXPECT_EQ(io.output(), kHeader);
  EXPECT_EQ(s.eventTable[5], 14);
  EXPECT_EQ(s.gamesOwned, gamesBefore);
}

}  // namespace
}  // namespace geekpath
