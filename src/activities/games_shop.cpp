#include "activities/games_shop.hpp"

namespace geekpath {

void gamesShopScreen(Game& /*game*/) {}

}  // namespace geekpath
