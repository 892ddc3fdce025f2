#include "activities/online_games.hpp"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "core/stated_number.hpp"
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
  std::int16_t listedFrom;  // games owned from which the line is listed
  std::int16_t playedFrom;  // games owned from which the choice is acted on
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
  // Every end of day, while the character exists (level 1 or more): its level grows, and
  // it brings reputation and costs money.
  std::int16_t dailyGrowth;
  std::int32_t dailyReputation;
  std::int32_t dailyCost;
};

// Number and line; games owned to list it and to play it; the character's level field,
// growth per visit, sale, attack and health; fights won, levels per win, reward, cost of a
// lost fight; daily growth, reputation and cost.
// clang-format off
constexpr OnlineGame kOnlineGames[] = {
    {.number = 1, .menuLine = "1.World of Warcarft", .listedFrom = 10, .playedFrom = 10,
     .level = &GameState::onlineHero1, .growthPerVisit = 1, .saleFactor = 6, .attackPerLevel = 9, .attackBase = 3,
     .healthPerLevel = 60, .healthBase = 7, .winsOn = firstGameWins, .levelsPerWin = 2, .reward = firstGameReward,
     .lossCost = 30, .dailyGrowth = 1, .dailyReputation = 10, .dailyCost = 30},
    // Listed from 15 owned games, but only played from 16.
    {.number = 2, .menuLine = "2.LineAge 3", .listedFrom = 15, .playedFrom = 16, .level = &GameState::onlineHero2,
     .growthPerVisit = 2, .saleFactor = 13, .attackPerLevel = 9, .attackBase = 8, .healthPerLevel = 70,
     .healthBase = 5, .winsOn = secondGameWins, .levelsPerWin = 3, .reward = secondGameReward, .lossCost = 20,
     .dailyGrowth = 1, .dailyReputation = 20, .dailyCost = 35},
};
// clang-format on
static_assert(std::all_of(std::begin(kOnlineGames), std::end(kOnlineGames),
                          [](const OnlineGame& online) { return firstNumber(online.menuLine) == online.number; }));

void sell(Game& game, const OnlineGame& online) {
  std::int16_t& level = game.state.*online.level;
  const std::int64_t price = std::int64_t{online.saleFactor} * level;
  addTo(game.state.money, price);
  addTo(game.state.reputation, price);
  level = 0;
}

void describe(Game& game, const OnlineGame& online) {
  const std::int16_t level = game.state.*online.level;
  game.io.printLine("Уровень героя " + std::to_string(level));
  game.io.printLine("Атака героя " + std::to_string(std::int64_t{online.attackPerLevel} * level + online.attackBase));
  game.io.printLine("Здоровье героя " +
                    std::to_string(std::int64_t{online.healthPerLevel} * level + online.healthBase));
}

void fight(Game& game, const OnlineGame& online) {
  GameState& s = game.state;
  std::int16_t& level = s.*online.level;
  if (online.winsOn(s.day)) {
    game.io.printLine("Вы победили монстра");
    addTo(level, online.levelsPerWin);
    online.reward(s, level);
  } else {
    subtractFrom(s.money, online.lossCost);
    subtractFrom(s.reputation, 2 * std::int64_t{level});
    subtractFrom(level, 1);
    game.io.printLine("Монстр вас победил");
  }
}

struct CharacterAction {
  std::string_view line;
  std::int32_t number;
  void (*act)(Game&, const OnlineGame&);
};

// Line, number typed, what it does to the character.
constexpr CharacterAction kCharacterMenu[] = {
    {.line = "Продать персонажа\t\t 1", .number = 1, .act = sell},
    {.line = "Характеристики персонажа\t 2", .number = 2, .act = describe},
    {.line = "Битва с монстрами \t\t 3", .number = 3, .act = fight},
};
static_assert(std::all_of(std::begin(kCharacterMenu), std::end(kCharacterMenu),
                          [](const CharacterAction& action) { return lastNumber(action.line) == action.number; }));

constexpr std::int32_t kCreate = 1;
constexpr std::string_view kCreateLine = "Создать персонажа\t\t 1";
static_assert(lastNumber(kCreateLine) == kCreate);

void characterVisit(Game& game, const OnlineGame& online) {
  ConsoleIo& io = game.io;
  std::int16_t& level = game.state.*online.level;
  // One action number for the creation prompt and the character menu: when creation was
  // answered with 1, an unreadable menu answer repeats the 1 and sells the character.
  std::int32_t action = 0;

  if (level == 0) {
    io.printLine(kCreateLine);
    io.readNumber(action);
    if (action == kCreate) level = 1;
  }
  io.clearScreen();
  if (level == 0) return;

  addTo(level, online.growthPerVisit);
  for (const CharacterAction& row : kCharacterMenu) io.printLine(row.line);
  io.readNumber(action);
  for (const CharacterAction& row : kCharacterMenu) {
    if (row.number == action) {
      row.act(game, online);
      return;
    }
  }
}

}  // namespace

void onlineUpkeep(GameState& state) {
  for (const OnlineGame& online : kOnlineGames) {
    std::int16_t& level = state.*online.level;
    if (level < 1) continue;
    addTo(level, online.dailyGrowth);
    addTo(state.reputation, online.dailyReputation);
    subtractFrom(state.money, online.dailyCost);
  }
}

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
