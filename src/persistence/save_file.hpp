#pragma once
// The save files: five slots, "save1.sav" to "save5.sav", each a text file of 26 records
// (the nickname, then 25 numbers), every record followed by ";" and CR LF.
//
// One reader, SaveReader, works on the file's bytes in memory; the slot summary and the
// load both use it, and so can a test or the fuzzer on bytes of their own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/game.hpp"

namespace geekpath {

inline constexpr std::int32_t kSlotCount = 5;
// Only this much of a slot file is read; what lies beyond reads as the end of the file.
// A file the game writes is a few hundred bytes.
inline constexpr std::size_t kMaxSaveFileBytes = 1 << 20;

// Formatted reads over the bytes of a save file. Every read first skips white space
// (space, tab, LF, CR, vertical tab, form feed). A read that meets the end of the bytes,
// finds no valid value, or a value that does not fit its target fails and leaves the
// target as it was; from then on every read fails.
class SaveReader {
 public:
  explicit SaveReader(std::string_view bytes) : bytes_(bytes) {}

  // One byte: the ";" after a number, whatever byte stands there.
  bool readSeparator();
  // The nickname record: the bytes read one at a time up to the first ";", which is
  // consumed and not kept. At the end of the bytes it gives what it read and fails.
  std::string readName();
  // A signed decimal integer of the target's width: an optional sign and digits.
  bool readNumber(std::int16_t& target);
  bool readNumber(std::int32_t& target);
  // A decimal real (sign, digits, optional fraction, optional exponent), rounded to the
  // nearest float; a value too large for a float fails, one too small becomes zero.
  bool readReal(float& target);

  [[nodiscard]] bool failed() const { return failed_; }

 private:
  // Skips white space and reports whether a byte follows; fails the reader when not.
  bool skipToValue();
  bool fail();
  template <class Int>
  bool readInteger(Int& target);

  std::string_view bytes_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

// What the slot summary shows of a file: the nickname bytes as read (any length), and
// the day, money and reputation, 0 where they cannot be read.
struct SlotSummary {
  std::string name;
  std::int32_t day = 0;
  std::int32_t money = 0;
  std::int32_t reputation = 0;
};
[[nodiscard]] SlotSummary readSlotSummary(std::string_view bytes);

// Reads the 26 records into the state: the nickname (its first 15 bytes, up to a zero
// byte), then the numbers. Day, money and reputation become 0 when they cannot be read;
// every other field keeps its value from the first record that cannot be read on.
// True when the file read whole: all 26 records, and a nickname that fit.
bool readSaveRecords(std::string_view bytes, GameState& state);
// Whether the bytes read whole as a save file: all 26 records, the nickname of at most 15
// bytes. The game loads any file; this is for a file offered from outside.
[[nodiscard]] bool isSaveFile(std::string_view bytes);

// The bytes of the save file for the state. The nickname is written without its white
// space and ";", which the reader could not read back.
[[nodiscard]] std::string saveFileBytes(const GameState& state);

// The file of slot 1..5: "save1.sav" to "save5.sav".
[[nodiscard]] std::string slotFileName(std::int32_t slot);
// The slot file's bytes, at most kMaxSaveFileBytes; empty when there is no readable
// regular file.
[[nodiscard]] std::string readSlotBytes(const Game& game, std::int32_t slot);
// Writes the saved fields of the state into the slot's file, through a temporary file in
// the same folder that is flushed to disk and renamed over the slot. False when it could
// not be written completely (the slot then keeps its old file) or the slot is not 1..5.
[[nodiscard]] bool writeSaveFile(const Game& game, std::int32_t slot);
// Reads the slot's file into the state; a missing file reads as an empty one.
void readSaveFile(Game& game, std::int32_t slot);

}  // namespace geekpath
