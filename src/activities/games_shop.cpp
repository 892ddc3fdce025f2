#include "activities/games_shop.hpp"

#include <cstdint>
#include <string_view>

#include "activities/game_catalogue.hpp"
#include "core/wrapping.hpp"

namespace geekpath {
namespace {

// A failed read tries the previous visit's choice again.
constexpr std::string_view kKeptChoice = "games shop";

void printShopLine(ConsoleIo& io, std::int32_t number, const GameTitle& title) {
  io.printText(title.shopTitle);
  io.printNumber(number);
  io.printText(" \t\t\t ");
  io.printNumber(title.price);
  io.printLine(title.shopNote);
}

}  // namespace

void gamesShopScreen(Game& game) {
  GameState& s = game.state;
  game.io.clearScreen();
  game.io.printLine("\t\t\t Территория игр");
  game.io.printLine("Игра \t\t\t номер \t\t\t $");
  // Owned games stay listed while money allows; only the next one can be bought.
  std::int32_t number = 0;
  for (const GameTitle& title : kGameCatalogue) {
    ++number;
    const bool affordable = title.listedAbovePriceOnly ? s.money > title.price : s.money >= title.price;
    if (s.gamesOwned >= number - 1 && affordable) printShopLine(game.io, number, title);
  }

  std::int32_t& choice = game.keptChoices[kKeptChoice];
  game.io.readNumber(choice);
  if (choice < 1 || choice > static_cast<std::int32_t>(kGameCatalogue.size())) return;
  const GameTitle& wanted = kGameCatalogue[static_cast<std::size_t>(choice - 1)];
  if (s.gamesOwned != choice - 1 || s.money < wanted.price) return;
  subtractFrom(s.money, wanted.price);
  s.gamesOwned = static_cast<std::int16_t>(choice);
}

}  // namespace geekpath
