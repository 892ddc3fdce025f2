#pragma once
#include "core/game.hpp"

namespace geekpath {

// The newspaper and magazine invitations that are due at the end of a day.
void pressInvitationScreen(Game& game);

}  // namespace geekpath
