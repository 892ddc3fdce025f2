#pragma once
#include "core/game.hpp"

namespace geekpath {

// The loading lines, the nickname prompt, the picture, the notices and the title banner.
void startUpScreens(Game& game);
// The main menu, shown once; returns when the chosen screen returns.
void mainMenu(Game& game);

}  // namespace geekpath
