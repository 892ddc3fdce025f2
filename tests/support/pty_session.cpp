#include "support/pty_session.hpp"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

namespace geekpath::testing {

namespace {
using Clock = std::chrono::steady_clock;

int millisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left < 0 ? 0 : static_cast<int>(left);
}
}  // namespace

PtySession::PtySession(const Options& options) {
  if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
  std::vector<std::string> environment = options.environment;
  const std::string& folder = options.folder;
  int outputPipe[2] = {-1, -1};
  if (options.outputToPipe && pipe(outputPipe) != 0) throw std::runtime_error("pipe failed");
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  tcgetattr(slave_, &initialMode_);

  // The child stands in for a shell: it leads the terminal's session and runs the game
  // as the foreground job in a process group of its own, as job control does, so that
  // Ctrl+Z can stop the game. It passes the game's pid up and mirrors its exit.
  int pidPipe[2];
  if (pipe(pidPipe) != 0) throw std::runtime_error("pipe failed");
  shell_ = fork();
  if (shell_ < 0) throw std::runtime_error("fork failed");
  if (shell_ == 0) {
    setsid();
    ioctl(slave_, TIOCSCTTY, 0);
    close(master_);
    close(pidPipe[0]);
    signal(SIGHUP, SIG_IGN);
    signal(SIGTTOU, SIG_IGN);
    const pid_t game = fork();
    if (game == 0) {
      // The game takes the terminal itself too, before it can run: otherwise its first
      // change of the terminal's mode could come before the shell's tcsetpgrp below and
      // stop it with SIGTTOU, as a background job (job control does both for that reason).
      setpgid(0, 0);
      tcsetpgrp(slave_, getpid());
      dup2(slave_, STDIN_FILENO);
      dup2(options.outputToPipe ? outputPipe[1] : slave_, STDOUT_FILENO);
      if (options.outputToPipe) {
        close(outputPipe[0]);
        close(outputPipe[1]);
      }
      dup2(slave_, STDERR_FILENO);
      close(slave_);
      close(pidPipe[1]);
      for (const int s : {SIGHUP, SIGTTOU, SIGINT, SIGTSTP}) signal(s, SIG_DFL);
      if (chdir(folder.c_str()) != 0) _exit(127);
      char* argv[] = {const_cast<char*>(GEEKPATH_BINARY), nullptr};
      execve(GEEKPATH_BINARY, argv, envp.data());
      _exit(127);
    }
    setpgid(game, game);
    tcsetpgrp(slave_, game);
    [[maybe_unused]] const ssize_t sent = write(pidPipe[1], &game, sizeof game);
    close(pidPipe[1]);
    close(slave_);
    for (;;) {
      int status = 0;
      if (waitpid(game, &status, 0) != game) _exit(126);
      if (WIFEXITED(status)) _exit(WEXITSTATUS(status));
      if (WIFSIGNALED(status)) _exit(128 + WTERMSIG(status));
    }
  }
  close(pidPipe[1]);
  if (read(pidPipe[0], &pid_, sizeof pid_) != static_cast<ssize_t>(sizeof pid_)) pid_ = -1;
  close(pidPipe[0]);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  screenFd_ = master_;
  if (options.outputToPipe) {
    close(outputPipe[1]);
    screenFd_ = outputPipe[0];
    fcntl(screenFd_, F_SETFL, fcntl(screenFd_, F_GETFL) | O_NONBLOCK);
  }
}

PtySession::~PtySession() {
  if (!reaped_ && shell_ > 0) {
    if (pid_ > 0) kill(pid_, SIGKILL);
    kill(shell_, SIGKILL);
    waitpid(shell_, nullptr, 0);
  }
  if (screenFd_ >= 0 && screenFd_ != master_) close(screenFd_);
  if (master_ >= 0) close(master_);
  if (slave_ >= 0) close(slave_);
}

void PtySession::send(std::string_view keys) {
  while (!keys.empty()) {
    const ssize_t n = write(master_, keys.data(), keys.size());
    if (n > 0) {
      keys.remove_prefix(static_cast<std::size_t>(n));
    } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
      return;
    }
  }
}

void PtySession::readAvailable(int timeoutMs) {
  if (screenFd_ < 0) return;
  pollfd fd = {screenFd_, POLLIN, 0};
  if (poll(&fd, 1, timeoutMs) <= 0) return;
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(screenFd_, buffer, sizeof buffer);
    if (n <= 0) return;
    screen_.append(buffer, static_cast<std::size_t>(n));
  }
}

bool PtySession::waitFor(std::string_view text, double seconds) {
  const Clock::time_point deadline =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  for (;;) {
    const std::size_t at = screen_.find(text, mark_);
    if (at != std::string::npos) {
      mark_ = at + text.size();
      return true;
    }
    if (Clock::now() >= deadline) return false;
    readAvailable(std::min(millisecondsLeft(deadline), 50));
  }
}

void PtySession::drain(double seconds) {
  const Clock::time_point deadline =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  while (Clock::now() < deadline) readAvailable(std::min(millisecondsLeft(deadline), 20));
}

termios PtySession::mode() const {
  termios t{};
  tcgetattr(slave_, &t);
  return t;
}

PtySession::Exit PtySession::waitExit(double seconds) {
  Exit result;
  const Clock::time_point deadline =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(shell_, &status, WNOHANG);
    if (done == shell_) {
      reaped_ = true;
      readAvailable(0);
      const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 126;
      result.exited = code < 128;
      if (result.exited) result.status = code;
      if (code >= 128) result.signal = code - 128;
      return result;
    }
    if (Clock::now() >= deadline) {
      result.timedOut = true;
      return result;
    }
    readAvailable(10);
  }
}

char PtySession::gameState() const {
  std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const std::size_t close = text.rfind(')');
  return close == std::string::npos || close + 2 >= text.size() ? '?' : text[close + 2];
}

bool PtySession::waitState(char state, double seconds) {
  const Clock::time_point deadline =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  for (;;) {
    if (gameState() == state) return true;
    if (Clock::now() >= deadline) return false;
    readAvailable(10);
  }
}

double PtySession::gameCpuSeconds() const {
  std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  long ticks = 0;
  for (int i = 3; fields >> field; ++i) {
    if (i == 14 || i == 15) ticks += std::stol(field);  // user and system time
  }
  return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void PtySession::hangUp() {
  if (screenFd_ == master_) screenFd_ = -1;
  close(master_);
  master_ = -1;
  close(slave_);
  slave_ = -1;
}

bool sameMode(const termios& a, const termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag && a.c_lflag == b.c_lflag &&
         std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

bool PtySession::gameInWrite() const {
  // The first field of /proc/<pid>/syscall is the number of the call the process is in.
  std::ifstream in("/proc/" + std::to_string(pid_) + "/syscall");
  long number = -1;
  in >> number;
  return number == SYS_write;
}

}  // namespace geekpath::testing
