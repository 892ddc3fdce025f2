#include "day/random_events.hpp"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>

#include "core/stated_number.hpp"
#include "core/wrapping.hpp"

namespace geekpath {
namespace {

constexpr std::int16_t kNoFixedCode = -1;
constexpr std::int32_t kNoDayShift = INT32_MIN;

// What is written into the table at a position before its event is chosen: a fixed code,
// and then one more when the day is at or below a limit. Positions beyond the table's
// first eleven keep their rolled code.
struct PositionRule {
  std::int16_t fixedCode;
  std::int32_t shiftUpToDay;
};
constexpr PositionRule kPositionRules[] = {
    {.fixedCode = kNoFixedCode, .shiftUpToDay = kNoDayShift},  // 0
    {.fixedCode = 8, .shiftUpToDay = kNoDayShift},             // 1
    {.fixedCode = 12, .shiftUpToDay = kNoDayShift},            // 2
    {.fixedCode = 8, .shiftUpToDay = kNoDayShift},             // 3
    {.fixedCode = 8, .shiftUpToDay = 30},                      // 4
    {.fixedCode = kNoFixedCode, .shiftUpToDay = 100},          // 5
    {.fixedCode = 13, .shiftUpToDay = kNoDayShift},            // 6
    {.fixedCode = kNoFixedCode, .shiftUpToDay = 40},           // 7
    {.fixedCode = 9, .shiftUpToDay = kNoDayShift},             // 8
    {.fixedCode = kNoFixedCode, .shiftUpToDay = kNoDayShift},  // 9
    {.fixedCode = 11, .shiftUpToDay = kNoDayShift},            // 10
};

// Late in the game the good events turn bad: codes 8 to 13 lose 5.
constexpr std::int32_t kLateGameFromDay = 151;
constexpr std::int16_t kLateShiftFirst = 8;
constexpr std::int16_t kLateShiftLast = 13;
constexpr std::int16_t kLateShift = 5;

// One row of the events: the code, the condition that picks the row among the rows of
// its code, the message (none when empty), the money it adds or takes, and the rest of its
// effect.
struct EventRow {
  std::int16_t code;
  bool (*applies)(const GameState&) = always;
  std::string_view message;
  std::int32_t money = 0;
  void (*effect)(GameState&) = nullptr;
};

// Code, condition, message, money, effect.
// clang-format off
constexpr EventRow kEvents[] = {
    {.code = 0, .message = "У вас полетела видеокартa", .effect = [](GameState& s) { s.gpuModel = 0; }},
    {.code = 1, .message = "У вас сгорел процессор", .effect = [](GameState& s) { s.cpuMhz = 0; }},
    {.code = 2, .message = "Время платить налоги", .effect = [](GameState& s) { subtractFrom(s.money, s.day); }},
    {.code = 3,
     .message = "Вы потеряли работу и репутацию",
     .effect =
         [](GameState& s) {
           s.job = 0;
           s.dailyIncome = 0;
           s.reputation = truncateTo<std::int32_t>(static_cast<double>(s.reputation) * 0.75);
         }},
    {.code = 4,
     .applies = [](const GameState& s) { return s.day <= 150; },
     .message = "У вас сломалась машина",
     .money = -100,
     .effect = [](GameState& s) { subtractFrom(s.reputation, 50); }},
    {.code = 4,
     .applies = [](const GameState& s) { return s.day <= 250; },
     .message = "У вас сломалась Porshe",
     .money = -300,
     .effect = [](GameState& s) { subtractFrom(s.reputation, 150); }},
    {.code = 4,
     .message = "У вас сломалась Lamborghini",
     .money = -1000,
     .effect = [](GameState& s) { subtractFrom(s.reputation, 500); }},
    {.code = 5,
     .applies = [](const GameState& s) { return s.day <= 200; },
     .message = "Время платить налоги",
     .effect = [](GameState& s) { subtractFrom(s.money, multiplyWrap(4, s.day)); }},
    {.code = 5,
     .applies = [](const GameState& s) { return s.money > 0; },
     .message = "Вас ограбили",
     .effect = [](GameState& s) { s.money = 0; }},
    {.code = 5, .message = ""},
    {.code = 6, .message = "Все диски с играми потеряны", .effect = [](GameState& s) { s.gamesOwned = 0; }},
    {.code = 7,
     .applies = [](const GameState& s) { return s.day <= 200; },
     .message = "У вас сломался монитор. Ремонт стоит 100$",
     .money = -100},
    {.code = 7,
     .applies = [](const GameState& s) { return s.day <= 300; },
     .message = "У вас сломался монитор. Ремонт стоит 500$",
     .money = -500},
    {.code = 7, .message = "У вас сломался монитор. Ремонт стоит 1500$", .money = -1500},
    {.code = 8,
     .applies = [](const GameState& s) { return s.day % 2 == 0; },
     .message = "Вы нашли 30$ в парке",
     .money = 30},
    {.code = 8, .message = "Вы нашли 60$ в парке", .money = 60},
    {.code = 9,
     .message = "За усердную работу у вас повысилась зарплата",
     .effect = [](GameState& s) { addTo(s.dailyIncome, s.dailyIncome / 4); }},
    // The prize is 500 and half the day, though the message names only the 500.
    {.code = 10,
     .message = "Вы выиграли кибер-турнир.деньги+500$",
     .money = 500,
     .effect =
         [](GameState& s) {
           addTo(s.money, s.day / 2);
           addTo(s.reputation, 500);
         }},
    {.code = 11,
     .message = "Вы купили новую машину и у вас повысилась репутация",
     .effect =
         [](GameState& s) {
           s.money /= 2;
           addTo(s.reputation, s.money);
         }},
    // The sum is taken in floating point; only the reputation's third is an integer division.
    {.code = 12,
     .message = "Вы выиграли в лотереи",
     .effect =
         [](GameState& s) {
           const std::int32_t reputationThird = s.reputation / 3;
           const double sum = static_cast<double>(s.money) + 1.5 * static_cast<double>(s.day) +
                              static_cast<double>(reputationThird);
           s.money = truncateTo<std::int32_t>(sum);
         }},
    {.code = 13,
     .applies = [](const GameState& s) { return s.gamesOwned >= 10; },
     .message = "Вы нашли коробку из под диска, но без игры!"},
    {.code = 13, .message = "Вы нашли диск с игрой", .effect = [](GameState& s) { addTo(s.gamesOwned, 1); }},
};
// clang-format on
// A message that names a sum of money names the row's own.
static_assert(std::all_of(std::begin(kEvents), std::end(kEvents), [](const EventRow& row) {
  const std::optional<double> named = lastNumber(row.message);
  return !named || *named == (row.money < 0 ? -row.money : row.money);
}));

// The position of the next event: the one after the last, from 0 again after the end of
// the table (and from 0 should the cursor ever stand outside the table).
int advanceCursor(GameState& s) {
  int next = s.eventCursor + 1;
  if (next < 0 || next >= static_cast<int>(kEventTableSize)) next = 0;
  s.eventCursor = static_cast<std::int16_t>(next);
  return next;
}

// Writes the position's fixed code and shifts into the table and returns the code.
std::int16_t prepareCode(GameState& s, int position) {
  std::int16_t& entry = s.eventTable[static_cast<std::size_t>(position)];
  if (position < static_cast<int>(std::size(kPositionRules))) {
    const PositionRule& rule = kPositionRules[position];
    if (rule.fixedCode != kNoFixedCode) entry = rule.fixedCode;
    if (rule.shiftUpToDay != kNoDayShift && s.day <= rule.shiftUpToDay) addTo(entry, 1);
  }
  if (entry >= kLateShiftFirst && entry <= kLateShiftLast && s.day >= kLateGameFromDay) {
    subtractFrom(entry, kLateShift);
  }
  return entry;
}

}  // namespace

void randomEventScreen(Game& game) {
  GameState& s = game.state;
  game.io.printLine("\t\tСобытие");
  game.io.waitKey();
  const std::int16_t code = prepareCode(s, advanceCursor(s));
  // A code without rows (a 13 shifted to 14) strikes nothing.
  for (const EventRow& row : kEvents) {
    if (row.code != code || !row.applies(s)) continue;
    if (!row.message.empty()) game.io.printLine(row.message);
    addTo(s.money, row.money);
    if (row.effect != nullptr) row.effect(s);
    break;
  }
  game.io.waitKey();
}

}  // namespace geekpath
