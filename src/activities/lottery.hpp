#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/game.hpp"

namespace geekpath {

// Day-menu entry 5, on lottery days: tickets drawn from a table filled afresh.
void lotteryScreen(Game& game);

// The table a visit draws its tickets from: digits 0 to 5, one draw of the generator each.
inline constexpr std::size_t kLotteryTableSize = 300;
inline constexpr std::size_t kLotteryDigits = 6;
using LotteryTable = std::array<std::int16_t, kLotteryTableSize>;
[[nodiscard]] LotteryTable drawLotteryTable(Game& game);

// How many tickets drew each digit.
using DigitCounts = std::array<std::int32_t, kLotteryDigits>;
// What the drawn digits win on the given draw.
[[nodiscard]] std::int32_t lotteryWinnings(const DigitCounts& drawn, std::int32_t drawNumber);

// The counts of third and first prizes as the draw number scales them: {third, first}.
[[nodiscard]] std::array<std::int32_t, 2> scaleLotteryPrizes(std::int32_t drawNumber, std::int32_t thirdPrizes,
                                                             std::int32_t firstPrizes);

}  // namespace geekpath
