#include "core/memory_console.hpp"

#include <algorithm>
#include <cstring>

namespace geekpath {
namespace {
// Input is handed over in small pieces so that every read crosses buffer refills.
constexpr std::size_t kPiece = 5;
}  // namespace

MemoryConsole::MemoryConsole(std::string input)
    : StreamConsole(TextCodec::utf8()), input_(std::move(input)) {}

MemoryConsole::MemoryConsole(std::string input, std::vector<std::string> keyBursts)
    : StreamConsole(TextCodec::utf8()),
      input_(std::move(input)),
      keyboard_(true),
      bursts_(std::move(keyBursts)) {}

MemoryConsole::MemoryConsole(std::string input, TextCodec codec)
    : StreamConsole(std::move(codec)), input_(std::move(input)) {}

const std::string& MemoryConsole::output() {
  flush();
  return output_;
}

void MemoryConsole::clearOutput() {
  flush();
  output_.clear();
}

std::size_t MemoryConsole::readInput(char* buffer, std::size_t size) {
  const std::size_t n = std::min({size, kPiece, input_.size() - inputPos_});
  std::memcpy(buffer, input_.data() + inputPos_, n);
  inputPos_ += n;
  return n;
}

int MemoryConsole::readKeyboard(int timeoutMs) {
  while (burst_ < bursts_.size()) {
    const std::string& keys = bursts_[burst_];
    if (burstPos_ < keys.size() && (burstOpen_ || timeoutMs < 0)) {
      burstOpen_ = true;
      return static_cast<unsigned char>(keys[burstPos_++]);
    }
    if (burstPos_ < keys.size()) return kTimedOut;  // the next burst has not come yet
    // This burst is used up: a timed read sees the pause, a blocking one the next burst.
    ++burst_;
    burstPos_ = 0;
    burstOpen_ = false;
    if (timeoutMs >= 0) return kTimedOut;
  }
  return timeoutMs >= 0 ? kTimedOut : kKeyboardEnded;
}

}  // namespace geekpath
