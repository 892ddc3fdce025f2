// The slot summary and the save screen: what they print for missing, damaged and
// ordinary slot files, and which slot numbers write a file.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/memory_console.hpp"
#include "persistence/save_file.hpp"
#include "persistence/save_screen.hpp"
#include "support/files.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::fileExists;
using testing::gameFile;
using testing::kClear;
using testing::lines;
using testing::makeScratchFolder;
using testing::readFile;
using testing::writeFile;

// The five summary lines of one slot.
std::string slotLines(int slot, std::string_view name, std::int32_t day, std::int32_t money, std::int32_t reputation) {
  const std::string heading = "\t\t\tСлот " + std::to_string(slot);
  const std::string user = "пользователь:" + std::string(name);
  const std::string dayLine = "День:" + std::to_string(day);
  const std::string moneyLine = "Деньги:" + std::to_string(money);
  const std::string reputationLine = "Крутость:" + std::to_string(reputation);
  return lines({heading, user, dayLine, moneyLine, reputationLine});
}

// The summary of five slots of which only one (or none) holds a file.
std::string slotsWith(int slot, const std::string& shown) {
  std::string text;
  for (int k = 1; k <= 5; ++k) text += k == slot ? shown : slotLines(k, "", 0, 0, 0);
  return text;
}
std::string emptySlots() { return slotsWith(0, ""); }

TEST(SlotSummary, NoSaveFiles) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  printSlotSummaries(game);
  EXPECT_EQ(io.output(), emptySlots());
}

TEST(SlotSummary, OrdinaryDamagedAndForeignFiles) {
  MemoryConsole io("");
  Game game(io, makeScratchFolder());
  game.state.playerName = {'n', 'i', 'c', 'k'};
  game.state.money = -150;
  game.state.reputation = 45;
  ASSERT_TRUE(writeSaveFile(game, 1));
  // An older writer kept the ";" of the nickname: the day read meets "cd".
  writeFile(gameFile(game, "save2.sav"), "ab;cd;\r\n7;\r\n100;\r\n20;\r\n");
  // A nickname in Cyrillic, as CP866 bytes, with LF line ends.
  writeFile(gameFile(game, "save3.sav"), "\xAF\xE0\xA8\xA2\xA5\xE2;\n12;\n-3;\n4;\n");
  // Cut short after the money.
  writeFile(gameFile(game, "save4.sav"), "x;5;\r\n-7");
  printSlotSummaries(game);
  EXPECT_EQ(io.output(), slotLines(1, "nick", 1, -150, 45) + slotLines(2, "ab", 0, 0, 0) +
                             slotLines(3, "привет", 12, -3, 4) + slotLines(4, "x", 5, -7, 0) +
                             slotLines(5, "", 0, 0, 0));
}

TEST(SaveScreen, SavesIntoTheChosenSlot) {
  MemoryConsole io("3\n");
  Game game(io, makeScratchFolder());
  game.state.playerName = {'z', 'h'};
  game.state.day = 7;
  saveScreen(game);
  EXPECT_EQ(io.output(), kClear + emptySlots() + lines({"Выберите слот для сохранения:", "Успешно сохранено"}));
  EXPECT_EQ(readFile(gameFile(game, "save3.sav")), saveFileBytes(game.state));
  EXPECT_EQ(io.unreadInput(), "");  // the line feed after 3 was the key press

  // The next visit shows the slot.
  MemoryConsole again("0\n");
  Game later(again, game.fileFolder);
  saveScreen(later);
  EXPECT_EQ(again.output(), kClear + slotsWith(3, slotLines(3, "zh", 7, 0, 0)) +
                                lines({"Выберите слот для сохранения:", "Ошибка сохранения"}));
}

TEST(SaveScreen, SlotOutsideOneToFiveWritesNothing) {
  for (const char* input : {"0\n", "6\n", "-2\n", "2147483647\n", "abc\n\n", "99999999999\n\n"}) {
    MemoryConsole io(input);
    Game game(io, makeScratchFolder());
    saveScreen(game);
    EXPECT_EQ(io.output(), kClear + emptySlots() + lines({"Выберите слот для сохранения:", "Ошибка сохранения"}))
        << input;
    EXPECT_EQ(io.unreadInput(), "") << input;
    for (int slot = 0; slot <= 6; ++slot) EXPECT_FALSE(fileExists(gameFile(game, slotFileName(slot)))) << input;
  }
}

TEST(SaveScreen, SlotThatCannotBeWrittenSaysSo) {
  MemoryConsole io("1\n");
  Game game(io, makeScratchFolder());
  ASSERT_TRUE(std::filesystem::create_directory(gameFile(game, "save1.sav")));
  writeFile(gameFile(game, "save2.sav"), "keep;\r\n3;\r\n");
  saveScreen(game);
  EXPECT_EQ(io.output(), kClear + slotsWith(2, slotLines(2, "keep", 3, 0, 0)) +
                             lines({"Выберите слот для сохранения:", "Ошибка сохранения"}));
  EXPECT_EQ(readFile(gameFile(game, "save2.sav")), "keep;\r\n3;\r\n");
}

}  // namespace
}  // namespace geekpath
