#include "activities/play_games.hpp"

#include <cstdint>
#include <string_view>

#include "activities/game_catalogue.hpp"
#include "core/wrapping.hpp"

namespace geekpath {
namespace {

// A failed read tries the previous visit's choice again.
constexpr std::string_view kKeptChoice = "play games";

bool meetsRequirements(const GameState& s, const GameTitle& g) {
  return s.cpuMhz >= g.cpuMhz && s.gpuModel >= g.gpuModel && s.ramGb >= g.ramGb && s.hddGb >= g.hddGb &&
         (!g.needsDvdRom || s.hasDvdRom == 1);
}

void printPlayLine(ConsoleIo& io, std::int32_t number, const GameTitle& title) {
  io.printNumber(number);
  io.printText(".");
  io.printText(title.playTitle);
  io.printNumber(title.playCost);
  io.printLine();
}

}  // namespace

void playGamesScreen(Game& game) {
  GameState& s = game.state;
  ConsoleIo& io = game.io;
  io.clearScreen();
  io.printLine("Название игры \t\t\tСтоимость прохождения");
  // Owned games are listed; every game gives its mark line, empty when not played through.
  std::int32_t number = 0;
  for (const GameTitle& title : kGameCatalogue) {
    ++number;
    if (s.gamesOwned >= number) printPlayLine(io, number, title);
    io.printLine(s.gamesCompleted >= number ? "пройдено" : "");
  }
  io.printLine();
  io.printLine("Выберете игру для прохождения");
  io.printLine("Каждый день прохождения тратятся некоторые деньги");

  std::int32_t& choice = game.keptChoices[kKeptChoice];
  io.readNumber(choice);
  // Only the next game in order can be played; owning it is not needed.
  if (choice >= 1 && choice <= static_cast<std::int32_t>(kGameCatalogue.size()) && s.gamesCompleted == choice - 1) {
    const GameTitle& g = kGameCatalogue[static_cast<std::size_t>(choice - 1)];
    if (meetsRequirements(s, g)) {
      io.printLine("Вы прошли игру");
      addTo(s.reputation, g.reputationGain);
      addTo(s.gamesCompleted, 1);
      // The days pass at once, without income or any end of day of their own; the cost
      // is charged whatever the money.
      addTo(s.day, g.days);
      subtractFrom(s.money, g.playCost);
    } else {
      io.printLine("Вы не прошли игру");
      if (g.needsDvdRom && s.hasDvdRom == 0) io.printLine("Требуется DVD-ROM");
    }
  }
  io.waitKey();
}

}  // namespace geekpath
