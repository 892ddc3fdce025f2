#include "activities/hacker.hpp"

#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "core/stated_number.hpp"
#include "core/wrapping.hpp"

namespace geekpath {
namespace {

// One hacking mission. Mission n succeeds while the last mission done is n - 1 and
// reputation is above its success limit; it fails while an earlier mission is still
// open or reputation is at or below its failure limit. No chance is involved.
struct Mission {
  std::optional<std::int32_t> successAbove;  // none: success needs no reputation
  std::string_view successLine;
  std::int32_t reputationGain;
  std::int32_t moneyGain;
  std::optional<std::int32_t> failureAtMost;  // none: the mission cannot fail
  std::string_view failureLine;
  std::int32_t moneyLoss;
};

// Success above, success line, reputation and money gained; failure at most, failure line,
// money lost.
// clang-format off
constexpr Mission kMissions[] = {
    {.successAbove = std::nullopt, .successLine = "Вы смогли взломать компьютер и скачать требующийся файл",
     .reputationGain = 30, .moneyGain = 10, .failureAtMost = std::nullopt, .failureLine = "", .moneyLoss = 0},
    {.successAbove = 30, .successLine = "Вы смогли взломать компьютер и скачать требующийся файл",
     .reputationGain = 50, .moneyGain = 15, .failureAtMost = 30,
     .failureLine = "Вы не смогли взломать компьютер и скачать требующийся файл", .moneyLoss = 60},
    {.successAbove = 80, .successLine = "Вы смогли закачать в чужой компьютер вирус", .reputationGain = 80,
     .moneyGain = 40, .failureAtMost = 80, .failureLine = "Вы не смогли закачать в чужой компьютер вирус",
     .moneyLoss = 125},
    {.successAbove = 200, .successLine = "Вы смогли взломать компьютер и скачать секретный файл",
     .reputationGain = 150, .moneyGain = 70, .failureAtMost = 200,
     .failureLine = "Вы не смогли взломать компьютер и скачать секретный файл", .moneyLoss = 250},
    // Missions 5 and 6 leave a band (above the failure limit, at most the success limit)
    // where an attempt neither succeeds nor fails: nothing is printed, nothing changes.
    {.successAbove = 800, .successLine = "Вы смогли ограбить через интернет небольшой банк", .reputationGain = 400,
     .moneyGain = 200, .failureAtMost = 600, .failureLine = "Вы не смогли ограбить через интернет небольшой банк",
     .moneyLoss = 600},
    {.successAbove = 2500, .successLine = "Вы смогли ограбить через интернет большой банк", .reputationGain = 800,
     .moneyGain = 400, .failureAtMost = 2000, .failureLine = "Вы не смогли ограбить через интернет большой банк",
     .moneyLoss = 1250},
};
// clang-format on

// The prompt names the missions' numbers.
constexpr std::string_view kMissionRange = "\t 1-6";
static_assert(firstNumber(kMissionRange) == 1 &&
              lastNumber(kMissionRange) == static_cast<double>(std::size(kMissions)));

// A failed read tries the previous visit's mission again.
constexpr std::string_view kKeptChoice = "hacker";

void attempt(Game& game, std::int16_t number, const Mission& mission) {
  GameState& s = game.state;
  ConsoleIo& io = game.io;
  const std::int16_t previous = static_cast<std::int16_t>(number - 1);

  if (s.hackerLevel == previous && (!mission.successAbove || s.reputation > *mission.successAbove)) {
    io.printLine(mission.successLine);
    io.printLine("Крутость+" + std::to_string(mission.reputationGain) + ",деньги+" + std::to_string(mission.moneyGain));
    addTo(s.reputation, mission.reputationGain);
    addTo(s.money, mission.moneyGain);
    s.hackerLevel = number;
  }
  // Tested on the values after the success step, so a success is never followed by a
  // failure (it raises the level past "an earlier mission open" and reputation with it).
  if (mission.failureAtMost && (s.hackerLevel < previous || s.reputation <= *mission.failureAtMost)) {
    io.printLine(mission.failureLine);
    io.printLine("Деньги-" + std::to_string(mission.moneyLoss));
    subtractFrom(s.money, mission.moneyLoss);
  }
}

}  // namespace

void hackerScreen(Game& game) {
  ConsoleIo& io = game.io;
  io.clearScreen();
  io.printLine("Миссия:");
  io.printLine(kMissionRange);
  std::int32_t& choice = game.keptChoices[kKeptChoice];
  io.readNumber(choice);
  if (choice >= 1 && choice <= static_cast<std::int32_t>(std::size(kMissions))) {
    attempt(game, static_cast<std::int16_t>(choice), kMissions[choice - 1]);
  }
  io.waitKey();
}

}  // namespace geekpath
