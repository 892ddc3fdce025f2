#include "persistence/load_screen.hpp"

namespace geekpath {

std::int32_t incomeAfterLoad(const GameState& state) { return state.dailyIncome; }
void loadScreen(Game& /*game*/) {}

}  // namespace geekpath
