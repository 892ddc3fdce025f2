// The job list and the entrepreneurship screen: thresholds for listing and for granting,
// the switch to entrepreneurship and back, club building and upgrades, and which choices
// a failed read repeats.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "activities/jobs.hpp"
#include "core/memory_console.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::kClear;
using testing::lines;

// clang-format off
constexpr const char* kJobLines[] = {
    "Дворник \t\t 10$/день \t\t 1",        "Программист \t\t 15$/день \t\t 2",
    "Администратор \t\t 35$/день \t\t 3",  "Крутой геймер \t\t 60$/день \t\t 4",
    "Гейм-дизайнер \t\t 120$/день \t\t 5", "Создатель игр \t\t 180$/день \t\t 6",
    "Разработчик ОС \t\t 300$/день \t\t 7",
};
// clang-format on
const std::string kEntrepreneurshipLine = "Предпринимательство \t\t\t\t 10\n";
const std::string kGranted = lines({"Вы получили новую работу"});
const std::string kRefused = lines({"Не хатает крутости"});

// The job list: the first `jobs` job lines, and the entrepreneurship line when asked.
std::string jobList(int jobs, bool entrepreneurship) {
  std::string out = kClear;
  for (int i = 0; i < jobs; ++i) out += std::string(kJobLines[i]) + "\n";
  if (entrepreneurship) out += kEntrepreneurshipLine;
  return out;
}

constexpr const char* kActionLines[] = {
    "1.Построить клуб(стоим. 200)",
    "2.Увеличить маленький клуб(стоим.500)",
    "3.Увеличить средний клуб(стоим.1700)",
    "4.Увеличить большой клуб(стоим.5500)",
};

// The entrepreneurship screen as the state shows it: the listed action numbers, the four
// counters.
std::string clubScreen(std::initializer_list<int> actions, const GameState& s) {
  std::string out = kClear + "\t Предпринимательство\n";
  for (const int a : actions) out += std::string(kActionLines[a - 1]) + "\n";
  out += "Маленьких клубов:" + std::to_string(s.smallClubs) + "\n";
  out += "Средних клубов" + std::to_string(s.mediumClubs) + "\n";
  out += "Больших клубов:" + std::to_string(s.bigClubs) + "\n";
  out += "Огромных клубов:" + std::to_string(s.hugeClubs) + "\n";
  out += "5.Выбор работы\n";
  return out;
}

auto jobFields(const GameState& s) {
  return std::tuple(s.job, s.dailyIncome, s.money, s.previousJob, s.previousIncome, s.smallClubs, s.mediumClubs,
                    s.bigClubs, s.hugeClubs);
}

struct ListCase {
  const char* name;
  std::int32_t reputation;
  const char* input;
  int listedJobs;
  bool listedEntrepreneurship;
  std::string result;
  std::int16_t jobAfter;
  std::int32_t incomeAfter;
};

// Each starts as janitor with a raised income of 25, so a grant shows as a new pay.
const ListCase kListCases[] = {
    {"JustBelowProgrammer", 79, "2\n", 1, false, kRefused, 1, 25},
    {"ProgrammerAtItsThreshold", 80, "2\n", 2, false, kGranted, 2, 15},
    {"EntrepreneurshipListedFromHundred", 100, "3\n", 2, true, kRefused, 1, 25},
    {"Administrator", 600, "3\n", 3, true, kGranted, 3, 35},
    {"CoolGamer", 1900, "4\n", 4, true, kGranted, 4, 60},
    {"GameDesigner", 4000, "5\n", 5, true, kGranted, 5, 120},
    {"GameMakerRefusedJustBelow", 5599, "6\n", 5, true, kRefused, 1, 25},
    {"GameMaker", 5600, "6\n", 6, true, kGranted, 6, 180},
    {"JustBelowSystemDeveloper", 7999, "7\n", 6, true, kRefused, 1, 25},
    {"SystemDeveloperAtItsThreshold", 8000, "7\n", 7, true, kGranted, 7, 300},
    {"HiddenJobGrantedWhenReputationAllows", 8000, "2\n", 7, true, kGranted, 2, 15},
    {"NegativeReputationListsNothingButJanitorWorks", -1, "1\n", 0, false, kGranted, 1, 10},
    {"NegativeReputationRefusesTheOthers", -5000, "2\n", 0, false, kRefused, 1, 25},
    {"TakingTheSameJobResetsThePay", 0, "1\n", 1, false, kGranted, 1, 10},
    {"EntrepreneurshipBelowHundredRefused", 99, "10\n", 2, false, kRefused, 1, 25},
    {"OtherNumbersDoNothing", 9000, "8\n", 7, true, "", 1, 25},
    {"ZeroDoesNothing", 9000, "0\n", 7, true, "", 1, 25},
};

TEST(JobList, ListingAndGrantingThresholds) {
  for (const ListCase& c : kListCases) {
    SCOPED_TRACE(c.name);
    MemoryConsole io(c.input);  // the line feed after the number answers the key wait
    Game game(io);
    game.state.reputation = c.reputation;
    game.state.dailyIncome = 25;
    jobScreen(game);
    EXPECT_EQ(io.output(), jobList(c.listedJobs, c.listedEntrepreneurship) + c.result);
    EXPECT_EQ(game.state.job, c.jobAfter);
    EXPECT_EQ(game.state.dailyIncome, c.incomeAfter);
  }
}

TEST(JobList, JobLossThenJanitor) {
  MemoryConsole io("1\n");
  Game game(io);
  game.state.job = 0;
  game.state.dailyIncome = 0;
  game.state.reputation = 50;
  jobScreen(game);
  EXPECT_EQ(game.state.job, 1);
  EXPECT_EQ(game.state.dailyIncome, 10);
}

TEST(JobList, EndsWithAKeyWait) {
  MemoryConsole io("2");
  Game game(io);
  EXPECT_THROW(jobScreen(game), EndOfInput);
}

TEST(JobList, FailedReadRepeatsThePreviousVisitsChoice) {
  MemoryConsole io("2\nx\n\n");
  Game game(io);
  game.state.reputation = 79;
  jobScreen(game);
  EXPECT_EQ(game.state.job, 1);
  game.state.reputation = 80;
  io.clearOutput();
  jobScreen(game);  // nothing readable: 2 again, now granted
  EXPECT_EQ(io.output(), jobList(2, false) + kGranted);
  EXPECT_EQ(game.state.job, 2);
  EXPECT_EQ(game.state.dailyIncome, 15);
}

struct SwitchCase {
  const char* name;
  std::int32_t small, medium, big, huge;
  std::int32_t income;
};

TEST(Entrepreneurship, SwitchingComputesTheIncomeFromTheClubs) {
  const SwitchCase cases[] = {
      {"NoClubs", 0, 0, 0, 0, 0},
      {"TwoSmallOneHuge", 2, 0, 0, 1, 340},
      {"OneOfEach", 1, 1, 1, 1, 460},
      {"WrapsLikeTheField", 0, 0, 0, 7000000, static_cast<std::int32_t>(2240000000u)},
  };
  for (const SwitchCase& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryConsole io("10\n0\n");
    Game game(io);
    GameState& s = game.state;
    s.reputation = 100;
    s.money = 50;
    s.job = 3;
    s.dailyIncome = 335;
    s.smallClubs = c.small;
    s.mediumClubs = c.medium;
    s.bigClubs = c.big;
    s.hugeClubs = c.huge;
    jobScreen(game);
    // The list, the grant, then the club screen cleared once more; its 0 selects nothing.
    EXPECT_EQ(io.output(), jobList(2, true) + kGranted + clubScreen({}, s));
    EXPECT_EQ(s.job, 10);
    EXPECT_EQ(s.dailyIncome, c.income);
    EXPECT_EQ(s.previousJob, 3);
    EXPECT_EQ(s.previousIncome, 335);
  }
}

struct ClubCase {
  const char* name;
  std::int32_t reputation;
  std::int32_t money;
  std::int32_t small, medium, big;
  const char* input;
  std::initializer_list<int> listed;
  std::string message;
  void (*change)(GameState&);  // nullptr: nothing changes
};

// clang-format off
const ClubCase kClubCases[] = {
    {"BuildAtExactPrice", 100, 200, 0, 0, 0, "1\n", {1}, "Построен маленький компьютерный клуб\n",
     [](GameState& s) {
       s.smallClubs = 1;
       s.dailyIncome += 10;
       s.money = 0;
     }},
    {"BuildNeedsTheMoney", 100, 199, 0, 0, 0, "1\n", {}, "", nullptr},
    {"BuildNeedsTheReputation", 99, 1000, 0, 0, 0, "1\n", {}, "", nullptr},
    {"SmallToMedium", 600, 500, 1, 0, 0, "2\n", {1, 2}, "Маленький компьютерный клуб достроен до среднего\n",
     [](GameState& s) {
       s.smallClubs = 0;
       s.mediumClubs = 1;
       s.dailyIncome += 20;
       s.money = 0;
     }},
    {"SmallToMediumNeedsASmallClub", 600, 500, 0, 0, 0, "2\n", {1, 2}, "", nullptr},
    {"HiddenMediumToBigUpgrade", 1500, 1700, 0, 1, 0, "3\n", {1, 2}, "Средний компьютерный клуб достроен до Большого\n",
     [](GameState& s) {
       s.mediumClubs = 0;
       s.bigClubs = 1;
       s.dailyIncome += 70;
       s.money = 0;
     }},
    {"HiddenUpgradeFromThirteenHundred", 1300, 1700, 0, 1, 0, "3\n", {1, 2},
     "Средний компьютерный клуб достроен до Большого\n",
     [](GameState& s) {
       s.mediumClubs = 0;
       s.bigClubs = 1;
       s.dailyIncome += 70;
       s.money = 0;
     }},
    {"MediumToBigBelowThirteenHundredRefused", 1299, 1700, 0, 1, 0, "3\n", {1, 2}, "", nullptr},
    {"MediumToBigListedFromSeventeenHundred", 1700, 1700, 0, 1, 0, "9\n", {1, 2, 3}, "", nullptr},
    {"BigToHuge", 7000, 5500, 0, 0, 1, "4\n", {1, 2, 3, 4}, "Большой компьютерный клуб достроен до ОГРОМНОГО\n",
     [](GameState& s) {
       s.bigClubs = 0;
       s.hugeClubs += 1;
       s.dailyIncome += 220;
       s.money = 0;
     }},
    {"BigToHugeNeedsSevenThousand", 6999, 5500, 0, 0, 1, "4\n", {1, 2, 3}, "", nullptr},
    {"BigToHugeNeedsABigClub", 7000, 5500, 3, 3, 0, "4\n", {1, 2, 3, 4}, "", nullptr},
    {"FailedReadSelectsNothing", 7000, 9000, 1, 1, 1, "x\n\n", {1, 2, 3, 4}, "", nullptr},
};
// clang-format on

TEST(Entrepreneurship, ClubActions) {
  for (const ClubCase& c : kClubCases) {
    SCOPED_TRACE(c.name);
    MemoryConsole io(c.input);
    Game game(io);
    GameState& s = game.state;
    s.job = 10;
    s.dailyIncome = 1000;
    s.reputation = c.reputation;
    s.money = c.money;
    s.smallClubs = c.small;
    s.mediumClubs = c.medium;
    s.bigClubs = c.big;
    s.hugeClubs = 2;
    const GameState before = s;
    GameState expected = s;
    if (c.change != nullptr) c.change(expected);
    jobScreen(game);
    // Entered as an entrepreneur: cleared twice, no job list.
    EXPECT_EQ(io.output(), kClear + clubScreen(c.listed, before) + c.message);
    EXPECT_EQ(jobFields(s), jobFields(expected));
  }
}

TEST(Entrepreneurship, LeavingRestoresThePreviousJobAndIncome) {
  MemoryConsole io("10\n1\n5\n10\n0\n");
  Game game(io);
  GameState& s = game.state;
  s.job = 3;
  s.dailyIncome = 35;
  s.reputation = 700;
  s.money = 1000;

  jobScreen(game);  // to entrepreneurship, then a small club
  EXPECT_EQ(std::tuple(s.job, s.dailyIncome, s.money, s.smallClubs), std::tuple(std::int16_t{10}, 10, 800, 1));

  io.clearOutput();
  jobScreen(game);  // back to the job held before, without the job list
  EXPECT_EQ(io.output(), kClear + clubScreen({1, 2}, s));
  EXPECT_EQ(std::tuple(s.job, s.dailyIncome, s.smallClubs), std::tuple(std::int16_t{3}, 35, 1));

  jobScreen(game);  // and in again: the income comes from the club counters
  EXPECT_EQ(std::tuple(s.job, s.dailyIncome, s.previousJob, s.previousIncome), std::tuple(std::int16_t{10}, 10, 3, 35));
}

TEST(Entrepreneurship, LeavingALoadedEntrepreneurshipLeavesNoJob) {
  MemoryConsole io("5\n");
  Game game(io);
  game.state.job = 10;  // as loaded: nothing remembered from before the switch
  game.state.dailyIncome = 340;
  jobScreen(game);
  EXPECT_EQ(game.state.job, 0);
  EXPECT_EQ(game.state.dailyIncome, 0);
}

TEST(Entrepreneurship, FailedReadDoesNotRepeatTheLastVisitsAction) {
  MemoryConsole io("1\nx\n\ny\n\n");
  Game game(io);
  GameState& s = game.state;
  s.job = 10;
  s.dailyIncome = 0;
  s.reputation = 100;
  s.money = 1000;
  jobScreen(game);
  EXPECT_EQ(s.smallClubs, 1);
  jobScreen(game);
  EXPECT_EQ(s.smallClubs, 1);
  EXPECT_EQ(s.money, 800);
  // The club screen's 1 is not the job list's kept choice: a failed read there grants nothing.
  s.job = 3;
  jobScreen(game);
  EXPECT_EQ(s.job, 3);
  EXPECT_EQ(testing::countOf(io.output(), "Вы получили новую работу"), 0u);
  EXPECT_EQ(io.unreadInput(), "");
}

}  // namespace
}  // namespace geekpath
