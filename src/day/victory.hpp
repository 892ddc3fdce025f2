#pragma once
// The end of a won game: the victory test, the congratulations, the list of cheat codes
// and the winner's record in the score file.

#include <cstdint>

#include "core/game.hpp"

namespace geekpath {

// The score file, beside the save files.
inline constexpr char kScoreFileName[] = "SCORES.txt";

// Whether every victory condition holds.
[[nodiscard]] bool isVictory(const GameState& state);
// Congratulates, offers the passwords screen and appends the score record.
void victoryScreen(Game& game);
// The list of cheat codes shown to a winner.
void passwordsScreen(Game& game);
// Appends the winner's record to the score file and flushes it to the disk; a file that
// cannot be opened or written gets nothing (a record broken off is taken back), and
// nothing is shown. What the file already holds is never changed: the record begins
// with a line end of its own.
void appendScoreRecord(const Game& game);
// The points of the record: money times reputation over four times the day, exact in
// 64 bits; 0 on day 0.
[[nodiscard]] std::int64_t scorePoints(const GameState& state);

}  // namespace geekpath
