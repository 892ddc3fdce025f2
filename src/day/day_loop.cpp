#include "day/day_loop.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "activities/games_shop.hpp"
#include "activities/hacker.hpp"
#include "activities/hardware_shop.hpp"
#include "activities/jobs.hpp"
#include "activities/lottery.hpp"
#include "activities/online_games.hpp"
#include "activities/play_games.hpp"
#include "activities/website.hpp"
#include "core/career.hpp"
#include "core/real_text.hpp"
#include "core/stated_number.hpp"
#include "core/wrapping.hpp"
#include "day/cheat_codes.hpp"
#include "day/new_game.hpp"
#include "day/press.hpp"
#include "day/random_events.hpp"
#include "day/victory.hpp"
#include "persistence/save_screen.hpp"

namespace geekpath {
namespace {

constexpr std::int32_t kRestDay = 8;
constexpr std::int32_t kQuit = 0;
constexpr std::int32_t kQuitConfirmed = 1;
constexpr std::string_view kQuitQuestion = "Вы уверены,что хотите выйте?1-да,2-нет.";
static_assert(firstNumber(kQuitQuestion) == kQuitConfirmed);

bool employee(const GameState& s) { return !isEntrepreneur(s); }
bool lotteryToday(const GameState& s) { return isLotteryDay(s.day); }
bool websiteOpen(const GameState& s) { return s.reputation >= 50; }
bool onlineOpen(const GameState& s) { return s.gamesCompleted >= 10; }

// The day menu. A line is shown when its condition holds; a number typed runs the screen
// of the first line of that number whose condition holds then (the random events may
// have changed the state in between). The two lines of 3 lead to the same screen, so 3
// is always offered. Rest (8) and quit (0) are the loop's own.
struct DayMenuEntry {
  std::int32_t number;
  std::string_view text;
  bool (*condition)(const GameState&);
  void (*screen)(Game&);
  bool countsLotteryDraw = false;  // showing the line counts a lottery draw
};

// Number, line, condition, screen, whether showing it counts a lottery draw.
// clang-format off
constexpr DayMenuEntry kDayMenu[] = {
    {.number = 1, .text = "1.Мир Железа \t\t\t 1", .condition = always, .screen = hardwareShopScreen},
    {.number = 2, .text = "2.Территория игр \t\t 2", .condition = always, .screen = gamesShopScreen},
    {.number = 3, .text = "3.Выбор работы \t\t\t 3", .condition = employee, .screen = jobScreen},
    {.number = 3, .text = "3.Предпринимательство \t\t 3", .condition = isEntrepreneur, .screen = jobScreen},
    {.number = 4, .text = "4.Прохождение игр \t\t 4", .condition = always, .screen = playGamesScreen},
    {.number = 5, .text = "5.Лотерея \t\t\t 5", .condition = lotteryToday, .screen = lotteryScreen,
     .countsLotteryDraw = true},
    {.number = 6, .text = "6.Хакерская атака \t\t 6", .condition = always, .screen = hackerScreen},
    {.number = 7, .text = "7.Сайт \t\t\t\t 7", .condition = websiteOpen, .screen = websiteScreen},
    {.number = kRestDay, .text = "8.Конец дня \t\t\t 8", .condition = always, .screen = nullptr},
    {.number = 9, .text = "9.Онлайн игра \t\t\t 9", .condition = onlineOpen, .screen = onlineGamesScreen},
    {.number = 10, .text = "10.Сохранение \t\t\t 10", .condition = always, .screen = saveScreen},
};
// clang-format on
static_assert(std::all_of(std::begin(kDayMenu), std::end(kDayMenu), [](const DayMenuEntry& entry) {
  return firstNumber(entry.text) == entry.number && lastNumber(entry.text) == entry.number;
}));

void runChosenScreen(Game& game) {
  for (const DayMenuEntry& entry : kDayMenu) {
    if (entry.number != game.state.lastDayAnswer || !entry.condition(game.state)) continue;
    if (entry.screen != nullptr) entry.screen(game);
    return;
  }
}

struct DebtTier {
  std::int32_t fromDay;
  std::int32_t limit;
};
// From day, debt limit; the first tier whose day has come holds.
constexpr DebtTier kDebtTiers[] = {
    {.fromDay = 200, .limit = -1000},
    {.fromDay = 100, .limit = -500},
    {.fromDay = INT32_MIN, .limit = -200},
};

std::string_view hasText(std::int16_t flag, std::string_view yes, std::string_view no) { return flag != 0 ? yes : no; }

template <std::size_t N>
void printPiece(ConsoleIo& io, const char (&text)[N]) {
  io.printText(std::string_view(text, N - 1));
}
void printPiece(ConsoleIo& io, std::string_view text) { io.printText(text); }
void printPiece(ConsoleIo& io, std::int32_t number) { io.printNumber(number); }

// A panel line made of several pieces, texts and numbers, written piece by piece.
template <class... Pieces>
void printPieces(ConsoleIo& io, const Pieces&... pieces) {
  (printPiece(io, pieces), ...);
  io.printLine();
}

void endOfDay(Game& game) {
  GameState& s = game.state;
  applyLastDayAnswerAsCheatCode(s);
  if (pressDue(s)) pressInvitationScreen(game);
  onlineUpkeep(s);
  addTo(s.day, 1);
  addTo(s.money, s.dailyIncome);
  addTo(s.lotteryDayCount, 1);
}

}  // namespace

bool isLotteryDay(std::int32_t day) {
  if (day < 20) return true;
  if (day < 50) return day % 3 == 0;
  if (day <= 150 && day % 6 == 0) return true;
  return day >= 150 && day % 15 == 0;
}

bool isEventDay(std::int32_t day) {
  if (day < 150) return day % 5 == 0;
  if (day < 200) return day % 7 == 0;
  return day > 200 && day % 10 == 0;
}

std::int32_t debtLimit(std::int32_t day) {
  for (const DebtTier& tier : kDebtTiers) {
    if (day >= tier.fromDay) return tier.limit;
  }
  return kDebtTiers[std::size(kDebtTiers) - 1].limit;
}

void printStatusPanel(Game& game) {
  const GameState& s = game.state;
  ConsoleIo& io = game.io;
  constexpr std::string_view rule = "-------------------------------------------";
  io.printLine("Процессор:\t\t|\t деньги:");
  printPieces(io, "\t", s.cpuMhz, "Mhz\t\t|\t ", s.money, "$");
  io.printLine("Ведеокарта:\t\t|\t день:");
  printPieces(io, "\tGeforce", s.gpuModel, "\t|\t ", s.day, " ");
  io.printLine("Винтчестер:\t\t|\t крутость:");
  printPieces(io, "\t", s.hddGb, "GB\t\t|\t ", s.reputation, " ");
  io.printLine(isEntrepreneur(s) ? "Оперативная память\t|\t Доход:" : "Оперативная память\t|\t зарплата:");
  printPieces(io, "\t", formatReal(s.ramGb), "GB\t\t|\t ", s.dailyIncome);
  io.printLine(rule);
  io.printLine("DVD-ROM:\t\t|\t Водное охлаждение:");
  io.printText(hasText(s.hasDvdRom, "\tесть\t\t|", "\tнету\t\t|"));
  io.printLine(hasText(s.hasWaterCooling, "\t есть", "\t нету"));
  io.printLine("Модем:\t\t\t|\t Колонки:");
  io.printText(hasText(s.hasModem, "\tесть\t\t| ", "\tнету\t\t| "));
  io.printLine(hasText(s.hasSpeakers, "\t есть", "\t нету"));
  io.printLine("Подключкние TV:\t\t|\t Большой монитор:");
  io.printText(hasText(s.hasTvOut, "\tесть\t\t| ", "\tнету\t\t| "));
  io.printLine(hasText(s.hasBigMonitor, "\t есть", "\t нету"));
  io.printLine(rule);
}

void printDayMenu(Game& game) {
  GameState& s = game.state;
  for (const DayMenuEntry& entry : kDayMenu) {
    if (!entry.condition(s)) continue;
    game.io.printLine(entry.text);
    if (entry.countsLotteryDraw) addTo(s.lotteryDrawCount, 1);
  }
}

void runDayLoop(Game& game) {
  GameState& s = game.state;
  ConsoleIo& io = game.io;

  io.clearScreen();
  rollEventTables(game);
  if (s.gameLoaded == 0) offerStartingBonus(game);
  io.clearScreen();

  for (;;) {
    if (isVictory(s)) {
      victoryScreen(game);
      return;
    }
    io.clearScreen();
    printStatusPanel(game);
    printDayMenu(game);
    if (s.money <= debtLimit(s.day)) {
      io.printLine("Вы проиграли.У вас огромные долги");
      io.waitKey();
      return;
    }
    if (isEventDay(s.day)) randomEventScreen(game);

    io.readNumber(s.lastDayAnswer);
    if (s.lastDayAnswer == kRestDay) {
      addTo(s.day, 1);
      addTo(s.money, s.dailyIncome / 2);
      continue;
    }
    if (s.lastDayAnswer == kQuit) {
      // The answer takes the menu's place: the end of the day reads it as a cheat code.
      io.printLine(kQuitQuestion);
      io.readNumber(s.lastDayAnswer);
      if (s.lastDayAnswer == kQuitConfirmed) return;
    } else {
      runChosenScreen(game);
    }
    endOfDay(game);
  }
}

}  // namespace geekpath
