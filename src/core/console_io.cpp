#include "core/console_io.hpp"

#include "core/decimal.hpp"

#include <cstring>
#include <optional>

namespace geekpath {
namespace {

constexpr std::size_t kInputChunk = std::size_t{64} * 1024;
// Raw bytes of a nickname line kept for decoding; the rest of the line is dropped. Any
// encoding needs far fewer bytes for 15 characters.
constexpr std::size_t kRawLineLimit = 256;
// How long a terminal's ESC waits for the rest of an escape sequence.
constexpr int kEscapeSequenceMs = 50;
constexpr int kEscape = 0x1B;

// The digits of a value in plain signed decimal, formatted two at a time from a table
// into the end of a buffer large enough that a fixed-size copy of kLongest bytes from the
// first digit on stays inside it.
constexpr std::size_t kLongest = 20;  // "-9223372036854775808"
struct Decimal {
  char buffer[2 * kLongest];
  const char* first;
  std::size_t size;
};

Decimal formatDecimal(std::int64_t value) {
  static constexpr char kPairs[] =
      "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
      "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";
  Decimal d{};
  char* const end = d.buffer + kLongest;
  char* p = end;
  std::uint64_t n = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  while (n >= 100) {
    const std::size_t pair = static_cast<std::size_t>(n % 100) * 2;
    n /= 100;
    p -= 2;
    p[0] = kPairs[pair];
    p[1] = kPairs[pair + 1];
  }
  if (n >= 10) {
    p -= 2;
    p[0] = kPairs[n * 2];
    p[1] = kPairs[n * 2 + 1];
  } else {
    *--p = static_cast<char>('0' + n);
  }
  if (value < 0) *--p = '-';
  d.first = p;
  d.size = static_cast<std::size_t>(end - p);
  return d;
}

}  // namespace

void ConsoleIo::printNumber(std::int64_t value) {
  const Decimal d = formatDecimal(value);
  // Digits and the sign are the same bytes in every terminal encoding: in the put area
  // they go in with one copy of fixed size, of which only the digits count.
  if (static_cast<std::size_t>(putEnd_ - put_) >= kLongest) {
    std::memcpy(put_, d.first, kLongest);
    put_ += d.size;
    return;
  }
  printSlow(std::string_view(d.first, d.size));
}

void ConsoleIo::clearScreen() {
  static constexpr std::string_view kLineFeeds =
      "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n"
      "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n"
      "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n";
  static_assert(kLineFeeds.size() == 121);
  printText(kLineFeeds);
}

StreamConsole::StreamConsole(TextCodec codec)
    : codec_(std::move(codec)),
      passThrough_(codec_.kind() == TextCodec::Kind::Utf8),
      output_(std::make_unique<char[]>(kOutputBufferSize)) {
  put_ = output_.get();
  resetPutArea();
}

void StreamConsole::resetPutArea() { putEnd_ = passThrough_ ? output_.get() + kOutputBufferSize : put_; }

void StreamConsole::appendBytes(std::string_view bytes) {
  if (bytes.size() > static_cast<std::size_t>(output_.get() + kOutputBufferSize - put_)) {
    flush();
    if (bytes.size() > kOutputBufferSize) {
      writeOutput(bytes);
      return;
    }
  }
  bytes.copy(put_, bytes.size());
  put_ += bytes.size();
  resetPutArea();
}

void StreamConsole::printSlow(std::string_view utf8) {
  if (passThrough_) {
    appendBytes(utf8);
    return;
  }
  converted_.clear();
  codec_.appendFromUtf8(converted_, utf8);
  appendBytes(converted_);
}

void StreamConsole::flush() {
  // A flush that a device's own signal handling starts in the middle of a write leaves
  // the bytes to the write under way.
  if (put_ == output_.get() || flushing_) return;
  struct Flushing {
    bool& flag;
    explicit Flushing(bool& f) : flag(f) { flag = true; }
    ~Flushing() { flag = false; }
    Flushing(const Flushing&) = delete;
    Flushing& operator=(const Flushing&) = delete;
  } flushing(flushing_);
  const std::string_view bytes(output_.get(), static_cast<std::size_t>(put_ - output_.get()));
  put_ = output_.get();
  resetPutArea();
  writeOutput(bytes);
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
