#pragma once
#include "core/game.hpp"

namespace geekpath {

// On event days, under the day menu: the next event of the event table strikes.
void randomEventScreen(Game& game);

}  // namespace geekpath
