#include "persistence/save_screen.hpp"

#include <string>

#include "core/encoding.hpp"
#include "persistence/save_file.hpp"

namespace geekpath {

void printSlotSummaries(Game& game) {
  ConsoleIo& io = game.io;
  for (std::int32_t slot = 1; slot <= kSlotCount; ++slot) {
    const SlotSummary summary = readSlotSummary(readSlotBytes(game, slot));
    io.printLine("\t\t\tСлот " + std::to_string(slot));
    // The nickname is echoed byte by byte as it stands in the file, CP866.
    io.printLine("пользователь:" + cp866ToUtf8(summary.name));
    io.printLine("День:" + std::to_string(summary.day));
    io.printLine("Деньги:" + std::to_string(summary.money));
    io.printLine("Крутость:" + std::to_string(summary.reputation));
  }
}

void saveScreen(Game& game) {
  ConsoleIo& io = game.io;
  io.clearScreen();
  printSlotSummaries(game);
  io.printLine("Выберите слот для сохранения:");
  std::int32_t slot = 0;
  io.readNumber(slot);
  // A slot outside 1..5 writes nothing; a file that could not be written leaves the
  // slot's old game in place. Both say so.
  const bool saved = writeSaveFile(game, slot);
  io.printLine(saved ? "Успешно сохранено" : "Ошибка сохранения");
  io.waitKey();
}

}  // namespace geekpath
