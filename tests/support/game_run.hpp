#pragma once
// Runs the built game as a player's script would: standard input from a pipe fed with
// the script, standard output captured, in a working folder of the test's own.
//
// On a pipe every key wait takes the next byte of the same stream that numbers come
// from, so the line feed that ends a typed number also answers a key wait that follows.

#include <string>
#include <string_view>
#include <vector>

#include "support/scratch_files.hpp"

namespace geekpath::testing {

struct RunOptions {
  std::string folder;                          // working folder; a fresh one when empty
  std::vector<std::string> environment = {"LC_ALL=C"};
  double timeoutSeconds = 10;
};

struct GameRun {
  int exitStatus = -1;    // -1 when the game did not exit normally
  int signal = 0;         // the signal that ended it, if one did
  bool timedOut = false;  // killed after the timeout
  std::string output;
  std::string folder;     // the working folder it ran in
  double seconds = 0;
};

GameRun runGame(std::string_view input, const RunOptions& options = {});

// The script up to the main-menu prompt: the key after the loading lines, the
// nickname line, and the three keys of the picture, the notices and the banner.
std::string startUpInput(std::string_view nickname = "nick");

// The output that follows the main menu (everything after its version line); empty when
// the main menu never appeared.
std::string afterMainMenu(const std::string& output);

}  // namespace geekpath::testing
