#include "activities/online_games.hpp"

namespace geekpath {

void onlineGamesScreen(Game& /*game*/) {}

}  // namespace geekpath
