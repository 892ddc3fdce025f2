#pragma once
#include "core/game.hpp"

namespace geekpath {

// The daily income of a game just loaded, from its job and clubs.
[[nodiscard]] std::int32_t incomeAfterLoad(const GameState& state);
// Main-menu entry 2: loads a slot and plays it in the day loop.
void loadScreen(Game& game);

}  // namespace geekpath
