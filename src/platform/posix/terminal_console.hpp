#pragma once
// The real console on POSIX: standard input and output of the process, and the terminal
// when standard input is one. All termios and signal handling of the program lives here.

#include <termios.h>

#include "core/console_io.hpp"

namespace geekpath {

class TerminalConsole final : public StreamConsole {
 public:
  // Takes the terminal's encoding from the codeset of the locale.
  explicit TerminalConsole(TextCodec codec);
  ~TerminalConsole() override;
  TerminalConsole(const TerminalConsole&) = delete;
  TerminalConsole& operator=(const TerminalConsole&) = delete;

 protected:
  std::size_t readInput(char* buffer, std::size_t size) override;
  [[nodiscard]] bool hasKeyboard() const override { return terminal_; }
  void beginKeyWait() override;
  void endKeyWait() override;
  int readKeyboard(int timeoutMs) override;
  void writeOutput(std::string_view bytes) override;

 private:
  // Waits until fd is ready (or timeoutMs passes); acts on signals that arrive meanwhile.
  // Returns false on timeout.
  bool waitReady(int fd, short events, int timeoutMs);
  // Acts on the signals noted since the last call. It never throws, so that it can run
  // in the middle of a write: a hang-up is only remembered, and the next read ends the
  // input.
  void handleSignals();
  void enterKeyMode();
  void leaveKeyMode();

  bool terminal_ = false;
  bool inKeyWait_ = false;
  bool hungUp_ = false;
  termios cookedMode_{};
};

}  // namespace geekpath
