#pragma once
#include "core/game.hpp"

namespace geekpath {

// Day-menu entry 9: characters in the two online games.
void onlineGamesScreen(Game& game);

}  // namespace geekpath
