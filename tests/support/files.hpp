#pragma once
// Scratch folders and whole-file reads and writes for the tests.

#include <string>
#include <string_view>

#include "core/game.hpp"

namespace geekpath::testing {

// A new empty folder under the system's temporary folder, removed with its files when
// the test process ends.
std::string makeScratchFolder();
std::string readFile(const std::string& path);
void writeFile(const std::string& path, std::string_view bytes);
bool fileExists(const std::string& path);
// The path of the game's file name, in the game's folder.
std::string gameFile(const Game& game, std::string_view name);

}  // namespace geekpath::testing
