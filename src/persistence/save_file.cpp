#include "persistence/save_file.hpp"

#include <algorithm>
#include <iterator>
#include <optional>
#include <type_traits>
#include <variant>

#include "core/console_io.hpp"
#include "core/decimal.hpp"
#include "core/real_text.hpp"
#include "platform/platform.hpp"

namespace geekpath {
namespace {

constexpr std::string_view kRecordEnd = ";\r\n";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A numeric record of the file and the field it holds, read and written at the field's
// own width. The first three (day, money and reputation) read as 0 when they cannot be
// read; every other field then keeps its value.
using SavedField = std::variant<std::int32_t GameState::*, std::int16_t GameState::*, float GameState::*>;
struct NumberRecord {
  SavedField field;
  bool zeroWhenUnreadable = false;
};

// Records 2 to 26, in the file's own order (the nickname is record 1). The order of the
// six extras is the file's and differs from the status panel's.
constexpr NumberRecord kNumberRecords[] = {
    {.field = &GameState::day, .zeroWhenUnreadable = true},
    {.field = &GameState::money, .zeroWhenUnreadable = true},
    {.field = &GameState::reputation, .zeroWhenUnreadable = true},
    {.field = &GameState::cpuMhz},
    {.field = &GameState::gpuModel},
    {.field = &GameState::ramGb},
    {.field = &GameState::hddGb},
    {.field = &GameState::job},
    {.field = &GameState::hackerLevel},
    {.field = &GameState::gamesOwned},
    {.field = &GameState::gamesCompleted},
    {.field = &GameState::hasDvdRom},
    {.field = &GameState::hasModem},
    {.field = &GameState::hasTvOut},
    {.field = &GameState::hasWaterCooling},
    {.field = &GameState::hasSpeakers},
    {.field = &GameState::hasBigMonitor},
    {.field = &GameState::onlineHero1},
    {.field = &GameState::onlineHero2},
    {.field = &GameState::smallClubs},
    {.field = &GameState::mediumClubs},
    {.field = &GameState::bigClubs},
    {.field = &GameState::hugeClubs},
    {.field = &GameState::siteLevel},
    {.field = &GameState::pressLevel},
};
static_assert(std::size(kNumberRecords) == 25, "a save file holds 26 records");

void readRecord(SaveReader& reader, GameState& state, const NumberRecord& record) {
  std::visit(
      [&](auto member) {
        auto& field = state.*member;
        if (record.zeroWhenUnreadable) field = 0;
        if constexpr (std::is_same_v<std::remove_reference_t<decltype(field)>, float>) {
          reader.readReal(field);
        } else {
          reader.readNumber(field);
        }
      },
      record.field);
}

std::string recordText(const GameState& state, const NumberRecord& record) {
  return std::visit(
      [&](auto member) {
        const auto value = state.*member;
        if constexpr (std::is_same_v<decltype(value), const float>) {
          return formatReal(value);
        } else {
          return std::to_string(value);
        }
      },
      record.field);
}

}  // namespace

bool SaveReader::fail() {
  failed_ = true;
  return false;
}

bool SaveReader::skipToValue() {
  if (failed_) return false;
  while (pos_ < bytes_.size() && isWhiteSpace(bytes_[pos_])) ++pos_;
  if (pos_ == bytes_.size()) return fail();
  return true;
}

bool SaveReader::readSeparator() {
  if (!skipToValue()) return false;
  ++pos_;
  return true;
}

std::string SaveReader::readName() {
  std::string name;
  while (skipToValue()) {
    const char c = bytes_[pos_++];
    if (c == ';') break;
    name += c;
  }
  return name;
}

template <class Int>
bool SaveReader::readInteger(Int& target) {
  if (!skipToValue()) return false;
  const auto peek = [this] { return pos_ < bytes_.size() ? static_cast<unsigned char>(bytes_[pos_]) : -1; };
  const std::optional<Int> value = takeDecimal<Int>(peek, [this] { ++pos_; });
  if (!value) return fail();
  target = *value;
  return true;
}

bool SaveReader::readNumber(std::int16_t& target) { return readInteger(target); }
bool SaveReader::readNumber(std::int32_t& target) { return readInteger(target); }

bool SaveReader::readReal(float& target) {
  if (!skipToValue()) return false;
  const std::size_t start = pos_;
  const auto skipDigits = [this] {
    const std::size_t from = pos_;
    while (pos_ < bytes_.size() && isDigit(bytes_[pos_])) ++pos_;
    return pos_ - from;
  };
  if (bytes_[pos_] == '+' || bytes_[pos_] == '-') ++pos_;
  std::size_t mantissaDigits = skipDigits();
  if (pos_ < bytes_.size() && bytes_[pos_] == '.') {
    ++pos_;
    mantissaDigits += skipDigits();
  }
  if (mantissaDigits == 0) return fail();
  if (pos_ < bytes_.size() && (bytes_[pos_] == 'e' || bytes_[pos_] == 'E')) {
    ++pos_;
    if (pos_ < bytes_.size() && (bytes_[pos_] == '+' || bytes_[pos_] == '-')) ++pos_;
    if (skipDigits() == 0) return fail();
  }
  const std::optional<float> value = parseFloat(bytes_.substr(start, pos_ - start));
  if (!value) return fail();
  target = *value;
  return true;
}

SlotSummary readSlotSummary(std::string_view bytes) {
  SlotSummary summary;
  SaveReader reader(bytes);
  summary.name = reader.readName();
  reader.readNumber(summary.day);
  reader.readSeparator();
  reader.readNumber(summary.money);
  reader.readSeparator();
  reader.readNumber(summary.reputation);
  return summary;
}

bool readSaveRecords(std::string_view bytes, GameState& state) {
  SaveReader reader(bytes);
  const std::string name = reader.readName();
  // A zero byte ends the nickname, and it keeps at most 15 bytes.
  const std::size_t kept = std::min({name.find('\0'), name.size(), state.playerName.size() - 1});
  state.playerName.fill(0);
  std::copy_n(name.begin(), kept, state.playerName.begin());

  for (std::size_t i = 0; i < std::size(kNumberRecords); ++i) {
    if (i > 0) reader.readSeparator();
    readRecord(reader, state, kNumberRecords[i]);
  }
  // The ";" and line end after the last record are left unread.
  return !reader.failed() && name.size() < state.playerName.size();
}

bool isSaveFile(std::string_view bytes) {
  GameState scratch;
  return readSaveRecords(bytes, scratch);
}

std::string saveFileBytes(const GameState& state) {
  std::string bytes;
  for (const char c : state.playerName) {
    if (c == '\0') break;
    if (!isWhiteSpace(c) && c != ';') bytes += c;
  }
  bytes += kRecordEnd;
  for (const NumberRecord& record : kNumberRecords) {
    bytes += recordText(state, record);
    bytes += kRecordEnd;
  }
  return bytes;
}

std::string slotFileName(std::int32_t slot) { return "save" + std::to_string(slot) + ".sav"; }

std::string readSlotBytes(const Game& game, std::int32_t slot) {
  if (slot < 1 || slot > kSlotCount) return {};
  return platform::readFileHead(game.fileFolder, slotFileName(slot), kMaxSaveFileBytes);
}

bool writeSaveFile(const Game& game, std::int32_t slot) {
  if (slot < 1 || slot > kSlotCount) return false;
  return platform::replaceFile(game.fileFolder, slotFileName(slot), saveFileBytes(game.state));
}

void readSaveFile(Game& game, std::int32_t slot) { readSaveRecords(readSlotBytes(game, slot), game.state); }

}  // namespace geekpath
