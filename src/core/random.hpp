#pragma once
// The game's one pseudo-random generator, shared by the event-table roll and the lottery.

#include <cstdint>

#include "core/game.hpp"

namespace geekpath {

// A linear congruential generator over game.randomSeed, giving 0..32767.
[[nodiscard]] inline std::int32_t nextRandom(Game& game) {
  game.randomSeed = game.randomSeed * 214013u + 2531011u;
  return static_cast<std::int32_t>((game.randomSeed >> 16) & 0x7FFFu);
}

}  // namespace geekpath
