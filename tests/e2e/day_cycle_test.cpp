// The day cycle through a pipe: event days and a press invitation over 26 days of
// resting, and the victory by the all-in-one cheat code with the score file it leaves.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/game_run.hpp"
#include "support/screen_text.hpp"

namespace geekpath::testing {
namespace {

const std::string kPanelStart = "Процессор:\t\t|\t деньги:\n";
const std::string kMenuEnd = "10.Сохранение \t\t\t 10\n";

// What each day printed under its day menu: the events, the screens of the end of the
// day, up to the clearing before the next panel.
std::vector<std::string> underEachMenu(const std::string& output) {
  std::vector<std::string> days;
  for (std::size_t at = output.find(kMenuEnd); at != std::string::npos; at = output.find(kMenuEnd, at)) {
    at += kMenuEnd.size();
    const std::size_t next = output.find(kPanelStart, at);
    std::string day = output.substr(at, next == std::string::npos ? std::string::npos : next - at);
    if (next != std::string::npos && day.size() >= kClear.size()) day.resize(day.size() - kClear.size());
    days.push_back(day);
  }
  return days;
}

std::string repeat(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// Removes the run's working folder afterwards.
struct FolderCleanup {
  std::string path;
  ~FolderCleanup() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

const std::string kEvent = "\t\tСобытие\n";
const std::string kQuestion = "Что-бы согласиться приехать введите 1, иначе 0.\n";

TEST(DayCycle, EventDaysAndAPressInvitation) {
  // "nick" plays with the table that starts 1, 12, 5, 13, 2. The reputation bonus (70)
  // brings the first invitation at the end of day 1 (a number without an entry costs
  // the day); then only rest days. An event's first key is the line feed after the
  // previous day's number.
  const std::string rests4 = repeat("8\n", 4);
  const std::string eventDay = "\n8\n";
  const std::string input = startUpInput("nick") + "1\n2\n" + "11\n" + "1\n" + repeat("8\n", 3) +
                            repeat(eventDay + rests4, 4) + eventDay + "0\n1\n";
  const FolderCleanup folder{makeScratchFolder()};
  const GameRun run = runGame(input, {.folder = folder.path});
  ASSERT_EQ(run.exitStatus, 0);
  const std::string out = afterMainMenu(run.output);

  std::vector<std::string> expected(26);
  expected[0] = kClear +
                lines({"Вас приглашает редакция газеты \"Компьютерные вести деревни Сараево\",",
                       " стоимость поездки 10$."}) +
                kQuestion +
                lines({"Всё прошло хорошо, редакция газеты написла о вас статью, повысив вашу репутацмю на 10."});
  expected[4] = kEvent + lines({"У вас сгорел процессор"});                        // position 0, rolled
  expected[9] = kEvent + lines({"Вы нашли 30$ в парке"});                          // position 1, day 10
  expected[14] = kEvent + lines({"Вы выиграли в лотереи"});                        // position 2: 95 -> 143
  expected[19] = kEvent + lines({"Вы нашли 30$ в парке"});                         // position 3, day 20
  expected[24] = kEvent + lines({"За усердную работу у вас повысилась зарплата"});  // position 4, day 25
  expected[25] = lines({"Вы уверены,что хотите выйте?1-да,2-нет."});
  EXPECT_EQ(underEachMenu(out), expected);

  // The processor burnt on day 5; the last panel shows day 26 with what the events left.
  EXPECT_EQ(countOf(out, "\t500Mhz\t\t|"), 5u);
  EXPECT_EQ(countOf(out, "\t0Mhz\t\t|"), 21u);
  const std::size_t lastPanel = out.rfind(kPanelStart);
  ASSERT_NE(lastPanel, std::string::npos);
  const std::string panel = out.substr(lastPanel);
  EXPECT_NE(panel.find("\t0Mhz\t\t|\t 229$\n"), std::string::npos) << panel;
  EXPECT_NE(panel.find("\tGeforce3600\t|\t 26 \n"), std::string::npos) << panel;
  EXPECT_NE(panel.find("\t10GB\t\t|\t 80 \n"), std::string::npos) << panel;
  EXPECT_NE(panel.find("\t0.125GB\t\t|\t 12\n"), std::string::npos) << panel;
}

const std::string kVictoryScreens =
    kClear +
    lines({"\t Поздравляем вас.Вы прошли игру", "\t Ваши результаты будут записаны,",
           "\t в папке с игрой под именем 'SCORES.txt'.",
           "\t Если вы желаете просмотреть пароли введите 1,для выхода 0"});
const std::string kCodes =
    kClear + lines({"30517.+20000 денег", "4619.дополнительная заработная плата",
                    "4637.лучший процессор и оперативная память", "5843.дополнительная крутость",
                    "5861.лучший винтчестер и видеократа", "4673.игра пройденa"});

// The labels of the record in CP1251.
const std::string kDaysLabel = "\xE8\xE3\xF0\xE0 \xEF\xF0\xEE\xE9\xE4\xE5\xED\xE0 \xE7\xE0 ";
const std::string kDayWord234 = " \xE4\xED\xFF ";
const std::string kReputationLabel = "\xED\xE0\xE1\xF0\xEE\xED\xEE \xEA\xF0\xF3\xF2\xEE\xF1\xF2\xE8 ";
const std::string kMoneyLabel = "\xC7\xE0\xF0\xE0\xE1\xEE\xF2\xE0\xED\xEE \xE4\xE5\xED\xE5\xE3 ";
const std::string kPointsLabel = " \xCD\xE0\xE1\xF0\xE0\xED\xEE \xEF\xF0\xE8\xE7\xEE\xE2\xFB\xF5 \xEE\xF7\xEA\xEE\xE2 ";

TEST(DayCycle, CheatCodeVictoryLeavesTheScoreRecords) {
  const FolderCleanup folder{makeScratchFolder()};

  // First game, a Cyrillic nickname: no bonus, the code on day 1, all seven invitations
  // of the end of the day accepted (day 1 is divisible by neither 4 nor 5), the codes
  // viewed at the victory on day 2.
  const GameRun first = runGame(startUpInput("ник") + "1\n0\n4673\n" + repeat("1\n", 7) + "1\n\n",
                                {.folder = folder.path});
  ASSERT_EQ(first.exitStatus, 0);
  const std::vector<std::string> firstDays = underEachMenu(afterMainMenu(first.output));
  ASSERT_EQ(firstDays.size(), 1u);  // one panel only: none between the code and the victory
  const std::string& day1 = firstDays[0];
  EXPECT_EQ(day1.rfind(kClear + "Вас приглашает редакция газеты \"Компьютерные", 0), 0u);
  EXPECT_EQ(countOf(day1, kQuestion), 7u);
  EXPECT_EQ(countOf(day1, "Всё прошло хорошо"), 7u);
  const std::string ending = kVictoryScreens + kCodes;
  ASSERT_GE(day1.size(), ending.size());
  EXPECT_EQ(day1.substr(day1.size() - ending.size()), ending);

  // Money 20000 - 3050 for the trips + 10 pay; reputation 20000 + 5040.
  const std::string firstRecord = "\n  \t\xAD\xA8\xAA\n" + kDaysLabel + "2" + kDayWord234 + "\n" + kReputationLabel +
                                  "25040\n" + kMoneyLabel + "16960\n" + kPointsLabel + "53084800\n";
  EXPECT_EQ(readFile(folder.path + "/SCORES.txt"), firstRecord);

  // Second game in the same folder: every invitation declined, no codes viewed.
  const GameRun second =
      runGame(startUpInput("nick") + "1\n0\n4673\n" + repeat("0\n", 7) + "0\n", {.folder = folder.path});
  ASSERT_EQ(second.exitStatus, 0);
  const std::vector<std::string> secondDays = underEachMenu(afterMainMenu(second.output));
  ASSERT_EQ(secondDays.size(), 1u);
  EXPECT_EQ(countOf(secondDays[0], "Всё прошло хорошо"), 0u);
  EXPECT_EQ(secondDays[0].substr(secondDays[0].size() - kVictoryScreens.size()), kVictoryScreens);

  const std::string secondRecord = "\n  \tnick\n" + kDaysLabel + "2" + kDayWord234 + "\n" + kReputationLabel +
                                   "20000\n" + kMoneyLabel + "20010\n" + kPointsLabel + "50025000\n";
  EXPECT_EQ(readFile(folder.path + "/SCORES.txt"), firstRecord + secondRecord);
}

}  // namespace
}  // namespace geekpath::testing
