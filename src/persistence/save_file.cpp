#include "persistence/save_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <iterator>
#include <optional>
#include <system_error>

#include "core/console_io.hpp"
#include "core/decimal.hpp"

namespace geekpath {
namespace {

constexpr std::string_view kRecordEnd = ";\r\n";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A numeric record of the file and the field it holds, read and written at the field's
// own width. Exactly one of the three members is set.
struct NumberRecord {
  std::int32_t GameState::*wide = nullptr;
  std::int16_t GameState::*narrow = nullptr;
  float GameState::*real = nullptr;
};
constexpr NumberRecord wide(std::int32_t GameState::*field) { return {field, nullptr, nullptr}; }
constexpr NumberRecord narrow(std::int16_t GameState::*field) { return {nullptr, field, nullptr}; }
constexpr NumberRecord real(float GameState::*field) { return {nullptr, nullptr, field}; }

// Records 2 to 26, in the file's own order (the nickname is record 1). The order of the
// six extras is the file's and differs from the status panel's.
constexpr NumberRecord kNumberRecords[] = {
    wide(&GameState::day),
    wide(&GameState::money),
    wide(&GameState::reputation),
    wide(&GameState::cpuMhz),
    wide(&GameState::gpuModel),
    real(&GameState::ramGb),
    wide(&GameState::hddGb),
    narrow(&GameState::job),
    narrow(&GameState::hackerLevel),
    narrow(&GameState::gamesOwned),
    narrow(&GameState::gamesCompleted),
    narrow(&GameState::hasDvdRom),
    narrow(&GameState::hasModem),
    narrow(&GameState::hasTvOut),
    narrow(&GameState::hasWaterCooling),
    narrow(&GameState::hasSpeakers),
    narrow(&GameState::hasBigMonitor),
    narrow(&GameState::onlineHero1),
    narrow(&GameState::onlineHero2),
    wide(&GameState::smallClubs),
    wide(&GameState::mediumClubs),
    wide(&GameState::bigClubs),
    wide(&GameState::hugeClubs),
    wide(&GameState::siteLevel),
    wide(&GameState::pressLevel),
};
static_assert(std::size(kNumberRecords) == 25, "a save file holds 26 records");
// Day, money and reputation, the first three numbers, read as 0 when they cannot be read.
constexpr std::size_t kZeroedOnFailure = 3;

void readRecord(SaveReader& reader, GameState& state, const NumberRecord& record) {
  if (record.wide != nullptr) {
    reader.readNumber(state.*record.wide);
  } else if (record.narrow != nullptr) {
    reader.readNumber(state.*record.narrow);
  } else {
    reader.readReal(state.*record.real);
  }
}

std::string recordText(const GameState& state, const NumberRecord& record) {
  if (record.wide != nullptr) return std::to_string(state.*record.wide);
  if (record.narrow != nullptr) return std::to_string(state.*record.narrow);
  return formatReal(state.*record.real);
}

// Whether a decimal real that a float cannot hold lies below 1 in magnitude (so that it
// rounds to zero) rather than beyond the largest float. The token is well formed: sign,
// digits with an optional point, optional exponent with digits.
bool isBelowOne(std::string_view token) {
  std::size_t i = 0;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
  std::int64_t digitsBeforePoint = 0;
  std::int64_t digitIndex = 0;
  std::int64_t firstNonZero = -1;
  bool afterPoint = false;
  for (; i < token.size() && token[i] != 'e' && token[i] != 'E'; ++i) {
    if (token[i] == '.') {
      afterPoint = true;
      continue;
    }
    if (firstNonZero < 0 && token[i] != '0') firstNonZero = digitIndex;
    if (!afterPoint) ++digitsBeforePoint;
    ++digitIndex;
  }
  if (firstNonZero < 0) return true;
  // The mantissa lies below 10 to the power of this.
  const std::int64_t order = digitsBeforePoint - firstNonZero;
  std::int64_t exponent = 0;
  bool negativeExponent = false;
  if (i < token.size()) {
    ++i;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) negativeExponent = token[i++] == '-';
    constexpr std::int64_t kSaturated = 1'000'000'000;  // far beyond any float
    for (; i < token.size(); ++i) exponent = std::min(kSaturated, exponent * 10 + (token[i] - '0'));
  }
  return order + (negativeExponent ? -exponent : exponent) <= 0;
}

int openForReading(const std::string& path) {
  // Non-blocking, so that a FIFO in a slot's place cannot hang the game.
  return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Makes the rename itself durable. A failure here comes after the slot already holds the
// new game, so it is not reported.
void syncFolder(const Game& game) {
  const std::string folder = game.fileFolder.empty() ? std::string(".") : game.fileFolder;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
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
  std::string_view token = bytes_.substr(start, pos_ - start);
  const bool negative = token.front() == '-';
  if (token.front() == '+') token.remove_prefix(1);  // from_chars takes no plus sign

  float value = 0;
  const auto [end, error] =
      std::from_chars(token.data(), token.data() + token.size(), value, std::chars_format::general);
  if (error == std::errc() && end == token.data() + token.size()) {
    target = value;
    return true;
  }
  if (error == std::errc::result_out_of_range && isBelowOne(token)) {
    target = negative ? -0.0f : 0.0f;
    return true;
  }
  return fail();
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

void readSaveRecords(std::string_view bytes, GameState& state) {
  SaveReader reader(bytes);
  const std::string name = reader.readName();
  // A zero byte ends the nickname, and it keeps at most 15 bytes.
  const std::size_t kept = std::min({name.find('\0'), name.size(), state.playerName.size() - 1});
  state.playerName.fill(0);
  std::copy_n(name.begin(), kept, state.playerName.begin());

  for (std::size_t i = 0; i < kZeroedOnFailure; ++i) state.*kNumberRecords[i].wide = 0;
  for (std::size_t i = 0; i < std::size(kNumberRecords); ++i) {
    if (i > 0) reader.readSeparator();
    readRecord(reader, state, kNumberRecords[i]);
  }
  // The ";" and line end after the last record are left unread.
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
  std::string bytes;
  if (slot < 1 || slot > kSlotCount) return bytes;
  const int fd = openForReading(game.filePath(slotFileName(slot)));
  if (fd < 0) return bytes;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    char buffer[4096];
    while (bytes.size() < kMaxSaveFileBytes) {
      const std::size_t want = std::min(sizeof buffer, kMaxSaveFileBytes - bytes.size());
      const ssize_t n = ::read(fd, buffer, want);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      bytes.append(buffer, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  return bytes;
}

bool writeSaveFile(const Game& game, std::int32_t slot) {
  if (slot < 1 || slot > kSlotCount) return false;
  const std::string path = game.filePath(slotFileName(slot));
  const std::string temporary = path + ".tmp";
  const std::string bytes = saveFileBytes(game.state);

  ::unlink(temporary.c_str());  // the leftover of a save that was cut short, if any
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  if (written) written = ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!written) {
    ::unlink(temporary.c_str());
    return false;
  }
  syncFolder(game);
  return true;
}

void readSaveFile(Game& game, std::int32_t slot) { readSaveRecords(readSlotBytes(game, slot), game.state); }

}  // namespace geekpath
