#include "core/console_io.hpp"

#include "core/decimal.hpp"

#include <charconv>
#include <cstring>
#include <optional>

namespace geekpath {
namespace {

constexpr std::size_t kOutputFlushSize = std::size_t{64} * 1024;
constexpr std::size_t kInputChunk = std::size_t{64} * 1024;
// Raw bytes of a nickname line kept for decoding; the rest of the line is dropped. Any
// encoding needs far fewer bytes for 15 characters.
constexpr std::size_t kRawLineLimit = 256;
// How long a terminal's ESC waits for the rest of an escape sequence.
constexpr int kEscapeSequenceMs = 50;
constexpr int kEscape = 0x1B;

}  // namespace

void ConsoleIo::printLine(std::string_view utf8) {
  printText(utf8);
  printText("\n");
}

void StreamConsole::append(std::string_view utf8) {
  if (passThrough_) {
    output_.append(utf8);
  } else {
    codec_.appendFromUtf8(output_, utf8);
  }
}

void StreamConsole::printLine(std::string_view utf8) {
  append(utf8);
  output_ += '\n';
  if (output_.size() >= kOutputFlushSize) flush();
}

void ConsoleIo::clearScreen() {
  static const std::string kLineFeeds(121, '\n');
  printText(kLineFeeds);
}

std::string formatReal(double value) {
  // The "general" form with 6 digits is printf's %g.
  char text[64];
  const std::to_chars_result end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
  return std::string(text, end.ptr);
}

StreamConsole::StreamConsole(TextCodec codec)
    : codec_(std::move(codec)), passThrough_(codec_.kind() == TextCodec::Kind::Utf8) {
  output_.reserve(kOutputFlushSize + 4096);
  writing_.reserve(kOutputFlushSize + 4096);
}

void StreamConsole::printText(std::string_view utf8) {
  append(utf8);
  if (output_.size() >= kOutputFlushSize) flush();
}

void StreamConsole::flush() {
  // A flush that a device's own signal handling starts in the middle of a write leaves
  // the bytes to the write under way.
  if (output_.empty() || flushing_) return;
  flushing_ = true;
  // The buffers trade places, so the one being written is never appended to and both
  // keep their capacity from screen to screen.
  writing_.swap(output_);
  writeOutput(writing_);
  writing_.clear();
  flushing_ = false;
}

bool StreamConsole::fillInput() {
  if (inputEnded_) return false;
  if (inputPos_ == input_.size()) {
    input_.clear();
    inputPos_ = 0;
  }
  flush();
  const std::size_t old = input_.size();
  input_.resize(old + kInputChunk);
  const std::size_t got = readInput(input_.data() + old, kInputChunk);
  input_.resize(old + got);
  if (got == 0) inputEnded_ = true;
  return got != 0;
}

int StreamConsole::peekByte() {
  if (inputPos_ == input_.size() && !fillInput()) return -1;
  return static_cast<unsigned char>(input_[inputPos_]);
}

int StreamConsole::takeByte() {
  const int c = peekByte();
  if (c >= 0) ++inputPos_;
  return c;
}

void StreamConsole::discardRestOfLine() {
  for (;;) {
    const int c = takeByte();
    if (c < 0) throw EndOfInput{};
    if (c == '\n') return;
  }
}

template <class Int>
void StreamConsole::readNumberInto(Int& target) {
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

void StreamConsole::readNumber(std::int16_t& target) { readNumberInto(target); }
void StreamConsole::readNumber(std::int32_t& target) { readNumberInto(target); }

void StreamConsole::readLine(char* buffer, std::size_t capacity) {
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
  const std::string text = codec_.toCp866(raw, capacity - 1);
  std::memset(buffer, 0, capacity);  // the text is shorter than the buffer: it ends in zeros
  text.copy(buffer, text.size());
}

int StreamConsole::nextKeyByte(int timeoutMs) {
  if (!hasKeyboard()) return takeByte();
  if (keyboardPushBack_ >= 0) {
    const int c = keyboardPushBack_;
    keyboardPushBack_ = -1;
    return c;
  }
  flush();
  const int c = readKeyboard(timeoutMs);
  return c >= 0 ? c : -1;
}

int StreamConsole::peekKeyByte(int timeoutMs) {
  if (!hasKeyboard()) return peekByte();
  if (keyboardPushBack_ < 0) {
    flush();
    const int c = readKeyboard(timeoutMs);
    if (c < 0) return -1;
    keyboardPushBack_ = c;
  }
  return keyboardPushBack_;
}

void StreamConsole::waitKey() {
  if (keyHeldBack_) {
    keyHeldBack_ = false;
    return;
  }
  struct Scope {
    StreamConsole& console;
    bool active;
    Scope(StreamConsole& c, bool a) : console(c), active(a) {
      if (active) console.beginKeyWait();
    }
    ~Scope() {
      if (active) console.endKeyWait();
    }
  } scope(*this, hasKeyboard());

  const int first = nextKeyByte(-1);
  if (first < 0) throw EndOfInput{};
  if (first == kExtendedKey) {
    keyHeldBack_ = true;
    return;
  }
  if (first != kEscape) return;

  // ESC [ parameters, intermediates and one final byte, or ESC O and one byte, are one
  // extended key; anything else leaves the ESC a key of its own.
  const int second = peekKeyByte(kEscapeSequenceMs);
  if (second == '[') {
    nextKeyByte(kEscapeSequenceMs);
    for (;;) {
      const int c = peekKeyByte(kEscapeSequenceMs);
      if (c >= 0x20 && c <= 0x3F) {
        nextKeyByte(kEscapeSequenceMs);
        continue;
      }
      if (c >= 0x40 && c <= 0x7E) nextKeyByte(kEscapeSequenceMs);
      break;
    }
    keyHeldBack_ = true;
  } else if (second == 'O') {
    nextKeyByte(kEscapeSequenceMs);
    if (peekKeyByte(kEscapeSequenceMs) >= 0) nextKeyByte(kEscapeSequenceMs);
    keyHeldBack_ = true;
  }
}

}  // namespace geekpath
