#pragma once
#include "core/game.hpp"

namespace geekpath {

// Whether the end of the day brings the press invitations: the reputation has reached the
// threshold of the next one.
[[nodiscard]] bool pressDue(const GameState& state);
// The newspaper and magazine invitations that are due at the end of a day.
void pressInvitationScreen(Game& game);

}  // namespace geekpath
