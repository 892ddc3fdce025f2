#pragma once
#include "core/game.hpp"

namespace geekpath {

// Day-menu entry 7: the eight website stages.
void websiteScreen(Game& game);

}  // namespace geekpath
