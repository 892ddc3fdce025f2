#pragma once
// The running game: the state record, the console every screen talks through, the
// generator, and the menu choices that four screens keep between their visits.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/console_io.hpp"
#include "core/game_state.hpp"

namespace geekpath {

// Menu choices that four screens keep from one visit to the next (a failed read then
// repeats the previous visit's choice).
struct ScreenMemory {
  std::int32_t gamesShopChoice = 0;
  std::int32_t playGamesChoice = 0;
  std::int32_t jobChoice = 0;
  std::int32_t hackerChoice = 0;
};

struct Game {
  explicit Game(ConsoleIo& console, std::string folder = {}) : io(console), fileFolder(std::move(folder)) {}

  ConsoleIo& io;
  GameState state;
  std::uint32_t randomSeed = 1;  // the generator's state; nothing ever reseeds it
  ScreenMemory screens;
  // Where the save and score files live: the working directory unless a test says else.
  std::string fileFolder;

  [[nodiscard]] std::string filePath(std::string_view name) const {
    if (fileFolder.empty()) return std::string(name);
    return fileFolder + "/" + std::string(name);
  }
};

}  // namespace geekpath
