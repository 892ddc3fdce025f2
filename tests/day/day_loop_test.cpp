// The day loop: schedules, the status panel and day menu, rest days, the quit
// confirmation, cheat codes, defeat, and the end-of-day counters.

#include <gtest/gtest.h>

#include <string>

#include "core/memory_console.hpp"
#include "day/cheat_codes.hpp"
#include "day/day_loop.hpp"
#include "day/press.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::countOf;
using testing::kClear;
using testing::lines;

// Runs the loop of a loaded game (no bonus menu) until it returns or the input ends.
// Returns whether it returned by itself.
bool runLoop(Game& game) {
  game.state.gameLoaded = 1;
  try {
    runDayLoop(game);
    return true;
  } catch (const EndOfInput&) {
    return false;
  }
}

TEST(Schedules, LotteryDays) {
  const std::int32_t lottery[] = {-7, 0, 1, 19, 21, 24, 48, 54, 60, 144, 150, 165, 180, 300};
  const std::int32_t other[] = {20, 22, 49, 50, 51, 53, 55, 149, 151, 156, 162, 170, 190};
  for (const std::int32_t day : lottery) EXPECT_TRUE(isLotteryDay(day)) << day;
  for (const std::int32_t day : other) EXPECT_FALSE(isLotteryDay(day)) << day;
}

TEST(Schedules, EventDays) {
  const std::int32_t events[] = {-5, 0, 5, 10, 75, 80, 145, 154, 161, 196, 210, 220, 1000};
  const std::int32_t other[] = {1, 4, 79, 81, 149, 150, 151, 155, 160, 199, 200, 201, 205};
  for (const std::int32_t day : events) EXPECT_TRUE(isEventDay(day)) << day;
  for (const std::int32_t day : other) EXPECT_FALSE(isEventDay(day)) << day;
}

TEST(Schedules, DebtLimits) {
  EXPECT_EQ(debtLimit(-50), -200);
  EXPECT_EQ(debtLimit(99), -200);
  EXPECT_EQ(debtLimit(100), -500);
  EXPECT_EQ(debtLimit(199), -500);
  EXPECT_EQ(debtLimit(200), -1000);
  EXPECT_EQ(debtLimit(INT32_MAX), -1000);
}

TEST(StatusPanel, EmployeeWithSomeExtras) {
  MemoryConsole io("");
  Game game(io);
  GameState& s = game.state;
  s.cpuMhz = 2800, s.money = -150, s.gpuModel = 0, s.day = 77, s.hddGb = 1500, s.reputation = -3;
  s.ramGb = 0.5f, s.dailyIncome = 35, s.job = 3;
  s.hasDvdRom = 1, s.hasSpeakers = 1, s.hasBigMonitor = 2;
  printStatusPanel(game);
  EXPECT_EQ(io.output(), lines({
                             "Процессор:\t\t|\t деньги:",
                             "\t2800Mhz\t\t|\t -150$",
                             "Ведеокарта:\t\t|\t день:",
                             "\tGeforce0\t|\t 77 ",
                             "Винтчестер:\t\t|\t крутость:",
                             "\t1500GB\t\t|\t -3 ",
                             "Оперативная память\t|\t зарплата:",
                             "\t0.5GB\t\t|\t 35",
                             "-------------------------------------------",
                             "DVD-ROM:\t\t|\t Водное охлаждение:",
                             "\tесть\t\t|\t нету",
                             "Модем:\t\t\t|\t Колонки:",
                             "\tнету\t\t| \t есть",
                             "Подключкние TV:\t\t|\t Большой монитор:",
                             "\tнету\t\t| \t есть",
                             "-------------------------------------------",
                         }));
}

TEST(StatusPanel, EntrepreneurWithEverything) {
  MemoryConsole io("");
  Game game(io);
  GameState& s = game.state;
  s.job = 10, s.dailyIncome = 340, s.ramGb = 8.0f;
  s.hasDvdRom = s.hasWaterCooling = s.hasModem = s.hasSpeakers = s.hasTvOut = s.hasBigMonitor = 1;
  printStatusPanel(game);
  const std::string& out = io.output();
  EXPECT_NE(out.find("Оперативная память\t|\t Доход:\n\t8GB\t\t|\t 340\n"), std::string::npos);
  EXPECT_NE(out.find("\tесть\t\t|\t есть\n"), std::string::npos);
  EXPECT_EQ(countOf(out, "\tесть\t\t| \t есть\n"), 2u);
  EXPECT_EQ(countOf(out, "нету"), 0u);
  EXPECT_EQ(countOf(out, "\n"), 16u);
}

TEST(DayMenu, LinesShownByTheirConditions) {
  struct Case {
    std::int32_t day, reputation;
    std::int16_t job, gamesCompleted;
    std::string expected;
    // clang-format off
  } cases[] = {
      {20, 49, 1, 9,
       lines({"1.Мир Железа \t\t\t 1", "2.Территория игр \t\t 2", "3.Выбор работы \t\t\t 3",
              "4.Прохождение игр \t\t 4", "6.Хакерская атака \t\t 6", "8.Конец дня \t\t\t 8",
              "10.Сохранение \t\t\t 10"})},
      {21, 50, 10, 10,
       lines({"1.Мир Железа \t\t\t 1", "2.Территория игр \t\t 2", "3.Предпринимательство \t\t 3",
              "4.Прохождение игр \t\t 4", "5.Лотерея \t\t\t 5", "6.Хакерская атака \t\t 6",
              "7.Сайт \t\t\t\t 7", "8.Конец дня \t\t\t 8", "9.Онлайн игра \t\t\t 9",
              "10.Сохранение \t\t\t 10"})},
  };
  // clang-format on
  for (const Case& c : cases) {
    MemoryConsole io("");
    Game game(io);
    game.state.day = c.day, game.state.reputation = c.reputation;
    game.state.job = c.job, game.state.gamesCompleted = c.gamesCompleted;
    printDayMenu(game);
    EXPECT_EQ(io.output(), c.expected) << "day " << c.day;
  }
}

TEST(DayMenu, EachShownLotteryLineCountsADraw) {
  MemoryConsole io("");
  Game game(io);
  game.state.day = 19;
  printDayMenu(game);
  printDayMenu(game);
  game.state.day = 20;
  printDayMenu(game);
  EXPECT_EQ(game.state.lotteryDrawCount, 2);
}

TEST(DayLoop, RestDayAddsHalfTheIncomeAndNothingElse) {
  MemoryConsole io("8\n8\n");
  Game game(io);
  GameState& s = game.state;
  s.dailyIncome = 15, s.money = 0, s.reputation = 45, s.onlineHero1 = 3;
  EXPECT_FALSE(runLoop(game));
  EXPECT_EQ(s.day, 3);
  EXPECT_EQ(s.money, 14);
  EXPECT_EQ(s.onlineHero1, 3) << "no upkeep on a rest day";
  EXPECT_EQ(s.reputation, 45);
  EXPECT_EQ(s.lotteryDayCount, 0);
  EXPECT_EQ(s.lotteryDrawCount, 3) << "days 1, 2 and 3 showed the lottery line";
}

TEST(DayLoop, NegativeOddIncomeOnARestDayTruncatesTowardZero) {
  MemoryConsole io("8\n");
  Game game(io);
  game.state.dailyIncome = -15;
  runLoop(game);
  EXPECT_EQ(game.state.money, -7);
}

TEST(DayLoop, AnyOtherNumberCostsAFullDay) {
  MemoryConsole io("99\n");
  Game game(io);
  GameState& s = game.state;
  s.day = 3, s.dailyIncome = 10, s.onlineHero1 = 1, s.onlineHero2 = 2, s.reputation = 0;
  runLoop(game);
  EXPECT_EQ(s.day, 4);
  EXPECT_EQ(s.money, 10 - 65);
  EXPECT_EQ(s.reputation, 30);
  EXPECT_EQ(s.onlineHero1, 2);
  EXPECT_EQ(s.onlineHero2, 3);
  EXPECT_EQ(s.lotteryDayCount, 1);
}

TEST(DayLoop, RefusedEntriesShowNoScreenAndEndTheDay) {
  struct Case {
    const char* input;
    std::int32_t day, reputation;
    std::int16_t gamesCompleted;
    // clang-format off
  } cases[] = {
      {"5\n", 22, 0, 0},   // no lottery on day 22
      {"7\n", 3, 49, 0},   // the website needs 50
      {"9\n", 3, 0, 9},    // online games need 10 played through
  };
  // clang-format on
  for (const Case& c : cases) {
    MemoryConsole io(c.input);
    Game game(io);
    game.state.day = c.day, game.state.reputation = c.reputation, game.state.gamesCompleted = c.gamesCompleted;
    runLoop(game);
    const std::string& out = io.output();
    const std::string menuEnd = "10.Сохранение \t\t\t 10\n";
    const std::size_t first = out.find(menuEnd);
    ASSERT_NE(first, std::string::npos);
    // Straight from one day's menu to the next day's cleared screen.
    EXPECT_TRUE(out.substr(first + menuEnd.size()).starts_with(kClear + "Процессор:")) << c.input;
    EXPECT_EQ(game.state.day, c.day + 1) << c.input;
    EXPECT_EQ(game.state.money, 10) << c.input;
  }
}

TEST(DayLoop, QuitConfirmation) {
  {
    MemoryConsole io("0\n1\n");
    Game game(io);
    EXPECT_TRUE(runLoop(game));
    EXPECT_EQ(game.state.day, 1) << "quitting ends the game at once";
    EXPECT_EQ(game.state.money, 0);
    EXPECT_TRUE(io.output().ends_with("10.Сохранение \t\t\t 10\nВы уверены,что хотите выйте?1-да,2-нет.\n"));
  }
  {
    MemoryConsole io("0\n2\n");
    Game game(io);
    EXPECT_FALSE(runLoop(game));
    EXPECT_EQ(game.state.day, 2);
    EXPECT_EQ(game.state.money, 10);
    EXPECT_EQ(game.state.lotteryDayCount, 1);
  }
  {
    MemoryConsole io("0\n8\n");  // 8 as the answer is no rest day
    Game game(io);
    runLoop(game);
    EXPECT_EQ(game.state.money, 10);
    EXPECT_EQ(game.state.lotteryDayCount, 1);
  }
  {
    MemoryConsole io("0\n30517\n");  // a cheat code as the answer applies
    Game game(io);
    runLoop(game);
    EXPECT_EQ(game.state.money, 20010);
  }
}

TEST(DayLoop, FailedReadRepeatsThePreviousChoice) {
  // On the first day the choice is still 0: the quit confirmation.
  {
    MemoryConsole io("x\n1\n");
    Game game(io);
    EXPECT_TRUE(runLoop(game));
    EXPECT_EQ(countOf(io.output(), "Вы уверены"), 1u);
  }
  {
    MemoryConsole io("8\nx\n");
    Game game(io);
    game.state.dailyIncome = 20;
    runLoop(game);
    EXPECT_EQ(game.state.day, 3);
    EXPECT_EQ(game.state.money, 20) << "two rest days";
  }
}

TEST(CheatCodes, Effects) {
  const auto apply = [](std::int32_t code) {
    GameState s;
    s.lastDayAnswer = code;
    applyLastDayAnswerAsCheatCode(s);
    return s;
  };
  EXPECT_EQ(apply(30517).money, 20000);
  EXPECT_EQ(apply(4619).dailyIncome, 310);
  EXPECT_EQ(apply(4637).ramGb, 8.0f);
  EXPECT_EQ(apply(4637).cpuMhz, 4400);
  EXPECT_EQ(apply(5861).gpuModel, 9800);
  EXPECT_EQ(apply(5861).hddGb, 1500);
  EXPECT_EQ(apply(5843).reputation, 20000);
  const GameState all = apply(4673);
  EXPECT_EQ(all.hackerLevel, 10);
  EXPECT_EQ(all.reputation, 20000);
  EXPECT_EQ(all.money, 20000);
  EXPECT_EQ(all.job, 7);
  EXPECT_EQ(all.hugeClubs, 1);
  EXPECT_EQ(all.gamesCompleted, 15);
  EXPECT_EQ(all.cpuMhz, 4400);
  EXPECT_EQ(all.gpuModel, 9800);
  EXPECT_EQ(all.ramGb, 8.0f);
  EXPECT_EQ(all.hddGb, 1500);
  const GameState none = apply(30518);
  EXPECT_EQ(none.money, 0);
  EXPECT_EQ(none.cpuMhz, 500);
}

TEST(CheatCodes, MoneyWrapsLikeA32BitField) {
  GameState s;
  s.money = INT32_MAX - 5;
  s.lastDayAnswer = 30517;
  applyLastDayAnswerAsCheatCode(s);
  EXPECT_EQ(s.money, INT32_MIN + 19994);
}

TEST(CheatCodes, TypedAtTheDayMenuShowOnTheNextPanel) {
  MemoryConsole io("4637\n");
  Game game(io);
  runLoop(game);
  EXPECT_NE(io.output().find("\t4400Mhz\t\t|\t 10$\n"), std::string::npos);
  EXPECT_NE(io.output().find("\t8GB\t\t|\t 10\n"), std::string::npos);
}

TEST(PressDue, ThresholdsByLevel) {
  const std::int32_t thresholds[] = {50, 100, 400, 900, 1500, 4200, 10000};
  for (std::int32_t level = 0; level < 7; ++level) {
    GameState s;
    s.pressLevel = level;
    s.reputation = thresholds[level] - 1;
    EXPECT_FALSE(pressDue(s)) << level;
    s.reputation = thresholds[level];
    EXPECT_TRUE(pressDue(s)) << level;
  }
  GameState done;
  done.pressLevel = 7;
  done.reputation = INT32_MAX;
  EXPECT_FALSE(pressDue(done));
  done.pressLevel = -1;
  EXPECT_FALSE(pressDue(done));
}

TEST(Defeat, AtEachDebtTier) {
  struct Case {
    std::int32_t day, money;
    bool lost;
    // clang-format off
  } cases[] = {
      {99, -200, true},  {99, -199, false},  {101, -499, false},  {100, -500, true},
      {199, -500, true}, {201, -999, false}, {200, -1000, true}, {5000, INT32_MIN, true},
  };
  // clang-format on
  for (const Case& c : cases) {
    MemoryConsole io("0\n1\n");
    Game game(io);
    game.state.day = c.day, game.state.money = c.money;
    EXPECT_TRUE(runLoop(game));
    const std::string& out = io.output();
    const std::string tail =
        "10.Сохранение \t\t\t 10\n" +
        std::string(c.lost ? "Вы проиграли.У вас огромные долги\n" : "Вы уверены,что хотите выйте?1-да,2-нет.\n");
    EXPECT_TRUE(out.ends_with(tail)) << c.day << " " << c.money;
  }
}

TEST(Defeat, TheKeyAfterTheMessageEndsTheGame) {
  MemoryConsole io("a");
  Game game(io);
  game.state.money = -200;
  EXPECT_TRUE(runLoop(game)) << "one key, and the loop returns without another read";
  EXPECT_EQ(countOf(io.output(), "Процессор:"), 1u);
}

TEST(DayLoop, NewGameEntryClearsRollsOffersAndClears) {
  MemoryConsole io("2\n0\n1\n");
  Game game(io);
  runDayLoop(game);
  const std::string& out = io.output();
  ASSERT_TRUE(out.starts_with(kClear + "\t\tВыберите началрный бонус\n"));
  EXPECT_NE(out.find("\t7.DVD-ROM\n" + kClear + kClear + "Процессор:"), std::string::npos);
  EXPECT_NE(out.find("\t10GB\t\t|\t 70 \n"), std::string::npos) << "reputation bonus";
  EXPECT_EQ(game.state.eventTable[0], 13);
}

TEST(DayLoop, LoadedGameSkipsTheBonusMenu) {
  MemoryConsole io("0\n1\n");
  Game game(io);
  game.state.playerName = {'a', 'h'};
  EXPECT_TRUE(runLoop(game));
  EXPECT_EQ(countOf(io.output(), "бонус"), 0u);
  EXPECT_EQ(game.state.eventTable[0], 1) << "the table chosen by the nickname";
}

}  // namespace
}  // namespace geekpath
