// Plays a long game of geekpath through pipes and measures what it costs.
//
// 1. A player that answers every prompt the moment the game waits for it (lock-step:
//    one answer in flight at a time), choosing shops, games, jobs, lottery, hacking,
//    website, online games, saves and rest days in turn, until the day number passes
//    the target. Its answers are recorded. The game's read and write system calls are
//    counted by the kernel (/proc/<pid>/io, read before the finished game is reaped).
// 2. The recorded answers replayed as one script into the game's standard input, its
//    output drained from a pipe: the same game again, timed, with its peak memory.
// 3. `cat` writing the same output bytes into the same kind of pipe: the floor.
// 4. The time from start to the main-menu prompt, over many runs.
// 5. Given a second build of the game (the WebAssembly game's Node.js runner, say), the
//    same recorded scripts and the start-up timed through it as well, against the first.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

struct Child {
  pid_t pid = -1;
  int in = -1;   // the child's standard input
  int out = -1;  // the child's standard output
};

Child spawn(const std::vector<std::string>& argv, const std::string& folder) {
  int toChild[2], fromChild[2];
  if (pipe(toChild) != 0 || pipe(fromChild) != 0) throw std::runtime_error("pipe");
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    dup2(toChild[0], 0);
    dup2(fromChild[1], 1);
    close(toChild[0]), close(toChild[1]), close(fromChild[0]), close(fromChild[1]);
    if (chdir(folder.c_str()) != 0) _exit(127);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    char locale[] = "LC_ALL=C";
    char* envp[] = {locale, nullptr};
    execve(args[0], args.data(), envp);
    _exit(127);
  }
  close(toChild[0]);
  close(fromChild[1]);
  return {pid, toChild[1], fromChild[0]};
}

void writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw std::runtime_error("write to the game failed");
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

struct Finished {
  long readCalls = -1;
  long writeCalls = -1;
  long peakKiB = 0;
  int status = -1;
};

// Waits for the child to end, reads its system-call counts while it is a zombie, then
// reaps it with its resource usage.
Finished finish(pid_t pid) {
  Finished f;
  siginfo_t info{};
  waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT);
  std::ifstream io("/proc/" + std::to_string(pid) + "/io");
  for (std::string key; io >> key;) {
    long value = 0;
    io >> value;
    if (key == "syscr:") f.readCalls = value;
    if (key == "syscw:") f.writeCalls = value;
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  f.peakKiB = usage.ru_maxrss;
  f.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return f;
}

// ---------------------------------------------------------------- the player

const std::string_view kDayMenuEnd = "10.Сохранение \t\t\t 10\n";
const std::string_view kEventHeader = "\t\tСобытие\n";
const std::string_view kPressPrompt = "Что-бы согласиться приехать введите 1, иначе 0.\n";
const std::string_view kWebsitePrompt = "Для подтверждения введите 1.\n";
const std::string_view kCreatePrompt = "Создать персонажа\t\t 1\n";
const std::string_view kCharacterMenu = "Битва с монстрами \t\t 3\n";
const std::string_view kDefeat = "Вы проиграли.У вас огромные долги\n";
const std::string_view kVictory = "для выхода 0\n";

struct Panel {
  long day = 0;
  long money = 0;
  long reputation = 0;
  bool lottery = false;
  bool website = false;
  bool online = false;
};

long numberAfter(const std::string& text, std::string_view marker, std::size_t from) {
  const std::size_t at = text.find(marker, from);
  if (at == std::string::npos) return 0;
  return std::strtol(text.c_str() + at + marker.size(), nullptr, 10);
}

Panel readPanel(const std::string& screen) {
  Panel p;
  const std::size_t top = screen.rfind("Процессор:\t\t|\t деньги:\n");
  if (top == std::string::npos) return p;
  p.money = numberAfter(screen, "Mhz\t\t|\t ", top);
  p.day = numberAfter(screen, "\t|\t ", screen.find("день:", top));
  p.reputation = numberAfter(screen, "GB\t\t|\t ", top);
  p.lottery = screen.find("5.Лотерея", top) != std::string::npos;
  p.website = screen.find("7.Сайт", top) != std::string::npos;
  p.online = screen.find("9.Онлайн игра", top) != std::string::npos;
  return p;
}

// The day's answer, chosen in turn from a fixed round of activities, and whether it
// leaves its last line feed in the game's input: a screen that ends with a key wait takes
// it, one that does not leaves it for the next read (or the next event's key wait).
struct Answer {
  std::string text;
  bool leavesLineFeed;
};

bool gSaves = true;  // whether the round of activities includes saving

Answer dayAction(const Panel& p, bool eventDay, long turn, long& saves) {
  const auto n = [](long value) { return std::to_string(value) + "\n"; };
  // Enough money for the worst day (the taxes take the day number), never near overflow.
  if (p.money < 15000 + 2 * p.day) return {"30517\n", true};
  // An event may have taken all the money since the panel was shown: on event days only
  // the activities that never spend more than there is.
  if (eventDay && turn % 16 != 4 && turn % 16 != 8) turn = turn / 16 * 16 + turn % 2 * 3;
  switch (turn % 16) {
    case 0: return {"1\n" + n(1 + turn / 16 % 5) + n(1 + turn / 80 % 6), true};
    case 1: return {"2\n" + n(1 + turn / 16 % 16), true};
    case 2: return {"4\n" + n(1 + turn / 16 % 16), false};
    case 3: return {"3\n" + n(1 + turn / 16 % 7), false};
    case 4:
      if (p.lottery) return {"5\n3\n", false};
      return {"8\n", true};
    case 5: return {"6\n" + n(1 + turn / 16 % 6), false};
    case 6:
      // An event may cut the reputation before the choice is made: ask only with a margin.
      if (p.website && p.reputation >= 3000) return {"7\n", false};
      return {"8\n", true};
    case 7:
      if (p.online) return {"9\n" + n(1 + turn / 16 % 2), false};
      return {"8\n", true};
    case 8:
      if (gSaves && ++saves % 8 == 0) return {"10\n" + n(1 + saves / 8 % 5), false};
      return {"8\n", true};
    case 9: return {"1\n5\n" + n(1 + turn / 16 % 6), true};
    case 10: return {"4\n" + n(1 + turn / 16 % 16), false};
    case 11: return {"99\n", true};
    default: return {"8\n", true};
  }
}

struct PlayResult {
  std::string script;
  std::size_t outputBytes = 0;
  long days = 0;
  long passes = 0;
  double seconds = 0;
  Finished finished;
};

PlayResult play(const std::string& game, const std::string& folder, long targetDays, const std::string& outputPath) {
  PlayResult result;
  std::ofstream output(outputPath, std::ios::binary);
  const auto start = Clock::now();
  Child child = spawn({game}, folder);
  const auto send = [&](const std::string& answer) {
    result.script += answer;
    writeAll(child.in, answer);
  };
  send("\nbench\n\n\n\n1\n1\n");

  std::string screen;  // the output since the last answer
  std::string previous;
  long turn = 0, saves = 0, presses = 0, characters = 0;
  bool quitting = false;
  bool lineFeedLeft = true;  // the one after the starting bonus
  bool declinePress = false;
  char buffer[1 << 16];
  for (;;) {
    pollfd fd{child.out, POLLIN, 0};
    if (poll(&fd, 1, 10000) == 0) {
      std::fprintf(stderr, "the game is stuck; it last wrote:\n%s\nthe last answers were:\n%s\n",
                   screen.substr(screen.size() > 400 ? screen.size() - 400 : 0).c_str(),
                   result.script.substr(result.script.size() > 60 ? result.script.size() - 60 : 0).c_str());
      kill(child.pid, SIGKILL);
      std::exit(1);
    }
    const ssize_t n = read(child.out, buffer, sizeof buffer);
    if (n <= 0) break;
    output.write(buffer, n);
    result.outputBytes += static_cast<std::size_t>(n);
    screen.append(buffer, static_cast<std::size_t>(n));
    if (quitting) continue;

    const auto endsWith = [&](std::string_view tail) { return std::string_view(screen).ends_with(tail); };
    std::string answer;
    // On an event day the game waits for two keys under the menu; a line feed left in
    // its input answers the first, and it then waits after the event's message.
    const bool eventDay = screen.find(std::string(kDayMenuEnd) + std::string(kEventHeader)) != std::string::npos;
    if (endsWith(kDayMenuEnd) || (eventDay && endsWith("\n"))) {
      const Panel p = readPanel(screen);
      ++result.passes;
      result.days = p.day;
      const std::string keys = !eventDay ? "" : lineFeedLeft ? "\n" : "\n\n";
      if (p.day >= targetDays) {
        answer = keys + "0\n1\n";
        quitting = true;
      } else {
        const Answer action = dayAction(p, eventDay, turn++, saves);
        declinePress = eventDay;
        answer = keys + action.text;
        lineFeedLeft = action.leavesLineFeed;
      }
    } else if (endsWith(kPressPrompt)) {
      answer = !declinePress && ++presses % 2 ? "1\n" : "0\n";
    } else if (endsWith(kWebsitePrompt) || endsWith(kCreatePrompt)) {
      answer = "1\n";
    } else if (endsWith(kCharacterMenu)) {
      answer = std::to_string(1 + ++characters % 3) + "\n";
    } else if (endsWith(kDefeat) || endsWith(kVictory)) {
      std::fprintf(stderr, "the long game ended early on day %ld:\n%s\n%s\nanswers: %s\n", result.days,
                   previous.c_str(), screen.c_str(), result.script.substr(result.script.size() - 40).c_str());
      std::exit(1);
    } else {
      continue;  // the rest of the screen is still coming
    }
    previous = screen;
    screen.clear();
    send(answer);
  }
  close(child.in);
  close(child.out);
  result.finished = finish(child.pid);
  result.seconds = secondsSince(start);
  return result;
}

// Runs a command with the script (or nothing) on its input and its output drained.
struct Drained {
  double seconds = 0;
  std::size_t bytes = 0;
  Finished finished;
};

Drained drain(const std::vector<std::string>& argv, const std::string& folder, const std::string& input) {
  Drained d;
  const auto start = Clock::now();
  Child child = spawn(argv, folder);
  fcntl(child.in, F_SETFL, fcntl(child.in, F_GETFL) | O_NONBLOCK);
  std::size_t sent = 0;
  if (input.empty()) close(child.in), child.in = -1;
  char buffer[1 << 16];
  for (;;) {
    pollfd fds[2] = {{child.out, POLLIN, 0}, {child.in, POLLOUT, 0}};
    poll(fds, child.in >= 0 ? 2 : 1, -1);
    if (child.in >= 0 && (fds[1].revents & (POLLOUT | POLLERR))) {
      const ssize_t n = write(child.in, input.data() + sent, input.size() - sent);
      if (n > 0) sent += static_cast<std::size_t>(n);
      if (n < 0 && errno != EAGAIN) sent = input.size();
      if (sent == input.size()) close(child.in), child.in = -1;
    }
    if (fds[0].revents & (POLLIN | POLLHUP)) {
      const ssize_t n = read(child.out, buffer, sizeof buffer);
      if (n <= 0) break;
      d.bytes += static_cast<std::size_t>(n);
    }
  }
  if (child.in >= 0) close(child.in);
  close(child.out);
  d.finished = finish(child.pid);
  d.seconds = secondsSince(start);
  return d;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The median time of several runs of the same drain (each game in an emptied folder).
Drained medianDrain(const std::vector<std::string>& argv, const std::string& folder, const std::string& input) {
  std::vector<Drained> runs;
  for (int i = 0; i < 7; ++i) {
    for (int slot = 1; slot <= 5; ++slot) unlink((folder + "/save" + std::to_string(slot) + ".sav").c_str());
    runs.push_back(drain(argv, folder, input));
  }
  std::sort(runs.begin(), runs.end(), [](const Drained& a, const Drained& b) { return a.seconds < b.seconds; });
  return runs[runs.size() / 2];
}

double startUpSeconds(const std::string& game, const std::string& folder) {
  const auto start = Clock::now();
  Child child = spawn({game}, folder);
  writeAll(child.in, "\nbench\n\n\n\n");
  std::string out;
  char buffer[1 << 16];
  double seconds = -1;
  for (;;) {
    const ssize_t n = read(child.out, buffer, sizeof buffer);
    if (n <= 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
    if (out.ends_with(" version 3\n")) {
      seconds = secondsSince(start);
      break;
    }
  }
  close(child.in);  // the end of input ends the game at the main menu
  close(child.out);
  finish(child.pid);
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s GAME FOLDER [DAYS [OTHER_GAME]]\n", argv[0]);
    return 2;
  }
  signal(SIGPIPE, SIG_IGN);
  const std::string game = argv[1];
  const std::string folder = argv[2];
  const long targetDays = argc > 3 ? std::atol(argv[3]) : 20000;
  const std::string outputPath = folder + "/output.bin";

  // Each game in a folder of its own, so both start with no save files.
  const std::string playFolder = folder + "/play", replayFolder = folder + "/replay";
  mkdir(playFolder.c_str(), 0700);
  mkdir(replayFolder.c_str(), 0700);
  const PlayResult played = play(game, playFolder, targetDays, outputPath);
  std::ofstream(folder + "/script.txt", std::ios::binary) << played.script;
  const Drained replay = medianDrain({game}, replayFolder, played.script);
  const Drained cat = medianDrain({"/bin/cat", outputPath}, folder, "");
  // The same long game without saves: what the output costs when no file is synced.
  gSaves = false;
  const std::string quietPlayFolder = folder + "/play-no-saves", quietReplayFolder = folder + "/replay-no-saves";
  mkdir(quietPlayFolder.c_str(), 0700);
  mkdir(quietReplayFolder.c_str(), 0700);
  const std::string quietOutputPath = folder + "/output-no-saves.bin";
  const PlayResult quiet = play(game, quietPlayFolder, targetDays, quietOutputPath);
  std::ofstream(folder + "/script-no-saves.txt", std::ios::binary) << quiet.script;
  const Drained quietReplay = medianDrain({game}, quietReplayFolder, quiet.script);
  const Drained quietCat = medianDrain({"/bin/cat", quietOutputPath}, folder, "");

  std::vector<double> startUps;
  for (int i = 0; i < 50; ++i) startUps.push_back(startUpSeconds(game, folder));

  std::printf("long game:          %ld days in %ld passes, %zu output bytes, %zu input bytes\n", played.days,
              played.passes, played.outputBytes, played.script.size());
  std::printf("replay matches:     %s\n", replay.bytes == played.outputBytes ? "yes (same output length)" : "NO");
  std::printf("lock-step play:     %.3f s, %.0f days/s (answer by answer, as a player)\n", played.seconds,
              static_cast<double>(played.days) / played.seconds);
  std::printf("  system calls:     %ld reads, %ld writes: %.3f writes per blocking read\n", played.finished.readCalls,
              played.finished.writeCalls,
              static_cast<double>(played.finished.writeCalls) / static_cast<double>(played.finished.readCalls));
  std::printf("scripted replay:    %.3f s (median of 7), %.0f days/s, peak resident memory %ld KiB\n", replay.seconds,
              static_cast<double>(played.days) / replay.seconds, replay.finished.peakKiB);
  std::printf("cat floor:          %.3f s (median of 7) for the same bytes: the game takes %.2fx\n", cat.seconds,
              replay.seconds / cat.seconds);
  std::printf("without saves:      replay %.3f s, %.0f days/s; cat floor %.3f s: the game takes %.2fx\n",
              quietReplay.seconds, static_cast<double>(quiet.days) / quietReplay.seconds, quietCat.seconds,
              quietReplay.seconds / quietCat.seconds);
  std::printf("start-up to menu:   %.2f ms (median of %zu runs)\n", median(startUps) * 1000, startUps.size());
  if (argc <= 4) return played.finished.status == 0 && replay.finished.status == 0 ? 0 : 1;

  const std::string other = argv[4];
  const Drained otherReplay = medianDrain({other}, replayFolder, played.script);
  const Drained otherQuiet = medianDrain({other}, quietReplayFolder, quiet.script);
  std::vector<double> otherStartUps;
  for (int i = 0; i < 15; ++i) otherStartUps.push_back(startUpSeconds(other, folder));
  const double otherStartUp = median(otherStartUps);
  std::printf("%s, the same scripts:\n", other.c_str());
  std::printf("  replay matches:   %s\n",
              otherReplay.bytes == played.outputBytes && otherQuiet.bytes == quiet.outputBytes
                  ? "yes (same output lengths)"
                  : "NO");
  std::printf("  start-up to menu: %.1f ms (median of %zu runs)\n", otherStartUp * 1000, otherStartUps.size());
  std::printf("  with saves:       %.3f s (median of 7), peak resident memory %ld KiB: %.1fx the first game\n",
              otherReplay.seconds, otherReplay.finished.peakKiB, otherReplay.seconds / replay.seconds);
  std::printf("  without saves:    %.3f s (median of 7): %.1fx the first game; less the start-up %.3f s: %.1fx\n",
              otherQuiet.seconds, otherQuiet.seconds / quietReplay.seconds, otherQuiet.seconds - otherStartUp,
              (otherQuiet.seconds - otherStartUp) / quietReplay.seconds);
  return played.finished.status == 0 && replay.finished.status == 0 && otherReplay.finished.status == 0 ? 0 : 1;
}
