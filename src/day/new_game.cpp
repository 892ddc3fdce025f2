#include "day/new_game.hpp"

#include <cstddef>
#include <string_view>

#include "core/random.hpp"

namespace geekpath {
namespace {

// The alternative table copied over the event table, by the nickname's second letter.
struct NameTableChoice {
  char first;
  char last;
  std::size_t table;
};
constexpr NameTableChoice kNameTableChoices[] = {
    {'g', 'k', 0},
    {'l', 'p', 1},
    {'q', 'u', 2},
    {'v', 'z', 3},
};

constexpr std::string_view kBonusMenu[] = {
    "\t\tВыберите началрный бонус",
    "\t1.Деньги",
    "\t2.Репутация",
    "Детали:",
    "\t3.Процессор",
    "\t4.Видеокарта",
    "\t5.Оперативная память",
    "\t6.Винтчестер",
    "\t7.DVD-ROM",
};

// Each bonus assigns its value, it does not add.
struct StartingBonus {
  std::int16_t choice;
  void (*apply)(GameState&);
};
constexpr StartingBonus kStartingBonuses[] = {
    {1, [](GameState& s) { s.money = 90; }},
    {2, [](GameState& s) { s.reputation = 70; }},
    {3, [](GameState& s) { s.cpuMhz = 2000; }},
    {4, [](GameState& s) { s.gpuModel = 6800; }},
    {5, [](GameState& s) { s.ramGb = 1.0f; }},
    {6, [](GameState& s) { s.hddGb = 160; }},
    {7, [](GameState& s) { s.hasDvdRom = 1; }},
};

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
  for (const std::string_view line : kBonusMenu) game.io.printLine(line);
  std::int16_t bonusChoice = 0;
  game.io.readNumber(bonusChoice);
  for (const StartingBonus& bonus : kStartingBonuses) {
    if (bonus.choice == bonusChoice) bonus.apply(game.state);
  }
}

}  // namespace geekpath
