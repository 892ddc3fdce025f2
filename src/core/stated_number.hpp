#pragma once
// The numbers a text states, read at compile time: a table row that holds a number and a
// text stating it checks with a static_assert that the two agree.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace geekpath {

namespace stated_number_detail {

struct StatedNumber {
  double value;
  std::size_t end;  // where the text goes on after it
};

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number that begins at text[at], a digit.
constexpr StatedNumber numberAt(std::string_view text, std::size_t at) {
  std::uint64_t digits = 0;
  std::uint64_t scale = 1;
  for (; at < text.size() && isDigit(text[at]); ++at) digits = digits * 10 + static_cast<std::uint64_t>(text[at] - '0');
  if (at + 1 < text.size() && text[at] == '.' && isDigit(text[at + 1])) {
    for (++at; at < text.size() && isDigit(text[at]); ++at) {
      digits = digits * 10 + static_cast<std::uint64_t>(text[at] - '0');
      scale *= 10;
    }
  }
  // One division of two exact values: the double nearest to the decimal, as a literal gives.
  return {.value = static_cast<double>(digits) / static_cast<double>(scale), .end = at};
}

}  // namespace stated_number_detail

// A number in a text is a run of digits, with its decimal fraction when a point and a
// digit follow; signs are not read. "Geforce3600" states 3600, "0.125 GB" 0.125,
// "1.Деньги" 1, "1-6" 1 and 6.

// The first number the text states, if any.
[[nodiscard]] constexpr std::optional<double> firstNumber(std::string_view text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (stated_number_detail::isDigit(text[at])) return stated_number_detail::numberAt(text, at).value;
  }
  return std::nullopt;
}

// The last number the text states, if any.
[[nodiscard]] constexpr std::optional<double> lastNumber(std::string_view text) {
  std::optional<double> last;
  for (std::size_t at = 0; at < text.size();) {
    if (!stated_number_detail::isDigit(text[at])) {
      ++at;
      continue;
    }
    const stated_number_detail::StatedNumber number = stated_number_detail::numberAt(text, at);
    last = number.value;
    at = number.end;
  }
  return last;
}

}  // namespace geekpath
