// The games shop: the strict and non-strict showing tests, purchase only of the next game,
// and the choice that a failed read repeats on a later visit.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "activities/games_shop.hpp"
#include "core/memory_console.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::kClear;
using testing::lines;

const std::string kHeading = lines({"\t\t\t Территория игр", "Игра \t\t\t номер \t\t\t $"});

const std::vector<std::string_view> kAllLines = {
    "StarCraft \t\t 1 \t\t\t 10",
    "Казаки \t\t\t 2 \t\t\t 15",
    "NeedForSpeed5 \t\t 3 \t\t\t 30",
    "Warcraft3 \t\t 4 \t\t\t 50",
    "CountreStrike1.6 \t 5 \t\t\t 70",
    "Gothic2 \t\t 6 \t\t\t 100",
    "Half-life2 \t\t 7 \t\t\t 150",
    "Stalker \t\t 8 \t\t\t 220",
    "Gothic3 \t\t 9 \t\t\t 350",
    "World of Warcraft \t 10 \t\t\t 500 \t (On-line игра)",
    "Half-life3 \t\t 11 \t\t\t 700",
    "Heroes of MightAndMagic5 12 \t\t\t 750",
    "Supreme Commander \t 13 \t\t\t 900",
    "Crysis \t\t\t 14 \t\t\t 1200",
    "Heroes of MightAndMagic6 15 \t\t\t 1300",
    "Lineage 3 \t\t 16 \t\t\t 1600 \t (On-line игра)",
};

// The screen as it shows games with the given numbers (1-based).
std::string screenWith(std::initializer_list<int> games) {
  std::string out = kClear + kHeading;
  for (const int n : games) {
    out += kAllLines[static_cast<std::size_t>(n - 1)];
    out += '\n';
  }
  return out;
}

struct ShopCase {
  const char* name;
  std::int16_t owned;
  std::int32_t money;
  const char* input;
  std::initializer_list<int> shown;
  std::int16_t ownedAfter;
  std::int32_t moneyAfter;
};

// clang-format off
const ShopCase kCases[] = {
    {"NewGameElevenMoney", 0, 11, "1\n", {1}, 1, 1},
    {"FirstGameAtExactPriceHiddenButSold", 0, 10, "1\n", {}, 1, 0},
    {"FirstGameBelowPriceRefused", 0, 9, "1\n", {}, 0, 9},
    {"OwnedGameStaysListedAndNextIsShownWhenAbovePrice", 1, 16, "2\n", {1, 2}, 2, 1},
    {"GameTenAtExactPriceShownAndSold", 9, 500, "10\n", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 10, 0},
    {"GameElevenAtExactPriceHiddenButSold", 10, 700, "11\n", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 11, 0},
    {"GameTwelveAtExactPriceShown", 11, 750, "12\n", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 12, 0},
    {"LastGameAtExactPrice", 15, 1600, "16\n", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 16, 0},
    {"SkippingAGameRefused", 1, 1000, "3\n", {1, 2}, 1, 1000},
    {"OwnedGameNotSoldAgain", 1, 1000, "1\n", {1, 2}, 1, 1000},
    {"AllOwnedEverythingListedNothingSold", 16, 1601, "16\n",
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 16, 1601},
    {"NumberBeyondTheList", 16, 5000, "17\n", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 16, 5000},
    {"NegativeChoice", 0, 100, "-1\n", {1}, 0, 100},
    {"NegativeMoneyListsNothing", 3, -50, "4\n", {}, 3, -50},
};
// clang-format on

TEST(GamesShop, ShowingAndPurchaseRules) {
  for (const ShopCase& c : kCases) {
    SCOPED_TRACE(c.name);
    MemoryConsole io(c.input);
    Game game(io);
    game.state.gamesOwned = c.owned;
    game.state.money = c.money;
    gamesShopScreen(game);
    EXPECT_EQ(io.output(), screenWith(c.shown));
    EXPECT_EQ(game.state.gamesOwned, c.ownedAfter);
    EXPECT_EQ(game.state.money, c.moneyAfter);
  }
}

TEST(GamesShop, FailedReadRepeatsThePreviousVisitsChoice) {
  MemoryConsole io("2\nx\n");
  Game game(io);
  game.state.money = 100;
  gamesShopScreen(game);  // game 2 before game 1: refused
  EXPECT_EQ(game.state.gamesOwned, 0);
  game.state.gamesOwned = 1;
  gamesShopScreen(game);  // nothing readable: 2 again, now the next game
  EXPECT_EQ(game.state.gamesOwned, 2);
  EXPECT_EQ(game.state.money, 85);
}

TEST(GamesShop, FailedReadOnTheFirstVisitSelectsNothing) {
  MemoryConsole io("x\n");
  Game game(io);
  game.state.money = 100;
  gamesShopScreen(game);
  EXPECT_EQ(game.state.gamesOwned, 0);
  EXPECT_EQ(game.state.money, 100);
}

}  // namespace
}  // namespace geekpath
