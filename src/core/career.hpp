#pragma once
// The jobs and the computer clubs: the facts that the job screen, the status panel, the
// victory test and the load of a saved game all use.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "core/game_state.hpp"
#include "core/stated_number.hpp"
#include "core/wrapping.hpp"

namespace geekpath {

// The job field holds 1..7 for the jobs below, 0 after the job-loss event, and 10 under
// entrepreneurship, where the clubs pay instead of a job.
inline constexpr std::int16_t kNoJob = 0;
inline constexpr std::int16_t kBestJob = 7;
inline constexpr std::int16_t kEntrepreneurship = 10;

[[nodiscard]] constexpr bool isEntrepreneur(const GameState& s) { return s.job == kEntrepreneurship; }

struct Job {
  std::int16_t number;  // the job field's value, and the number typed at the job list
  std::string_view line;
  std::int32_t listedFrom;   // reputation at which the job list shows it
  std::int32_t grantedFrom;  // reputation at which it is given when typed
  std::int32_t pay;          // the daily income it gives
  // The daily income a loaded game gets for it: for jobs 3 to 7 below the pay, until the
  // player takes a job again.
  std::int32_t incomeAfterLoad;
};

// The janitor's job is listed from reputation 0 but given at any reputation.
inline constexpr std::int32_t kAnyReputation = INT32_MIN;
// Number, line, listed from, given from, pay, income after a load.
// clang-format off
inline constexpr std::array<Job, 7> kJobs = {{
    {.number = 1, .line = "Дворник \t\t 10$/день \t\t 1", .listedFrom = 0, .grantedFrom = kAnyReputation,
     .pay = 10, .incomeAfterLoad = 10},
    {.number = 2, .line = "Программист \t\t 15$/день \t\t 2", .listedFrom = 80, .grantedFrom = 80,
     .pay = 15, .incomeAfterLoad = 15},
    {.number = 3, .line = "Администратор \t\t 35$/день \t\t 3", .listedFrom = 600, .grantedFrom = 600,
     .pay = 35, .incomeAfterLoad = 30},
    {.number = 4, .line = "Крутой геймер \t\t 60$/день \t\t 4", .listedFrom = 1900, .grantedFrom = 1900,
     .pay = 60, .incomeAfterLoad = 50},
    {.number = 5, .line = "Гейм-дизайнер \t\t 120$/день \t\t 5", .listedFrom = 4000, .grantedFrom = 4000,
     .pay = 120, .incomeAfterLoad = 100},
    {.number = 6, .line = "Создатель игр \t\t 180$/день \t\t 6", .listedFrom = 5600, .grantedFrom = 5600,
     .pay = 180, .incomeAfterLoad = 150},
    {.number = 7, .line = "Разработчик ОС \t\t 300$/день \t\t 7", .listedFrom = 8000, .grantedFrom = 8000,
     .pay = 300, .incomeAfterLoad = 250},
}};
// clang-format on

static_assert(std::all_of(kJobs.begin(), kJobs.end(),
                          [](const Job& job) {
                            return firstNumber(job.line) == job.pay && lastNumber(job.line) == job.number;
                          }),
              "a job's line states its pay and its number");
static_assert(kJobs.back().number == kBestJob, "the last job is the best");
static_assert(kEntrepreneurship > kBestJob, "the victory test counts entrepreneurship as the best job");

struct ClubSize {
  std::string_view label;  // printed on the entrepreneurship screen right before the count
  std::int32_t GameState::*count;
  std::int32_t incomePerDay;
};
// Label, count field, income per club and day.
inline constexpr std::array<ClubSize, 4> kClubSizes = {{
    {.label = "Маленьких клубов:", .count = &GameState::smallClubs, .incomePerDay = 10},
    {.label = "Средних клубов", .count = &GameState::mediumClubs, .incomePerDay = 30},
    {.label = "Больших клубов:", .count = &GameState::bigClubs, .incomePerDay = 100},
    {.label = "Огромных клубов:", .count = &GameState::hugeClubs, .incomePerDay = 320},
}};

// What all the clubs earn in a day, wrapped like the 32-bit income it becomes.
[[nodiscard]] constexpr std::int32_t clubIncome(const GameState& s) {
  std::int32_t total = 0;
  for (const ClubSize& size : kClubSizes) addTo(total, multiplyWrap(s.*size.count, size.incomePerDay));
  return total;
}

}  // namespace geekpath
