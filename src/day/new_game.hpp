#pragma once
// What happens when the day loop is entered: the event tables are rolled, and a new
// game is offered one starting bonus.

#include <cstdint>

#include "core/game.hpp"

namespace geekpath {

// The game's one pseudo-random generator: a linear congruential generator over
// game.randomSeed, giving 0..32767.
[[nodiscard]] std::int32_t nextRandom(Game& game);

// Fills the five event tables, then lets the nickname's second letter choose which one
// the events use.
void rollEventTables(Game& game);

// The starting-bonus menu of a new game: one number read, at most one bonus given.
void offerStartingBonus(Game& game);

}  // namespace geekpath
