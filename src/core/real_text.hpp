#pragma once
// Real numbers as text, the same bytes whatever C++ library the game is built with: the
// memory size on the status panel and in save files, and the version number. Formatting is
// the game's own code (the browser build's C++ library has no floating-point to_chars);
// reading goes through fast_float, in every build alike.

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace geekpath {

// The bits of from, seen as a To of the same size.
template <class To, class From>
[[nodiscard]] To bitCast(const From& from) noexcept {
  static_assert(sizeof(To) == sizeof(From));
  static_assert(std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>);
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
}

// Default floating-point formatting, byte for byte printf's "%g": the exact binary value
// rounded to 6 significant digits (a tie goes to the even digit), written plainly when its
// decimal exponent X is in -4 <= X < 6 and as d.ddddde+XX otherwise (at least two exponent
// digits), with no trailing zeros and no point after a whole value: "0.125", "1", "8",
// "1e+06", "1.23457e-05", "-0", "inf", "-inf", "nan", "-nan".
[[nodiscard]] std::string formatReal(double value);

// The float nearest to a decimal real (a tie goes to the even float): the whole text is an
// optional sign, digits with an optional point among or after them (at least one digit),
// and an optional exponent, "e" or "E" with an optional sign and at least one digit. Any
// number of digits is read in time linear in their count. A value too small for the
// smallest float reads as a zero of its sign; a value that rounds beyond the largest
// float, or text of any other form, gives nothing.
[[nodiscard]] std::optional<float> parseFloat(std::string_view text);

}  // namespace geekpath
