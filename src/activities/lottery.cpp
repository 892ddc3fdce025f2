#include "activities/lottery.hpp"

#include <array>
#include <cstdint>
#include <string>

#include "core/random.hpp"
#include "core/wrapping.hpp"

namespace geekpath {
namespace {

constexpr std::int32_t kTicketPrice = 10;
// The read position wraps at 299: the table's last entry is never read.
constexpr auto kPositionWrap = static_cast<std::int32_t>(kLotteryTableSize - 1);

// What each drawn digit wins, before the draw number scales it.
enum class Prize { none, second, third, first };
constexpr std::array<Prize, kLotteryDigits> kPrizeOfDigit = {Prize::none,  Prize::none,  Prize::second,
                                                             Prize::third, Prize::first, Prize::none};
constexpr std::int32_t kSecondPrize = 20;
constexpr std::int32_t kThirdPrize = 10;
constexpr std::int32_t kFirstPrize = 50;

// How the draw number scales the counts of third and first prizes: two steps each, the
// count truncated toward zero after every step (a factor of 1 is no step at all).
struct Scaling {
  bool even;
  bool multipleOfThree;
  std::array<double, 2> thirdFactors;
  std::array<double, 2> firstDivisors;
};
constexpr Scaling kScalings[] = {
    {.even = true, .multipleOfThree = false, .thirdFactors = {1.8, 1.0}, .firstDivisors = {1.4, 1.0}},
    {.even = false, .multipleOfThree = false, .thirdFactors = {2.5, 1.0}, .firstDivisors = {0.8, 1.0}},
    {.even = true, .multipleOfThree = true, .thirdFactors = {0.9, 1.0}, .firstDivisors = {2.7, 1.0}},
    {.even = false, .multipleOfThree = true, .thirdFactors = {2.5, 0.9}, .firstDivisors = {0.8, 2.7}},
};

const Scaling& scalingFor(std::int32_t drawNumber) {
  const bool even = drawNumber % 2 == 0;
  const bool multipleOfThree = drawNumber % 3 == 0;
  for (const Scaling& scaling : kScalings) {
    if (scaling.even == even && scaling.multipleOfThree == multipleOfThree) return scaling;
  }
  return kScalings[0];  // unreachable: the four rows cover every number
}

}  // namespace

std::array<std::int32_t, 2> scaleLotteryPrizes(std::int32_t drawNumber, std::int32_t thirdPrizes,
                                               std::int32_t firstPrizes) {
  const Scaling& scaling = scalingFor(drawNumber);
  for (const double factor : scaling.thirdFactors) thirdPrizes = truncateTo<std::int32_t>(thirdPrizes * factor);
  for (const double divisor : scaling.firstDivisors) firstPrizes = truncateTo<std::int32_t>(firstPrizes / divisor);
  return {thirdPrizes, firstPrizes};
}

LotteryTable drawLotteryTable(Game& game) {
  LotteryTable table{};
  for (std::int16_t& entry : table)
    entry = static_cast<std::int16_t>(nextRandom(game) % static_cast<std::int32_t>(kLotteryDigits));
  return table;
}

std::int32_t lotteryWinnings(const DigitCounts& drawn, std::int32_t drawNumber) {
  std::int32_t second = 0;
  std::int32_t third = 0;
  std::int32_t first = 0;
  for (std::size_t digit = 0; digit < drawn.size(); ++digit) {
    switch (kPrizeOfDigit[digit]) {
      case Prize::second: second += drawn[digit]; break;
      case Prize::third: third += drawn[digit]; break;
      case Prize::first: first += drawn[digit]; break;
      case Prize::none: break;
    }
  }
  const auto [scaledThird, scaledFirst] = scaleLotteryPrizes(drawNumber, third, first);
  return wrapTo<std::int32_t>(std::int64_t{kThirdPrize} * scaledThird + std::int64_t{kSecondPrize} * second +
                              std::int64_t{kFirstPrize} * scaledFirst);
}

void lotteryScreen(Game& game) {
  GameState& s = game.state;
  ConsoleIo& io = game.io;
  io.clearScreen();

  // A fresh table on every visit; this moves the generator on for every later draw.
  const LotteryTable table = drawLotteryTable(game);

  io.printLine("\t\t\t Лотерея");
  io.printLine("\t\t\t\t\t\t\t\t " + std::to_string(s.lotteryDrawCount) + " тираж");
  io.printLine("Сколько билетов вы хотите купить?");
  io.printText("1 билет стоит ");
  io.printNumber(kTicketPrice);
  io.printLine(".");

  std::int32_t tickets = 0;  // an unreadable answer buys nothing
  io.readNumber(tickets);
  // A negative count would pay the player for tickets: it is refused like zero.
  if (tickets < 0) tickets = 0;

  // The charge is tested exactly, so a huge count cannot wrap into an affordable one.
  const std::int64_t afterCharge = static_cast<std::int64_t>(s.money) - std::int64_t{kTicketPrice} * tickets;
  if (afterCharge < 0) {
    io.printLine("Нехватает денег на билеты!");
    tickets = 0;
  } else {
    s.money = static_cast<std::int32_t>(afterCharge);
  }

  DigitCounts drawn{};
  for (std::int32_t i = 0; i < tickets; ++i) {
    if (s.lotteryDayCount >= kPositionWrap || s.lotteryDayCount < 0) s.lotteryDayCount = 0;
    const std::int16_t digit = table[static_cast<std::size_t>(s.lotteryDayCount)];
    ++drawn[static_cast<std::size_t>(digit)];
    ++s.lotteryDayCount;
  }

  const std::int32_t winnings = lotteryWinnings(drawn, s.lotteryDrawCount);
  io.printLine("Вы выиграли " + std::to_string(winnings));
  addTo(s.money, winnings);
  io.waitKey();
}

}  // namespace geekpath
