#include "activities/hacker.hpp"

namespace geekpath {

void hackerScreen(Game& /*game*/) {}

}  // namespace geekpath
