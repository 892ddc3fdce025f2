#include "day/press.hpp"

namespace geekpath {

void pressInvitationScreen(Game& /*game*/) {}

}  // namespace geekpath
