#pragma once
#include <cstdint>

#include "core/game.hpp"

namespace geekpath {

// The file of slot 1..5: "save1.sav" to "save5.sav".
[[nodiscard]] std::string slotFileName(std::int32_t slot);
// Writes the saved fields of the state into the slot's file; false when it could not be
// written completely (the slot then keeps its old file).
[[nodiscard]] bool writeSaveFile(const Game& game, std::int32_t slot);
// Reads the slot's file into the state by the reading rules of the save format.
void readSaveFile(Game& game, std::int32_t slot);

}  // namespace geekpath
