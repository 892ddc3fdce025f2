// The nickname read: one line, at most 15 CP866 characters, converted from the
// terminal's encoding.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/memory_console.hpp"
#include "support/platforms.hpp"

namespace geekpath {
namespace {

std::string readName(MemoryConsole& io) {
  char name[16];
  std::memset(name, 'X', sizeof name);
  io.readLine(name, sizeof name);
  EXPECT_EQ(name[15], 0) << "always zero-terminated";
  return name;
}

TEST(LineRead, KeepsFifteenCharactersAndDropsTheRestOfTheLine) {
  MemoryConsole io("abcdefghijklmnopqrst\nnext\n");
  EXPECT_EQ(readName(io), "abcdefghijklmno");
  EXPECT_EQ(readName(io), "next");
}

TEST(LineRead, LineEnds) {
  MemoryConsole io("crlf\r\n\nlast");
  EXPECT_EQ(readName(io), "crlf");
  EXPECT_EQ(readName(io), "") << "an empty line gives an empty name";
  EXPECT_EQ(readName(io), "last") << "a line ended by the end of input counts";
  char name[16] = "kept";
  EXPECT_THROW(io.readLine(name, sizeof name), EndOfInput);
}

TEST(LineRead, WhiteSpaceIsKept) {
  MemoryConsole io("  a b\t\n");
  EXPECT_EQ(readName(io), "  a b\t");
}

TEST(LineRead, CyrillicBecomesCp866AndCountsAsCharacters) {
  // 16 Cyrillic letters: 32 UTF-8 bytes, 15 of them kept as 15 CP866 bytes.
  MemoryConsole io("абвгдеёжзийклмно\n");
  const std::string name = readName(io);
  ASSERT_EQ(name.size(), 15u);
  EXPECT_EQ(static_cast<unsigned char>(name[0]), 0xA0);   // а
  EXPECT_EQ(static_cast<unsigned char>(name[6]), 0xF1);   // ё
  EXPECT_EQ(static_cast<unsigned char>(name[14]), 0xAD);  // н
}

TEST(LineRead, UnknownAndInvalidCharactersBecomeQuestionMarks) {
  // A euro sign (not in CP866), a lone continuation byte, a truncated sequence.
  MemoryConsole io(
      "a\xE2\x82\xAC"
      "b\x80"
      "c\xE2\x82\n");
  EXPECT_EQ(readName(io), "a?b?c??");
}

TEST(LineRead, VeryLongLineUsesNoMoreThanItKeeps) {
  GEEKPATH_NOT_IN_WEBASSEMBLY("a mebibyte read a few bytes a call takes seconds there");
  MemoryConsole io(std::string(1 << 20, 'z') + "\nafter\n");
  EXPECT_EQ(readName(io), std::string(15, 'z'));
  EXPECT_EQ(readName(io), "after");
}

TEST(LineRead, FollowsNumberReadsOnTheSameStream) {
  // The line read takes the rest of the line a number read left behind.
  MemoryConsole io("12 tail\nname\n");
  std::int32_t n = 0;
  io.readNumber(n);
  EXPECT_EQ(readName(io), " tail");
  EXPECT_EQ(readName(io), "name");
}

}  // namespace
}  // namespace geekpath
