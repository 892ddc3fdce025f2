#pragma once
// The running game: the state record, the console every screen talks through, the
// generator, and the menu choices that outlive a visit to their screen.

#include <cstdint>
#include <string>
#include <utility>

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
  // The folder of the save and score files: "" for the working folder, unless a test
  // says else.
  std::string fileFolder;
};

}  // namespace geekpath
