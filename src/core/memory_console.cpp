#include "core/memory_console.hpp"

#include <algorithm>
#include <cstring>
#include <utility>

namespace geekpath {
namespace {
// Input is handed over in small pieces so that every read crosses buffer refills.
constexpr std::size_t kPiece = 5;
}  // namespace

class MemoryConsole::Device final : public ConsoleDevice {
 public:
  Device(std::string input, bool keyboard, std::string keys)
      : input_(std::move(input)), keyboard_(keyboard), keys_(std::move(keys)) {}

  std::size_t readInput(char* buffer, std::size_t size) override {
    const std::size_t n = std::min({size, kPiece, input_.size() - inputPos_});
    std::memcpy(buffer, input_.data() + inputPos_, n);
    inputPos_ += n;
    return n;
  }
  [[nodiscard]] bool hasKeyboard() const override { return keyboard_; }
  KeyboardRead readKeyboard(int timeoutMs, std::string& keys) override {
    if (keysPos_ == keys_.size()) return timeoutMs >= 0 ? KeyboardRead::TimedOut : KeyboardRead::Ended;
    keys += keys_[keysPos_++];
    return KeyboardRead::Bytes;
  }
  void writeOutput(std::string_view bytes) override { output_.append(bytes); }

  [[nodiscard]] std::string_view unreadInput() const { return std::string_view(input_).substr(inputPos_); }
  std::string& output() { return output_; }

 private:
  std::string input_;
  std::size_t inputPos_ = 0;
  bool keyboard_;
  std::string keys_;
  std::size_t keysPos_ = 0;
  std::string output_;
};

MemoryConsole::MemoryConsole(std::unique_ptr<Device> device, const TextCodec& codec)
    : ConsoleIo(std::move(device), codec, codec) {}

MemoryConsole::MemoryConsole(std::string input)
    : MemoryConsole(std::make_unique<Device>(std::move(input), false, ""), TextCodec::utf8()) {}

MemoryConsole::MemoryConsole(std::string input, const TextCodec& codec)
    : MemoryConsole(std::make_unique<Device>(std::move(input), false, ""), codec) {}

MemoryConsole MemoryConsole::withKeyboard(std::string input, std::string keys) {
  return MemoryConsole(std::make_unique<Device>(std::move(input), true, std::move(keys)), TextCodec::utf8());
}

MemoryConsole::Device& MemoryConsole::memory() { return static_cast<Device&>(device()); }
const MemoryConsole::Device& MemoryConsole::memory() const { return static_cast<const Device&>(device()); }

const std::string& MemoryConsole::output() {
  flush();
  return memory().output();
}

void MemoryConsole::clearOutput() {
  flush();
  memory().output().clear();
}

std::string MemoryConsole::unreadInput() const {
  return std::string(bufferedInput()) + std::string(memory().unreadInput());
}

}  // namespace geekpath
