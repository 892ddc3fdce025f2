// Press invitations: the stages in order, several in one call, successes and failures by
// the day, declining, and the one answer of a call.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "core/memory_console.hpp"
#include "day/press.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::kClear;
using testing::lines;

const std::string kQuestion = "Что-бы согласиться приехать введите 1, иначе 0.\n";

const std::string kInvitation[] = {
    lines({"Вас приглашает редакция газеты \"Компьютерные вести деревни Сараево\",", " стоимость поездки 10$."}),
    lines({"Вас приглашает редакция газеты \"Игровые новости Бобруйска\",стоимость поездки 20$."}),
    lines({"Вас приглашает редакция газеты \"Виртуальные радости\", стоимость поездки 70$."}),
    lines({"Вас приглашает редакция журнала \"PC-игры\", стоимость поездки 150$."}),
    lines({"Вас приглашает редакция журнала \"Лучшие компьютерные Игры\", стоимость поездки 300$."}),
    lines({"Вас приглашает редакция журнала \"Игромания\", стоимость поездки 800$."}),
    lines({"Вас приглашает редакция журнала \"Best PC games\", стоимость поездки 1700$."}),
};

const std::string kFailure[] = {
    lines({"Редакция газеты задала вам неожиданный вопрос, и вы соврали, ", "в результате потеряли 5 репутации."}),
    lines({"Редакция газеты задала вам неожиданный вопрос, и вы соврали, ", "в результате потеряли 20 репутации."}),
    lines({"Редакция газеты задала вам неожиданный вопрос, и вы соврали, ", "в результате потеряли 70 репутации."}),
    lines({"Редакция журнала задала вам неожиданный вопрос, и вы соврали, ", "в результате потеряли 200 репутации."}),
    lines({"Редакция журнала задала вам неожиданный вопрос, и вы соврали,", "в результате потеряли 600 репутации."}),
    lines({"Редакция журнала задала вам неожиданный вопрос, и вы соврали, ", "в результате потеряли 1000 репутации."}),
    lines({"Редакция журнала задала вам неожиданный вопрос, и вы соврали,", "в результате потеряли 3000 репутации."}),
};

const std::string kSuccess[] = {
    lines({"Всё прошло хорошо, редакция газеты написла о вас статью, повысив вашу репутацмю на 10."}),
    lines({"Всё прошло хорошо, редакция газеты написла о вас статью, повысив вашу репутацмю на 30."}),
    lines({"Всё прошло хорошо, редакция газеты написла о вас статью, повысив вашу репутацмю на 100."}),
    lines({"Всё прошло хорошо, редакция журнала написла о вас статью, повысив вашу репутацмю на 300."}),
    lines({"Всё прошло хорошо, редакция журнала написла о вас статью, повысив вашу репутацмю на 600."}),
    lines({"Всё прошло хорошо, редакция журнала написла о вас статью, повысив вашу репутацмю на 1000."}),
    lines({"Всё прошло хорошо, редакция журнала написла о вас статью, повысив вашу репутацмю на 3000."}),
};

// An invitation as the screen shows it, then what the answer brought.
std::string offer(int stage, const std::string& outcome = {}) { return kInvitation[stage] + kQuestion + outcome; }

struct PressCase {
  const char* title;
  std::int32_t reputation;
  std::int32_t pressLevel;
  std::int32_t day;
  std::int32_t money;
  const char* input;   // the answers; the line feed after the last one is the key press
  std::string screen;  // after the clearing of the screen
  std::int32_t reputationAfter;
  std::int32_t moneyAfter;
  std::int32_t pressLevelAfter;
};

TEST(PressInvitations, OffersAndOutcomes) {
  // clang-format off
  const PressCase cases[] = {
      {"failure on a day divisible by 4", 60, 0, 12, 0, "1\n", offer(0, kFailure[0]), 55, -10, 1},
      {"success on another day", 60, 0, 13, 100, "1\n", offer(0, kSuccess[0]), 70, 90, 1},
      {"success brings the next stage at once", 95, 0, 13, 100, "1\n1\n",
       offer(0, kSuccess[0]) + offer(1, kSuccess[1]), 135, 70, 2},
      {"three stages declined", 500, 0, 13, 100, "0\n0\n0\n", offer(0) + offer(1) + offer(2), 500, 100, 3},
      {"three stages accepted, the fourth out of reach", 500, 0, 13, 1000, "1\n1\n1\n",
       offer(0, kSuccess[0]) + offer(1, kSuccess[1]) + offer(2, kSuccess[2]), 640, 900, 3},
      {"day 20 fails stages 3 and 4", 1800, 3, 20, 0, "1\n1\n",
       offer(3, kFailure[3]) + offer(4, kFailure[4]), 1000, -450, 5},
      {"day 15 passes stage 3 and fails stage 4", 1800, 3, 15, 0, "1\n1\n",
       offer(3, kSuccess[3]) + offer(4, kFailure[4]), 1500, -450, 5},
      {"stage 5 success reaches stage 6", 8000, 5, 13, 5000, "1\n0\n", offer(5, kSuccess[5]) + offer(6), 9000, 4200, 7},
      {"stage 6 success", 10000, 6, 13, 5000, "1\n", offer(6, kSuccess[6]), 13000, 3300, 7},
      {"stage 6 failure", 10000, 6, 15, 5000, "1\n", offer(6, kFailure[6]), 7000, 3300, 7},
      {"stage 4 below its threshold is not offered", 1499, 4, 13, 0, "\n", "", 1499, 0, 4},
      {"the stage is the press level, not the reputation", 500, 2, 13, 0, "0\n", offer(2), 500, 0, 3},
      {"all offered", 20000, 7, 13, 0, "\n", "", 20000, 0, 7},
  };
  // clang-format on
  for (const PressCase& c : cases) {
    SCOPED_TRACE(c.title);
    MemoryConsole io(c.input);
    Game game(io);
    GameState& s = game.state;
    s.reputation = c.reputation;
    s.pressLevel = c.pressLevel;
    s.day = c.day;
    s.money = c.money;
    pressInvitationScreen(game);
    EXPECT_EQ(io.output(), kClear + c.screen);
    EXPECT_EQ(s.reputation, c.reputationAfter);
    EXPECT_EQ(s.money, c.moneyAfter);
    EXPECT_EQ(s.pressLevel, c.pressLevelAfter);
  }
}

TEST(PressInvitations, AnyAnswerButOneDeclines) {
  for (const char* answer : {"0\n", "2\n", "7\n", "-1\n", "x\n\n"}) {
    MemoryConsole io(answer);
    Game game(io);
    game.state.reputation = 60;
    game.state.money = 40;
    game.state.day = 13;
    pressInvitationScreen(game);
    EXPECT_EQ(io.output(), kClear + offer(0)) << answer;
    EXPECT_EQ(game.state.pressLevel, 1) << answer;
    EXPECT_EQ(game.state.reputation, 60) << answer;
    EXPECT_EQ(game.state.money, 40) << answer;
  }
}

TEST(PressInvitations, FailedReadRepeatsTheAnswerOfTheSameCall) {
  MemoryConsole io("1\nabc\n0\n");
  Game game(io);
  game.state.reputation = 500;
  game.state.day = 13;
  pressInvitationScreen(game);
  EXPECT_EQ(io.output(), kClear + offer(0, kSuccess[0]) + offer(1, kSuccess[1]) + offer(2));
  EXPECT_EQ(game.state.reputation, 540);
  EXPECT_EQ(game.state.money, -30);
  EXPECT_EQ(game.state.pressLevel, 3);
}

TEST(PressInvitations, WaitsForAKeyBeforeReturning) {
  MemoryConsole io("0");
  Game game(io);
  game.state.reputation = 60;
  EXPECT_THROW(pressInvitationScreen(game), EndOfInput);
  EXPECT_EQ(game.state.pressLevel, 1);
}

}  // namespace
}  // namespace geekpath
