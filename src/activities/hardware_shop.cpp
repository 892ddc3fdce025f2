#include "activities/hardware_shop.hpp"

namespace geekpath {

void hardwareShopScreen(Game& /*game*/) {}

}  // namespace geekpath
