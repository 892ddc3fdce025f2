#include "support/game_run.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifndef GEEKPATH_BINARY
#error "GEEKPATH_BINARY must name the built game"
#endif

namespace geekpath::testing {

std::string startUpInput(std::string_view nickname) {
  return "\n" + std::string(nickname) + "\n\n\n\n";
}

std::string afterMainMenu(const std::string& output) {
  const std::string versionLine = "\t\t\t\t\t\t\t\t version 3\n";
  const std::size_t at = output.find(versionLine);
  if (at == std::string::npos) return {};
  return output.substr(at + versionLine.size());
}

GameRun runGame(std::string_view input, const RunOptions& options) {
  GameRun run;
  run.folder = options.folder.empty() ? makeScratchFolder() : options.folder;

  int toGame[2];
  int fromGame[2];
  if (pipe(toGame) != 0 || pipe(fromGame) != 0) throw std::runtime_error("pipe failed");

  std::vector<std::string> environment = options.environment;
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);

  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    dup2(toGame[0], STDIN_FILENO);
    dup2(fromGame[1], STDOUT_FILENO);
    close(toGame[0]);
    close(toGame[1]);
    close(fromGame[0]);
    close(fromGame[1]);
    if (chdir(run.folder.c_str()) != 0) _exit(127);
    char* argv[] = {const_cast<char*>(GEEKPATH_BINARY), nullptr};
    execve(GEEKPATH_BINARY, argv, envp.data());
    _exit(127);
  }
  close(toGame[0]);
  close(fromGame[1]);
  signal(SIGPIPE, SIG_IGN);
  fcntl(toGame[1], F_SETFL, fcntl(toGame[1], F_GETFL) | O_NONBLOCK);

  std::size_t written = 0;
  bool inputOpen = true;
  if (input.empty()) {
    close(toGame[1]);
    inputOpen = false;
  }
  const auto deadline = start + std::chrono::duration<double>(options.timeoutSeconds);
  char buffer[65536];
  for (;;) {
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) {
      kill(pid, SIGKILL);
      run.timedOut = true;
      break;
    }
    const int waitMs = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count()) + 1;
    pollfd fds[2] = {{fromGame[0], POLLIN, 0}, {inputOpen ? toGame[1] : -1, POLLOUT, 0}};
    if (poll(fds, 2, waitMs) < 0 && errno != EINTR) break;
    if (fds[1].revents & (POLLOUT | POLLERR | POLLHUP)) {
      const ssize_t n = write(toGame[1], input.data() + written, input.size() - written);
      if (n > 0) written += static_cast<std::size_t>(n);
      if (n < 0 && errno != EAGAIN) written = input.size();
      if (written == input.size()) {
        close(toGame[1]);
        inputOpen = false;
      }
    }
    if (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) {
      const ssize_t n = read(fromGame[0], buffer, sizeof buffer);
      if (n <= 0) break;
      run.output.append(buffer, static_cast<std::size_t>(n));
    }
  }
  if (inputOpen) close(toGame[1]);
  close(fromGame[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
  return run;
}

}  // namespace geekpath::testing
