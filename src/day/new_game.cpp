#include "day/new_game.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "core/random.hpp"
#include "core/stated_number.hpp"

namespace geekpath {
namespace {

// The alternative table copied over the event table, by the nickname's second letter.
struct NameTableChoice {
  char first;
  char last;
  std::size_t table;
};
// First and last letter of the range, the alternative table it chooses.
constexpr NameTableChoice kNameTableChoices[] = {
    {'g', 'k', 0},
    {'l', 'p', 1},
    {'q', 'u', 2},
    {'v', 'z', 3},
};

// Each bonus assigns its value, it does not add.
struct StartingBonus {
  std::string_view line;
  std::int16_t choice = 0;
  void (*apply)(GameState&) = nullptr;
};

// Line, number typed, what it gives (none for the headings).
constexpr StartingBonus kBonusMenu[] = {
    {.line = "\t\tВыберите началрный бонус"},
    {.line = "\t1.Деньги", .choice = 1, .apply = [](GameState& s) { s.money = 90; }},
    {.line = "\t2.Репутация", .choice = 2, .apply = [](GameState& s) { s.reputation = 70; }},
    {.line = "Детали:"},
    {.line = "\t3.Процессор", .choice = 3, .apply = [](GameState& s) { s.cpuMhz = 2000; }},
    {.line = "\t4.Видеокарта", .choice = 4, .apply = [](GameState& s) { s.gpuModel = 6800; }},
    {.line = "\t5.Оперативная память", .choice = 5, .apply = [](GameState& s) { s.ramGb = 1.0f; }},
    {.line = "\t6.Винтчестер", .choice = 6, .apply = [](GameState& s) { s.hddGb = 160; }},
    {.line = "\t7.DVD-ROM", .choice = 7, .apply = [](GameState& s) { s.hasDvdRom = 1; }},
};
static_assert(std::all_of(std::begin(kBonusMenu), std::end(kBonusMenu), [](const StartingBonus& bonus) {
  return bonus.apply == nullptr ? !firstNumber(bonus.line) : firstNumber(bonus.line) == bonus.choice;
}));

}  // namespace

void rollEventTables(Game& game) {
  GameState& s = game.state;
  const auto roll = [&game] { return static_cast<std::int16_t>(nextRandom(game) % 14); };
  for (std::size_t i = 0; i < kEventTableSize; ++i) {
    s.eventTable[i] = roll();
    for (EventTable& alt : s.eventTableAlt) alt[i] = roll();
  }
  const char second = s.playerName[1];
  for (const NameTableChoice& choice : kNameTableChoices) {
    if (second >= choice.first && second <= choice.last) {
      s.eventTable = s.eventTableAlt[choice.table];
    }
  }
}

void offerStartingBonus(Game& game) {
  for (const StartingBonus& bonus : kBonusMenu) game.io.printLine(bonus.line);
  std::int16_t bonusChoice = 0;
  game.io.readNumber(bonusChoice);
  for (const StartingBonus& bonus : kBonusMenu) {
    if (bonus.apply != nullptr && bonus.choice == bonusChoice) bonus.apply(game.state);
  }
}

}  // namespace geekpath
