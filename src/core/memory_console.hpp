#pragma once
// The console on in-memory input and output, for tests: any screen can run on a
// scripted input and its output can be compared byte for byte.

#include <string>

#include "core/console_io.hpp"

namespace geekpath {

class MemoryConsole final : public ConsoleIo {
 public:
  // Key waits take bytes of the same stream as numbers, as with a pipe.
  explicit MemoryConsole(std::string input);
  // Output in the given terminal encoding instead of UTF-8, and input in it too; output()
  // then gives its bytes.
  MemoryConsole(std::string input, const TextCodec& codec);
  // Key waits read a keyboard of their own, as on a terminal in UTF-8: the keys were all
  // typed at once, and come a byte a read; after them the keyboard ends.
  static MemoryConsole withKeyboard(std::string input, std::string keys);

  // Everything printed so far, in the console's encoding (UTF-8 unless given).
  [[nodiscard]] const std::string& output();
  // Forgets the output printed so far.
  void clearOutput();
  // The input that no read or key wait has taken yet.
  [[nodiscard]] std::string unreadInput() const;

 private:
  class Device;
  MemoryConsole(std::unique_ptr<Device> device, const TextCodec& codec);
  Device& memory();
  [[nodiscard]] const Device& memory() const;
};

}  // namespace geekpath
