#include "platform/posix/terminal_console.hpp"

#include <fcntl.h>
#include <langinfo.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <iterator>

#include "platform/platform.hpp"
#include "platform/posix/file_handle.hpp"

namespace geekpath {
namespace {

using platform::posix::ignoreResult;

// Signal handlers only note the signal in a pipe (and, for the signals that end the
// program, put the terminal back at once); the device acts on the note when it next
// waits or writes. The output needs no flush then: it is flushed before every wait for
// input, and a write under way finishes after a stop or ends with the program.
int gSignalPipe[2] = {-1, -1};
volatile std::sig_atomic_t gKeyModeActive = 0;
termios gCookedMode{};

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGQUIT};
constexpr int kNotedSignals[] = {SIGINT, SIGTERM, SIGQUIT, SIGHUP, SIGTSTP, SIGCONT};

extern "C" void noteSignal(int signalNumber) {
  const int savedErrno = errno;
  for (const int ending : kEndingSignals) {
    if (signalNumber == ending && gKeyModeActive) tcsetattr(STDIN_FILENO, TCSANOW, &gCookedMode);
  }
  const unsigned char note = static_cast<unsigned char>(signalNumber);
  ignoreResult(write(gSignalPipe[1], &note, 1));
  errno = savedErrno;
}

void installHandler(int signalNumber) {
  struct sigaction action {};
  action.sa_handler = noteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a blocked read or write returns to look at the note
  sigaction(signalNumber, &action, nullptr);
}

// A crash, or a kill with the signal of one, must not leave the terminal in key mode
// either. The handler puts the terminal back and then lets the signal end the program
// as it would have without the handler: by the signal's default action, with its core
// dump. Where another handler had the signal first (a sanitizer's), that one takes it
// over after the terminal is back.
constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
struct sigaction gBeforeCrash[std::size(kCrashSignals)] = {};
bool gCrashHandlersSet = false;

extern "C" void restoreAndCrash(int signalNumber, siginfo_t* info, void* context) {
  // Only async-signal-safe calls here: the program may have stopped anywhere.
  if (gKeyModeActive) tcsetattr(STDIN_FILENO, TCSANOW, &gCookedMode);
  for (std::size_t i = 0; i < std::size(kCrashSignals); ++i) {
    const struct sigaction& before = gBeforeCrash[i];
    if (kCrashSignals[i] != signalNumber || before.sa_handler == SIG_DFL || before.sa_handler == SIG_IGN) continue;
    if ((before.sa_flags & SA_SIGINFO) != 0) {
      before.sa_sigaction(signalNumber, info, context);
    } else {
      before.sa_handler(signalNumber);
    }
    return;
  }
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  sigemptyset(&byDefault.sa_mask);
  sigaction(signalNumber, &byDefault, nullptr);
  // A fault of an instruction (a positive code: the kernel's own) needs nothing more: the
  // instruction runs again as the handler returns, faults again and now ends the program
  // there, with the fault's own address and registers in the core. A signal sent by a
  // process (kill, raise, abort) is sent again: it is held while the handler runs and
  // ends the program as the handler returns.
  if (info->si_code <= 0) raise(signalNumber);
}

// Only for a terminal: without one there is no mode to put back. A signal ignored from
// the start stays ignored.
void setUpCrashSignals() {
  if (gCrashHandlersSet) return;
  gCrashHandlersSet = true;
  for (std::size_t i = 0; i < std::size(kCrashSignals); ++i) {
    struct sigaction& before = gBeforeCrash[i];
    if (sigaction(kCrashSignals[i], nullptr, &before) != 0 || before.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_sigaction = restoreAndCrash;
    sigemptyset(&action.sa_mask);
    // Run where the handler before ran: a sanitizer reports a stack overflow from a
    // stack of its own.
    action.sa_flags = SA_SIGINFO | (before.sa_flags & (SA_ONSTACK | SA_NODEFER));
    sigaction(kCrashSignals[i], &action, nullptr);
  }
}

void setUpSignals() {
  if (gSignalPipe[0] < 0 && pipe(gSignalPipe) == 0) {
    for (const int fd : gSignalPipe) {
      fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
      fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
  }
  std::signal(SIGPIPE, SIG_IGN);
  for (const int signalNumber : kNotedSignals) installHandler(signalNumber);
}

}  // namespace

TerminalDevice::TerminalDevice() {
  terminal_ = isatty(STDIN_FILENO) == 1 && tcgetattr(STDIN_FILENO, &cookedMode_) == 0;
  gCookedMode = cookedMode_;
  setUpSignals();
  if (terminal_) setUpCrashSignals();
}

TerminalDevice::~TerminalDevice() { leaveKeyMode(); }

void TerminalDevice::enterKeyMode() {
  if (!terminal_) return;
  termios raw = cookedMode_;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  gKeyModeActive = 1;
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);
}

void TerminalDevice::leaveKeyMode() {
  if (!terminal_ || !gKeyModeActive) return;
  tcsetattr(STDIN_FILENO, TCSANOW, &cookedMode_);
  gKeyModeActive = 0;
}

void TerminalDevice::beginKeyWait() {
  // The mode the player's terminal has now is the one every way out restores.
  if (terminal_ && tcgetattr(STDIN_FILENO, &cookedMode_) == 0) gCookedMode = cookedMode_;
  inKeyWait_ = true;
  enterKeyMode();
}

void TerminalDevice::endKeyWait() {
  inKeyWait_ = false;
  leaveKeyMode();
}

void TerminalDevice::handleSignals() {
  unsigned char note = 0;
  while (read(gSignalPipe[0], &note, 1) == 1) {
    const int signalNumber = note;
    if (signalNumber == SIGHUP) {
      // The terminal is gone: the next read ends the game as at the end of input.
      leaveKeyMode();
      hungUp_ = true;
      continue;
    }
    if (signalNumber == SIGTSTP) {
      // Stop with the terminal in its normal mode; on resume take the key mode again.
      leaveKeyMode();
      std::signal(SIGTSTP, SIG_DFL);
      raise(SIGTSTP);
      installHandler(SIGTSTP);
      if (inKeyWait_) enterKeyMode();
      continue;
    }
    if (signalNumber == SIGCONT) {
      if (inKeyWait_) enterKeyMode();
      continue;
    }
    // SIGINT, SIGTERM, SIGQUIT: leave the terminal as it was and die of the signal.
    leaveKeyMode();
    std::signal(signalNumber, SIG_DFL);
    raise(signalNumber);
  }
}

bool TerminalDevice::waitReady(int fd, short events, int timeoutMs) {
  for (;;) {
    pollfd fds[2] = {{fd, events, 0}, {gSignalPipe[0], POLLIN, 0}};
    const int ready = poll(fds, gSignalPipe[0] >= 0 ? 2 : 1, timeoutMs);
    if (ready < 0 && errno != EINTR) return true;  // let the read or write report it
    if (ready < 0 || (fds[1].revents & POLLIN) != 0) handleSignals();
    if (hungUp_ && (events & POLLIN) != 0) return true;  // a hang-up ends every wait for input
    if (ready == 0) return false;
    if (ready > 0 && fds[0].revents != 0) return true;
  }
}

std::size_t TerminalDevice::readInput(char* buffer, std::size_t size) {
  for (;;) {
    if (hungUp_) return 0;
    waitReady(STDIN_FILENO, POLLIN, -1);
    if (hungUp_) return 0;
    const ssize_t got = read(STDIN_FILENO, buffer, size);
    if (got > 0) return static_cast<std::size_t>(got);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    return 0;  // end of input, a hang-up or a read error all end the input
  }
}

// One byte a read: what is typed after the key stays in the terminal for whichever read
// comes next, a number read among them. The bytes of one character arrive together, so
// the read of each after the first finds it there at once.
ConsoleDevice::KeyboardRead TerminalDevice::readKeyboard(int timeoutMs, std::string& keys) {
  for (;;) {
    if (hungUp_) return KeyboardRead::Ended;
    const bool ready = waitReady(STDIN_FILENO, POLLIN, timeoutMs);
    if (hungUp_) return KeyboardRead::Ended;
    if (!ready) return KeyboardRead::TimedOut;
    char byte = 0;
    const ssize_t got = read(STDIN_FILENO, &byte, 1);
    if (got == 1) {
      keys += byte;
      return KeyboardRead::Bytes;
    }
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    return KeyboardRead::Ended;
  }
}

void TerminalDevice::writeOutput(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (written > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(written));
    } else if (written < 0 && errno == EINTR) {
      handleSignals();
    } else if (written < 0 && errno == EAGAIN) {
      waitReady(STDOUT_FILENO, POLLOUT, -1);
    } else {
      return;  // a closed pipe or a full disk: the output is lost, the game goes on
    }
  }
}

namespace platform {

std::unique_ptr<ConsoleIo> openConsole() {
  std::setlocale(LC_CTYPE, "");
  const TextCodec codec = TextCodec::forCodeset(nl_langinfo(CODESET), openForeignCodeset);
  return std::make_unique<ConsoleIo>(std::make_unique<TerminalDevice>(), codec, codec);
}

}  // namespace platform
}  // namespace geekpath
