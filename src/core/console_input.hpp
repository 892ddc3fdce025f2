#pragma once
// Reading: numbers and the nickname from the one input stream of the device, and key
// waits from the device's keyboard when it has one, else from the same stream. Output is
// flushed before the device is asked for anything.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/console_device.hpp"
#include "core/console_output.hpp"
#include "core/encoding.hpp"
#include "core/key_decoder.hpp"

namespace geekpath {

// Thrown by a console read or key wait that meets the end of input. It unwinds every
// screen; the program entry catches it and ends the program with status 0.
struct EndOfInput {};

class ConsoleInput {
 public:
  // typed: the encoding of the input stream and of the keyboard.
  ConsoleInput(ConsoleDevice& device, TextCodec typed, ConsoleOutput& output);
  ConsoleInput(const ConsoleInput&) = delete;
  ConsoleInput& operator=(const ConsoleInput&) = delete;

  // A signed decimal number into the target. When no number can be read, or it does not
  // fit the target's width, the target keeps its value and the offending text and the
  // rest of its line are discarded.
  void readNumber(std::int16_t& target);
  void readNumber(std::int32_t& target);
  // One line into buffer as CP866 text: at most capacity - 1 characters are kept, the
  // rest of the line is dropped, and the text is always zero-terminated.
  void readLine(char* buffer, std::size_t capacity);
  // One key press. An extended key yields two codes: the second is held back and ends
  // the next wait at once.
  void waitKey();

  // Input bytes the device has handed over that no read has taken yet.
  [[nodiscard]] std::string_view buffered() const { return std::string_view(input_).substr(inputPos_); }

 private:
  template <class Int>
  void readNumberInto(Int& target);
  int peekByte();  // the next input byte without taking it, -1 at the end of input
  int takeByte();  // the next input byte, -1 at the end of input
  bool fillInput();
  void discardRestOfLine();
  Key streamKey();
  Key keyboardKey();

  ConsoleDevice& device_;
  ConsoleOutput& output_;
  TextCodec typed_;
  std::string input_;
  std::size_t inputPos_ = 0;
  bool inputEnded_ = false;
  KeyDecoder streamKeys_;
  KeyDecoder keyboardKeys_{typed_};
  std::string keyboard_;  // keyboard bytes read and not yet taken into a key
  std::size_t keyboardPos_ = 0;
  bool keyboardWhole_ = false;  // they are whole keys: when they run out, so does the key under way
  bool keyHeldBack_ = false;
};

}  // namespace geekpath
