#pragma once
#include "core/game.hpp"

namespace geekpath {

// Day-menu entry 9: characters in the two online games.
void onlineGamesScreen(Game& game);
// At the end of every day: each character grows, brings reputation and costs its upkeep.
void onlineUpkeep(GameState& state);

}  // namespace geekpath
