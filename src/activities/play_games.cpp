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
    {.line = "1.StarCraft \t\t\t20", .cpuMhz = 500, .gpuModel = 3600, .ramGb = 0.125f, .hddGb = 10,
     .needsDvdRom = false, .reputationGain = 20, .days = 1, .cost = 20},
    {.line = "2.Казаки \t\t\t40", .cpuMhz = 500, .gpuModel = 5800, .ramGb = 0.125f, .hddGb = 10,
     .needsDvdRom = false, .reputationGain = 25, .days = 1, .cost = 40},
    {.line = "3.NeedForSpeed5 \t\t60", .cpuMhz = 1000, .gpuModel = 5800, .ramGb = 0.125f, .hddGb = 10,
     .needsDvdRom = false, .reputationGain = 50, .days = 2, .cost = 60},
    {.line = "4.Warcraft3 \t\t\t85", .cpuMhz = 1000, .gpuModel = 5800, .ramGb = 0.5f, .hddGb = 50,
     .needsDvdRom = true, .reputationGain = 110, .days = 2, .cost = 85},
    {.line = "5.Countre-Strike1.6 \t\t100", .cpuMhz = 1000, .gpuModel = 5800, .ramGb = 1.0f, .hddGb = 50,
     .needsDvdRom = true, .reputationGain = 190, .days = 3, .cost = 100},
    {.line = "6.Gothic2 \t\t\t150", .cpuMhz = 2000, .gpuModel = 6800, .ramGb = 1.0f, .hddGb = 50,
     .needsDvdRom = true, .reputationGain = 250, .days = 5, .cost = 150},
    {.line = "7.Half-life2 \t\t\t250", .cpuMhz = 2000, .gpuModel = 6800, .ramGb = 1.0f, .hddGb = 160,
     .needsDvdRom = true, .reputationGain = 400, .days = 7, .cost = 250},
    {.line = "8.Stalker \t\t\t370", .cpuMhz = 2800, .gpuModel = 7900, .ramGb = 2.0f, .hddGb = 160,
     .needsDvdRom = true, .reputationGain = 450, .days = 10, .cost = 370},
    {.line = "9.Gothic3 \t\t\t500", .cpuMhz = 2800, .gpuModel = 8800, .ramGb = 4.0f, .hddGb = 320,
     .needsDvdRom = true, .reputationGain = 510, .days = 17, .cost = 500},
    {.line = "10.World of Warcraft \t\t700", .cpuMhz = 3600, .gpuModel = 8800, .ramGb = 4.0f, .hddGb = 800,
     .needsDvdRom = true, .reputationGain = 900, .days = 25, .cost = 700},
    {.line = "11.Half-life3 \t\t\t900", .cpuMhz = 3600, .gpuModel = 8800, .ramGb = 4.0f, .hddGb = 800,
     .needsDvdRom = true, .reputationGain = 1200, .days = 45, .cost = 900},
    {.line = "12.Heroes of MightAndMagic5 \t1300", .cpuMhz = 3600, .gpuModel = 8800, .ramGb = 8.0f, .hddGb = 800,
     .needsDvdRom = true, .reputationGain = 1500, .days = 30, .cost = 1300},
    {.line = "13.Supreme Commander \t\t1300", .cpuMhz = 3600, .gpuModel = 9800, .ramGb = 8.0f, .hddGb = 800,
     .needsDvdRom = true, .reputationGain = 2000, .days = 20, .cost = 1300},
    {.line = "14.Crysis \t\t\t1500", .cpuMhz = 4400, .gpuModel = 9800, .ramGb = 8.0f, .hddGb = 800,
     .needsDvdRom = true, .reputationGain = 2500, .days = 35, .cost = 1500},
    {.line = "15.Heroes of MightAndMagic6 \t2000", .cpuMhz = 4400, .gpuModel = 9800, .ramGb = 8.0f, .hddGb = 1500,
     .needsDvdRom = true, .reputationGain = 3000, .days = 65, .cost = 2000},
    {.line = "16.Lineage 3 \t\t\t2500", .cpuMhz = 4400, .gpuModel = 9800, .ramGb = 8.0f, .hddGb = 1500,
     .needsDvdRom = true, .reputationGain = 3500, .days = 55, .cost = 2500},
}};

// A failed read tries the previous visit's choice again.
constexpr std::string_view kKeptChoice = "play games";

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

  std::int32_t& choice = game.keptChoices[kKeptChoice];
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
