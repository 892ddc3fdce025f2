#pragma once
// The console on in-memory input and output, for tests: any screen can run on a
// scripted input and its output can be compared byte for byte.

#include <string>
#include <vector>

#include "core/console_io.hpp"

namespace geekpath {

class MemoryConsole final : public StreamConsole {
 public:
  // Key waits take bytes of the same stream as numbers, as with a pipe.
  explicit MemoryConsole(std::string input);
  // Key waits read a keyboard of their own, as on a terminal. The keys arrive in bursts:
  // within a burst every byte is there at once; after a burst a timed read times out.
  MemoryConsole(std::string input, std::vector<std::string> keyBursts);
  // Output in the given terminal encoding instead of UTF-8; output() then gives its bytes.
  MemoryConsole(std::string input, TextCodec codec);

  // Everything printed so far, in the console's encoding (UTF-8 unless given).
  [[nodiscard]] const std::string& output();
  // Forgets the output printed so far.
  void clearOutput();
  // The input that no read or key wait has taken yet.
  [[nodiscard]] std::string unreadInput() const {
    return std::string(bufferedInput()) + input_.substr(inputPos_);
  }

 protected:
  std::size_t readInput(char* buffer, std::size_t size) override;
  [[nodiscard]] bool hasKeyboard() const override { return keyboard_; }
  int readKeyboard(int timeoutMs) override;
  void writeOutput(std::string_view bytes) override { output_.append(bytes); }

 private:
  std::string input_;
  std::size_t inputPos_ = 0;
  bool keyboard_ = false;
  std::vector<std::string> bursts_;
  std::size_t burst_ = 0;
  std::size_t burstPos_ = 0;
  bool burstOpen_ = false;
  std::string output_;
};

}  // namespace geekpath
