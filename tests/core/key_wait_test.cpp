// Key waits: a key from the input stream or the keyboard, an extended key that ends two
// waits, and the keyboard apart from the number stream.

#include <gtest/gtest.h>

#include <string>

#include "core/memory_console.hpp"

namespace geekpath {
namespace {

// How many key waits the keys satisfy before the input ends.
int waitsSatisfied(MemoryConsole& io) {
  int waits = 0;
  try {
    for (;;) {
      io.waitKey();
      ++waits;
    }
  } catch (const EndOfInput&) {}
  return waits;
}

TEST(KeyWait, KeysCountedInWaits) {
  struct Case {
    std::string keys;
    int waits;
    int keyboardWaits;
    // clang-format off
  } cases[] = {
      {"a\n", 2, 2},
      {"д", 2, 1},  // a byte of the stream; a whole character of the keyboard
      {"\x1b[A", 2, 2},  // arrow up: one extended key, two codes
      {"\x1b[A\x1bOP", 4, 4},
      {"\x1b", 1, 1},  // a lone ESC at the end
      {"\x1bq", 2, 2},  // ESC then an ordinary key
      {"\x1b[12\n", 3, 3},  // cut short by a byte that cannot continue it
  };
  // clang-format on
  for (const Case& c : cases) {
    MemoryConsole pipe(c.keys);
    EXPECT_EQ(waitsSatisfied(pipe), c.waits) << "stream: " << testing::PrintToString(c.keys);
    MemoryConsole terminal = MemoryConsole::withKeyboard("", c.keys);
    EXPECT_EQ(waitsSatisfied(terminal), c.keyboardWaits) << "keyboard: " << testing::PrintToString(c.keys);
  }
}

TEST(KeyWait, LineFeedAfterANumberAnswersTheNextWaitOnAPipe) {
  MemoryConsole io("5\n7\n");
  std::int32_t n = 0;
  io.readNumber(n);
  io.waitKey();  // takes the "\n" after 5
  io.readNumber(n);
  EXPECT_EQ(n, 7);
}

TEST(KeyWait, HeldBackCodeSurvivesANumberRead) {
  MemoryConsole io(
      "\x1b[D"
      "42");
  io.waitKey();  // the arrow's first code
  std::int32_t n = 0;
  io.readNumber(n);
  EXPECT_EQ(n, 42);
  io.waitKey();  // the held-back second code: no input needed
  EXPECT_THROW(io.waitKey(), EndOfInput);
}

TEST(KeyWait, AByteAfterALoneEscapeStaysInTheStream) {
  MemoryConsole io(
      "\x1b"
      "5\n");
  io.waitKey();
  std::int32_t n = 0;
  io.readNumber(n);
  EXPECT_EQ(n, 5);
}

TEST(KeyWait, KeyboardIsApartFromTheNumberStream) {
  MemoryConsole io = MemoryConsole::withKeyboard("3\n", "x");
  io.waitKey();  // from the keyboard
  std::int32_t n = 0;
  io.readNumber(n);
  EXPECT_EQ(n, 3);
  EXPECT_THROW(io.waitKey(), EndOfInput);
}

TEST(KeyWait, NumberLineTypedAheadStaysForTheNumberRead) {
  // On a terminal the keys come from the keyboard; what a number read took into its
  // buffer stays there for the next number read.
  MemoryConsole io = MemoryConsole::withKeyboard("1 2\n", "k");
  std::int32_t a = 0, b = 0;
  io.readNumber(a);
  io.waitKey();
  io.readNumber(b);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
}

}  // namespace
}  // namespace geekpath
