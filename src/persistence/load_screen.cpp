#include "persistence/load_screen.hpp"

#include "core/career.hpp"
#include "persistence/save_file.hpp"
#include "persistence/save_screen.hpp"

namespace geekpath {

std::int32_t incomeAfterLoad(const GameState& state) {
  if (isEntrepreneur(state)) return clubIncome(state);
  for (const Job& job : kJobs) {
    if (job.number == state.job) return job.incomeAfterLoad;
  }
  return state.dailyIncome;  // no job, or one the table does not know: unchanged
}

bool loadScreen(Game& game) {
  ConsoleIo& io = game.io;
  // The main menu has just cleared the screen.
  printSlotSummaries(game);
  io.printLine("Выберите слот для загрузки:");
  std::int32_t slot = 0;
  io.readNumber(slot);
  if (slot < 1 || slot > kSlotCount) {
    io.printLine("Ошибка загрузки");
    io.waitKey();
    return false;
  }
  readSaveFile(game, slot);
  game.state.dailyIncome = incomeAfterLoad(game.state);
  game.state.gameLoaded = 1;
  return true;
}

}  // namespace geekpath
