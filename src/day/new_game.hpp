#pragma once
// What happens when the day loop is entered: the event tables are rolled, and a new
// game is offered one starting bonus.

#include <cstdint>

#include "core/game.hpp"

namespace geekpath {

// Fills the five event tables, then lets the nickname's second letter choose which one
// the events use.
void rollEventTables(Game& game);

// The starting-bonus menu of a new game: one number read, at most one bonus given.
void offerStartingBonus(Game& game);

}  // namespace geekpath
