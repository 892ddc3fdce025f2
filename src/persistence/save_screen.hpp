#pragma once
#include "core/game.hpp"

namespace geekpath {

// The summary of the five slots, shared by the save and load screens.
void printSlotSummaries(Game& game);
// Day-menu entry 10.
void saveScreen(Game& game);

}  // namespace geekpath
