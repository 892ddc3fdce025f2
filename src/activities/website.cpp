#include "activities/website.hpp"

namespace geekpath {

void websiteScreen(Game& /*game*/) {}

}  // namespace geekpath
