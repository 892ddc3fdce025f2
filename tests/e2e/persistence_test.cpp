// The built game through a pipe: a game saved in one run and loaded in the next, a
// hand-made save file, a missing slot, and the refusals of both screens.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "support/game_run.hpp"
#include "support/screen_text.hpp"

namespace geekpath::testing {
namespace {

std::string slotLines(int slot, std::string_view name, int day, int money, int reputation) {
  const std::string heading = "\t\t\tСлот " + std::to_string(slot);
  const std::string user = "пользователь:" + std::string(name);
  const std::string dayLine = "День:" + std::to_string(day);
  const std::string moneyLine = "Деньги:" + std::to_string(money);
  const std::string reputationLine = "Крутость:" + std::to_string(reputation);
  return lines({heading, user, dayLine, moneyLine, reputationLine});
}

// The summary of the five slots, where at most one holds a game.
std::string slotsWith(int slot, const std::string& shown) {
  std::string text;
  for (int k = 1; k <= 5; ++k) text += k == slot ? shown : slotLines(k, "", 0, 0, 0);
  return text;
}

const std::string kSavePrompt = lines({"Выберите слот для сохранения:"});
const std::string kLoadPrompt = lines({"Выберите слот для загрузки:"});

TEST(Persistence, SavedInOneRunAndLoadedInTheNext) {
  // Disk bonus, a rest day, then day 2 saved into slot 2; the input ends at day 3's menu.
  const GameRun saving = runGame(startUpInput("nick") + "1\n6\n8\n10\n2\n");
  EXPECT_EQ(saving.exitStatus, 0);
  EXPECT_EQ(afterMainMenu(saving.output),
            kClear + kClear + kBonusMenu + kClear +                     //
                kClear + startingPanel(0, 1, 0, 160) + kEarlyDayMenu +      // day 1: rest
                kClear + startingPanel(5, 2, 0, 160) + kEarlyDayMenu +      // day 2: save
                kClear + slotsWith(0, "") + kSavePrompt + lines({"Успешно сохранено"}) +  //
                kClear + startingPanel(15, 3, 0, 160) + kEarlyDayMenu);
  std::string seventeenZeros;
  for (int i = 0; i < 17; ++i) seventeenZeros += "0;\r\n";
  EXPECT_EQ(readFile(saving.folder + "/save2.sav"),
            "nick;\r\n2;\r\n5;\r\n0;\r\n500;\r\n3600;\r\n0.125;\r\n160;\r\n1;\r\n" + seventeenZeros);
  EXPECT_FALSE(fileExists(saving.folder + "/save2.sav.tmp"));

  // Another nickname at start-up; the slot's game comes back, without the bonus menu.
  RunOptions sameFolder;
  sameFolder.folder = saving.folder;
  const GameRun loading = runGame(startUpInput("other") + "2\n2\n", sameFolder);
  EXPECT_EQ(loading.exitStatus, 0);
  EXPECT_EQ(afterMainMenu(loading.output),
            kClear + slotsWith(2, slotLines(2, "nick", 2, 5, 0)) + kLoadPrompt +  //
                kClear + kClear + kClear + startingPanel(5, 2, 0, 160) + kEarlyDayMenu);
}

TEST(Persistence, HandMadeSaveFileIsLoaded) {
  // LF line ends, a nickname with spaces, the extras in the file's own order, and two
  // small clubs with one huge club under entrepreneurship.
  const std::string folder = makeScratchFolder();
  writeFile(folder + "/save3.sav",
            "pl ay er;\n3;\n-150;\n70;\n2800;\n7900;\n2;\n320;\n10;\n2;\n11;\n10;\n"
            "1;\n0;\n1;\n0;\n1;\n0;\n0;\n0;\n2;\n0;\n0;\n1;\n1;\n1;\n");
  RunOptions options;
  options.folder = folder;
  // The input ends at the first day menu.
  const GameRun run = runGame(startUpInput() + "2\n3\n", options);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(afterMainMenu(run.output),
            kClear + slotsWith(3, slotLines(3, "player", 3, -150, 70)) + kLoadPrompt +  //
                kClear + kClear + kClear +
                lines({
                    "Процессор:\t\t|\t деньги:",
                    "\t2800Mhz\t\t|\t -150$",
                    "Ведеокарта:\t\t|\t день:",
                    "\tGeforce7900\t|\t 3 ",
                    "Винтчестер:\t\t|\t крутость:",
                    "\t320GB\t\t|\t 70 ",
                    "Оперативная память\t|\t Доход:",
                    "\t2GB\t\t|\t 340",
                    "-------------------------------------------",
                    "DVD-ROM:\t\t|\t Водное охлаждение:",
                    "\tесть\t\t|\t нету",
                    "Модем:\t\t\t|\t Колонки:",
                    "\tнету\t\t| \t есть",
                    "Подключкние TV:\t\t|\t Большой монитор:",
                    "\tесть\t\t| \t нету",
                    "-------------------------------------------",
                    "1.Мир Железа \t\t\t 1",
                    "2.Территория игр \t\t 2",
                    "3.Предпринимательство \t\t 3",
                    "4.Прохождение игр \t\t 4",
                    "5.Лотерея \t\t\t 5",
                    "6.Хакерская атака \t\t 6",
                    "7.Сайт \t\t\t\t 7",
                    "8.Конец дня \t\t\t 8",
                    "9.Онлайн игра \t\t\t 9",
                    "10.Сохранение \t\t\t 10",
                }));
}

TEST(Persistence, MissingSlotStartsOnDayZero) {
  // Day 0 is an event day: only the output up to the day menu is the load's.
  const GameRun run = runGame(startUpInput() + "2\n4\n");
  EXPECT_EQ(run.exitStatus, 0);
  const std::string expected = kClear + slotsWith(0, "") + kLoadPrompt + kClear + kClear + kClear +
                               startingPanel(0, 0, 0, 10) + kEarlyDayMenu;
  const std::string out = afterMainMenu(run.output);
  EXPECT_EQ(out.substr(0, expected.size()), expected);
  EXPECT_FALSE(fileExists(run.folder + "/save4.sav"));
}

TEST(Persistence, RefusedSlotNumbers) {
  const GameRun load = runGame(startUpInput() + "2\n9\n");
  EXPECT_EQ(load.exitStatus, 0);
  EXPECT_EQ(afterMainMenu(load.output), kClear + slotsWith(0, "") + kLoadPrompt + lines({"Ошибка загрузки"}));

  const GameRun save = runGame(startUpInput() + "1\n0\n10\n6\n");
  EXPECT_EQ(save.exitStatus, 0);
  EXPECT_EQ(afterMainMenu(save.output), kClear + kClear + kBonusMenu + kClear + kClear + startingPanel(0, 1, 0, 10) +
                                            kEarlyDayMenu + kClear + slotsWith(0, "") + kSavePrompt +
                                            lines({"Ошибка сохранения"}) + kClear + startingPanel(10, 2, 0, 10) +
                                            kEarlyDayMenu);
  for (int slot = 1; slot <= 6; ++slot) {
    EXPECT_FALSE(fileExists(save.folder + "/save" + std::to_string(slot) + ".sav")) << slot;
  }
}

TEST(Persistence, SlotThatCannotBeWritten) {
  const std::string folder = makeScratchFolder();
  ASSERT_EQ(mkdir((folder + "/save1.sav").c_str(), 0755), 0);
  RunOptions options;
  options.folder = folder;
  const GameRun run = runGame(startUpInput() + "1\n0\n10\n1\n", options);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(countOf(run.output, kSavePrompt + lines({"Ошибка сохранения"})), 1u);
  EXPECT_EQ(countOf(run.output, "Успешно сохранено"), 0u);
  EXPECT_FALSE(fileExists(folder + "/save1.sav.tmp"));
}

}  // namespace
}  // namespace geekpath::testing
