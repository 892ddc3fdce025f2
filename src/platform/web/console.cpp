// The console in a web page or under Node.js, where the WebAssembly game has no system of
// its own: every request goes to the host, the JavaScript object that started the game
// (Module.geekpathHost). The page's host is a terminal widget with a line discipline of
// its own; the Node.js runner's host is the process's standard input and output.
//
// A read is awaited without leaving the game's code: the build suspends the WebAssembly
// stack while the host's promise is pending and resumes it with the result, so the
// screens stay sequential.
//
// The host's console calls:
//   keyboard                  whether key waits read keys of their own (the page) rather
//                             than the input stream (a pipe)
//   readInput(maxBytes)       at least one byte of input (the page: one finished line and
//                             its LF); an empty array at the end of input
//   readKey(timeoutMs)        one key: a byte 0..255, 256 for a key without a character,
//                             -1 when timeoutMs (>= 0) passed first, -2 at the end of input
//                             (readKeyboard's own codes); a page tells line editing from
//                             a key wait by which of the two reads is waiting
//   write(bytes)              output bytes, UTF-8; the array is only lent for the call

#include <emscripten.h>

#include <algorithm>
#include <cstddef>

#include "platform/platform.hpp"

namespace geekpath {
namespace {

// NOLINTBEGIN: the bodies are JavaScript.
EM_JS(int, hostHasKeyboard, (), { return Module.geekpathHost.keyboard ? 1 : 0; });

EM_ASYNC_JS(int, hostReadInput, (char* buffer, int size), {
  const bytes = await Module.geekpathHost.readInput(size);
  const length = Math.min(bytes.length, size);
  HEAPU8.set(bytes.subarray(0, length), buffer);
  return length;
});

EM_ASYNC_JS(int, hostReadKey, (int timeoutMs), { return await Module.geekpathHost.readKey(timeoutMs); });

EM_JS(void, hostWrite, (const char* bytes, int size), {
  Module.geekpathHost.write(HEAPU8.subarray(bytes, bytes + size));
});
// NOLINTEND

// The most one host call is handed or asked for.
constexpr std::size_t kMaxChunk = std::size_t{1} << 30;
// The host's codes of readKey besides a byte.
constexpr int kTimedOut = -1;
constexpr int kExtendedKey = 0x100;

class WebDevice final : public ConsoleDevice {
 public:
  WebDevice() : keyboard_(hostHasKeyboard() != 0) {}

  std::size_t readInput(char* buffer, std::size_t size) override {
    const int got = hostReadInput(buffer, static_cast<int>(std::min(size, kMaxChunk)));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
  }
  [[nodiscard]] bool hasKeyboard() const override { return keyboard_; }
  KeyboardRead readKeyboard(int timeoutMs, std::string& keys) override {
    const int key = hostReadKey(timeoutMs);
    if (key == kTimedOut) return KeyboardRead::TimedOut;
    if (key == kExtendedKey) {
      keys += "\x1b[~";  // a key without a character, as the escape sequence of a terminal's key
      return KeyboardRead::WholeKeys;
    }
    if (key < 0 || key > 0xFF) return KeyboardRead::Ended;
    keys += static_cast<char>(key);
    return KeyboardRead::Bytes;
  }
  void writeOutput(std::string_view bytes) override {
    while (!bytes.empty()) {
      const std::size_t piece = std::min(bytes.size(), kMaxChunk);
      hostWrite(bytes.data(), static_cast<int>(piece));
      bytes.remove_prefix(piece);
    }
  }

 private:
  bool keyboard_;
};

}  // namespace

namespace platform {

// The page is a UTF-8 terminal, and so is the Node.js runner's output.
std::unique_ptr<ConsoleIo> openConsole() {
  return std::make_unique<ConsoleIo>(std::make_unique<WebDevice>(), TextCodec::utf8(), TextCodec::utf8());
}

}  // namespace platform
}  // namespace geekpath
