// The program entry: the game on the process's own console. It ends when the game is
// over or the input ends, always with status 0.

#include <memory>

#include "platform/platform.hpp"
#include "shell/startup.hpp"

int main() {
  const std::unique_ptr<geekpath::ConsoleIo> console = geekpath::platform::openConsole();
  geekpath::Game game(*console);
  geekpath::playGame(game);
  return 0;
}
