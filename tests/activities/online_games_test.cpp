// The online games: which games are listed and which are played, creating and growing
// a character, its characteristics, selling it, fights decided by the day, and the
// daily upkeep.

#include <gtest/gtest.h>

#include <string>

#include "activities/online_games.hpp"
#include "core/memory_console.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::kClear;
using testing::lines;

const std::string kHeader = "\t\tВыберите онлайн игру!";
const std::string kFirstGame = "1.World of Warcarft";
const std::string kSecondGame = "2.LineAge 3";
const std::string kCreate = "Создать персонажа\t\t 1";
const std::string kCharacterMenu =
    lines({"Продать персонажа\t\t 1", "Характеристики персонажа\t 2", "Битва с монстрами \t\t 3"});

struct Visit {
  Game game;
  Visit(MemoryConsole& io, std::int16_t gamesOwned) : game(io) {
    game.state.gamesOwned = gamesOwned;
    game.state.money = 1000;
    game.state.reputation = 100;
  }
};

TEST(OnlineGames, ListingByGamesOwned) {
  struct Case {
    std::int16_t gamesOwned;
    std::string listed;
  };
  const Case cases[] = {
      {9, lines({kHeader})},
      {12, lines({kHeader, kFirstGame})},
      {15, lines({kHeader, kFirstGame, kSecondGame})},
  };
  // Typing 2 below 16 owned games only costs the visit, even where the line is listed.
  for (const Case& c : cases) {
    MemoryConsole io("2\n");
    Visit v(io, c.gamesOwned);
    onlineGamesScreen(v.game);
    EXPECT_EQ(io.output(), kClear + c.listed) << c.gamesOwned;
    EXPECT_EQ(v.game.state.money, 990) << c.gamesOwned;
    EXPECT_EQ(v.game.state.reputation, 100) << c.gamesOwned;
    EXPECT_EQ(v.game.state.onlineHero2, 0) << c.gamesOwned;
    EXPECT_EQ(io.unreadInput(), "");
  }
}

TEST(OnlineGames, FirstGameUnlistedBelowTen) {
  MemoryConsole io("1\n");
  Visit v(io, 9);
  onlineGamesScreen(v.game);
  EXPECT_EQ(io.output(), kClear + lines({kHeader}));
  EXPECT_EQ(v.game.state.money, 990);
}

TEST(OnlineGames, SecondGamePlayedFromSixteen) {
  MemoryConsole io("2\n1\n2\n");
  Visit v(io, 16);
  onlineGamesScreen(v.game);
  EXPECT_EQ(io.output(), kClear + lines({kHeader, kFirstGame, kSecondGame, kCreate}) + kClear + kCharacterMenu +
                             lines({"Уровень героя 3", "Атака героя 35", "Здоровье героя 215"}));
  EXPECT_EQ(v.game.state.onlineHero2, 3);
}

TEST(OnlineGames, NewCharacterCharacteristics) {
  MemoryConsole io("1\n1\n2\n");
  Visit v(io, 10);
  onlineGamesScreen(v.game);
  EXPECT_EQ(io.output(), kClear + lines({kHeader, kFirstGame, kCreate}) + kClear + kCharacterMenu +
                             lines({"Уровень героя 2", "Атака героя 21", "Здоровье героя 127"}));
  EXPECT_EQ(v.game.state.onlineHero1, 2);
  EXPECT_EQ(v.game.state.money, 990);
  EXPECT_EQ(v.game.state.reputation, 100);
  EXPECT_EQ(io.unreadInput(), "");
}

TEST(OnlineGames, CreationRefused) {
  MemoryConsole io("1\n2\n");
  Visit v(io, 10);
  onlineGamesScreen(v.game);
  EXPECT_EQ(io.output(), kClear + lines({kHeader, kFirstGame, kCreate}) + kClear);
  EXPECT_EQ(v.game.state.onlineHero1, 0);
  EXPECT_EQ(v.game.state.money, 990);
}

// The second game on day 4 (even): created at 1, grown to 3, the won fight leaves 6 and
// pays 2 x 6 + 30 in money and in reputation.
TEST(OnlineGames, SecondGameCreatedAndWinsOnAnEvenDay) {
  MemoryConsole io("2\n1\n3\n");
  Visit v(io, 16);
  v.game.state.day = 4;
  onlineGamesScreen(v.game);
  EXPECT_EQ(io.output(), kClear + lines({kHeader, kFirstGame, kSecondGame, kCreate}) + kClear + kCharacterMenu +
                             lines({"Вы победили монстра"}));
  EXPECT_EQ(v.game.state.onlineHero2, 6);
  EXPECT_EQ(v.game.state.money, 1000 - 10 + 42);
  EXPECT_EQ(v.game.state.reputation, 100 + 42);
}

struct FightCase {
  const char* what;
  std::int32_t game;
  std::int32_t day;
  std::int16_t levelBefore;  // before this visit's growth
  std::int32_t reputation;
  bool won;
  std::int16_t levelAfter;
  std::int32_t moneyAfter;  // money starts at 1000 and the visit costs 10
  std::int32_t reputationAfter;
};

TEST(OnlineGames, FightsDecidedByTheDay) {
  const FightCase cases[] = {
      // First game: won on odd multiples of 3; reputation + 30 + 1.5 x the new level.
      {"first game, day 9", 1, 9, 2, 100, true, 5, 1020, 137},
      {"first game, day 6", 1, 6, 2, 100, false, 2, 960, 94},
      {"first game, day 7", 1, 7, 2, 100, false, 2, 960, 94},
      {"first game, day 3, negative reputation", 1, 3, 2, -130, true, 5, 1020, -92},  // -92.5
      {"first game, day 15, even level", 1, 15, 5, -130, true, 8, 1020, -88},
      {"first game, day -3", 1, -3, 2, 100, true, 5, 1020, 137},
      // Second game: won on even days; money and reputation + 2 x the new level + 30.
      {"second game, day 4", 2, 4, 1, 100, true, 6, 1032, 142},
      {"second game, day 7, level 4", 2, 7, 2, 100, false, 3, 970, 92},
      {"second game, day 0", 2, 0, 2, 100, true, 7, 1034, 144},
  };
  for (const FightCase& c : cases) {
    MemoryConsole io(std::to_string(c.game) + "\n3\n");
    Visit v(io, 16);
    v.game.state.day = c.day;
    v.game.state.reputation = c.reputation;
    std::int16_t& level = c.game == 1 ? v.game.state.onlineHero1 : v.game.state.onlineHero2;
    level = c.levelBefore;
    onlineGamesScreen(v.game);
    EXPECT_EQ(io.output(), kClear + lines({kHeader, kFirstGame, kSecondGame}) + kClear + kCharacterMenu +
                               lines({c.won ? "Вы победили монстра" : "Монстр вас победил"}))
        << c.what;
    EXPECT_EQ(level, c.levelAfter) << c.what;
    EXPECT_EQ(v.game.state.money, c.moneyAfter) << c.what;
    EXPECT_EQ(v.game.state.reputation, c.reputationAfter) << c.what;
  }
}

TEST(OnlineGames, Selling) {
  struct Case {
    std::int32_t game;
    std::int16_t levelBefore;
    std::int32_t price;  // added to money and to reputation
  };
  // Level 7 after the first game's growth (6 x 7); level 5 after the second's (13 x 5).
  for (const Case c : {Case{1, 6, 42}, Case{2, 3, 65}}) {
    MemoryConsole io(std::to_string(c.game) + "\n1\n");
    Visit v(io, 16);
    std::int16_t& level = c.game == 1 ? v.game.state.onlineHero1 : v.game.state.onlineHero2;
    level = c.levelBefore;
    onlineGamesScreen(v.game);
    EXPECT_EQ(io.output(), kClear + lines({kHeader, kFirstGame, kSecondGame}) + kClear + kCharacterMenu);
    EXPECT_EQ(level, 0);
    EXPECT_EQ(v.game.state.money, 990 + c.price);
    EXPECT_EQ(v.game.state.reputation, 100 + c.price);
  }
}

// The creation answer and the menu answer share one number: after creating with 1, an
// unreadable menu answer is a 1 again and sells the new character.
TEST(OnlineGames, UnreadableAnswerAfterCreationSells) {
  MemoryConsole io("1\n1\nx\n\n");
  Visit v(io, 10);
  onlineGamesScreen(v.game);
  EXPECT_EQ(io.output(), kClear + lines({kHeader, kFirstGame, kCreate}) + kClear + kCharacterMenu);
  EXPECT_EQ(v.game.state.onlineHero1, 0);
  EXPECT_EQ(v.game.state.money, 990 + 12);
  EXPECT_EQ(v.game.state.reputation, 100 + 12);
  EXPECT_EQ(io.unreadInput(), "");
}

TEST(OnlineGames, OtherActionsOnlyGrowTheCharacter) {
  MemoryConsole io("1\n7\n");
  Visit v(io, 10);
  v.game.state.onlineHero1 = 4;
  onlineGamesScreen(v.game);
  EXPECT_EQ(io.output(), kClear + lines({kHeader, kFirstGame}) + kClear + kCharacterMenu);
  EXPECT_EQ(v.game.state.onlineHero1, 5);
  EXPECT_EQ(v.game.state.money, 990);
  EXPECT_EQ(v.game.state.reputation, 100);
}

TEST(OnlineGames, VisitCostsEvenInDebt) {
  MemoryConsole io("5\n");
  Visit v(io, 0);
  v.game.state.money = -195;
  onlineGamesScreen(v.game);
  EXPECT_EQ(v.game.state.money, -205);
}

TEST(OnlineGames, DailyUpkeepOfEachCharacter) {
  GameState s;
  onlineUpkeep(s);
  EXPECT_EQ(s.money, 0);
  s.onlineHero1 = 1;
  onlineUpkeep(s);
  EXPECT_EQ(s.onlineHero1, 2);
  EXPECT_EQ(s.reputation, 10);
  EXPECT_EQ(s.money, -30);
  s.onlineHero2 = 5;
  onlineUpkeep(s);
  EXPECT_EQ(s.onlineHero1, 3);
  EXPECT_EQ(s.onlineHero2, 6);
  EXPECT_EQ(s.reputation, 40);
  EXPECT_EQ(s.money, -95);
  s.onlineHero1 = INT16_MAX;  // the 16-bit level wraps, and the character then rests
  onlineUpkeep(s);
  EXPECT_EQ(s.onlineHero1, INT16_MIN);
}

}  // namespace
}  // namespace geekpath
