// The built game through a pipe: nine days of buying parts and games, taking a job and
// playing a game through, with the status panel checked at the start of every day.
//
// The script keeps clear of the other day-menu screens and of what the day loop starts on
// its own: no pass falls on an event day (day 4's game skips day 5), and reputation stays
// below the first press invitation's 50. It ends as the day-10 panel and menu are shown;
// whatever day 10's events print after them is not compared.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_run.hpp"
#include "support/screen_text.hpp"

namespace geekpath::testing {
namespace {

const std::string kHardwareMenu = kClear + kClear +
                                  lines({"\t\t\t Компьютерный мир", "Процессоры \t\t 1", "Видеокарты \t\t 2",
                                         "Винтчестеры \t\t 3", "Oперативная память \t 4", "Дополнительно \t\t 5"}) +
                                  kClear;
const std::string kGamesShopHeading = kClear + lines({"\t\t\t Территория игр", "Игра \t\t\t номер \t\t\t $"});

struct Day {
  PanelValues status;       // the panel at the start of the day
  std::string input;   // the day-menu number and what the screen reads
  std::string screen;  // what the chosen screen prints
};

TEST(ShopsAndJobs, NineDaysOfShoppingWorkAndPlay) {
  const std::vector<Day> days = {
      {{500, 3600, 10, "0.125", 90, 1, 0, 10},
       "1\n1\n2\n",
       kHardwareMenu + lines({"\t Процессоры:", "500Mhz \t\t\t 1", "1000Mhz \t\t 2", "Вы купили Процессор на 1000 Mhz"})},
      {{1000, 3600, 10, "0.125", 55, 2, 5, 10}, "2\n1\n", kGamesShopHeading + lines({"StarCraft \t\t 1 \t\t\t 10"})},
      {{1000, 3600, 10, "0.125", 55, 3, 5, 10},
       "3\n1\n",
       kClear + lines({"Дворник \t\t 10$/день \t\t 1", "Вы получили новую работу"})},
      // The game's day and the end of day together skip event day 5.
      {{1000, 3600, 10, "0.125", 65, 4, 5, 10},
       "4\n1\n",
       kClear + lines({"Название игры \t\t\tСтоимость прохождения", "1.StarCraft \t\t\t20", ""}) +
           std::string(15, '\n') +
           lines({"", "Выберете игру для прохождения", "Каждый день прохождения тратятся некоторые деньги",
                  "Вы прошли игру"})},
      {{1000, 3600, 10, "0.125", 55, 6, 25, 10}, "30517\n", ""},
      {{1000, 3600, 10, "0.125", 20065, 7, 25, 10},
       "1\n2\n2\n",
       kHardwareMenu + lines({"\t Видеокарты:", "Geforce3600 \t\t 1", "Geforce5800 \t\t 2", "Geforce6800 \t\t 3",
                              "Geforce7900 \t\t 4", "Geforce8800 \t\t 5", "Geforce9800 \t\t 6",
                              "Вы купили видеокарту Geforce5800"})},
      {{1000, 5800, 10, "0.125", 20030, 8, 30, 10},
       "1\n4\n3\n",
       kHardwareMenu + lines({"\t Oперативная память:", "0.125 GB \t\t 1", "0.5 GB \t\t\t 2", "1 GB \t\t\t 3",
                              "2 GB \t\t\t 4", "4 GB \t\t\t 5", "8GB \t\t\t 6", "Вы купили 1.0 GB оперативки"})},
      {{1000, 5800, 10, "1", 19995, 9, 35, 10},
       "2\n2\n",
       kGamesShopHeading + lines({"StarCraft \t\t 1 \t\t\t 10", "Казаки \t\t\t 2 \t\t\t 15"})},
  };
  const PanelValues lastPanel = {1000, 5800, 10, "1", 19990, 10, 35, 10};

  std::string input = startUpInput() + "1\n" + "1\n";  // new game, the money bonus
  std::vector<std::string> expected;                    // one piece per day
  expected.push_back(kClear + kClear + kBonusMenu + kClear);
  for (const Day& day : days) {
    input += day.input;
    expected.push_back(kClear + plainPanel(day.status) + kEarlyDayMenu + day.screen);
  }
  expected.push_back(kClear + plainPanel(lastPanel) + kEarlyDayMenu);

  const GameRun run = runGame(input);
  EXPECT_EQ(run.exitStatus, 0);
  const std::string output = afterMainMenu(run.output);
  std::size_t at = 0;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i == 0 ? std::string("set-up") : "day piece " + std::to_string(i));
    ASSERT_EQ(output.substr(at, expected[i].size()), expected[i]);
    at += expected[i].size();
  }
}

}  // namespace
}  // namespace geekpath::testing
