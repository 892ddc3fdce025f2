#pragma once
#include "core/game.hpp"

namespace geekpath {

// Day-menu entry 4: playing the games through, in list order.
void playGamesScreen(Game& game);

}  // namespace geekpath
