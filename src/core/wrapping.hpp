#pragma once
// Arithmetic on the game's fixed-width fields. Every field is a signed 16- or 32-bit
// integer whose arithmetic wraps as two's complement; these helpers do the arithmetic
// in unsigned 64-bit (where wrapping is defined) and narrow the result, so no signed
// overflow ever happens.

#include <cmath>
#include <concepts>
#include <cstdint>

namespace geekpath {

template <class Int>
concept FieldInt = std::same_as<Int, std::int16_t> || std::same_as<Int, std::int32_t>;

// The value v reduced into Int's range, two's complement.
template <FieldInt Int>
[[nodiscard]] constexpr Int wrapTo(std::int64_t v) {
  return static_cast<Int>(static_cast<std::uint64_t>(v));
}

// field += delta, wrapping.
template <FieldInt Int>
constexpr void addTo(Int& field, std::int64_t delta) {
  field = static_cast<Int>(static_cast<std::uint64_t>(field) + static_cast<std::uint64_t>(delta));
}

// field -= delta, wrapping.
template <FieldInt Int>
constexpr void subtractFrom(Int& field, std::int64_t delta) {
  field = static_cast<Int>(static_cast<std::uint64_t>(field) - static_cast<std::uint64_t>(delta));
}

// a * b as the low 32 bits of the exact product, as a 32-bit field would hold it.
[[nodiscard]] constexpr std::int32_t multiplyWrap(std::int64_t a, std::int64_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b));
}

// A real result stored into an integer field: truncated toward zero, then wrapped into
// the field's width even when it lies far beyond it. Not-a-number and infinities give 0.
template <FieldInt Int>
[[nodiscard]] Int truncateTo(double x) {
  if (!std::isfinite(x)) return 0;
  const double whole = std::trunc(x);
  // fmod is exact, so this keeps the low 32 bits of any finite integer value.
  const double low = std::fmod(whole, 4294967296.0);
  return wrapTo<Int>(static_cast<std::int64_t>(low));
}

}  // namespace geekpath
