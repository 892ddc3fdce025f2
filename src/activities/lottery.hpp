#pragma once
#include "core/game.hpp"

namespace geekpath {

// Day-menu entry 5, on lottery days: tickets drawn from a freshly filled table.
void lotteryScreen(Game& game);

}  // namespace geekpath
