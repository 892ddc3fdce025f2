#pragma once
#include "core/game.hpp"

namespace geekpath {

// Day-menu entry 3: the job list, or the entrepreneurship screen while job is 10.
void jobScreen(Game& game);

}  // namespace geekpath
