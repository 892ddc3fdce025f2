// The console in a web page or under Node.js, where the WebAssembly game has no system of
// its own: every request goes to the host, the JavaScript object that started the game
// (Module.geekpathHost). The page's host is a terminal widget with a line discipline of
// its own; the Node.js runner's host is the process's standard input and output.
//
// A read is awaited without leaving the game's code: the build suspends the WebAssembly
// stack while the host's promise is pending and resumes it with the result, so the
// screens stay sequential.
//
// The host's console calls are declared in host.js, which the game checks its host
// against when it opens the console, at its start.

#include <emscripten.h>

#include <algorithm>
#include <cstddef>

#include "platform/platform.hpp"

namespace geekpath {
namespace {

// NOLINTBEGIN: the bodies are JavaScript, left as written by clang-tidy and clang-format.
// clang-format off
// Stops the game with an error that names a call the host lacks.
EM_JS(void, checkHost, (), { geekpathCheckHost(Module.geekpathHost); });

EM_JS(int, hostHasKeyboard, (), { return Module.geekpathHost.keyboard ? 1 : 0; });

EM_ASYNC_JS(int, hostReadInput, (char* buffer, int size), {
  const bytes = await Module.geekpathHost.readInput(size);
  const length = Math.min(bytes.length, size);
  HEAPU8.set(bytes.subarray(0, length), buffer);
  return length;
});

EM_ASYNC_JS(int, hostReadKey, (char* buffer, int size), {
  const bytes = await Module.geekpathHost.readKey(size);
  const length = Math.min(bytes.length, size);
  HEAPU8.set(bytes.subarray(0, length), buffer);
  return length;
});

EM_JS(void, hostWrite, (const char* bytes, int size), {
  Module.geekpathHost.write(HEAPU8.subarray(bytes, bytes + size));
});
// clang-format on
// NOLINTEND

// The most one host call is handed or asked for.
constexpr std::size_t kMaxChunk = std::size_t{1} << 30;
// The most bytes of one key: any escape sequence cut there is still one extended key.
constexpr int kLongestKey = 64;

class WebDevice final : public ConsoleDevice {
 public:
  WebDevice() : keyboard_(hostHasKeyboard() != 0) {}

  std::size_t readInput(char* buffer, std::size_t size) override {
    const int got = hostReadInput(buffer, static_cast<int>(std::min(size, kMaxChunk)));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
  }
  [[nodiscard]] bool hasKeyboard() const override { return keyboard_; }
  // The page hands whole keys, so a key never waits for more of its bytes.
  KeyboardRead readKeyboard(int /*timeoutMs*/, std::string& keys) override {
    char key[kLongestKey];
    const int got = hostReadKey(key, kLongestKey);
    if (got <= 0) return KeyboardRead::Ended;
    keys.append(key, static_cast<std::size_t>(got));
    return KeyboardRead::WholeKeys;
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
  checkHost();
  return std::make_unique<ConsoleIo>(std::make_unique<WebDevice>(), TextCodec::utf8(), TextCodec::utf8());
}

}  // namespace platform
}  // namespace geekpath
