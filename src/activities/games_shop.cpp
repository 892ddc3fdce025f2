#include "activities/games_shop.hpp"

#include <array>
#include <cstdint>
#include <string_view>

#include "core/wrapping.hpp"

namespace geekpath {
namespace {

struct ShopGame {
  std::string_view line;
  std::int32_t price;
  // Whether the line needs money above the price (else at least the price). Buying
  // always needs at least the price.
  bool shownAbovePriceOnly;
};

// A failed read tries the previous visit's choice again.
constexpr std::string_view kKeptChoice = "games shop";

// Game n is entry n - 1; it is sold only as the next game after the first n - 1.
constexpr std::array<ShopGame, 16> kGames = {{
    {.line = "StarCraft \t\t 1 \t\t\t 10", .price = 10, .shownAbovePriceOnly = true},
    {.line = "Казаки \t\t\t 2 \t\t\t 15", .price = 15, .shownAbovePriceOnly = true},
    {.line = "NeedForSpeed5 \t\t 3 \t\t\t 30", .price = 30, .shownAbovePriceOnly = true},
    {.line = "Warcraft3 \t\t 4 \t\t\t 50", .price = 50, .shownAbovePriceOnly = true},
    {.line = "CountreStrike1.6 \t 5 \t\t\t 70", .price = 70, .shownAbovePriceOnly = true},
    {.line = "Gothic2 \t\t 6 \t\t\t 100", .price = 100, .shownAbovePriceOnly = true},
    {.line = "Half-life2 \t\t 7 \t\t\t 150", .price = 150, .shownAbovePriceOnly = true},
    {.line = "Stalker \t\t 8 \t\t\t 220", .price = 220, .shownAbovePriceOnly = true},
    {.line = "Gothic3 \t\t 9 \t\t\t 350", .price = 350, .shownAbovePriceOnly = true},
    {.line = "World of Warcraft \t 10 \t\t\t 500 \t (On-line игра)", .price = 500, .shownAbovePriceOnly = false},
    {.line = "Half-life3 \t\t 11 \t\t\t 700", .price = 700, .shownAbovePriceOnly = true},
    {.line = "Heroes of MightAndMagic5 12 \t\t\t 750", .price = 750, .shownAbovePriceOnly = false},
    {.line = "Supreme Commander \t 13 \t\t\t 900", .price = 900, .shownAbovePriceOnly = false},
    {.line = "Crysis \t\t\t 14 \t\t\t 1200", .price = 1200, .shownAbovePriceOnly = false},
    {.line = "Heroes of MightAndMagic6 15 \t\t\t 1300", .price = 1300, .shownAbovePriceOnly = false},
    {.line = "Lineage 3 \t\t 16 \t\t\t 1600 \t (On-line игра)", .price = 1600, .shownAbovePriceOnly = false},
}};

}  // namespace

void gamesShopScreen(Game& game) {
  GameState& s = game.state;
  game.io.clearScreen();
  game.io.printLine("\t\t\t Территория игр");
  game.io.printLine("Игра \t\t\t номер \t\t\t $");
  // Owned games stay listed while money allows; only the next one can be bought.
  for (std::size_t i = 0; i < kGames.size(); ++i) {
    const ShopGame& g = kGames[i];
    const bool affordable = g.shownAbovePriceOnly ? s.money > g.price : s.money >= g.price;
    if (s.gamesOwned >= static_cast<std::int32_t>(i) && affordable) game.io.printLine(g.line);
  }

  std::int32_t& choice = game.keptChoices[kKeptChoice];
  game.io.readNumber(choice);
  if (choice < 1 || choice > static_cast<std::int32_t>(kGames.size())) return;
  const ShopGame& wanted = kGames[static_cast<std::size_t>(choice - 1)];
  if (s.gamesOwned != choice - 1 || s.money < wanted.price) return;
  subtractFrom(s.money, wanted.price);
  s.gamesOwned = static_cast<std::int16_t>(choice);
}

}  // namespace geekpath
