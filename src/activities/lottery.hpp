#pragma once
#include <array>
#include <cstdint>

#include "core/game.hpp"

namespace geekpath {

// Day-menu entry 5, on lottery days: tickets drawn from a freshly filled table.
void lotteryScreen(Game& game);

// The counts of third and first prizes as the draw number scales them: {third, first}.
[[nodiscard]] std::array<std::int32_t, 2> scaleLotteryPrizes(std::int32_t drawNumber, std::int32_t thirdPrizes,
                                                            std::int32_t firstPrizes);

}  // namespace geekpath
