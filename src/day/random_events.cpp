#include "day/random_events.hpp"

#include <cstdint>
#include <iterator>
#include <string_view>

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
// its code, the message (none when empty) and the effect.
struct EventRow {
  std::int16_t code;
  bool (*applies)(const GameState&);
  std::string_view message;
  void (*effect)(GameState&);
};

constexpr EventRow kEvents[] = {
    {0, always, "У вас полетела видеокартa", [](GameState& s) { s.gpuModel = 0; }},
    {1, always, "У вас сгорел процессор", [](GameState& s) { s.cpuMhz = 0; }},
    {2, always, "Время платить налоги", [](GameState& s) { subtractFrom(s.money, s.day); }},
    {3, always, "Вы потеряли работу и репутацию",
     [](GameState& s) {
       s.job = 0;
       s.dailyIncome = 0;
       s.reputation = truncateTo<std::int32_t>(static_cast<double>(s.reputation) * 0.75);
     }},
    {4, [](const GameState& s) { return s.day <= 150; }, "У вас сломалась машина",
     [](GameState& s) {
       subtractFrom(s.money, 100);
       subtractFrom(s.reputation, 50);
     }},
    {4, [](const GameState& s) { return s.day <= 250; }, "У вас сломалась Porshe",
     [](GameState& s) {
       subtractFrom(s.money, 300);
       subtractFrom(s.reputation, 150);
     }},
    {4, always, "У вас сломалась Lamborghini",
     [](GameState& s) {
       subtractFrom(s.money, 1000);
       subtractFrom(s.reputation, 500);
     }},
    {5, [](const GameState& s) { return s.day <= 200; }, "Время платить налоги",
     [](GameState& s) { subtractFrom(s.money, multiplyWrap(4, s.day)); }},
    {5, [](const GameState& s) { return s.money > 0; }, "Вас ограбили", [](GameState& s) { s.money = 0; }},
    {5, always, "", [](GameState&) {}},
    {6, always, "Все диски с играми потеряны", [](GameState& s) { s.gamesOwned = 0; }},
    {7, [](const GameState& s) { return s.day <= 200; }, "У вас сломался монитор. Ремонт стоит 100$",
     [](GameState& s) { subtractFrom(s.money, 100); }},
    {7, [](const GameState& s) { return s.day <= 300; }, "У вас сломался монитор. Ремонт стоит 500$",
     [](GameState& s) { subtractFrom(s.money, 500); }},
    {7, always, "У вас сломался монитор. Ремонт стоит 1500$", [](GameState& s) { subtractFrom(s.money, 1500); }},
    {8, [](const GameState& s) { return s.day % 2 == 0; }, "Вы нашли 30$ в парке",
     [](GameState& s) { addTo(s.money, 30); }},
    {8, always, "Вы нашли 60$ в парке", [](GameState& s) { addTo(s.money, 60); }},
    {9, always, "За усердную работу у вас повысилась зарплата",
     [](GameState& s) { addTo(s.dailyIncome, s.dailyIncome / 4); }},
    // The prize is 500 and half the day, though the message names only the 500.
    {10, always, "Вы выиграли кибер-турнир.деньги+500$",
     [](GameState& s) {
       addTo(s.money, 500 + s.day / 2);
       addTo(s.reputation, 500);
     }},
    {11, always, "Вы купили новую машину и у вас повысилась репутация",
     [](GameState& s) {
       s.money /= 2;
       addTo(s.reputation, s.money);
     }},
    // The sum is taken in floating point; only the reputation's third is an integer division.
    {12, always, "Вы выиграли в лотереи",
     [](GameState& s) {
       const std::int32_t reputationThird = s.reputation / 3;
       const double sum = static_cast<double>(s.money) + 1.5 * static_cast<double>(s.day) +
                          static_cast<double>(reputationThird);
       s.money = truncateTo<std::int32_t>(sum);
     }},
    {13, [](const GameState& s) { return s.gamesOwned >= 10; }, "Вы нашли коробку из под диска, но без игры!",
     [](GameState&) {}},
    {13, always, "Вы нашли диск с игрой", [](GameState& s) { addTo(s.gamesOwned, 1); }},
};

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
    row.effect(s);
    break;
  }
  game.io.waitKey();
}

}  // namespace geekpath
