#include "core/console_output.hpp"

#include <cstring>
#include <utility>

namespace geekpath {
namespace {

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

ConsoleOutput::ConsoleOutput(ConsoleDevice& device, TextCodec codec)
    : buffer_(std::make_unique<char[]>(kBufferSize)),
      device_(device),
      codec_(std::move(codec)),
      passThrough_(codec_.kind() == TextCodec::Kind::Utf8) {
  put_ = buffer_.get();
  resetPutArea();
}

void ConsoleOutput::printNumber(std::int64_t value) {
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

void ConsoleOutput::resetPutArea() { putEnd_ = passThrough_ ? buffer_.get() + kBufferSize : put_; }

void ConsoleOutput::appendBytes(std::string_view bytes) {
  if (bytes.size() > static_cast<std::size_t>(buffer_.get() + kBufferSize - put_)) {
    flush();
    if (bytes.size() > kBufferSize) {
      device_.writeOutput(bytes);
      return;
    }
  }
  bytes.copy(put_, bytes.size());
  put_ += bytes.size();
  resetPutArea();
}

void ConsoleOutput::printSlow(std::string_view utf8) {
  if (passThrough_) {
    appendBytes(utf8);
    return;
  }
  converted_.clear();
  codec_.appendFromUtf8(converted_, utf8);
  appendBytes(converted_);
}

void ConsoleOutput::flush() {
  if (put_ == buffer_.get()) return;
  const std::string_view bytes(buffer_.get(), static_cast<std::size_t>(put_ - buffer_.get()));
  put_ = buffer_.get();
  resetPutArea();
  device_.writeOutput(bytes);
}

}  // namespace geekpath
