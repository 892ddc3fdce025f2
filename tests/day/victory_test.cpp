// Victory: the ten conditions, the passwords screen, the score record (its bytes, day
// words and points) and the victory that follows the all-in-one cheat code.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/memory_console.hpp"
#include "day/day_loop.hpp"
#include "day/victory.hpp"
#include "platform/platform.hpp"
#include "support/files.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::countOf;
using testing::kClear;
using testing::lines;

const std::string kCongratulations = lines({
    "\t Поздравляем вас.Вы прошли игру",
    "\t Ваши результаты будут записаны,",
    "\t в папке с игрой под именем 'SCORES.txt'.",
    "\t Если вы желаете просмотреть пароли введите 1,для выхода 0",
});

const std::string kMoneyCodes = lines({
    "30517.+20000 денег",
    "4619.дополнительная заработная плата",
    "4637.лучший процессор и оперативная память",
});
const std::string kReputationCodes = lines({"5843.дополнительная крутость", "5861.лучший винтчестер и видеократа"});
const std::string kLastCode = lines({"4673.игра пройденa"});

// Every victory condition met, each at its bar.
GameState winner() {
  GameState s;
  s.hackerLevel = 6;
  s.reputation = 15000;
  s.money = 15000;
  s.job = 7;
  s.hugeClubs = 1;
  s.gamesCompleted = 15;
  s.cpuMhz = 4400;
  s.gpuModel = 9800;
  s.ramGb = 8.0f;
  s.hddGb = 1500;
  return s;
}

void setName(GameState& s, std::string_view cp866) {
  s.playerName.fill(0);
  std::copy(cp866.begin(), cp866.end(), s.playerName.begin());
}

// A scratch folder of the test's own, removed with everything in it afterwards.
struct ScratchFolder {
  std::string path = testing::makeScratchFolder();
  ScratchFolder() = default;
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

std::string rawScoresIn(const std::string& folder) { return testing::readFile(folder + "/SCORES.txt"); }

// The score file with the system's text line ends (CR LF on Windows) read as LF, so that
// the expected records serve every system; rawScoresIn checks the line ends themselves.
std::string scoresIn(const std::string& folder) {
  const std::string text = rawScoresIn(folder);
  const std::string_view lineEnd = platform::kTextLineEnd;
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    if (text.compare(at, lineEnd.size(), lineEnd) == 0) {
      out += '\n';
      at += lineEnd.size();
    } else {
      out += text[at++];
    }
  }
  return out;
}

// The text with each LF made the system's text line end.
std::string withTextLineEnds(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') {
      out += platform::kTextLineEnd;
    } else {
      out += c;
    }
  }
  return out;
}

TEST(Victory, EveryConditionIsNeeded) {
  struct Case {
    const char* title;
    std::function<void(GameState&)> change;
    bool wins;
  };
  const Case cases[] = {
      {"all at the bar", [](GameState&) {}, true},
      {"entrepreneur with a huge club", [](GameState& s) { s.job = 10; }, true},
      {"memory exactly 7", [](GameState& s) { s.ramGb = 7.0f; }, true},
      {"hacker level 5", [](GameState& s) { s.hackerLevel = 5; }, false},
      {"reputation 14999", [](GameState& s) { s.reputation = 14999; }, false},
      {"money 14999", [](GameState& s) { s.money = 14999; }, false},
      {"job 6", [](GameState& s) { s.job = 6; }, false},
      {"no job", [](GameState& s) { s.job = 0; }, false},
      {"no huge club", [](GameState& s) { s.hugeClubs = 0; }, false},
      {"14 games", [](GameState& s) { s.gamesCompleted = 14; }, false},
      {"processor 3600", [](GameState& s) { s.cpuMhz = 3600; }, false},
      {"processor 4300", [](GameState& s) { s.cpuMhz = 4300; }, true},
      {"video card 8800", [](GameState& s) { s.gpuModel = 8800; }, false},
      {"memory 6.99", [](GameState& s) { s.ramGb = 6.99f; }, false},
      {"memory 4", [](GameState& s) { s.ramGb = 4.0f; }, false},
      {"disk 800", [](GameState& s) { s.hddGb = 800; }, false},
      {"disk 1490", [](GameState& s) { s.hddGb = 1490; }, true},
  };
  for (const Case& c : cases) {
    GameState s = winner();
    c.change(s);
    EXPECT_EQ(isVictory(s), c.wins) << c.title;
  }
  EXPECT_FALSE(isVictory(GameState{}));
}

TEST(Victory, ScoreRecordBytes) {
  // Labels in CP1251, the nickname "ник" as its CP866 bytes, the system's text line ends.
  const ScratchFolder scratch;
  const std::string& folder = scratch.path;
  MemoryConsole io("");
  Game game(io, folder);
  game.state = winner();
  setName(game.state, "\xAD\xA8\xAA");
  game.state.day = 21;
  game.state.money = 20000;
  game.state.reputation = 16000;
  appendScoreRecord(game);
  EXPECT_EQ(rawScoresIn(folder),
            withTextLineEnds(
                "\n"
                "  \t\xAD\xA8\xAA\n"
                "\xE8\xE3\xF0\xE0 \xEF\xF0\xEE\xE9\xE4\xE5\xED\xE0 \xE7\xE0 21 \xE4\xE5\xED\xFC\n"
                "\xED\xE0\xE1\xF0\xEE\xED\xEE \xEA\xF0\xF3\xF2\xEE\xF1\xF2\xE8 16000\n"
                "\xC7\xE0\xF0\xE0\xE1\xEE\xF2\xE0\xED\xEE \xE4\xE5\xED\xE5\xE3 20000\n"
                " \xCD\xE0\xE1\xF0\xE0\xED\xEE \xEF\xF0\xE8\xE7\xEE\xE2\xFB\xF5 \xEE\xF7\xEA\xEE\xE2 3809523\n"));
  EXPECT_EQ(io.output(), "");
}

TEST(Victory, DayWordByTheLastDigit) {
  struct Case {
    std::int32_t day;
    std::string_view word;  // CP1251
  };
  const std::string_view day = " \xE4\xE5\xED\xFC";
  const std::string_view days234 = " \xE4\xED\xFF ";
  const std::string_view daysMany = " \xE4\xED\xE5\xE9";
  // clang-format off
  const Case cases[] = {
      {21, day},      {1, day},       {11, day},      {23, days234}, {12, days234},   {4, days234},
      {15, daysMany}, {10, daysMany}, {19, daysMany}, {-21, day},    {-3, days234},   {0, daysMany},
  };
  // clang-format on
  const std::string label = "\xE8\xE3\xF0\xE0 \xEF\xF0\xEE\xE9\xE4\xE5\xED\xE0 \xE7\xE0 ";
  for (const Case& c : cases) {
    const ScratchFolder scratch;
    const std::string& folder = scratch.path;
    MemoryConsole io("");
    Game game(io, folder);
    game.state = winner();
    game.state.day = c.day;
    appendScoreRecord(game);
    const std::string expectedLine = label + std::to_string(c.day) + std::string(c.word) + "\n";
    EXPECT_EQ(countOf(scoresIn(folder), expectedLine), 1u) << "day " << c.day;
  }
}

TEST(Victory, ScorePointsInSixtyFourBits) {
  struct Case {
    std::int32_t money;
    std::int32_t reputation;
    std::int32_t day;
    std::int64_t points;
  };
  const Case cases[] = {
      {20000, 20000, 100, 1'000'000},
      {2'000'000'000, 2'000'000'000, 1, 1'000'000'000'000'000'000},
      {2'000'000'000, 15000, 3, 2'500'000'000'000},
      {-100'000, 100'000, 3, -833'333'333},  // truncated toward zero
      {INT32_MIN, INT32_MIN, -1, -(std::int64_t{1} << 60)},
      {20000, 20000, 0, 0},  // no division by zero
  };
  for (const Case& c : cases) {
    GameState s;
    s.money = c.money;
    s.reputation = c.reputation;
    s.day = c.day;
    EXPECT_EQ(scorePoints(s), c.points) << c.money << " " << c.reputation << " " << c.day;
  }
}

TEST(Victory, PointsBeyondThirtyTwoBitsAreWrittenInFull) {
  const ScratchFolder scratch;
  const std::string& folder = scratch.path;
  MemoryConsole io("");
  Game game(io, folder);
  game.state = winner();
  game.state.money = 2'000'000'000;
  game.state.reputation = 2'000'000'000;
  game.state.day = 1;
  appendScoreRecord(game);
  EXPECT_EQ(countOf(scoresIn(folder), " 1000000000000000000\n"), 1u);
}

TEST(Victory, TwoVictoriesLeaveTwoRecords) {
  const ScratchFolder scratch;
  const std::string& folder = scratch.path;
  std::string records[2];
  for (int run = 0; run < 2; ++run) {
    MemoryConsole io("0\n");
    Game game(io, folder);
    game.state = winner();
    setName(game.state, run == 0 ? "first" : "second");
    game.state.day = 100 + run;
    victoryScreen(game);
    records[run] = scoresIn(folder);
  }
  ASSERT_FALSE(records[0].empty());
  EXPECT_EQ(records[0].substr(0, 10), "\n  \tfirst\n");
  EXPECT_EQ(records[1].substr(0, records[0].size()), records[0]);
  EXPECT_EQ(records[1].substr(records[0].size(), 11), "\n  \tsecond\n");
  EXPECT_EQ(countOf(records[1], "\n\n"), 1u);  // the empty line before the second record
  EXPECT_EQ(countOf(records[1], "\n"), 12u);
}

// A console device whose keyboard notes, at every key wait, whether the score file exists
// yet; every key wait takes a key.
class WatchingKeyboard final : public ConsoleDevice {
 public:
  WatchingKeyboard(std::string input, std::string scores) : input_(std::move(input)), scores_(std::move(scores)) {}
  std::size_t readInput(char* buffer, std::size_t size) override {
    const std::size_t n = input_.copy(buffer, size);
    input_.erase(0, n);
    return n;
  }
  [[nodiscard]] bool hasKeyboard() const override { return true; }
  void beginKeyWait() override { fileAtKeyWait.push_back(testing::fileExists(scores_)); }
  KeyboardRead readKeyboard(int /*timeoutMs*/, std::string& keys) override {
    keys += 'k';
    return KeyboardRead::WholeKeys;
  }
  void writeOutput(std::string_view bytes) override { output.append(bytes); }
  std::vector<bool> fileAtKeyWait;
  std::string output;

 private:
  std::string input_;
  std::string scores_;
};

TEST(Victory, PasswordsComeBeforeTheRecord) {
  const ScratchFolder scratch;
  const std::string& folder = scratch.path;
  auto keyboard = std::make_unique<WatchingKeyboard>("1\n", folder + "/SCORES.txt");
  const WatchingKeyboard& watched = *keyboard;
  ConsoleIo io(std::move(keyboard), TextCodec::utf8(), TextCodec::utf8());
  Game game(io, folder);
  game.state = winner();
  victoryScreen(game);
  io.flush();
  EXPECT_EQ(watched.output, kClear + kCongratulations + kClear + kMoneyCodes + kReputationCodes + kLastCode);
  EXPECT_EQ(watched.fileAtKeyWait, (std::vector<bool>{false, true}));
}

TEST(Victory, AnyOtherAnswerWritesTheRecordWithoutTheCodes) {
  for (const char* answer : {"0\n", "2\n", "x\n"}) {
    const ScratchFolder scratch;
    const std::string& folder = scratch.path;
    auto keyboard = std::make_unique<WatchingKeyboard>(answer, folder + "/SCORES.txt");
    const WatchingKeyboard& watched = *keyboard;
    ConsoleIo io(std::move(keyboard), TextCodec::utf8(), TextCodec::utf8());
    Game game(io, folder);
    game.state = winner();
    victoryScreen(game);
    io.flush();
    EXPECT_EQ(watched.output, kClear + kCongratulations) << answer;
    EXPECT_EQ(watched.fileAtKeyWait, (std::vector<bool>{true})) << answer;
  }
}

TEST(Victory, PasswordLinesByMoneyAndReputation) {
  struct Case {
    std::int32_t money;
    std::int32_t reputation;
    std::string shown;
  };
  const Case cases[] = {
      {12000, 0, kMoneyCodes},
      {11999, 12000, kReputationCodes},
      {13499, 20000, kMoneyCodes + kReputationCodes},
      {13500, 12999, kMoneyCodes + kReputationCodes},
      {13500, 13000, kMoneyCodes + kReputationCodes + kLastCode},
      {0, 0, ""},
  };
  for (const Case& c : cases) {
    MemoryConsole io("\n");
    Game game(io);
    game.state.money = c.money;
    game.state.reputation = c.reputation;
    passwordsScreen(game);
    EXPECT_EQ(io.output(), kClear + c.shown) << c.money << " " << c.reputation;
  }
}

TEST(Victory, UnopenableScoreFileWritesAndShowsNothing) {
  const ScratchFolder scratch;
  const std::string folder = scratch.path + "/missing";
  MemoryConsole io("0\n");
  Game game(io, folder);
  game.state = winner();
  victoryScreen(game);
  EXPECT_EQ(io.output(), kClear + kCongratulations);
  EXPECT_FALSE(testing::fileExists(folder));
}

TEST(Victory, ExistingRecordsStay) {
  const ScratchFolder scratch;
  const std::string& folder = scratch.path;
  testing::writeFile(folder + "/SCORES.txt", "older\n");
  MemoryConsole io("");
  Game game(io, folder);
  game.state = winner();
  appendScoreRecord(game);
  EXPECT_EQ(scoresIn(folder).substr(0, 9), "older\n\n  ");
}

TEST(Victory, AllInOneCheatCodeWinsAtTheTopOfTheNextDay) {
  // No bonus; the code on day 1; the victory screen on day 2 with no panel before it.
  const ScratchFolder scratch;
  const std::string& folder = scratch.path;
  MemoryConsole io("0\n4673\n0\n");
  Game game(io, folder);
  setName(game.state, "nick");
  game.state.pressLevel = 7;  // no invitation in between
  runDayLoop(game);
  const std::string& out = io.output();
  EXPECT_EQ(countOf(out, "Процессор:\t\t|\t деньги:\n"), 1u);
  const std::string menuEnd = "10.Сохранение \t\t\t 10\n";
  const std::size_t at = out.find(menuEnd);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(out.substr(at + menuEnd.size()), kClear + kCongratulations);
  EXPECT_EQ(game.state.day, 2);
  const std::string scores = scoresIn(folder);
  EXPECT_EQ(countOf(scores, " 20010\n"), 1u);     // the cheat's 20000 and a day's pay
  EXPECT_EQ(countOf(scores, " 50025000\n"), 1u);  // 20010 x 20000 / 8
}

TEST(Victory, WinnerAtTheFirstPassSeesNoPanel) {
  const ScratchFolder scratch;
  const std::string& folder = scratch.path;
  MemoryConsole io("0\n0\n");
  Game game(io, folder);
  game.state = winner();
  runDayLoop(game);
  EXPECT_EQ(countOf(io.output(), "Процессор:"), 0u);
  EXPECT_TRUE(testing::fileExists(folder + "/SCORES.txt"));
}

}  // namespace
}  // namespace geekpath
