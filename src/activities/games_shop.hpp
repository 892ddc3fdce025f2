#pragma once
#include "core/game.hpp"

namespace geekpath {

// Day-menu entry 2: the sixteen games, bought in list order.
void gamesShopScreen(Game& game);

}  // namespace geekpath
