#pragma once
// The console layer: every screen prints and reads through a ConsoleIo, never through
// std::cout or a file descriptor, so that a test can run any screen on in-memory input.
//
// Screens hand it UTF-8 texts (the sources hold them so); it converts them to the
// terminal's encoding. Numbers and the nickname come from one byte stream (standard
// input); key waits come from the terminal itself when there is one, otherwise from the
// same stream. A ConsoleIo is made of a device (console_device.hpp: the terminal, the
// console window, the web page, or memory for the tests), the printing into its output
// buffer (console_output.hpp) and the reads of its input (console_input.hpp).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/console_device.hpp"
#include "core/console_input.hpp"
#include "core/console_output.hpp"
#include "core/encoding.hpp"

namespace geekpath {

class ConsoleIo {
 public:
  // screen: the encoding of the output; typed: that of the input and the keyboard.
  ConsoleIo(std::unique_ptr<ConsoleDevice> device, TextCodec screen, TextCodec typed);
  // Flushes the output.
  ~ConsoleIo();
  ConsoleIo(const ConsoleIo&) = delete;
  ConsoleIo& operator=(const ConsoleIo&) = delete;

  // Writes the text; no line feed.
  void printText(std::string_view utf8) { output_.print(utf8); }
  // Writes the text and a line feed.
  void printLine(std::string_view utf8 = {}) {
    output_.print(utf8);
    output_.print("\n");
  }
  // Writes the number in plain signed decimal.
  void printNumber(std::int64_t value) { output_.printNumber(value); }
  // Scrolls the old text out of sight: 121 line feeds.
  void clearScreen();
  // Hands every buffered output byte to the device.
  void flush() { output_.flush(); }

  // Waits for one key press, without echo. An extended key (an escape sequence such as an
  // arrow) yields two codes: the second is held back and ends the next wait at once.
  void waitKey() { input_.waitKey(); }
  // Reads a signed decimal number into the target. When no number can be read, or it does
  // not fit the target's width, the target keeps its value and the offending text and the
  // rest of its line are discarded.
  void readNumber(std::int16_t& target) { input_.readNumber(target); }
  void readNumber(std::int32_t& target) { input_.readNumber(target); }
  // Reads one line into buffer as CP866 text: at most capacity - 1 characters are kept,
  // the rest of the line is dropped, and the text is always zero-terminated.
  void readLine(char* buffer, std::size_t capacity) { input_.readLine(buffer, capacity); }

 protected:
  [[nodiscard]] ConsoleDevice& device() { return *device_; }
  [[nodiscard]] const ConsoleDevice& device() const { return *device_; }
  // Input bytes the device has handed over that no read has taken yet.
  [[nodiscard]] std::string_view bufferedInput() const { return input_.buffered(); }

 private:
  std::unique_ptr<ConsoleDevice> device_;
  ConsoleOutput output_;
  ConsoleInput input_;
};

}  // namespace geekpath
