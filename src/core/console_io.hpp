#pragma once
// The console layer: every screen prints and reads through a ConsoleIo, never through
// std::cout or a file descriptor, so that a test can run any screen on in-memory input.
//
// Screens hand it UTF-8 texts (the sources hold them so); the implementation converts to
// the terminal's encoding. Numbers and the nickname come from one byte stream (standard
// input); key waits come from the terminal itself when there is one, otherwise from the
// same stream.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "core/encoding.hpp"

namespace geekpath {

// Thrown by a console read or key wait that meets the end of input. It unwinds every
// screen; the program entry catches it and ends the program with status 0.
struct EndOfInput {};

class ConsoleIo {
 public:
  virtual ~ConsoleIo() = default;

  // Writes the text; no line feed. Printing is the game's busiest path: a text that fits
  // the implementation's put area is copied there in line, anything else goes to
  // printSlow.
  void printText(std::string_view utf8) {
    if (utf8.size() <= static_cast<std::size_t>(putEnd_ - put_)) {
      utf8.copy(put_, utf8.size());  // unlike memcpy, well defined for an empty text
      put_ += utf8.size();
    } else {
      printSlow(utf8);
    }
  }
  // Writes the text and a line feed.
  void printLine(std::string_view utf8 = {}) {
    printText(utf8);
    printText("\n");
  }
  // Writes the number in plain signed decimal.
  void printNumber(std::int64_t value);
  // Scrolls the old text out of sight: 121 line feeds.
  void clearScreen();

  // Waits for one key press, without echo. An extended key (an escape sequence such as an
  // arrow) yields two codes: the second is held back and ends the next wait at once.
  virtual void waitKey() = 0;

  // Reads a signed decimal number into the target. When no number can be read, or it does
  // not fit the target's width, the target keeps its value and the offending text and the
  // rest of its line are discarded.
  virtual void readNumber(std::int16_t& target) = 0;
  virtual void readNumber(std::int32_t& target) = 0;

  // Reads one line into buffer as CP866 text: at most capacity - 1 characters are kept,
  // the rest of the line is dropped, and the text is always zero-terminated.
  virtual void readLine(char* buffer, std::size_t capacity) = 0;

 protected:
  ConsoleIo() = default;
  ConsoleIo(const ConsoleIo&) = default;
  ConsoleIo& operator=(const ConsoleIo&) = default;

  // Takes the text that does not fit the put area, or all text when there is none.
  virtual void printSlow(std::string_view utf8) = 0;

  // The put area: UTF-8 bytes may be copied to [put_, putEnd_) as they are. Empty unless
  // an implementation sets it up.
  char* put_ = nullptr;
  char* putEnd_ = nullptr;
};

// The decoding shared by the real console and the in-memory one: number, line and key
// reads over a byte stream, output buffering and conversion. Subclasses supply the device.
class StreamConsole : public ConsoleIo {
 public:
  void waitKey() override;
  void readNumber(std::int16_t& target) override;
  void readNumber(std::int32_t& target) override;
  void readLine(char* buffer, std::size_t capacity) override;

  // Hands every buffered output byte to the device.
  void flush();

  StreamConsole(const StreamConsole&) = delete;
  StreamConsole& operator=(const StreamConsole&) = delete;

 protected:
  explicit StreamConsole(TextCodec codec);

  // The device. Output is always flushed before any of the reads is called.
  // Fills buffer with at least one byte of standard input; 0 at the end of input.
  virtual std::size_t readInput(char* buffer, std::size_t size) = 0;
  // Whether key waits read a keyboard of their own rather than the input stream.
  [[nodiscard]] virtual bool hasKeyboard() const = 0;
  // Keyboard mode around one key wait (raw, no echo, on a terminal).
  virtual void beginKeyWait() {}
  virtual void endKeyWait() {}
  // One keyboard byte (0..255): blocks when timeoutMs < 0, else gives up after timeoutMs.
  // A keyboard that tells keys apart itself gives kExtendedKey for a key without a
  // character (an arrow, a function key); it ends two key waits like an escape sequence.
  static constexpr int kTimedOut = -1;
  static constexpr int kKeyboardEnded = -2;
  static constexpr int kExtendedKey = 0x100;
  virtual int readKeyboard(int timeoutMs) = 0;
  // Writes output bytes, already in the terminal's encoding. It does not throw: a device
  // that notices the end of its input while writing says so at its next read.
  virtual void writeOutput(std::string_view bytes) = 0;

  // Input bytes the device has handed over that no read has taken yet.
  [[nodiscard]] std::string_view bufferedInput() const { return std::string_view(input_).substr(inputPos_); }

 private:
  // Output bytes collect in one flat buffer, [output_, put_), handed to the device when
  // it is full and before every read. For a UTF-8 terminal the rest of the buffer is the
  // put area, so texts are copied as they are; for any other the put area stays empty and
  // every text is converted here.
  void printSlow(std::string_view utf8) override;
  void appendBytes(std::string_view bytes);
  void resetPutArea();
  template <class Int>
  void readNumberInto(Int& target);
  int peekByte();  // the next input byte without taking it, -1 at the end of input
  int takeByte();  // the next input byte, -1 at the end of input
  bool fillInput();
  int nextKeyByte(int timeoutMs);
  int peekKeyByte(int timeoutMs);
  void discardRestOfLine();

  TextCodec codec_;
  bool passThrough_;  // the terminal takes UTF-8 as it is
  static constexpr std::size_t kOutputBufferSize = std::size_t{64} * 1024;
  std::unique_ptr<char[]> output_;
  std::string converted_;  // scratch for a terminal encoding other than UTF-8
  bool flushing_ = false;
  std::string input_;
  std::size_t inputPos_ = 0;
  bool inputEnded_ = false;
  bool keyHeldBack_ = false;
  int keyboardPushBack_ = -1;
};

}  // namespace geekpath
