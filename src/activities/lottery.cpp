#include "activities/lottery.hpp"

namespace geekpath {

void lotteryScreen(Game& /*game*/) {}

}  // namespace geekpath
