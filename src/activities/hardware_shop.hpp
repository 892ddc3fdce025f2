#pragma once
#include "core/game.hpp"

namespace geekpath {

// Day-menu entry 1: processors, video cards, disks, memory and extras.
void hardwareShopScreen(Game& game);

}  // namespace geekpath
