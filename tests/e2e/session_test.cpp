// The built game through a pipe: scripted sessions from the main menu on, compared with
// the expected bytes.

#include <gtest/gtest.h>

#include "support/game_run.hpp"
#include "support/screen_text.hpp"

#include <string>

namespace geekpath::testing {
namespace {

const std::string kQuitQuestion = lines({"Вы уверены,что хотите выйте?1-да,2-нет."});

TEST(Session, NewGameWithoutBonusThenQuit) {
  const GameRun run = runGame(startUpInput() + "1\n0\n0\n1\n");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(afterMainMenu(run.output),
            kClear + kClear + kBonusMenu + kClear + kClear + startingPanel(0, 1) + kEarlyDayMenu + kQuitQuestion);
}

// The first panel after each starting bonus: the line that shows it.
TEST(Session, NewGameWithEachBonus) {
  struct Case {
    const char* bonus;
    const char* panelLine;
  } cases[] = {
      {"1", "\t500Mhz\t\t|\t 90$\n"},
      {"2", "\t10GB\t\t|\t 70 \n"},
      {"3", "\t2000Mhz\t\t|\t 0$\n"},
      {"4", "\tGeforce6800\t|\t 1 \n"},
      {"5", "\t1GB\t\t|\t 10\n"},
      {"6", "\t160GB\t\t|\t 0 \n"},
      {"7", "DVD-ROM:\t\t|\t Водное охлаждение:\n\tесть\t\t|\t нету\n"},
  };
  for (const Case& c : cases) {
    const GameRun run = runGame(startUpInput() + "1\n" + c.bonus + "\n0\n1\n");
    EXPECT_EQ(run.exitStatus, 0);
    const std::string out = afterMainMenu(run.output);
    EXPECT_TRUE(out.starts_with(kClear + kClear + kBonusMenu + kClear + kClear)) << c.bonus;
    EXPECT_NE(out.find(c.panelLine), std::string::npos) << c.bonus;
    EXPECT_TRUE(out.ends_with(kQuitQuestion));
  }
}

TEST(Session, QuitConfirmationAnswers) {
  // 2: the day ends (day 2, pay 10); a cheat code as the answer: applied, then the day ends.
  const GameRun no = runGame(startUpInput() + "1\n0\n0\n2\n0\n1\n");
  EXPECT_EQ(no.exitStatus, 0);
  EXPECT_EQ(countOf(no.output, "Вы уверены"), 2u);
  EXPECT_NE(no.output.find("\t500Mhz\t\t|\t 10$\n"), std::string::npos);
  EXPECT_NE(no.output.find("\tGeforce3600\t|\t 2 \n"), std::string::npos);

  const GameRun cheat = runGame(startUpInput() + "1\n0\n0\n30517\n0\n1\n");
  EXPECT_EQ(cheat.exitStatus, 0);
  EXPECT_NE(cheat.output.find("\t500Mhz\t\t|\t 20010$\n"), std::string::npos);
}

TEST(Session, RestDaysAndPlainDays) {
  // Rest on day 1 (+5), an unknown number on day 2 (+10), rest on day 3 (+5), then quit.
  const GameRun run = runGame(startUpInput() + "1\n0\n8\n77\n8\n0\n1\n");
  EXPECT_EQ(run.exitStatus, 0);
  const std::string out = afterMainMenu(run.output);
  EXPECT_NE(out.find("\t500Mhz\t\t|\t 5$\n"), std::string::npos);
  EXPECT_NE(out.find("\t500Mhz\t\t|\t 15$\n"), std::string::npos);
  EXPECT_NE(out.find("\t500Mhz\t\t|\t 20$\nВедеокарта:\t\t|\t день:\n\tGeforce3600\t|\t 4 \n"),
            std::string::npos);
  EXPECT_EQ(countOf(out, "Процессор:"), 4u);
}

TEST(Session, InformationScreensEndTheProgram) {
  const GameRun options = runGame(startUpInput() + "3\n");
  EXPECT_EQ(options.exitStatus, 0);
  EXPECT_TRUE(afterMainMenu(options.output).ends_with("И чё дальше??? Жми ENTER\n"));
  const GameRun authors = runGame(startUpInput() + "4\n" + std::string(17, 'k'));
  EXPECT_EQ(authors.exitStatus, 0);
  // The line feed after 4 and 17 more keys: all 18 entries, and the program ends.
  EXPECT_EQ(countOf(afterMainMenu(authors.output), "\t Ковальчук Артём\n"), 17u);
  EXPECT_TRUE(authors.output.ends_with("Артём Ковальчук\n\t Ковальчук Артём\n"));
  const GameRun tutorial = runGame(startUpInput() + "5\n");
  EXPECT_EQ(afterMainMenu(tutorial.output), kClear + "Выход-0\n");
  const GameRun other = runGame(startUpInput() + "6\n1\n");
  EXPECT_EQ(afterMainMenu(other.output), kClear);
  EXPECT_EQ(other.exitStatus, 0);
}

TEST(Session, EndOfInputAnywhereEndsAtOnceWithStatusZero) {
  const std::string script = startUpInput() + "1\n1\n8\n0\n2\nx\n";
  for (std::size_t length = 0; length <= script.size(); ++length) {
    RunOptions options;
    options.timeoutSeconds = 5;
    const GameRun run = runGame(script.substr(0, length), options);
    EXPECT_FALSE(run.timedOut) << length;
    EXPECT_EQ(run.exitStatus, 0) << length;
    EXPECT_LT(run.seconds, 1.0) << length;
  }
}

TEST(Session, FailedReadAtTheEndOfInputEndsTheGame) {
  for (const char* last : {"ab", "-", "99999999999"}) {
    RunOptions options;
    options.timeoutSeconds = 5;
    const GameRun run = runGame(startUpInput() + "1\n0\n8\n" + last, options);
    EXPECT_EQ(run.exitStatus, 0) << last;
    EXPECT_FALSE(run.timedOut) << last;
    EXPECT_EQ(countOf(run.output, "Процессор:"), 2u) << last;
  }
}

TEST(Session, OutputEncodingFollowsTheLocale) {
  // The C locale cannot show Cyrillic: UTF-8. A codeset that can (KOI8-R, through the
  // converter) gets its own bytes; the tests cannot count on such a locale, so only the
  // fallback is run here.
  RunOptions cLocale, utf8Locale;
  cLocale.environment = {"LC_ALL=C"};
  utf8Locale.environment = {"LC_ALL=C.UTF-8"};
  const GameRun run = runGame(startUpInput() + "5\n", cLocale);
  EXPECT_NE(run.output.find("Выход-0"), std::string::npos);
  const GameRun utf8 = runGame(startUpInput() + "5\n", utf8Locale);
  EXPECT_EQ(utf8.output, run.output);
}

// A save file of the new game's values but for the day, money and job.
std::string saveFile(int day, int money, int job) {
  const std::string records[] = {"nick", std::to_string(day), std::to_string(money), "0", "500", "3600", "0.125",
                                 "10", std::to_string(job)};
  std::string file;
  for (const std::string& record : records) file += record + ";\r\n";
  for (int i = 0; i < 17; ++i) file += "0;\r\n";
  return file;
}

TEST(Session, RestDaysWithAnOddIncome) {
  // Job 2 is loaded with a pay of 15: a rest day adds 7.
  RunOptions options;
  options.folder = makeScratchFolder();
  writeFile(options.folder + "/save1.sav", saveFile(1, 0, 2));
  const GameRun run = runGame(startUpInput() + "2\n1\n8\n8\n77\n0\n1\n", options);
  EXPECT_EQ(run.exitStatus, 0);
  const std::string out = afterMainMenu(run.output);
  for (const char* line : {"\t500Mhz\t\t|\t 0$\n", "\t500Mhz\t\t|\t 7$\n", "\t500Mhz\t\t|\t 14$\n",
                           "\t500Mhz\t\t|\t 29$\n"}) {
    EXPECT_NE(out.find(line), std::string::npos) << line;
  }
  EXPECT_NE(out.find("\t0.125GB\t\t|\t 15\n"), std::string::npos);
  EXPECT_NE(out.find("\tGeforce3600\t|\t 4 \n"), std::string::npos);
}

TEST(Session, DefeatAtEachDebtTier) {
  struct Case {
    int day, money;
    bool lost;
  } cases[] = {
      {99, -200, true}, {99, -199, false}, {100, -500, true}, {101, -499, false},
      {199, -500, true}, {200, -1000, true}, {201, -999, false}, {3001, -1000, true},
  };
  for (const Case& c : cases) {
    RunOptions options;
    options.folder = makeScratchFolder();
    writeFile(options.folder + "/save1.sav", saveFile(c.day, c.money, 1));
    // The line feed after the slot number is the key press that ends a lost game.
    const GameRun run = runGame(startUpInput() + "2\n1\n" + (c.lost ? "" : "0\n1\n"), options);
    EXPECT_EQ(run.exitStatus, 0) << c.day;
    const std::string panelLine = "\t500Mhz\t\t|\t " + std::to_string(c.money) + "$\n";
    EXPECT_NE(run.output.find(panelLine), std::string::npos) << c.day;
    const std::string end = c.lost ? "10.Сохранение \t\t\t 10\nВы проиграли.У вас огромные долги\n"
                                   : "10.Сохранение \t\t\t 10\n" + kQuitQuestion;
    EXPECT_TRUE(run.output.ends_with(end)) << c.day << " " << c.money;
  }
}

}  // namespace
}  // namespace geekpath::testing
