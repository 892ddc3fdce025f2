#include "day/victory.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "core/career.hpp"
#include "core/encoding.hpp"
#include "core/stated_number.hpp"
#include "day/cheat_codes.hpp"
#include "platform/platform.hpp"

namespace geekpath {
namespace {

// The victory conditions, tested in this order; the first that fails ends the test.
constexpr bool (*kVictoryConditions[])(const GameState&) = {
    [](const GameState& s) { return s.hackerLevel >= 6; },
    [](const GameState& s) { return s.reputation >= 15000; },
    [](const GameState& s) { return s.money >= 15000; },
    [](const GameState& s) { return s.job >= kBestJob; },  // entrepreneurship counts too
    [](const GameState& s) { return s.hugeClubs >= 1; },
    [](const GameState& s) { return s.gamesCompleted >= 15; },
    [](const GameState& s) { return s.cpuMhz >= 4300; },
    [](const GameState& s) { return s.gpuModel >= 9700; },
    [](const GameState& s) { return s.ramGb >= 7.0f; },
    [](const GameState& s) { return s.hddGb >= 1490; },
};

constexpr std::string_view kCongratulations[] = {
    "\t Поздравляем вас.Вы прошли игру",
    "\t Ваши результаты будут записаны,",
    "\t в папке с игрой под именем 'SCORES.txt'.",
    "\t Если вы желаете просмотреть пароли введите 1,для выхода 0",
};
constexpr std::int16_t kShowPasswords = 1;
static_assert(firstNumber(kCongratulations[std::size(kCongratulations) - 1]) == kShowPasswords);

// The word after the day count, by its last digit (the sign left aside).
std::string_view dayWord(std::int32_t day) {
  const int lastDigit = day % 10 < 0 ? -(day % 10) : day % 10;
  if (lastDigit == 1) return " день";
  if (lastDigit >= 2 && lastDigit <= 4) return " дня ";
  return " дней";
}

// A record begins with a line end, so that it starts on a line of its own whatever the
// file held before, and this indent before the nickname.
constexpr std::string_view kRecordIndent = "  \t";

// The whole record: labels in CP1251, the nickname as its CP866 bytes, the system's text
// line ends.
std::string scoreRecord(const GameState& s) {
  constexpr std::string_view eol = platform::kTextLineEnd;
  const auto nameEnd = std::find(s.playerName.begin(), s.playerName.end(), '\0');
  const std::string_view name(s.playerName.data(), static_cast<std::size_t>(nameEnd - s.playerName.begin()));
  std::string record(eol);
  record += kRecordIndent;
  record += name;
  record += eol;
  record += utf8ToCp1251("игра пройдена за ") + std::to_string(s.day) + utf8ToCp1251(dayWord(s.day));
  record += eol;
  record += utf8ToCp1251("наброно крутости ") + std::to_string(s.reputation);
  record += eol;
  record += utf8ToCp1251("Заработано денег ") + std::to_string(s.money);
  record += eol;
  record += utf8ToCp1251(" Набрано призовых очков ") + std::to_string(scorePoints(s));
  record += eol;
  return record;
}

}  // namespace

bool isVictory(const GameState& state) {
  return std::all_of(std::begin(kVictoryConditions), std::end(kVictoryConditions),
                     [&state](auto condition) { return condition(state); });
}

std::int64_t scorePoints(const GameState& state) {
  if (state.day == 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(state.money) * state.reputation;
  return product / (std::int64_t{4} * state.day);
}

void victoryScreen(Game& game) {
  ConsoleIo& io = game.io;
  io.clearScreen();
  for (const std::string_view line : kCongratulations) io.printLine(line);
  std::int16_t answer = 0;
  io.readNumber(answer);
  if (answer == kShowPasswords) passwordsScreen(game);
  appendScoreRecord(game);
  io.waitKey();
}

void passwordsScreen(Game& game) {
  game.io.clearScreen();
  printCheatCodeList(game.io, game.state);
  game.io.waitKey();
}

void appendScoreRecord(const Game& game) {
  platform::appendToFile(game.fileFolder, kScoreFileName, scoreRecord(game.state));
}

}  // namespace geekpath
