#pragma once
#include "core/game.hpp"

namespace geekpath {

// The loading lines, the nickname prompt, the picture, the notices and the title banner.
void startUpScreens(Game& game);
// The main menu, shown once; returns when the chosen screen returns.
void mainMenu(Game& game);
// One run of the program: the start-up screens, then the main menu. It returns when the
// game is over or the input has ended.
void playGame(Game& game);

}  // namespace geekpath
