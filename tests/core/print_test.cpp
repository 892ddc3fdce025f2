// Printing through the console's output buffer: texts, numbers and line ends arrive in
// order and whole across every buffer boundary, converted for a terminal that is not
// UTF-8.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "core/encoding.hpp"
#include "core/memory_console.hpp"

namespace geekpath {
namespace {

// Prints a mix of texts and numbers that crosses the 64 KiB buffer many times, at every
// offset, with pieces larger than the buffer among them; returns what it printed, UTF-8.
std::string printMix(ConsoleIo& io) {
  std::string expected;
  const std::string big(70'000, 'x');
  for (int i = 0; i < 3000; ++i) {
    const std::string text = "Процессор " + std::string(static_cast<std::size_t>(i % 37), '-');
    io.printText(text);
    io.printNumber(i * 7919 - 5000);
    io.printLine("$");
    expected += text + std::to_string(i * 7919 - 5000) + "$\n";
    if (i % 1000 == 999) {
      io.printLine(big);
      expected += big + "\n";
    }
  }
  io.printNumber(std::numeric_limits<std::int64_t>::min());
  io.clearScreen();
  expected += std::to_string(std::numeric_limits<std::int64_t>::min()) + std::string(121, '\n');
  return expected;
}

TEST(Print, Utf8TerminalGetsEveryByteInOrder) {
  MemoryConsole io("");
  const std::string expected = printMix(io);
  EXPECT_EQ(io.output(), expected);
}

TEST(Print, OtherTerminalEncodingsGetTheTextsConverted) {
  MemoryConsole cp866("", TextCodec::forCodeset("CP866"));
  const std::string expected = printMix(cp866);
  EXPECT_EQ(cp866.output(), utf8ToCp866(expected));

  MemoryConsole cp1251("", TextCodec::forCodeset("CP1251"));
  cp1251.printLine("Лотерея");
  cp1251.printNumber(-12);
  EXPECT_EQ(cp1251.output(), utf8ToCp1251("Лотерея\n-12"));
}

}  // namespace
}  // namespace geekpath
