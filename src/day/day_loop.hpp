#pragma once
// The day loop: one pass is one game day, from the victory test through the status
// panel, the day menu and the chosen activity to the end of the day.

#include <cstdint>

#include "core/game.hpp"

namespace geekpath {

// Entered once per program run, for a new or a loaded game; returns when the game is
// won, lost or quit.
void runDayLoop(Game& game);

void printStatusPanel(Game& game);
// Prints the day menu; showing the lottery line counts a lottery draw.
void printDayMenu(Game& game);

[[nodiscard]] bool isLotteryDay(std::int32_t day);
[[nodiscard]] bool isEventDay(std::int32_t day);
// The game is lost when money is at or below this.
[[nodiscard]] std::int32_t debtLimit(std::int32_t day);

}  // namespace geekpath
