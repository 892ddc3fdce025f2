// The built game through a pipe: lottery visits whose winnings follow the game's own
// generator after the event-table roll, and hacking missions with the choice kept from
// one day to the next.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "support/game_run.hpp"
#include "support/screen_text.hpp"

namespace geekpath::testing {
namespace {

// From the main-menu choice to the clear before the first day.
const std::string kNewGameSetUp = kClear + kClear +
                                  lines({"\t\tВыберите началрный бонус", "\t1.Деньги", "\t2.Репутация", "Детали:",
                                         "\t3.Процессор", "\t4.Видеокарта", "\t5.Оперативная память",
                                         "\t6.Винтчестер", "\t7.DVD-ROM"}) +
                                  kClear;

// The game's generator, kept apart from the program under test.
struct Generator {
  std::uint32_t seed = 1;
  std::int32_t next() {
    seed = seed * 214013u + 2531011u;
    return static_cast<std::int32_t>((seed >> 16) & 0x7FFF);
  }
};

// One lottery visit as the player sees it: a table of 300 digits drawn, then the tickets
// read from the given position on. Draw numbers 1 and 2 scale by hand-worked fractions.
std::int32_t lotteryWinnings(Generator& generator, std::int32_t position, std::int32_t tickets, std::int32_t drawNumber) {
  std::array<std::int32_t, 300> table{};
  for (std::int32_t& entry : table) entry = generator.next() % 6;
  int second = 0, third = 0, first = 0;
  for (std::int32_t i = 0; i < tickets; ++i) {
    if (position >= 299) position = 0;
    const std::int32_t digit = table[static_cast<std::size_t>(position++)];
    second += digit == 2;
    third += digit == 3;
    first += digit == 4;
  }
  if (drawNumber == 1) {  // x 2.5 and / 0.8
    third = third * 5 / 2;
    first = first * 5 / 4;
  } else {  // draw 2: x 1.8 and / 1.4
    third = third * 9 / 5;
    first = first * 5 / 7;
  }
  return 10 * third + 20 * second + 50 * first;
}

std::string lotteryScreenText(std::int32_t drawNumber, std::int32_t won) {
  return kClear + lines({"\t\t\t Лотерея", "\t\t\t\t\t\t\t\t " + std::to_string(drawNumber) + " тираж",
                         "Сколько билетов вы хотите купить?", "1 билет стоит 10.",
                         "Вы выиграли " + std::to_string(won)});
}

// Day 1 with the money bonus: 9 tickets on draw 1 from position 0, the table drawn after
// the 250 draws of the event-table roll. Day 2: every dollar left in tickets on draw 2,
// from position 10 (9 draws and one end of day), the table drawn 300 values later.
TEST(ActivitiesTwo, LotteryFollowsTheGenerator) {
  Generator generator;
  for (int i = 0; i < 250; ++i) (void)generator.next();
  const std::int32_t won1 = lotteryWinnings(generator, 0, 9, 1);
  const std::int32_t money2 = 90 - 90 + won1 + 10;
  const std::int32_t tickets2 = money2 / 10;
  ASSERT_LT(tickets2, 289) << "the script assumes no wrap on day 2";
  const std::int32_t won2 = lotteryWinnings(generator, 10, tickets2, 2);
  const std::int32_t money3 = money2 - 10 * tickets2 + won2 + 10;

  const GameRun run = runGame(startUpInput() + "1\n1\n5\n9\n5\n" + std::to_string(tickets2) + "\n");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(afterMainMenu(run.output), kNewGameSetUp + kClear + (startingPanel(90, 1, 0) + kEarlyDayMenu) +
                                           lotteryScreenText(1, won1) + kClear + (startingPanel(money2, 2, 0) + kEarlyDayMenu) +
                                           lotteryScreenText(2, won2) + kClear + (startingPanel(money3, 3, 0) + kEarlyDayMenu));
}

// Day 1: mission 1 succeeds. Day 2: mission 2 fails at reputation 30. Day 3: an
// unreadable choice repeats mission 2, which fails again.
TEST(ActivitiesTwo, HackingMissionsAcrossDays) {
  const GameRun run = runGame(startUpInput() + "1\n0\n6\n1\n6\n2\n6\nx\n\n");
  const std::string prompt = kClear + lines({"Миссия:", "\t 1-6"});
  const std::string failed = lines({"Вы не смогли взломать компьютер и скачать требующийся файл", "Деньги-60"});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(afterMainMenu(run.output),
            kNewGameSetUp + kClear + (startingPanel(0, 1, 0) + kEarlyDayMenu) + prompt +
                lines({"Вы смогли взломать компьютер и скачать требующийся файл", "Крутость+30,деньги+10"}) + kClear +
                (startingPanel(20, 2, 30) + kEarlyDayMenu) + prompt + failed + kClear + (startingPanel(-30, 3, 30) + kEarlyDayMenu) + prompt + failed +
                kClear + (startingPanel(-80, 4, 30) + kEarlyDayMenu));
}

}  // namespace
}  // namespace geekpath::testing
