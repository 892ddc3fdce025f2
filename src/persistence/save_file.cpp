#include "persistence/save_file.hpp"

namespace geekpath {

std::string slotFileName(std::int32_t slot) { return "save" + std::to_string(slot) + ".sav"; }
bool writeSaveFile(const Game& /*game*/, std::int32_t /*slot*/) { return false; }
void readSaveFile(Game& /*game*/, std::int32_t /*slot*/) {}

}  // namespace geekpath
