#pragma once
#include "core/game.hpp"

namespace geekpath {

// Whether every victory condition holds.
[[nodiscard]] bool isVictory(const GameState& state);
// Congratulates, offers the passwords screen and appends the score record.
void victoryScreen(Game& game);
// The list of cheat codes shown to a winner.
void passwordsScreen(Game& game);
// Appends the winner's record to the score file.
void appendScoreRecord(const Game& game);

}  // namespace geekpath
