#pragma once
// Printing: the screens' UTF-8 texts and numbers gathered in one flat buffer, in the
// terminal's encoding, and handed to the device when the buffer is full and before every
// read. This is the game's busiest path: for a UTF-8 terminal the rest of the buffer is
// the put area, where a text is copied in line as it is; for any other the put area stays
// empty and every text is converted on the way in.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/console_device.hpp"
#include "core/encoding.hpp"

namespace geekpath {

class ConsoleOutput {
 public:
  ConsoleOutput(ConsoleDevice& device, TextCodec codec);
  ConsoleOutput(const ConsoleOutput&) = delete;
  ConsoleOutput& operator=(const ConsoleOutput&) = delete;

  // Writes the text; no line feed.
  void print(std::string_view utf8) {
    if (utf8.size() <= static_cast<std::size_t>(putEnd_ - put_)) {
      utf8.copy(put_, utf8.size());  // unlike memcpy, well defined for an empty text
      put_ += utf8.size();
    } else {
      printSlow(utf8);
    }
  }
  // Writes the number in plain signed decimal.
  void printNumber(std::int64_t value);
  // Hands every buffered byte to the device.
  void flush();

 private:
  // The text that does not fit the put area, or all text when there is none.
  void printSlow(std::string_view utf8);
  void appendBytes(std::string_view bytes);
  void resetPutArea();

  // The buffered bytes are [buffer_, put_); UTF-8 may be copied to [put_, putEnd_).
  char* put_ = nullptr;
  char* putEnd_ = nullptr;
  static constexpr std::size_t kBufferSize = std::size_t{64} * 1024;
  std::unique_ptr<char[]> buffer_;
  ConsoleDevice& device_;
  TextCodec codec_;
  bool passThrough_;       // the terminal takes UTF-8 as it is
  std::string converted_;  // scratch for a terminal encoding other than UTF-8
};

}  // namespace geekpath
