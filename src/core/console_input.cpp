#include "core/console_input.hpp"

#include <cstring>
#include <optional>
#include <utility>

#include "core/decimal.hpp"

namespace geekpath {
namespace {

constexpr std::size_t kInputChunk = std::size_t{64} * 1024;
// Raw bytes of a nickname line kept for decoding; the rest of the line is dropped. Any
// encoding needs far fewer bytes for 15 characters.
constexpr std::size_t kRawLineLimit = 256;
// How long a key under way on a keyboard waits for its next byte: an ESC for the rest of
// an escape sequence, a character for the rest of its bytes (which come at once).
constexpr int kKeyPauseMs = 50;

}  // namespace

ConsoleInput::ConsoleInput(ConsoleDevice& device, TextCodec typed, ConsoleOutput& output)
    : device_(device), output_(output), typed_(std::move(typed)) {}

bool ConsoleInput::fillInput() {
  if (inputEnded_) return false;
  if (inputPos_ == input_.size()) {
    input_.clear();
    inputPos_ = 0;
  }
  output_.flush();
  const std::size_t old = input_.size();
  input_.resize(old + kInputChunk);
  const std::size_t got = device_.readInput(input_.data() + old, kInputChunk);
  input_.resize(old + got);
  if (got == 0) inputEnded_ = true;
  return got != 0;
}

int ConsoleInput::peekByte() {
  if (inputPos_ == input_.size() && !fillInput()) return -1;
  return static_cast<unsigned char>(input_[inputPos_]);
}

int ConsoleInput::takeByte() {
  const int c = peekByte();
  if (c >= 0) ++inputPos_;
  return c;
}

void ConsoleInput::discardRestOfLine() {
  for (;;) {
    const int c = takeByte();
    if (c < 0) throw EndOfInput{};
    if (c == '\n') return;
  }
}

template <class Int>
void ConsoleInput::readNumberInto(Int& target) {
  int c = peekByte();
  while (c >= 0 && isWhiteSpace(c)) {
    takeByte();
    c = peekByte();
  }
  if (c < 0) throw EndOfInput{};

  if (const std::optional<Int> value = takeDecimal<Int>([this] { return peekByte(); }, [this] { takeByte(); })) {
    target = *value;
    return;
  }
  discardRestOfLine();
}

void ConsoleInput::readNumber(std::int16_t& target) { readNumberInto(target); }
void ConsoleInput::readNumber(std::int32_t& target) { readNumberInto(target); }

void ConsoleInput::readLine(char* buffer, std::size_t capacity) {
  if (peekByte() < 0) throw EndOfInput{};
  std::string raw;
  bool truncated = false;
  for (int c = takeByte(); c >= 0 && c != '\n'; c = takeByte()) {
    if (raw.size() < kRawLineLimit) {
      raw += static_cast<char>(c);
    } else {
      truncated = true;
    }
  }
  if (!truncated && !raw.empty() && raw.back() == '\r') raw.pop_back();
  if (capacity == 0) return;
  const std::string text = typed_.toCp866(raw, capacity - 1);
  std::memset(buffer, 0, capacity);  // the text is shorter than the buffer: it ends in zeros
  text.copy(buffer, text.size());
}

// A key of the input stream: its bytes are taken from the stream as the key takes them,
// and the byte after it stays there for whichever read comes next.
Key ConsoleInput::streamKey() {
  for (;;) {
    if (const std::optional<Key> key = streamKeys_.take()) return *key;
    const int c = peekByte();
    if (c < 0) {
      if (!streamKeys_.started()) throw EndOfInput{};
      streamKeys_.timeout();
    } else if (streamKeys_.add(static_cast<unsigned char>(c))) {
      ++inputPos_;
    }
  }
}

// A key of the keyboard. A byte read that the key does not take stays for the next key
// wait; so do the bytes of whole keys read beyond it.
Key ConsoleInput::keyboardKey() {
  struct KeyMode {
    ConsoleDevice& device;
    explicit KeyMode(ConsoleDevice& d) : device(d) { device.beginKeyWait(); }
    ~KeyMode() { device.endKeyWait(); }
    KeyMode(const KeyMode&) = delete;
    KeyMode& operator=(const KeyMode&) = delete;
  } mode(device_);

  for (;;) {
    if (const std::optional<Key> key = keyboardKeys_.take()) return *key;
    if (keyboardPos_ < keyboard_.size()) {
      if (keyboardKeys_.add(static_cast<unsigned char>(keyboard_[keyboardPos_]))) ++keyboardPos_;
      continue;
    }
    if (keyboardWhole_ && keyboardKeys_.started()) {
      keyboardKeys_.timeout();
      continue;
    }
    keyboard_.clear();
    keyboardPos_ = 0;
    output_.flush();
    switch (device_.readKeyboard(keyboardKeys_.started() ? kKeyPauseMs : -1, keyboard_)) {
      case ConsoleDevice::KeyboardRead::Bytes: keyboardWhole_ = false; break;
      case ConsoleDevice::KeyboardRead::WholeKeys: keyboardWhole_ = true; break;
      case ConsoleDevice::KeyboardRead::TimedOut: keyboardKeys_.timeout(); break;
      case ConsoleDevice::KeyboardRead::Ended:
        if (!keyboardKeys_.started()) throw EndOfInput{};
        keyboardKeys_.timeout();
        break;
    }
  }
}

void ConsoleInput::waitKey() {
  if (std::exchange(keyHeldBack_, false)) return;
  const Key key = device_.hasKeyboard() ? keyboardKey() : streamKey();
  keyHeldBack_ = key.extended;
}

}  // namespace geekpath
