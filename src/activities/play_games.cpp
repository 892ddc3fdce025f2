#include "activities/play_games.hpp"

namespace geekpath {

void playGamesScreen(Game& /*game*/) {}

}  // namespace geekpath
