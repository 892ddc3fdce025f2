#include "activities/jobs.hpp"

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "core/wrapping.hpp"

namespace geekpath {
namespace {

constexpr std::int16_t kEntrepreneurshipJob = 10;
constexpr std::int32_t kAnyReputation = std::numeric_limits<std::int32_t>::min();

struct JobOffer {
  std::int16_t number;  // also the number typed
  std::string_view line;
  std::int32_t listedFrom;   // reputation at which the line is shown
  std::int32_t grantedFrom;  // reputation at which the job is given when typed
  std::int32_t pay;
};

// The janitor's job is listed from reputation 0 but given at any reputation.
constexpr std::array<JobOffer, 7> kJobs = {{
    {1, "Дворник \t\t 10$/день \t\t 1", 0, kAnyReputation, 10},
    {2, "Программист \t\t 15$/день \t\t 2", 80, 80, 15},
    {3, "Администратор \t\t 35$/день \t\t 3", 600, 600, 35},
    {4, "Крутой геймер \t\t 60$/день \t\t 4", 1900, 1900, 60},
    {5, "Гейм-дизайнер \t\t 120$/день \t\t 5", 4000, 4000, 120},
    {6, "Создатель игр \t\t 180$/день \t\t 6", 5600, 5600, 180},
    {7, "Разработчик ОС \t\t 300$/день \t\t 7", 8000, 8000, 300},
}};

// Entrepreneurship pays what the clubs earn instead of a fixed pay.
constexpr std::string_view kEntrepreneurshipLine = "Предпринимательство \t\t\t\t 10";
constexpr std::int32_t kEntrepreneurshipReputation = 100;

struct ClubSize {
  std::string_view label;  // printed right before the count
  std::int32_t GameState::*count;
  std::int32_t incomePerDay;
};

constexpr std::array<ClubSize, 4> kClubSizes = {{
    {"Маленьких клубов:", &GameState::smallClubs, 10},
    {"Средних клубов", &GameState::mediumClubs, 30},
    {"Больших клубов:", &GameState::bigClubs, 100},
    {"Огромных клубов:", &GameState::hugeClubs, 320},
}};

// Building a club (no size to take it from) or enlarging one by one size. The income
// step is the difference between the two sizes' incomes.
struct ClubAction {
  std::int32_t choice;
  std::string_view line;
  std::int32_t listedFrom;   // reputation at which the line is shown (with the money)
  std::int32_t neededFrom;   // reputation at which the action is done when typed
  std::int32_t price;
  std::int32_t GameState::*takenFrom;  // nullptr for a new club
  std::int32_t GameState::*addedTo;
  std::int32_t incomeStep;
  std::string_view message;
};

// The medium-to-big upgrade is listed only from 1700 but done from 1300.
constexpr std::array<ClubAction, 4> kClubActions = {{
    {1, "1.Построить клуб(стоим. 200)", 100, 100, 200, nullptr, &GameState::smallClubs, 10,
     "Построен маленький компьютерный клуб"},
    {2, "2.Увеличить маленький клуб(стоим.500)", 600, 600, 500, &GameState::smallClubs, &GameState::mediumClubs,
     20, "Маленький компьютерный клуб достроен до среднего"},
    {3, "3.Увеличить средний клуб(стоим.1700)", 1700, 1300, 1700, &GameState::mediumClubs, &GameState::bigClubs,
     70, "Средний компьютерный клуб достроен до Большого"},
    {4, "4.Увеличить большой клуб(стоим.5500)", 7000, 7000, 5500, &GameState::bigClubs, &GameState::hugeClubs,
     220, "Большой компьютерный клуб достроен до ОГРОМНОГО"},
}};

constexpr std::int32_t kBackToJobChoice = 5;

std::int32_t clubIncome(const GameState& s) {
  std::int64_t total = 0;
  for (const ClubSize& size : kClubSizes) total += std::int64_t{s.*size.count} * size.incomePerDay;
  return wrapTo<std::int32_t>(total);
}

void grant(Game& game, std::int16_t job, std::int32_t pay) {
  game.io.printLine("Вы получили новую работу");
  game.state.job = job;
  game.state.dailyIncome = pay;
}

void refuse(Game& game) { game.io.printLine("Не хатает крутости"); }

void jobList(Game& game) {
  GameState& s = game.state;
  for (const JobOffer& offer : kJobs) {
    if (s.reputation >= offer.listedFrom) game.io.printLine(offer.line);
  }
  if (s.reputation >= kEntrepreneurshipReputation) game.io.printLine(kEntrepreneurshipLine);

  // Kept between visits: a failed read acts on the previous visit's choice again.
  std::int32_t& choice = game.screens.jobChoice;
  game.io.readNumber(choice);
  // Hidden jobs can be typed; the thresholds are tested now, not when the list was shown.
  for (const JobOffer& offer : kJobs) {
    if (choice != offer.number) continue;
    if (s.reputation >= offer.grantedFrom) {
      grant(game, offer.number, offer.pay);
    } else {
      refuse(game);
    }
    return;
  }
  if (choice == kEntrepreneurshipJob) {
    if (s.reputation < kEntrepreneurshipReputation) {
      refuse(game);
      return;
    }
    // Remembered so that leaving entrepreneurship gives the job and its income back.
    s.previousJob = s.job;
    s.previousIncome = s.dailyIncome;
    grant(game, kEntrepreneurshipJob, clubIncome(s));
  }
}

bool performable(const ClubAction& action, const GameState& s) {
  return s.money >= action.price && s.reputation >= action.neededFrom &&
         (action.takenFrom == nullptr || s.*action.takenFrom >= 1);
}

void entrepreneurshipScreen(Game& game) {
  GameState& s = game.state;
  ConsoleIo& io = game.io;
  io.clearScreen();
  io.printLine("\t Предпринимательство");
  for (const ClubAction& action : kClubActions) {
    if (s.reputation >= action.listedFrom && s.money >= action.price) io.printLine(action.line);
  }
  for (const ClubSize& size : kClubSizes) io.printLine(std::string(size.label) + std::to_string(s.*size.count));
  io.printLine("5.Выбор работы");

  // Fresh on every visit, so a failed read selects nothing.
  std::int32_t choice = 0;
  io.readNumber(choice);
  if (choice == kBackToJobChoice) {
    s.job = wrapTo<std::int16_t>(s.previousJob);
    s.dailyIncome = s.previousIncome;
  }
  for (const ClubAction& action : kClubActions) {
    if (choice != action.choice || !performable(action, s)) continue;
    if (action.takenFrom != nullptr) subtractFrom(s.*action.takenFrom, 1);
    addTo(s.*action.addedTo, 1);
    addTo(s.dailyIncome, action.incomeStep);
    subtractFrom(s.money, action.price);
    io.printLine(action.message);
  }
  io.waitKey();
}

}  // namespace

void jobScreen(Game& game) {
  game.io.clearScreen();
  if (game.state.job != kEntrepreneurshipJob) {
    jobList(game);
    if (game.state.job != kEntrepreneurshipJob) {
      game.io.waitKey();
      return;
    }
  }
  entrepreneurshipScreen(game);
}

}  // namespace geekpath
