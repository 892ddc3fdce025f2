#include "activities/play_games.hpp"

#include <array>
#include <cstdint>
#include <string_view>

#include "core/wrapping.hpp"

namespace geekpath {
namespace {

// What a game needs from the computer (each at least the given value) and what playing
// it through gives and takes.
struct PlayedGame {
  std::string_view line;
  std::int32_t cpuMhz;
  std::int32_t gpuModel;
  float ramGb;
  std::int32_t hddGb;
  bool needsDvdRom;
  std::int32_t reputationGain;
  std::int32_t days;
  std::int32_t cost;
};

// Game n is entry n - 1, in the order of the games shop.
constexpr std::array<PlayedGame, 16> kGames = {{
    {"1.StarCraft \t\t\t20", 500, 3600, 0.125f, 10, false, 20, 1, 20},
    {"2.Казаки \t\t\t40", 500, 5800, 0.125f, 10, false, 25, 1, 40},
    {"3.NeedForSpeed5 \t\t60", 1000, 5800, 0.125f, 10, false, 50, 2, 60},
    {"4.Warcraft3 \t\t\t85", 1000, 5800, 0.5f, 50, true, 110, 2, 85},
    {"5.Countre-Strike1.6 \t\t100", 1000, 5800, 1.0f, 50, true, 190, 3, 100},
    {"6.Gothic2 \t\t\t150", 2000, 6800, 1.0f, 50, true, 250, 5, 150},
    {"7.Half-life2 \t\t\t250", 2000, 6800, 1.0f, 160, true, 400, 7, 250},
    {"8.Stalker \t\t\t370", 2800, 7900, 2.0f, 160, true, 450, 10, 370},
    {"9.Gothic3 \t\t\t500", 2800, 8800, 4.0f, 320, true, 510, 17, 500},
    {"10.World of Warcraft \t\t700", 3600, 8800, 4.0f, 800, true, 900, 25, 700},
    {"11.Half-life3 \t\t\t900", 3600, 8800, 4.0f, 800, true, 1200, 45, 900},
    {"12.Heroes of MightAndMagic5 \t1300", 3600, 8800, 8.0f, 800, true, 1500, 30, 1300},
    {"13.Supreme Commander \t\t1300", 3600, 9800, 8.0f, 800, true, 2000, 20, 1300},
    {"14.Crysis \t\t\t1500", 4400, 9800, 8.0f, 800, true, 2500, 35, 1500},
    {"15.Heroes of MightAndMagic6 \t2000", 4400, 9800, 8.0f, 1500, true, 3000, 65, 2000},
    {"16.Lineage 3 \t\t\t2500", 4400, 9800, 8.0f, 1500, true, 3500, 55, 2500},
}};

// From this game on, a failed attempt without a DVD-ROM also says that one is needed.
constexpr std::int32_t kFirstDvdGame = 4;

bool meetsRequirements(const GameState& s, const PlayedGame& g) {
  return s.cpuMhz >= g.cpuMhz && s.gpuModel >= g.gpuModel && s.ramGb >= g.ramGb && s.hddGb >= g.hddGb &&
         (!g.needsDvdRom || s.hasDvdRom == 1);
}

}  // namespace

void playGamesScreen(Game& game) {
  GameState& s = game.state;
  ConsoleIo& io = game.io;
  io.clearScreen();
  io.printLine("Название игры \t\t\tСтоимость прохождения");
  // Owned games are listed; every game gives its mark line, empty when not played through.
  for (std::size_t i = 0; i < kGames.size(); ++i) {
    const auto number = static_cast<std::int32_t>(i + 1);
    if (s.gamesOwned >= number) io.printLine(kGames[i].line);
    io.printLine(s.gamesCompleted >= number ? "пройдено" : "");
  }
  io.printLine();
  io.printLine("Выберете игру для прохождения");
  io.printLine("Каждый день прохождения тратятся некоторые деньги");

  // Kept between visits: a failed read tries the previous visit's choice again.
  std::int32_t& choice = game.screens.playGamesChoice;
  io.readNumber(choice);
  // Only the next game in order can be played; owning it is not needed.
  if (choice >= 1 && choice <= static_cast<std::int32_t>(kGames.size()) && s.gamesCompleted == choice - 1) {
    const PlayedGame& g = kGames[static_cast<std::size_t>(choice - 1)];
    if (meetsRequirements(s, g)) {
      io.printLine("Вы прошли игру");
      addTo(s.reputation, g.reputationGain);
      addTo(s.gamesCompleted, 1);
      // The days pass at once, without income or any end of day of their own; the cost
      // is charged whatever the money.
      addTo(s.day, g.days);
      subtractFrom(s.money, g.cost);
    } else {
      io.printLine("Вы не прошли игру");
      if (choice >= kFirstDvdGame && s.hasDvdRom == 0) io.printLine("Требуется DVD-ROM");
    }
  }
  io.waitKey();
}

}  // namespace geekpath
