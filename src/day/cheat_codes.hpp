#pragma once
// The cheat codes: typed at the day menu (or at its quit question) they act at the end of
// the day, and a winner may see the list of them.

#include "core/console_io.hpp"
#include "core/game_state.hpp"

namespace geekpath {

// The effect of the code in state.lastDayAnswer, if it is a code.
void applyLastDayAnswerAsCheatCode(GameState& state);
// The lines of the codes that the winner's money and reputation let them see.
void printCheatCodeList(ConsoleIo& io, const GameState& state);

}  // namespace geekpath
