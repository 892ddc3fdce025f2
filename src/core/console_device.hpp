#pragma once
// The console device: what the console layer (console_io.hpp) asks of a terminal, a
// console window, a web page or a test. Each system carries it out in src/platform/; the
// tests use the in-memory one of memory_console.hpp.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace geekpath {

class ConsoleDevice {
 public:
  virtual ~ConsoleDevice() = default;
  ConsoleDevice(const ConsoleDevice&) = delete;
  ConsoleDevice& operator=(const ConsoleDevice&) = delete;

  // Output is always flushed before any of the reads below is called.

  // Fills buffer with at least one byte of standard input; 0 at the end of input.
  virtual std::size_t readInput(char* buffer, std::size_t size) = 0;

  // Whether key waits read a keyboard of their own rather than the input stream.
  [[nodiscard]] virtual bool hasKeyboard() const = 0;
  // Keyboard mode around one key wait (raw, no echo, on a terminal).
  virtual void beginKeyWait() {}
  virtual void endKeyWait() {}
  enum class KeyboardRead : std::uint8_t {
    Bytes,      // typed bytes came; the bytes of a later read may continue their key
    WholeKeys,  // the bytes of whole keys came: nothing read later continues them
    TimedOut,   // timeoutMs passed first
    Ended,      // the keyboard is gone, as at the end of input
  };
  // Appends at least one typed byte to keys: blocks when timeoutMs < 0, else gives up
  // after timeoutMs. A key without a character (an arrow, a function key) comes as an
  // escape sequence, as a terminal sends it.
  virtual KeyboardRead readKeyboard(int timeoutMs, std::string& keys) = 0;

  // Writes output bytes, already in the terminal's encoding. It does not throw: a device
  // that notices the end of its input while writing says so at its next read.
  virtual void writeOutput(std::string_view bytes) = 0;

 protected:
  ConsoleDevice() = default;
};

}  // namespace geekpath
