#include "activities/online_games.hpp"

#include <cstdint>
#include <string>
#include <string_view>

#include "core/wrapping.hpp"

namespace geekpath {
namespace {

constexpr std::int32_t kVisitCost = 10;

bool firstGameWins(std::int32_t day) { return day % 3 == 0 && day % 2 != 0; }
bool secondGameWins(std::int32_t day) { return day % 2 == 0; }

// The first game's won fight: reputation + 30 + 1.5 x level summed exactly (the sum of
// two integers and a half fits a double without rounding), then truncated toward zero.
void firstGameReward(GameState& s, std::int16_t level) {
  addTo(s.money, 30);
  s.reputation = truncateTo<std::int32_t>(static_cast<double>(s.reputation) + 30.0 + 1.5 * level);
}
void secondGameReward(GameState& s, std::int16_t level) {
  const std::int64_t reward = 2 * std::int64_t{level} + 30;
  addTo(s.money, reward);
  addTo(s.reputation, reward);
}

struct OnlineGame {
  std::int32_t number;  // what the player types
  std::string_view menuLine;
  std::int16_t listedFrom;   // games owned from which the line is listed
  std::int16_t playedFrom;   // games owned from which the choice is acted on
  std::int16_t GameState::*level;
  std::int16_t growthPerVisit;
  std::int32_t saleFactor;  // money and reputation each gain this times the level
  std::int32_t attackPerLevel;
  std::int32_t attackBase;
  std::int32_t healthPerLevel;
  std::int32_t healthBase;
  bool (*winsOn)(std::int32_t day);
  std::int16_t levelsPerWin;
  void (*reward)(GameState&, std::int16_t newLevel);
  std::int32_t lossCost;
};

constexpr OnlineGame kOnlineGames[] = {
    {.number = 1, .menuLine = "1.World of Warcarft", .listedFrom = 10, .playedFrom = 10,
     .level = &GameState::onlineHero1, .growthPerVisit = 1, .saleFactor = 6, .attackPerLevel = 9, .attackBase = 3,
     .healthPerLevel = 60, .healthBase = 7, .winsOn = firstGameWins, .levelsPerWin = 2, .reward = firstGameReward,
     .lossCost = 30},
    // Listed from 15 owned games, but only played from 16.
    {.number = 2, .menuLine = "2.LineAge 3", .listedFrom = 15, .playedFrom = 16, .level = &GameState::onlineHero2,
     .growthPerVisit = 2, .saleFactor = 13, .attackPerLevel = 9, .attackBase = 8, .healthPerLevel = 70,
     .healthBase = 5, .winsOn = secondGameWins, .levelsPerWin = 3, .reward = secondGameReward, .lossCost = 20},
};

void characterVisit(Game& game, const OnlineGame& online) {
  GameState& s = game.state;
  ConsoleIo& io = game.io;
  std::int16_t& level = s.*online.level;
  // One action number for the creation prompt and the character menu: when creation was
  // answered with 1, an unreadable menu answer repeats the 1 and sells the character.
  std::int32_t action = 0;

  if (level == 0) {
    io.printLine("Создать персонажа\t\t 1");
    io.readNumber(action);
    if (action == 1) level = 1;
  }
  io.clearScreen();
  if (level == 0) return;

  addTo(level, online.growthPerVisit);
  io.printLine("Продать персонажа\t\t 1");
  io.printLine("Характеристики персонажа\t 2");
  io.printLine("Битва с монстрами \t\t 3");
  io.readNumber(action);

  switch (action) {
    case 1: {
      const std::int64_t price = std::int64_t{online.saleFactor} * level;
      addTo(s.money, price);
      addTo(s.reputation, price);
      level = 0;
      break;
    }
    case 2:
      io.printLine("Уровень героя " + std::to_string(level));
      io.printLine("Атака героя " + std::to_string(std::int64_t{online.attackPerLevel} * level + online.attackBase));
      io.printLine("Здоровье героя " + std::to_string(std::int64_t{online.healthPerLevel} * level + online.healthBase));
      break;
    case 3:
      if (online.winsOn(s.day)) {
        io.printLine("Вы победили монстра");
        addTo(level, online.levelsPerWin);
        online.reward(s, level);
      } else {
        subtractFrom(s.money, online.lossCost);
        subtractFrom(s.reputation, 2 * std::int64_t{level});
        subtractFrom(level, 1);
        io.printLine("Монстр вас победил");
      }
      break;
    default:
      break;
  }
}

}  // namespace

void onlineGamesScreen(Game& game) {
  GameState& s = game.state;
  ConsoleIo& io = game.io;
  io.clearScreen();
  subtractFrom(s.money, kVisitCost);  // every visit, whatever follows
  io.printLine("\t\tВыберите онлайн игру!");
  for (const OnlineGame& online : kOnlineGames) {
    if (s.gamesOwned >= online.listedFrom) io.printLine(online.menuLine);
  }
  std::int32_t choice = 0;
  io.readNumber(choice);
  for (const OnlineGame& online : kOnlineGames) {
    if (choice == online.number && s.gamesOwned >= online.playedFrom) characterVisit(game, online);
  }
  io.waitKey();
}

}  // namespace geekpath
