// The start-up sequence, the art's layout, the main menu and the information screens.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/memory_console.hpp"
#include "shell/art.hpp"
#include "shell/info_screens.hpp"
#include "shell/startup.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::countOf;
using testing::kClear;
using testing::lines;

bool onlyOf(std::string_view text, std::string_view allowed) {
  return text.find_first_not_of(allowed) == std::string_view::npos;
}

TEST(StartUp, SequenceUpToTheMainMenu) {
  MemoryConsole io("\nabcdefghijklmnopqrst\n\n\n\n");
  Game game(io);
  startUpScreens(game);
  EXPECT_STREQ(game.state.playerName.data(), "abcdefghijklmno");
  const std::string& out = io.output();

  std::string expected =
      kClear + lines({"\t\tзагрузка... калi ласка, пачакайце!", "\t\tЗагружэние завяршано.нажмите ENTER"}) +
      std::string(60, '\n') +
      lines({"Введите ваше имя(ник). Не более 15 символов. Все символы должны быть маленьлие"}) + kClear;
  ASSERT_TRUE(out.starts_with(expected));
  std::size_t at = expected.size();
  for (const std::string_view row : kPicture) {
    ASSERT_EQ(out.compare(at, row.size() + 1, std::string(row) + "\n"), 0);
    at += row.size() + 1;
  }
  const std::string afterPicture = "\n\n" + lines({"Нажмите ENTER"}) + std::string(6, '\n');
  ASSERT_EQ(out.compare(at, afterPicture.size(), afterPicture), 0);
  at += afterPicture.size();
  for (int notice = 0; notice < 3; ++notice) {
    ASSERT_EQ(out.compare(at, 3, "\t\t "), 0) << "notice " << notice;
    at = out.find('\n', at) + 1;
  }
  ASSERT_EQ(out.compare(at, 21, std::string(21, '\n')), 0);
  at += 21;
  for (const std::string_view row : kTitleBanner) {
    ASSERT_EQ(out.compare(at, row.size() + 1, std::string(row) + "\n"), 0);
    at += row.size() + 1;
  }
  EXPECT_EQ(out.substr(at), "\n");
  EXPECT_THROW(io.waitKey(), EndOfInput);
}

TEST(StartUp, EndOfInputAtEachWaitEndsIt) {
  // Cut the start-up script short after every byte.
  const std::string script = "\nnick\n\n\n\n";
  for (std::size_t length = 0; length < script.size(); ++length) {
    MemoryConsole io(script.substr(0, length));
    Game game(io);
    EXPECT_THROW(startUpScreens(game), EndOfInput) << length;
  }
}

TEST(PlayGame, EndsQuietlyWhereverTheInputEnds) {
  // The whole program: start-up, a new game, a day and a quit question, cut anywhere.
  const std::string script = "\nnick\n\n\n\n1\n0\n8\n0\n2\n";
  std::size_t longest = 0;
  for (std::size_t length = 0; length <= script.size(); ++length) {
    MemoryConsole io(script.substr(0, length));
    Game game(io);
    EXPECT_NO_THROW(playGame(game)) << length;
    EXPECT_GE(io.output().size(), longest) << "a longer input shows no less";
    longest = io.output().size();
  }
}

TEST(Art, PictureLayout) {
  for (const std::string_view row : kPicture) {
    ASSERT_TRUE(row.starts_with("\t"));
    EXPECT_LE(row.size() - 1, 24u) << row;
    EXPECT_TRUE(onlyOf(row.substr(1), "S ")) << row;
  }
}

TEST(Art, TitleBannerLayout) {
  for (const std::string_view row : kTitleBanner) ASSERT_TRUE(row.starts_with("\t"));
  EXPECT_TRUE(onlyOf(kTitleBanner[0].substr(1), "3 "));
  EXPECT_TRUE(kTitleBanner[1].substr(1).starts_with(std::string(15, ' ') + "ZAVEK GAMES"));
  EXPECT_TRUE(kTitleBanner[2].substr(1).starts_with(std::string(18, ' ') + "present"));
  // The figure 3 runs down the right-hand side from row 1 to row 19; the lettering is S.
  for (std::size_t row = 0; row < 19; ++row) {
    const std::string_view text = kTitleBanner[row];
    const std::size_t figure = text.find('3');
    ASSERT_NE(figure, std::string_view::npos) << "row " << row + 1;
    EXPECT_TRUE(onlyOf(text.substr(figure), "3 ")) << "row " << row + 1;
    if (row >= 3) {
      std::string lettering(text.substr(1, figure - 1));
      if (row == 11) {
        const std::size_t sign = lettering.find("ТМ");
        ASSERT_NE(sign, std::string::npos);
        EXPECT_GT(sign, lettering.rfind('S')) << "the sign stands between lettering and figure";
        lettering.erase(sign, std::string_view("ТМ").size());
      }
      EXPECT_TRUE(onlyOf(lettering, "S ")) << "row " << row + 1;
    }
  }
  EXPECT_EQ(kTitleBanner[19].find('3'), std::string_view::npos);
  EXPECT_EQ(countOf(std::string(kTitleBanner[11]), "ТМ"), 1u);
}

const std::string kMainMenu =
    lines({"", "\t\t Новая игра \t\t 1", "", "\t\t Загрузка игры \t\t 2", "", "\t\t Опции \t\t\t 3", "",
           "\t\t Авторы \t\t 4", "", "\t\t Обучение \t\t 5", "", "\t\t\t\t\t\t\t\t version 3"});

TEST(MainMenu, OtherChoicesClearTheScreenAndEnd) {
  for (const char* choice : {"6\n", "0\n", "-1\n", "menu\n", "70000\n"}) {
    MemoryConsole io(choice);
    Game game(io);
    mainMenu(game);
    EXPECT_EQ(io.output(), kMainMenu + kClear) << choice;
  }
}

TEST(MainMenu, EntriesThreeToFive) {
  struct Case {
    const char* input;
    std::string screen;
    // clang-format off
  } cases[] = {
      {"3\nk", lines({"Графика \t\t макс.", "Анимация \t\t макс.", "Текстуры \t\t макс.",
                      "Сглаживание \t\t макс.", "Звук \t\t\t стерео", "Фильтрация \t\t макс.", "",
                      "И чё дальше??? Жми ENTER"})},
      {"5\x1b[A", lines({"Выход-0"})},
  };
  // clang-format on
  for (const Case& c : cases) {
    MemoryConsole io(c.input);
    Game game(io);
    mainMenu(game);  // the "\n" after the number is the key press
    EXPECT_EQ(io.output(), kMainMenu + kClear + c.screen);
    io.waitKey();  // the byte (or held-back code) left over
    EXPECT_THROW(io.waitKey(), EndOfInput) << "the screen read nothing more";
  }
}

TEST(AuthorsScreen, EighteenEntriesEachEndedByAKey) {
  MemoryConsole io(std::string(17, 'k'));
  Game game(io);
  EXPECT_THROW(authorsScreen(game), EndOfInput) << "17 keys are not enough";
  const std::string& out = io.output();
  EXPECT_TRUE(out.starts_with(lines({"Автор идеи"})));
  EXPECT_NE(out.find(lines({"Создатель Windows", "\t не Ковальчук Артём"})), std::string::npos);

  MemoryConsole full(std::string(18, 'k'));
  Game game18(full);
  authorsScreen(game18);
  std::vector<std::string> rows;
  for (std::size_t at = 0; at < full.output().size();) {
    const std::size_t end = full.output().find('\n', at);
    rows.push_back(full.output().substr(at, end - at));
    at = end + 1;
  }
  ASSERT_EQ(rows.size(), 36u);
  for (std::size_t i = 1; i < rows.size(); i += 2) EXPECT_TRUE(rows[i].starts_with("\t ")) << rows[i];
  EXPECT_EQ(rows[32], "Уложился в бюджет -10$");
  EXPECT_EQ(rows[34], "Артём Ковальчук");
}

TEST(AuthorsScreen, AnArrowAdvancesTwoEntries) {
  MemoryConsole io(std::string(8, '\x1b') + "\x1b[A" + std::string(8, 'k'));
  Game game(io);
  authorsScreen(game);  // 8 + 2 + 8 waits
  EXPECT_THROW(io.waitKey(), EndOfInput);
}

}  // namespace
}  // namespace geekpath
