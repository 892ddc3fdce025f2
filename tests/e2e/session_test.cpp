// The built game through a pipe: scripted sessions from the main menu on, compared with
// the expected bytes.

#include <gtest/gtest.h>

#include "support/game_run.hpp"
#include "support/screen_text.hpp"

namespace geekpath::testing {
namespace {

// The first panel of a new game without bonus, and its day menu.
const std::string kNewGamePanelAndMenu = lines({
    "Процессор:\t\t|\t деньги:",
    "\t500Mhz\t\t|\t 0$",
    "Ведеокарта:\t\t|\t день:",
    "\tGeforce3600\t|\t 1 ",
    "Винтчестер:\t\t|\t крутость:",
    "\t10GB\t\t|\t 0 ",
    "Оперативная память\t|\t зарплата:",
    "\t0.125GB\t\t|\t 10",
    "-------------------------------------------",
    "DVD-ROM:\t\t|\t Водное охлаждение:",
    "\tнету\t\t|\t нету",
    "Модем:\t\t\t|\t Колонки:",
    "\tнету\t\t| \t нету",
    "Подключкние TV:\t\t|\t Большой монитор:",
    "\tнету\t\t| \t нету",
    "-------------------------------------------",
    "1.Мир Железа \t\t\t 1",
    "2.Территория игр \t\t 2",
    "3.Выбор работы \t\t\t 3",
    "4.Прохождение игр \t\t 4",
    "5.Лотерея \t\t\t 5",
    "6.Хакерская атака \t\t 6",
    "8.Конец дня \t\t\t 8",
    "10.Сохранение \t\t\t 10",
});

const std::string kBonusMenu = lines({
    "\t\tВыберите началрный бонус",
    "\t1.Деньги",
    "\t2.Репутация",
    "Детали:",
    "\t3.Процессор",
    "\t4.Видеокарта",
    "\t5.Оперативная память",
    "\t6.Винтчестер",
    "\t7.DVD-ROM",
});

const std::string kQuitQuestion = lines({"Вы уверены,что хотите выйте?1-да,2-нет."});

TEST(Session, NewGameWithoutBonusThenQuit) {
  const GameRun run = runGame(startUpInput() + "1\n0\n0\n1\n");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(afterMainMenu(run.output),
            kClear + kClear + kBonusMenu + kClear + kClear + kNewGamePanelAndMenu + kQuitQuestion);
}

}  // namespace
}  // namespace geekpath::testing
