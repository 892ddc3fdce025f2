// Key waits: one byte a key, escape sequences as one extended key that ends two waits,
// a lone ESC, and the keyboard of a terminal apart from the number stream.

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  } catch (const EndOfInput&) {
  }
  return waits;
}

TEST(KeyWait, StreamKeysCountedInWaits) {
  struct Case {
    std::string keys;
    int waits;
  } cases[] = {
      {"a", 1},
      {"\n\n", 2},
      {"\x1b[A", 2},            // arrow up: one extended key, two codes
      {"\x1b[1;5C", 2},         // with parameters
      {"\x1b[15~", 2},          // function key
      {"\x1bOP", 2},            // F1 in the ESC O form
      {"\x1b[A\x1b[B", 4},
      {"\x1b", 1},              // a lone ESC at the end
      {"\x1bx", 2},             // ESC then an ordinary key
      {"\x1b\x1b[A", 3},        // a lone ESC, then an arrow
      {"\x1b[", 2},             // a sequence cut short by the end of input
      {"\x1b[12\n", 3},         // cut short by a byte that cannot continue it
  };
  for (const Case& c : cases) {
    MemoryConsole io(c.keys);
    EXPECT_EQ(waitsSatisfied(io), c.waits) << "keys: " << testing::PrintToString(c.keys);
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
  MemoryConsole io("\x1b[D" "42");
  io.waitKey();  // the arrow's first code
  std::int32_t n = 0;
  io.readNumber(n);
  EXPECT_EQ(n, 42);
  io.waitKey();  // the held-back second code: no input needed
  EXPECT_THROW(io.waitKey(), EndOfInput);
}

TEST(KeyWait, KeyboardIsApartFromTheNumberStream) {
  MemoryConsole io("3\n", {"x"});
  io.waitKey();  // from the keyboard
  std::int32_t n = 0;
  io.readNumber(n);
  EXPECT_EQ(n, 3);
  EXPECT_THROW(io.waitKey(), EndOfInput);
}

TEST(KeyWait, KeyboardLoneEscapeIsToldByThePause) {
  // ESC and "[A" in separate bursts: the ESC is a key of its own, then "[" and "A" are
  // keys too. In one burst they are one arrow.
  {
    MemoryConsole io("", {"\x1b", "[A"});
    EXPECT_EQ(waitsSatisfied(io), 3);
  }
  {
    MemoryConsole io("", {"\x1b[A"});
    EXPECT_EQ(waitsSatisfied(io), 2);
  }
  {
    // ESC followed at once by an ordinary key: the key is kept for the next wait.
    MemoryConsole io("", {"\x1bq"});
    EXPECT_EQ(waitsSatisfied(io), 2);
  }
}

TEST(KeyWait, NumberLineTypedAheadStaysForTheNumberRead) {
  // On a terminal the keys come from the keyboard; what a number read took into its
  // buffer stays there for the next number read.
  MemoryConsole io("1 2\n", {"k"});
  std::int32_t a = 0, b = 0;
  io.readNumber(a);
  io.waitKey();
  io.readNumber(b);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
}

}  // namespace
}  // namespace geekpath
