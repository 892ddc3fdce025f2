// The game in a real pseudo-terminal: what a player at a keyboard sees and what the
// terminal is left with.

#include <gtest/gtest.h>
#include <signal.h>

#include <string>

#include "support/files.hpp"
#include "support/pty_session.hpp"
#include "support/pty_walk.hpp"

namespace geekpath::testing {
namespace {

// The loading screen's line whole, with the tabs that lead it.
const std::string kLoadingLine = std::string("\t\t") + kLoading;

TEST(Terminal, KeysWithoutEchoArrowsAndCtrlCRestoresTheMode) {
  PtySession game;
  const termios before = game.initialMode();
  ASSERT_TRUE(game.waitFor(kLoadingLine)) << game.screen();
  EXPECT_FALSE(game.mode().c_lflag & ICANON) << "a key wait reads single keys";
  EXPECT_FALSE(game.mode().c_lflag & ECHO) << "a key wait does not echo";

  game.send("q");  // the key is not echoed
  ASSERT_TRUE(game.waitFor(kNamePrompt));
  EXPECT_EQ(game.screen().find('q'), std::string::npos);
  EXPECT_TRUE(sameMode(game.mode(), before)) << "the nickname is read in the normal mode";

  game.send("nick\n");  // the nickname is echoed by the terminal as usual
  ASSERT_TRUE(game.waitFor("Нажмите ENTER"));
  EXPECT_NE(game.screen().find("nick"), std::string::npos);

  // One arrow ends the picture's wait and the notices' wait: the banner follows.
  game.send("\x1b[A");
  ASSERT_TRUE(game.waitFor("ZAVEK GAMES")) << game.sinceMark();
  EXPECT_FALSE(game.mode().c_lflag & ICANON) << "waiting for the banner's key";

  game.send("\x03");  // Ctrl+C at the banner's key wait
  const PtySession::Exit exit = game.waitExit();
  EXPECT_EQ(exit.signal, SIGINT);
  EXPECT_TRUE(sameMode(game.mode(), before)) << "the terminal is back in the mode it had";
}

TEST(Terminal, ShowsUtf8CyrillicUnderAUtf8Locale) {
  PtySession game({"LC_ALL=C.UTF-8"});
  ASSERT_TRUE(game.waitFor("\t\tзагрузка... калi ласка, пачакайце!\r\n"));
  game.send("\n");
  ASSERT_TRUE(game.waitFor(kNamePrompt));
  game.send("\x04");  // end of input at the nickname read
  const PtySession::Exit exit = game.waitExit();
  EXPECT_TRUE(exit.exited);
  EXPECT_EQ(exit.status, 0);
}

TEST(Terminal, ACyrillicLetterAtAKeyWaitIsOneWholeKey) {
  // Both bytes of the letter arrive at once, as a terminal sends them: the key wait takes
  // them both, and the nickname typed next is saved as typed.
  const std::string folder = makeScratchFolder();
  PtySession game({.folder = folder});
  ASSERT_NO_FATAL_FAILURE(reachMainMenu(game, "д", "ab"));
  game.send("1\n");
  ASSERT_TRUE(game.waitFor("Выберите началрный бонус"));
  game.send("0\n");
  ASSERT_TRUE(game.waitFor("10.Сохранение"));
  game.send("10\n1\n");
  ASSERT_TRUE(game.waitFor("Успешно сохранено"));
  game.send("\x03");
  game.waitExit();
  EXPECT_EQ(readFile(folder + "/save1.sav").substr(0, 5), "ab;\r\n");
}

}  // namespace
}  // namespace geekpath::testing
