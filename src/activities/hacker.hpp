#pragma once
#include "core/game.hpp"

namespace geekpath {

// Day-menu entry 6: the six hacking missions.
void hackerScreen(Game& game);

}  // namespace geekpath
