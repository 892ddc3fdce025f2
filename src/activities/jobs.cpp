#include "activities/jobs.hpp"

namespace geekpath {

void jobScreen(Game& /*game*/) {}

}  // namespace geekpath
