#include "day/press.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "core/staged_offers.hpp"
#include "core/stated_number.hpp"
#include "core/wrapping.hpp"

namespace geekpath {
namespace {

// One invitation per press level. At the end of a day the screen comes when the
// reputation has reached dueFrom of the current level; there every invitation whose level
// has been reached and whose offeredFrom the reputation has reached is offered in turn,
// so one call may offer several, and a declined invitation is passed by. Accepting costs
// the trip; the interview fails when the day is divisible by the divisor. The first
// invitation takes two lines, the others one (the second empty).
struct PressStage {
  std::int32_t dueFrom;
  std::int32_t offeredFrom;
  std::array<std::string_view, 2> invitation;
  std::int32_t tripCost;
  std::int32_t failureDivisor;
  std::int32_t loss;
  std::int32_t gain;
  std::string_view failureFirstLine;  // some end in a comma and a space, others in a bare comma
  std::string_view failureSecondLine;
  std::string_view successLine;
};

// Due from, offered from, invitation, trip cost, failure divisor, loss, gain, interview lines.
// clang-format off
constexpr PressStage kStages[] = {
    {.dueFrom = 50,
     .offeredFrom = 50,
     .invitation = {"Вас приглашает редакция газеты \"Компьютерные вести деревни Сараево\",", " стоимость поездки 10$."},
     .tripCost = 10,
     .failureDivisor = 4,
     .loss = 5,
     .gain = 10,
     .failureFirstLine = "Редакция газеты задала вам неожиданный вопрос, и вы соврали, ",
     .failureSecondLine = "в результате потеряли 5 репутации.",
     .successLine = "Всё прошло хорошо, редакция газеты написла о вас статью, повысив вашу репутацмю на 10."},
    {.dueFrom = 100,
     .offeredFrom = 100,
     .invitation = {"Вас приглашает редакция газеты \"Игровые новости Бобруйска\",стоимость поездки 20$.", ""},
     .tripCost = 20,
     .failureDivisor = 4,
     .loss = 20,
     .gain = 30,
     .failureFirstLine = "Редакция газеты задала вам неожиданный вопрос, и вы соврали, ",
     .failureSecondLine = "в результате потеряли 20 репутации.",
     .successLine = "Всё прошло хорошо, редакция газеты написла о вас статью, повысив вашу репутацмю на 30."},
    {.dueFrom = 400,
     .offeredFrom = 400,
     .invitation = {"Вас приглашает редакция газеты \"Виртуальные радости\", стоимость поездки 70$.", ""},
     .tripCost = 70,
     .failureDivisor = 4,
     .loss = 70,
     .gain = 100,
     .failureFirstLine = "Редакция газеты задала вам неожиданный вопрос, и вы соврали, ",
     .failureSecondLine = "в результате потеряли 70 репутации.",
     .successLine = "Всё прошло хорошо, редакция газеты написла о вас статью, повысив вашу репутацмю на 100."},
    {.dueFrom = 900,
     .offeredFrom = 900,
     .invitation = {"Вас приглашает редакция журнала \"PC-игры\", стоимость поездки 150$.", ""},
     .tripCost = 150,
     .failureDivisor = 4,
     .loss = 200,
     .gain = 300,
     .failureFirstLine = "Редакция журнала задала вам неожиданный вопрос, и вы соврали, ",
     .failureSecondLine = "в результате потеряли 200 репутации.",
     .successLine = "Всё прошло хорошо, редакция журнала написла о вас статью, повысив вашу репутацмю на 300."},
    {.dueFrom = 1500,
     .offeredFrom = 1500,
     .invitation = {"Вас приглашает редакция журнала \"Лучшие компьютерные Игры\", стоимость поездки 300$.", ""},
     .tripCost = 300,
     .failureDivisor = 5,
     .loss = 600,
     .gain = 600,
     .failureFirstLine = "Редакция журнала задала вам неожиданный вопрос, и вы соврали,",
     .failureSecondLine = "в результате потеряли 600 репутации.",
     .successLine = "Всё прошло хорошо, редакция журнала написла о вас статью, повысив вашу репутацмю на 600."},
    {.dueFrom = 4200,
     .offeredFrom = 4200,
     .invitation = {"Вас приглашает редакция журнала \"Игромания\", стоимость поездки 800$.", ""},
     .tripCost = 800,
     .failureDivisor = 5,
     .loss = 1000,
     .gain = 1000,
     .failureFirstLine = "Редакция журнала задала вам неожиданный вопрос, и вы соврали, ",
     .failureSecondLine = "в результате потеряли 1000 репутации.",
     .successLine = "Всё прошло хорошо, редакция журнала написла о вас статью, повысив вашу репутацмю на 1000."},
    // The end of a day brings this last invitation from 10000 on; but within a call that
    // has just offered the one before, 9000 is enough to offer it too.
    {.dueFrom = 10000,
     .offeredFrom = 9000,
     .invitation = {"Вас приглашает редакция журнала \"Best PC games\", стоимость поездки 1700$.", ""},
     .tripCost = 1700,
     .failureDivisor = 5,
     .loss = 3000,
     .gain = 3000,
     .failureFirstLine = "Редакция журнала задала вам неожиданный вопрос, и вы соврали,",
     .failureSecondLine = "в результате потеряли 3000 репутации.",
     .successLine = "Всё прошло хорошо, редакция журнала написла о вас статью, повысив вашу репутацмю на 3000."},
};
// clang-format on

// The invitation states the trip's cost, the failure the loss and the success the gain.
constexpr bool statesItsNumbers(const PressStage& stage) {
  const std::string_view tripLine = stage.invitation[1].empty() ? stage.invitation[0] : stage.invitation[1];
  return lastNumber(tripLine) == stage.tripCost && lastNumber(stage.failureSecondLine) == stage.loss &&
         lastNumber(stage.successLine) == stage.gain;
}
static_assert(std::all_of(std::begin(kStages), std::end(kStages), statesItsNumbers));

void invite(ConsoleIo& io, const PressStage& stage) {
  for (const std::string_view line : stage.invitation) {
    if (!line.empty()) io.printLine(line);
  }
}

void interview(Game& game, const PressStage& stage) {
  GameState& s = game.state;
  if (s.day % stage.failureDivisor == 0) {
    game.io.printLine(stage.failureFirstLine);
    game.io.printLine(stage.failureSecondLine);
    subtractFrom(s.reputation, stage.loss);
  } else {
    game.io.printLine(stage.successLine);
    addTo(s.reputation, stage.gain);
  }
  subtractFrom(s.money, stage.tripCost);
}

constexpr StagedOffers<PressStage> kInvitations = {
    .stages = kStages,
    .level = &GameState::pressLevel,
    .reputationAtLeast = &PressStage::offeredFrom,
    .offer = invite,
    .question = "Что-бы согласиться приехать введите 1, иначе 0.",
    .accept = interview,
    .declined = WhenDeclined::levelRises,
};
static_assert(firstNumber(kInvitations.question) == kAcceptOffer);

}  // namespace

bool pressDue(const GameState& state) {
  if (state.pressLevel < 0 || state.pressLevel >= static_cast<std::int32_t>(std::size(kStages))) return false;
  return state.reputation >= kStages[static_cast<std::size_t>(state.pressLevel)].dueFrom;
}

void pressInvitationScreen(Game& game) {
  game.io.clearScreen();
  makeStagedOffers(game, kInvitations);
  game.io.waitKey();
}

}  // namespace geekpath
