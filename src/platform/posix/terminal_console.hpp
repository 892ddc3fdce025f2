#pragma once
// The real console on POSIX: standard input and output of the process, and the terminal
// when standard input is one. All termios and signal handling of the program lives here.

#include <termios.h>

#include "core/console_device.hpp"

namespace geekpath {

class TerminalDevice final : public ConsoleDevice {
 public:
  TerminalDevice();
  ~TerminalDevice() override;
  TerminalDevice(const TerminalDevice&) = delete;
  TerminalDevice& operator=(const TerminalDevice&) = delete;

  std::size_t readInput(char* buffer, std::size_t size) override;
  [[nodiscard]] bool hasKeyboard() const override { return terminal_; }
  void beginKeyWait() override;
  void endKeyWait() override;
  KeyboardRead readKeyboard(int timeoutMs, std::string& keys) override;
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
