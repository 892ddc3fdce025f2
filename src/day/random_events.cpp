#include "day/random_events.hpp"

namespace geekpath {

void randomEventScreen(Game& /*game*/) {}

}  // namespace geekpath
