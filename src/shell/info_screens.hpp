#pragma once
#include "core/game.hpp"

namespace geekpath {

// Main-menu entries 3, 4 and 5: fixed texts, each ended by key presses.
void optionsScreen(Game& game);
void authorsScreen(Game& game);
void tutorialScreen(Game& game);

}  // namespace geekpath
