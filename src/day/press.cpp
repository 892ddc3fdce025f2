#include "day/press.hpp"

#include <array>
#include <cstdint>
#include <string_view>

#include "core/wrapping.hpp"

namespace geekpath {
namespace {

// One invitation: offered when pressLevel has reached its stage and the reputation its
// threshold. Accepting costs the trip; the interview fails when the day is divisible by
// the divisor. The first invitation takes two lines, the others one (the second empty).
struct PressStage {
  std::int32_t threshold;
  std::array<std::string_view, 2> invitation;
  std::int32_t tripCost;
  std::int32_t failureDivisor;
  std::int32_t loss;
  std::int32_t gain;
  std::string_view failureFirstLine;
  std::string_view failureSecondLine;
  std::string_view successLine;
};

// Some failure lines end in a comma and a space, others in a bare comma.
constexpr PressStage kStages[] = {
    {50,
     {"Вас приглашает редакция газеты \"Компьютерные вести деревни Сараево\",", " стоимость поездки 10$."},
     10, 4, 5, 10,
     "Редакция газеты задала вам неожиданный вопрос, и вы соврали, ",
     "в результате потеряли 5 репутации.",
     "Всё прошло хорошо, редакция газеты написла о вас статью, повысив вашу репутацмю на 10."},
    {100,
     {"Вас приглашает редакция газеты \"Игровые новости Бобруйска\",стоимость поездки 20$.", ""},
     20, 4, 20, 30,
     "Редакция газеты задала вам неожиданный вопрос, и вы соврали, ",
     "в результате потеряли 20 репутации.",
     "Всё прошло хорошо, редакция газеты написла о вас статью, повысив вашу репутацмю на 30."},
    {400,
     {"Вас приглашает редакция газеты \"Виртуальные радости\", стоимость поездки 70$.", ""},
     70, 4, 70, 100,
     "Редакция газеты задала вам неожиданный вопрос, и вы соврали, ",
     "в результате потеряли 70 репутации.",
     "Всё прошло хорошо, редакция газеты написла о вас статью, повысив вашу репутацмю на 100."},
    {900,
     {"Вас приглашает редакция журнала \"PC-игры\", стоимость поездки 150$.", ""},
     150, 4, 200, 300,
     "Редакция журнала задала вам неожиданный вопрос, и вы соврали, ",
     "в результате потеряли 200 репутации.",
     "Всё прошло хорошо, редакция журнала написла о вас статью, повысив вашу репутацмю на 300."},
    {1500,
     {"Вас приглашает редакция журнала \"Лучшие компьютерные Игры\", стоимость поездки 300$.", ""},
     300, 5, 600, 600,
     "Редакция журнала задала вам неожиданный вопрос, и вы соврали,",
     "в результате потеряли 600 репутации.",
     "Всё прошло хорошо, редакция журнала написла о вас статью, повысив вашу репутацмю на 600."},
    {4200,
     {"Вас приглашает редакция журнала \"Игромания\", стоимость поездки 800$.", ""},
     800, 5, 1000, 1000,
     "Редакция журнала задала вам неожиданный вопрос, и вы соврали, ",
     "в результате потеряли 1000 репутации.",
     "Всё прошло хорошо, редакция журнала написла о вас статью, повысив вашу репутацмю на 1000."},
    // The day loop calls at 10000 for this stage; 9000 lets it follow stage 5 in one call.
    {9000,
     {"Вас приглашает редакция журнала \"Best PC games\", стоимость поездки 1700$.", ""},
     1700, 5, 3000, 3000,
     "Редакция журнала задала вам неожиданный вопрос, и вы соврали,",
     "в результате потеряли 3000 репутации.",
     "Всё прошло хорошо, редакция журнала написла о вас статью, повысив вашу репутацмю на 3000."},
};

constexpr std::int32_t kAccept = 1;

}  // namespace

void pressInvitationScreen(Game& game) {
  GameState& s = game.state;
  ConsoleIo& io = game.io;
  io.clearScreen();
  // One answer for the whole call: a failed read repeats the previous invitation's answer.
  std::int32_t answer = 0;
  std::int32_t stage = 0;
  for (const PressStage& offer : kStages) {
    if (s.reputation >= offer.threshold && s.pressLevel == stage) {
      for (const std::string_view line : offer.invitation) {
        if (!line.empty()) io.printLine(line);
      }
      io.printLine("Что-бы согласиться приехать введите 1, иначе 0.");
      io.readNumber(answer);
      if (answer == kAccept) {
        if (s.day % offer.failureDivisor == 0) {
          io.printLine(offer.failureFirstLine);
          io.printLine(offer.failureSecondLine);
          subtractFrom(s.reputation, offer.loss);
        } else {
          io.printLine(offer.successLine);
          addTo(s.reputation, offer.gain);
        }
        subtractFrom(s.money, offer.tripCost);
      }
      addTo(s.pressLevel, 1);
    }
    ++stage;
  }
  io.waitKey();
}

}  // namespace geekpath
