#pragma once
// The number syntax the game reads everywhere, from the keyboard and from save files alike.

#include <cstdint>
#include <limits>
#include <optional>

#include "core/wrapping.hpp"

namespace geekpath {

// The white space the game skips: space, tab, LF, CR, vertical tab and form feed.
[[nodiscard]] constexpr bool isWhiteSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Takes an optional sign and the decimal digits after it from a byte source (peek() gives
// the next byte or -1 at the end, take() moves past it), stopping before the first byte
// that cannot continue the number. Gives the value when at least one digit was read and
// it fits Int. Any number of digits is safe: the magnitude is kept only while it can
// still fit, more digits just mark it too big.
template <FieldInt Int, class Peek, class Take>
[[nodiscard]] std::optional<Int> takeDecimal(Peek peek, Take take) {
  int c = peek();
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    take();
    c = peek();
  }
  constexpr std::int64_t kMaxMagnitude = std::int64_t{std::numeric_limits<Int>::max()} + 1;
  std::int64_t magnitude = 0;
  bool anyDigit = false;
  bool tooBig = false;
  while (c >= '0' && c <= '9') {
    anyDigit = true;
    if (!tooBig) {
      magnitude = magnitude * 10 + (c - '0');
      tooBig = magnitude > kMaxMagnitude;
    }
    take();
    c = peek();
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (!anyDigit || tooBig || value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max()) {
    return std::nullopt;
  }
  return static_cast<Int>(value);
}

}  // namespace geekpath
