#include "activities/jobs.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/career.hpp"
#include "core/stated_number.hpp"
#include "core/wrapping.hpp"

namespace geekpath {
namespace {

// Entrepreneurship pays what the clubs earn instead of a fixed pay.
constexpr std::string_view kEntrepreneurshipLine = "Предпринимательство \t\t\t\t 10";
static_assert(lastNumber(kEntrepreneurshipLine) == kEntrepreneurship);
constexpr std::int32_t kEntrepreneurshipReputation = 100;

// A failed read at the job list acts on the previous visit's choice again.
constexpr std::string_view kKeptChoice = "job list";

// Building a club, or enlarging one by one size: the indices into kClubSizes of the size
// it is taken from (none for a new club) and the size it becomes. The daily income grows
// by the difference between the two sizes' incomes.
constexpr int kNewClub = -1;
struct ClubAction {
  std::int32_t choice;
  std::string_view line;
  std::int32_t listedFrom;  // reputation at which the line is shown (with the money)
  std::int32_t neededFrom;  // reputation at which the action is done when typed
  std::int32_t price;
  int from;
  int to;
  std::string_view message;
};

// Choice, line, listed from, done from, price, the sizes taken and grown, message. The
// medium-to-big upgrade is listed only from 1700 but done from 1300.
// clang-format off
constexpr std::array<ClubAction, 4> kClubActions = {{
    {.choice = 1, .line = "1.Построить клуб(стоим. 200)", .listedFrom = 100, .neededFrom = 100, .price = 200,
     .from = kNewClub, .to = 0, .message = "Построен маленький компьютерный клуб"},
    {.choice = 2, .line = "2.Увеличить маленький клуб(стоим.500)", .listedFrom = 600, .neededFrom = 600,
     .price = 500, .from = 0, .to = 1, .message = "Маленький компьютерный клуб достроен до среднего"},
    {.choice = 3, .line = "3.Увеличить средний клуб(стоим.1700)", .listedFrom = 1700, .neededFrom = 1300,
     .price = 1700, .from = 1, .to = 2, .message = "Средний компьютерный клуб достроен до Большого"},
    {.choice = 4, .line = "4.Увеличить большой клуб(стоим.5500)", .listedFrom = 7000, .neededFrom = 7000,
     .price = 5500, .from = 2, .to = 3, .message = "Большой компьютерный клуб достроен до ОГРОМНОГО"},
}};
// clang-format on

static_assert(std::all_of(kClubActions.begin(), kClubActions.end(), [](const ClubAction& action) {
  return firstNumber(action.line) == action.choice && lastNumber(action.line) == action.price;
}));

const ClubSize* takenSize(const ClubAction& action) {
  return action.from == kNewClub ? nullptr : &kClubSizes[static_cast<std::size_t>(action.from)];
}
const ClubSize& grownSize(const ClubAction& action) { return kClubSizes[static_cast<std::size_t>(action.to)]; }

constexpr std::int32_t kBackToJobChoice = 5;
constexpr std::string_view kBackToJobLine = "5.Выбор работы";
static_assert(firstNumber(kBackToJobLine) == kBackToJobChoice);

void grant(Game& game, std::int16_t job, std::int32_t pay) {
  game.io.printLine("Вы получили новую работу");
  game.state.job = job;
  game.state.dailyIncome = pay;
}

void refuse(Game& game) { game.io.printLine("Не хатает крутости"); }

void jobList(Game& game) {
  GameState& s = game.state;
  for (const Job& offer : kJobs) {
    if (s.reputation >= offer.listedFrom) game.io.printLine(offer.line);
  }
  if (s.reputation >= kEntrepreneurshipReputation) game.io.printLine(kEntrepreneurshipLine);

  std::int32_t& choice = game.keptChoices[kKeptChoice];
  game.io.readNumber(choice);
  // Hidden jobs can be typed; the thresholds are tested now, not when the list was shown.
  for (const Job& offer : kJobs) {
    if (choice != offer.number) continue;
    if (s.reputation >= offer.grantedFrom) {
      grant(game, offer.number, offer.pay);
    } else {
      refuse(game);
    }
    return;
  }
  if (choice == kEntrepreneurship) {
    if (s.reputation < kEntrepreneurshipReputation) {
      refuse(game);
      return;
    }
    // Remembered so that leaving entrepreneurship gives the job and its income back.
    s.previousJob = s.job;
    s.previousIncome = s.dailyIncome;
    grant(game, kEntrepreneurship, clubIncome(s));
  }
}

bool performable(const ClubAction& action, const GameState& s) {
  const ClubSize* taken = takenSize(action);
  return s.money >= action.price && s.reputation >= action.neededFrom && (taken == nullptr || s.*taken->count >= 1);
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
  io.printLine(kBackToJobLine);

  // Fresh on every visit, so a failed read selects nothing.
  std::int32_t choice = 0;
  io.readNumber(choice);
  if (choice == kBackToJobChoice) {
    s.job = wrapTo<std::int16_t>(s.previousJob);
    s.dailyIncome = s.previousIncome;
  }
  for (const ClubAction& action : kClubActions) {
    if (choice != action.choice || !performable(action, s)) continue;
    const ClubSize* taken = takenSize(action);
    const ClubSize& grown = grownSize(action);
    if (taken != nullptr) subtractFrom(s.*taken->count, 1);
    addTo(s.*grown.count, 1);
    addTo(s.dailyIncome, grown.incomePerDay - (taken != nullptr ? taken->incomePerDay : 0));
    subtractFrom(s.money, action.price);
    io.printLine(action.message);
  }
  io.waitKey();
}

}  // namespace

void jobScreen(Game& game) {
  game.io.clearScreen();
  if (game.state.job != kEntrepreneurship) {
    jobList(game);
    if (game.state.job != kEntrepreneurship) {
      game.io.waitKey();
      return;
    }
  }
  entrepreneurshipScreen(game);
}

}  // namespace geekpath
