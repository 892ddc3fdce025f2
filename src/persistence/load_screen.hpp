#pragma once
#include "core/game.hpp"

namespace geekpath {

// The daily income of a game just loaded, from its job and clubs.
[[nodiscard]] std::int32_t incomeAfterLoad(const GameState& state);
// Main-menu entry 2: fills the state from a slot the player chooses. False when the
// number names no slot; the caller then has no game to play.
[[nodiscard]] bool loadScreen(Game& game);

}  // namespace geekpath
