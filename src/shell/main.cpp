// The program entry: start-up screens, then the main menu; the program ends when the
// chosen screen returns, or when the input ends, always with status 0.

#include <clocale>

#include "core/terminal_console.hpp"
#include "shell/startup.hpp"

int main() {
  std::setlocale(LC_CTYPE, "");
  geekpath::TerminalConsole console;
  geekpath::Game game(console);
  try {
    geekpath::startUpScreens(game);
    geekpath::mainMenu(game);
  } catch (const geekpath::EndOfInput&) {
    // The player closed the input: nothing more to do.
  }
  return 0;
}
