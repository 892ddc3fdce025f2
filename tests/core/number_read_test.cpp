// Number reads: white space, signs, widths, failures that keep the target and discard
// the rest of the line, and the end of input.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "core/memory_console.hpp"

namespace geekpath {
namespace {

struct Case16 {
  const char* input;
  std::int16_t expected;  // with the target starting at 99
};

TEST(NumberRead, SixteenBitValues) {
  // clang-format off
  const Case16 cases[] = {
      {"0007\n", 7},    {"-15\n", -15},   {"+3\n", 3},        {"32767\n", 32767},
      {"-32768\n", -32768}, {"32768\n", 99}, {"-32769\n", 99}, {"12abc\n", 12},
      {"abc\n", 99},    {"-\n", 99},      {"+\n", 99},        {"\n\n \t\r\v\f42\n", 42},
      {"99999999999999999999999\n", 99},
  };
  // clang-format on
  for (const Case16& c : cases) {
    MemoryConsole io(std::string(c.input) + "5\n");
    std::int16_t target = 99;
    io.readNumber(target);
    EXPECT_EQ(target, c.expected) << "input: " << c.input;
  }
}

TEST(NumberRead, ThirtyTwoBitLimits) {
  MemoryConsole io("2147483647 -2147483648 2147483648\n-2147483649\n7\n");
  std::int32_t target = 5;
  io.readNumber(target);
  EXPECT_EQ(target, std::numeric_limits<std::int32_t>::max());
  io.readNumber(target);
  EXPECT_EQ(target, std::numeric_limits<std::int32_t>::min());
  io.readNumber(target);  // does not fit: kept, and the rest of the line is gone
  EXPECT_EQ(target, std::numeric_limits<std::int32_t>::min());
  io.readNumber(target);
  EXPECT_EQ(target, std::numeric_limits<std::int32_t>::min());
  io.readNumber(target);
  EXPECT_EQ(target, 7);
}

TEST(NumberRead, RestOfLineStaysAfterSuccess) {
  MemoryConsole io("1 2\n12abc\n");
  std::int32_t a = 0, b = 0, c = 0, d = 4;
  io.readNumber(a);
  io.readNumber(b);
  io.readNumber(c);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, 12);
  // "abc" was left for the next read, which fails on it and drops it with its line.
  io.readNumber(d);
  EXPECT_EQ(d, 4);
  EXPECT_THROW(io.readNumber(d), EndOfInput);
}

TEST(NumberRead, FailureDiscardsTheLineSoTheNextReadWaits) {
  MemoryConsole io("12abc 7\n8\n");
  std::int32_t first = 0, second = 0, third = 0;
  io.readNumber(first);
  io.readNumber(second);  // meets "abc 7": fails, drops the rest of the line, 7 included
  io.readNumber(third);
  EXPECT_EQ(first, 12);
  EXPECT_EQ(second, 0);
  EXPECT_EQ(third, 8);
}

TEST(NumberRead, EndOfInput) {
  {
    MemoryConsole io("");
    std::int32_t n = 3;
    EXPECT_THROW(io.readNumber(n), EndOfInput);
    EXPECT_EQ(n, 3);
  }
  {
    MemoryConsole io("  \n\n ");
    std::int32_t n = 3;
    EXPECT_THROW(io.readNumber(n), EndOfInput);
  }
  {
    // A number completed by the end of input counts; the next read ends.
    MemoryConsole io("12");
    std::int32_t n = 0;
    io.readNumber(n);
    EXPECT_EQ(n, 12);
    EXPECT_THROW(io.readNumber(n), EndOfInput);
  }
  for (const char* failing : {"ab", "-", "99999999999"}) {
    MemoryConsole io(failing);
    std::int32_t n = 3;
    EXPECT_THROW(io.readNumber(n), EndOfInput) << failing;
    EXPECT_EQ(n, 3);
  }
}

}  // namespace
}  // namespace geekpath
