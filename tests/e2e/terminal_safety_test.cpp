// The terminal is never left in the game's key mode, whatever ends or interrupts the
// game: signals at a key wait (a crash's included) and at a number read, Ctrl+Z and fg,
// a hang-up; and keys typed ahead reach the reads in order.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/files.hpp"
#include "support/pty_session.hpp"
#include "support/pty_walk.hpp"

namespace geekpath::testing {
namespace {

const char* kDayMenuEnd = "10.Сохранение";

bool inKeyMode(const termios& t) { return !(t.c_lflag & ICANON) && !(t.c_lflag & ECHO); }

TEST(TerminalSafety, SignalsAtAKeyWaitLeaveTheModeAsItWas) {
  struct Case {
    const char* what;
    void (*interrupt)(PtySession&);
    int signal;
  } cases[] = {
      {"Ctrl+C", [](PtySession& g) { g.send("\x03"); }, SIGINT},
      {"SIGTERM", [](PtySession& g) { kill(g.pid(), SIGTERM); }, SIGTERM},
      {"Ctrl+\\", [](PtySession& g) { g.send("\x1c"); }, SIGQUIT},
  };
  for (const Case& c : cases) {
    PtySession game;
    ASSERT_TRUE(game.waitFor(kLoading)) << c.what;
    ASSERT_TRUE(inKeyMode(game.mode())) << c.what;
    c.interrupt(game);
    const PtySession::Exit exit = game.waitExit();
    EXPECT_EQ(exit.signal, c.signal) << c.what;
    EXPECT_TRUE(sameMode(game.mode(), game.initialMode())) << c.what;
  }
}

// Core dumps off for the games started meanwhile, which inherit the limit.
class NoCoreDumps {
 public:
  NoCoreDumps() {
    getrlimit(RLIMIT_CORE, &saved_);
    rlimit none = saved_;
    none.rlim_cur = 0;
    setrlimit(RLIMIT_CORE, &none);
  }
  ~NoCoreDumps() { setrlimit(RLIMIT_CORE, &saved_); }
  NoCoreDumps(const NoCoreDumps&) = delete;
  NoCoreDumps& operator=(const NoCoreDumps&) = delete;

 private:
  rlimit saved_{};
};

TEST(TerminalSafety, CrashSignalsAtAKeyWaitLeaveTheModeAsItWasAndStillKill) {
  const NoCoreDumps noCoreDumps;
  // The sanitizers' own handlers for three of these report and exit with a status; off
  // here, so that every build dies of the signal itself.
  const std::vector<std::string> environment = {"LC_ALL=C.UTF-8", "TERM=dumb",
                                                "ASAN_OPTIONS=handle_segv=0:handle_sigbus=0:handle_sigfpe=0"};
  for (const int crash : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT}) {
    PtySession game(environment);
    ASSERT_TRUE(game.waitFor(kLoading)) << strsignal(crash);
    ASSERT_TRUE(inKeyMode(game.mode())) << strsignal(crash);
    kill(game.pid(), crash);
    const PtySession::Exit exit = game.waitExit();
    EXPECT_EQ(exit.signal, crash) << strsignal(crash);
    EXPECT_TRUE(sameMode(game.mode(), game.initialMode())) << strsignal(crash);
  }
}

TEST(TerminalSafety, SignalsAtANumberReadLeaveTheModeAsItWas) {
  for (const bool terminate : {false, true}) {
    PtySession game;
    reachMainMenu(game);
    if (terminate) {
      kill(game.pid(), SIGTERM);
    } else {
      game.send("12");  // half a number typed, then Ctrl+C
      game.send("\x03");
    }
    const PtySession::Exit exit = game.waitExit();
    EXPECT_EQ(exit.signal, terminate ? SIGTERM : SIGINT);
    EXPECT_TRUE(sameMode(game.mode(), game.initialMode()));
  }
}

TEST(TerminalSafety, CtrlZStopsInTheNormalModeAndTheKeyWaitResumes) {
  PtySession game;
  ASSERT_TRUE(game.waitFor(kLoading));
  game.send("\x1a");
  ASSERT_TRUE(game.waitState('T')) << "Ctrl+Z stops the game";
  EXPECT_TRUE(sameMode(game.mode(), game.initialMode())) << "the terminal is normal while the game is stopped";

  kill(game.pid(), SIGCONT);  // fg
  ASSERT_TRUE(game.waitState('S'));
  game.drain(0.1);
  EXPECT_TRUE(inKeyMode(game.mode())) << "back in the key wait";
  game.send("k");
  ASSERT_TRUE(game.waitFor(kNamePrompt)) << "the key wait took the key";
  EXPECT_EQ(game.screen().find('k'), std::string::npos) << "without echo";

  // Stopped again at a number read, continued, and the read goes on.
  game.send("\x1a");
  ASSERT_TRUE(game.waitState('T'));
  kill(game.pid(), SIGCONT);
  ASSERT_TRUE(game.waitState('S'));
  game.send("nick\n");
  ASSERT_TRUE(game.waitFor("Нажмите ENTER"));
  game.send("\x03");
  game.waitExit();
  EXPECT_TRUE(sameMode(game.mode(), game.initialMode()));
}

TEST(TerminalSafety, HangUpEndsTheGameAtOnceWithStatusZero) {
  for (const bool atKeyWait : {true, false}) {
    PtySession game;
    if (atKeyWait) {
      ASSERT_TRUE(game.waitFor(kLoading));
    } else {
      reachMainMenu(game);
    }
    game.hangUp();
    const PtySession::Exit exit = game.waitExit(2);
    ASSERT_FALSE(exit.timedOut) << (atKeyWait ? "key wait" : "number read");
    EXPECT_TRUE(exit.exited);
    EXPECT_EQ(exit.status, 0);
  }
}

TEST(TerminalSafety, HangUpDuringAWriteLosesNoOutput) {
  // A slot whose nickname record is 300000 bytes long: the load screen's summary of it
  // is far more than the output pipe holds unread, so the game blocks in a write, and
  // the hang-up comes then.
  const std::string folder = makeScratchFolder();
  const std::string name(300'000, 'a');
  writeFile(folder + "/save1.sav", name + ";\r\n1;\r\n2;\r\n3;\r\n");
  PtySession game({.folder = folder, .outputToPipe = true});
  reachMainMenu(game);
  game.send("2\n");
  // The first signal cuts the blocked write short after the bytes it took; the second
  // finds the next write blocked before any byte, so that the write fails outright.
  for (int signals = 0; signals < 2; ++signals) {
    bool blocked = false;
    for (int i = 0; i < 500 && !blocked; ++i) {
      blocked = game.gameInWrite() && game.gameState() == 'S';
      if (!blocked) usleep(10'000);
    }
    ASSERT_TRUE(blocked);
    kill(game.pid(), SIGHUP);
    usleep(50'000);
  }
  const PtySession::Exit exit = game.waitExit();
  EXPECT_TRUE(exit.exited);
  EXPECT_EQ(exit.status, 0);
  // Everything printed goes out whole, and the game ends at its next read.
  const std::string expectedEnd = "пользователь:" + name + "\nДень:1\nДеньги:2\nКрутость:3\n" +
                                  "\t\t\tСлот 2\nпользователь:\nДень:0\nДеньги:0\nКрутость:0\n";
  EXPECT_NE(game.screen().find(expectedEnd), std::string::npos);
  EXPECT_TRUE(game.screen().ends_with("Выберите слот для загрузки:\n"));
}

TEST(TerminalSafety, KeysTypedAheadAreTakenInOrder) {
  PtySession game;
  ASSERT_TRUE(game.waitFor(kLoading));
  game.send("\n");
  ASSERT_TRUE(game.waitFor(kNamePrompt));
  game.send("nick\n");
  ASSERT_TRUE(game.waitFor("Нажмите ENTER"));
  // Three keys for the three waits of the picture, the notices and the banner, and the
  // main-menu choice, all typed at once; then a new game without bonus.
  game.send("\n\n\n1\n");
  ASSERT_TRUE(game.waitFor("Выберите началрный бонус"));
  game.send("0\n");
  ASSERT_TRUE(game.waitFor(kDayMenuEnd));
  // Two rest days and a quit typed ahead in one go: each number read takes its own.
  game.send("8\n8\n0\n1\n");
  const PtySession::Exit exit = game.waitExit();
  EXPECT_TRUE(exit.exited);
  EXPECT_EQ(exit.status, 0);
  EXPECT_NE(game.screen().find("\tGeforce3600\t|\t 3 "), std::string::npos) << "day 3 was reached";
  EXPECT_NE(game.screen().find("Вы уверены"), std::string::npos);
  EXPECT_TRUE(sameMode(game.mode(), game.initialMode()));
}

TEST(TerminalSafety, AWaitingGameUsesNoProcessorTime) {
  PtySession game;
  reachMainMenu(game);
  const double before = game.gameCpuSeconds();
  game.drain(0.5);
  EXPECT_LT(game.gameCpuSeconds() - before, 0.05);
  game.send("\x04");  // Ctrl+D: the end of input at the number read
  const PtySession::Exit exit = game.waitExit();
  EXPECT_EQ(exit.status, 0);
}

}  // namespace
}  // namespace geekpath::testing
