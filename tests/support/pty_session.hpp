#pragma once
// The built game in a real pseudo-terminal, driven like a player at a keyboard: keys go
// in through the master side, the screen comes out of it, and the terminal's mode can be
// read from the slave side at any moment.

#include <sys/types.h>
#include <termios.h>

#include <string>
#include <string_view>
#include <vector>

namespace geekpath::testing {

struct PtyOptions {
  std::vector<std::string> environment = {"LC_ALL=C.UTF-8", "TERM=dumb"};
  std::string folder = "/tmp";
  // Standard output to a pipe read as the screen, instead of the terminal.
  bool outputToPipe = false;
};

class PtySession {
 public:
  using Options = PtyOptions;
  explicit PtySession(std::vector<std::string> environment)
      : PtySession(Options{.environment = std::move(environment)}) {}
  explicit PtySession(const Options& options = {});
  ~PtySession();
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  void send(std::string_view keys);
  // Reads the screen until what has come since the last mark contains text; false on
  // timeout. The mark then moves past the text.
  bool waitFor(std::string_view text, double seconds = 5);
  // Reads whatever arrives within the time.
  void drain(double seconds);
  [[nodiscard]] const std::string& screen() const { return screen_; }
  [[nodiscard]] std::string sinceMark() const { return screen_.substr(mark_); }

  // The terminal's mode as the slave side has it now, and as it was before the game.
  [[nodiscard]] termios mode() const;
  [[nodiscard]] const termios& initialMode() const { return initialMode_; }
  [[nodiscard]] pid_t pid() const { return pid_; }

  struct Exit {
    bool exited = false;
    int status = -1;
    int signal = 0;
    bool timedOut = false;
  };
  // Waits for the game to end, reading the screen meanwhile.
  Exit waitExit(double seconds = 5);
  // The game's process state as the kernel shows it ('S' sleeping, 'T' stopped, ...), and
  // a wait for one.
  [[nodiscard]] char gameState() const;
  bool waitState(char state, double seconds = 5);
  // The processor time the game has used so far.
  [[nodiscard]] double gameCpuSeconds() const;
  // Closes the master side: the terminal hangs up.
  void hangUp();
  // Whether the game is blocked in a write to the terminal right now.
  [[nodiscard]] bool gameInWrite() const;

 private:
  void readAvailable(int timeoutMs);

  int master_ = -1;
  int screenFd_ = -1;  // where the screen is read: the master side, or the output pipe
  int slave_ = -1;     // kept open so the mode can be read, and after a hang-up none
  pid_t shell_ = -1;
  pid_t pid_ = -1;  // the game
  termios initialMode_{};
  bool reaped_ = false;
  std::string screen_;
  std::size_t mark_ = 0;
};

// Whether two terminal modes are the same in every flag and control character.
bool sameMode(const termios& a, const termios& b);

}  // namespace geekpath::testing
