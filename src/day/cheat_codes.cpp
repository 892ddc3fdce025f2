#include "day/cheat_codes.hpp"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "core/career.hpp"
#include "core/stated_number.hpp"
#include "core/wrapping.hpp"

namespace geekpath {
namespace {

struct CheatCode {
  std::int32_t code;
  std::string_view line;  // on the winner's list
  std::int32_t listedFromMoney;
  std::int32_t listedFromReputation;
  std::int32_t moneyGain = 0;
  void (*apply)(GameState&) = nullptr;  // the rest of its effect
};

// Code, list line, money and reputation from which a winner sees it, money gained, effect.
// clang-format off
constexpr CheatCode kCheatCodes[] = {
    {.code = 30517, .line = "30517.+20000 денег", .listedFromMoney = 12000, .listedFromReputation = INT32_MIN,
     .moneyGain = 20000},
    {.code = 4619, .line = "4619.дополнительная заработная плата", .listedFromMoney = 12000,
     .listedFromReputation = INT32_MIN, .apply = [](GameState& s) { addTo(s.dailyIncome, 300); }},
    {.code = 4637, .line = "4637.лучший процессор и оперативная память", .listedFromMoney = 12000,
     .listedFromReputation = INT32_MIN,
     .apply =
         [](GameState& s) {
           s.ramGb = 8.0f;
           s.cpuMhz = 4400;
         }},
    {.code = 5843, .line = "5843.дополнительная крутость", .listedFromMoney = INT32_MIN,
     .listedFromReputation = 12000, .apply = [](GameState& s) { addTo(s.reputation, 20000); }},
    {.code = 5861, .line = "5861.лучший винтчестер и видеократа", .listedFromMoney = INT32_MIN,
     .listedFromReputation = 12000,
     .apply =
         [](GameState& s) {
           s.gpuModel = 9800;
           s.hddGb = 1500;
         }},
    {.code = 4673, .line = "4673.игра пройденa", .listedFromMoney = 13500, .listedFromReputation = 13000,
     .apply =
         [](GameState& s) {
           s.hackerLevel = 10;
           s.reputation = 20000;
           s.money = 20000;
           s.job = kBestJob;
           s.hugeClubs = 1;
           s.gamesCompleted = 15;
           s.cpuMhz = 4400;
           s.gpuModel = 9800;
           s.ramGb = 8.0f;
           s.hddGb = 1500;
         }},
};
// clang-format on
// A line states its code, and the money the code gives.
static_assert(std::all_of(std::begin(kCheatCodes), std::end(kCheatCodes), [](const CheatCode& cheat) {
  return firstNumber(cheat.line) == cheat.code && (cheat.moneyGain == 0 || lastNumber(cheat.line) == cheat.moneyGain);
}));

}  // namespace

void applyLastDayAnswerAsCheatCode(GameState& state) {
  for (const CheatCode& cheat : kCheatCodes) {
    if (cheat.code != state.lastDayAnswer) continue;
    addTo(state.money, cheat.moneyGain);
    if (cheat.apply != nullptr) cheat.apply(state);
  }
}

void printCheatCodeList(ConsoleIo& io, const GameState& state) {
  for (const CheatCode& cheat : kCheatCodes) {
    if (state.money >= cheat.listedFromMoney && state.reputation >= cheat.listedFromReputation) {
      io.printLine(cheat.line);
    }
  }
}

}  // namespace geekpath
