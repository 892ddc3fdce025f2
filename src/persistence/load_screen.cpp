#include "persistence/load_screen.hpp"

#include "core/wrapping.hpp"
#include "persistence/save_file.hpp"
#include "persistence/save_screen.hpp"

namespace geekpath {
namespace {

// The daily income a loaded game gets for its job. For jobs 3 to 7 it is below the pay
// the jobs screen gives: a loaded game earns this until the player changes job.
struct JobIncome {
  std::int16_t job;
  std::int32_t income;
};
constexpr JobIncome kIncomeAfterLoad[] = {
    {1, 10}, {2, 15}, {3, 30}, {4, 50}, {5, 100}, {6, 150}, {7, 250},
};

// Under entrepreneurship the income is the clubs' daily takings.
constexpr std::int16_t kEntrepreneurship = 10;
struct ClubIncome {
  std::int32_t GameState::*count;
  std::int32_t perClub;
};
constexpr ClubIncome kClubIncomes[] = {
    {&GameState::smallClubs, 10},
    {&GameState::mediumClubs, 30},
    {&GameState::bigClubs, 100},
    {&GameState::hugeClubs, 320},
};

}  // namespace

std::int32_t incomeAfterLoad(const GameState& state) {
  if (state.job == kEntrepreneurship) {
    std::int32_t income = 0;
    for (const ClubIncome& club : kClubIncomes) addTo(income, multiplyWrap(state.*club.count, club.perClub));
    return income;
  }
  for (const JobIncome& entry : kIncomeAfterLoad) {
    if (entry.job == state.job) return entry.income;
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
