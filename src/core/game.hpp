#pragma once
// The running game: the state record, the console every screen talks through, the
// generator, and the menu choices that outlive a visit to their screen.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/console_io.hpp"
#include "core/game_state.hpp"
#include "core/kept_choices.hpp"

namespace geekpath {

struct Game {
  explicit Game(ConsoleIo& console, std::string folder = {}) : io(console), fileFolder(std::move(folder)) {}

  ConsoleIo& io;
  GameState state;
  std::uint32_t randomSeed = 1;  // the generator's state; nothing ever reseeds it
  KeptChoices keptChoices;
  // Where the save and score files live: the working directory unless a test says else.
  std::string fileFolder;

  [[nodiscard]] std::string filePath(std::string_view name) const {
    if (fileFolder.empty()) return std::string(name);
    return fileFolder + "/" + std::string(name);
  }
};

}  // namespace geekpath
