#include "core/real_text.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace geekpath {
namespace {

// base^0 to base^(N - 1).
template <std::size_t N>
constexpr std::array<std::uint64_t, N> powersOf(std::uint64_t base) {
  std::array<std::uint64_t, N> powers{};
  std::uint64_t p = 1;
  for (std::uint64_t& power : powers) {
    power = p;
    p *= base;
  }
  return powers;
}

constexpr auto kPowersOf10 = powersOf<20>(10);
// 5^0 to 5^27, the largest power of 5 below 2^64.
constexpr auto kPowersOf5 = powersOf<28>(5);

// The largest powers of 10 and of 5 that fit a 32-bit limb.
constexpr std::uint32_t kBillion = 1'000'000'000;
constexpr unsigned kFifthsPerLimb = 13;
constexpr auto kFiveToTheThirteen = static_cast<std::uint32_t>(kPowersOf5[kFifthsPerLimb]);

// Significant digits of a decimal text that are read exactly; the digits after them
// count only as being zero or not. Every point halfway between two neighbouring floats
// (where the rounding of a text changes) has at most 113 significant digits, so a text
// cut after this many, with one more nonzero digit standing for any nonzero rest, lies on
// the same side of every one of them as the whole text.
constexpr std::size_t kKeptDigits = 800;

// Bits of the largest number the conversions hold: the kept digits and the digit standing
// for the rest (10^801 < 2^2661). Formatting needs fewer: the exact decimal value of a
// double's smallest fractions, m * 5^1074 with m below 2^53, has at most 2548 bits.
constexpr std::size_t kMaxBits = 2661;

// An unsigned integer of up to kMaxBits bits, in 32-bit limbs on the stack, least
// significant first, with the few operations the conversions need.
class BigUint {
 public:
  explicit BigUint(std::uint64_t value) {
    while (value != 0) {
      limbs_[size_++] = static_cast<std::uint32_t>(value);
      value >>= 32;
    }
  }

  [[nodiscard]] bool isZero() const { return size_ == 0; }

  [[nodiscard]] std::size_t bitWidth() const {
    return size_ == 0 ? 0 : (size_ - 1) * 32 + static_cast<std::size_t>(std::bit_width(limbs_[size_ - 1]));
  }

  // The value, which has at most 64 bits.
  [[nodiscard]] std::uint64_t low64() const {
    assert(size_ <= 2);
    return (std::uint64_t{limbs_[1]} << 32) | limbs_[0];
  }

  // this = this * factor + addend.
  void multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::size_t i = 0; i < size_; ++i) {
      const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
      limbs_[i] = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) push(static_cast<std::uint32_t>(carry));
  }

  // this = this * 5^exponent.
  void multiplyByPowerOf5(std::size_t exponent) {
    for (; exponent >= kFifthsPerLimb; exponent -= kFifthsPerLimb) multiplyAdd(kFiveToTheThirteen, 0);
    if (exponent > 0) multiplyAdd(static_cast<std::uint32_t>(kPowersOf5[exponent]), 0);
  }

  // this = this / divisor, rounded down; gives the remainder.
  std::uint32_t divide(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::size_t i = size_; i-- > 0;) {
      const std::uint64_t current = (remainder << 32) | limbs_[i];
      limbs_[i] = static_cast<std::uint32_t>(current / divisor);
      remainder = current % divisor;
    }
    trim();
    return static_cast<std::uint32_t>(remainder);
  }

  // this = this / 5^exponent, rounded down; gives whether anything was left over.
  bool divideByPowerOf5(std::size_t exponent) {
    bool remainder = false;
    for (; exponent >= kFifthsPerLimb; exponent -= kFifthsPerLimb) remainder |= divide(kFiveToTheThirteen) != 0;
    if (exponent > 0) remainder |= divide(static_cast<std::uint32_t>(kPowersOf5[exponent])) != 0;
    return remainder;
  }

  void shiftLeft(std::size_t bits) {
    if (size_ == 0) return;
    const std::size_t limbShift = bits / 32;
    const unsigned bitShift = bits % 32;
    std::uint32_t top = 0;
    if (bitShift != 0) top = limbs_[size_ - 1] >> (32 - bitShift);
    for (std::size_t i = size_; i-- > 0;) {
      std::uint32_t limb = limbs_[i] << bitShift;
      if (bitShift != 0 && i > 0) limb |= limbs_[i - 1] >> (32 - bitShift);
      at(i + limbShift) = limb;
    }
    std::fill_n(limbs_.begin(), limbShift, 0);
    size_ += limbShift;
    if (top != 0) push(top);
  }

  // this = this / 2^bits, rounded down; gives whether a one bit was dropped.
  bool shiftRight(std::size_t bits) {
    const std::size_t limbShift = bits / 32;
    const unsigned bitShift = bits % 32;
    if (limbShift >= size_) {
      const bool dropped = size_ != 0;
      std::fill_n(limbs_.begin(), size_, 0);
      size_ = 0;
      return dropped;
    }
    bool dropped = std::any_of(limbs_.begin(), limbs_.begin() + static_cast<std::ptrdiff_t>(limbShift),
                               [](std::uint32_t limb) { return limb != 0; });
    if (bitShift != 0) dropped |= (limbs_[limbShift] & ((std::uint32_t{1} << bitShift) - 1)) != 0;
    const std::size_t newSize = size_ - limbShift;
    for (std::size_t i = 0; i < newSize; ++i) {
      std::uint32_t limb = limbs_[i + limbShift] >> bitShift;
      if (bitShift != 0 && i + limbShift + 1 < size_) limb |= limbs_[i + limbShift + 1] << (32 - bitShift);
      limbs_[i] = limb;
    }
    std::fill(limbs_.begin() + static_cast<std::ptrdiff_t>(newSize), limbs_.begin() + static_cast<std::ptrdiff_t>(size_), 0);
    size_ = newSize;
    trim();
    return dropped;
  }

 private:
  static constexpr std::size_t kLimbs = (kMaxBits + 31) / 32;

  std::uint32_t& at(std::size_t i) {
    assert(i < kLimbs);
    return limbs_[i];
  }
  void push(std::uint32_t limb) { at(size_++) = limb; }
  void trim() {
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
  }

  std::array<std::uint32_t, kLimbs> limbs_{};
  std::size_t size_ = 0;  // limbs in use; the top one is not zero
};

// A nonzero value rounded to 6 significant digits: digits * 10^(exponent - 5), with digits
// in [100000, 999999].
struct SixDigits {
  std::uint32_t digits;
  int exponent;
};

unsigned decimalDigitCount(std::uint64_t n) {
  unsigned count = 1;
  while (count < kPowersOf10.size() && n >= kPowersOf10[count]) ++count;
  return count;
}

// The value head * 10^headPower, and a little more when moreAfter is set (then head has
// more than 7 digits), rounded exactly.
SixDigits roundDigits(std::uint64_t head, int headPower, bool moreAfter) {
  const unsigned count = decimalDigitCount(head);
  const int exponent = static_cast<int>(count) - 1 + headPower;
  if (count <= 6) return {.digits = static_cast<std::uint32_t>(head * kPowersOf10[6 - count]), .exponent = exponent};
  const std::uint64_t unit = kPowersOf10[count - 7];  // of the seventh digit
  auto lead = static_cast<std::uint32_t>(head / unit / 10);
  const std::uint64_t next = head / unit % 10;
  if (next > 5 || (next == 5 && (moreAfter || head % unit != 0 || lead % 2 == 1))) ++lead;
  constexpr std::uint32_t kSixDigitsEnd = 1'000'000;
  if (lead == kSixDigitsEnd) return {.digits = kSixDigitsEnd / 10, .exponent = exponent + 1};
  return {.digits = lead, .exponent = exponent};
}

// The value of any double: exact is the integer m * 2^binaryExponent, or m * 5^-binaryExponent
// with -binaryExponent fraction digits, written out in decimal.
SixDigits roundLarge(std::uint64_t m, int binaryExponent) {
  BigUint exact(m);
  int fractionDigits = 0;
  if (binaryExponent >= 0) {
    exact.shiftLeft(static_cast<std::size_t>(binaryExponent));
  } else {
    fractionDigits = -binaryExponent;
    exact.multiplyByPowerOf5(static_cast<std::size_t>(fractionDigits));
  }
  // Nine digits at a time, the least significant first.
  constexpr std::size_t kMaxChunks = kMaxBits * 30103 / 100000 / 9 + 2;
  std::array<std::uint32_t, kMaxChunks> chunks{};
  std::size_t below = 0;
  while (!exact.isZero()) {
    assert(below < kMaxChunks);
    chunks[below++] = exact.divide(kBillion);
  }
  // The top two chunks hold ten digits or more, enough to decide the rounding with the
  // rest counting only as zero or not.
  std::uint64_t head = chunks[--below];
  if (below > 0) head = head * kBillion + chunks[--below];
  const bool moreAfter = std::any_of(chunks.begin(), chunks.begin() + static_cast<std::ptrdiff_t>(below),
                                     [](std::uint32_t c) { return c != 0; });
  return roundDigits(head, static_cast<int>(below) * 9 - fractionDigits, moreAfter);
}

// The value of a finite nonzero double, m * 2^binaryExponent.
SixDigits roundToSixDigits(std::uint64_t m, int binaryExponent) {
  // Trailing zero bits make the exact decimal value no longer: the memory sizes and the
  // version number are a handful of bits, and their digits fit 64 bits.
  const int zeros = std::countr_zero(m);
  m >>= zeros;
  binaryExponent += zeros;
  if (binaryExponent >= 0) {
    if (static_cast<int>(std::bit_width(m)) + binaryExponent <= 64) return roundDigits(m << binaryExponent, 0, false);
  } else {
    const auto fifths = static_cast<std::size_t>(-binaryExponent);
    if (fifths < kPowersOf5.size() && m <= std::numeric_limits<std::uint64_t>::max() / kPowersOf5[fifths]) {
      return roundDigits(m * kPowersOf5[fifths], binaryExponent, false);
    }
  }
  return roundLarge(m, binaryExponent);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string formatReal(double value) {
  const auto bits = bitCast<std::uint64_t>(value);
  const bool negative = (bits >> 63) != 0;
  const auto biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (biasedExponent == 0x7FF) {
    if (fraction != 0) return negative ? "-nan" : "nan";
    return negative ? "-inf" : "inf";
  }
  if (biasedExponent == 0 && fraction == 0) return negative ? "-0" : "0";
  const SixDigits rounded = biasedExponent == 0 ? roundToSixDigits(fraction, -1074)
                                                : roundToSixDigits(fraction | (std::uint64_t{1} << 52), biasedExponent - 1075);

  // The significant digits without trailing zeros.
  char digits[6];
  std::size_t count = 6;
  std::uint32_t n = rounded.digits;
  while (n % 10 == 0) {
    n /= 10;
    --count;
  }
  for (std::size_t i = count; i-- > 0; n /= 10) digits[i] = static_cast<char>('0' + n % 10);

  char text[16];  // "-1.23457e-308"
  char* p = text;
  if (negative) *p++ = '-';
  const int x = rounded.exponent;
  if (x < -4 || x >= 6) {
    *p++ = digits[0];
    if (count > 1) {
      *p++ = '.';
      p = std::copy(digits + 1, digits + count, p);
    }
    *p++ = 'e';
    *p++ = x < 0 ? '-' : '+';
    const int magnitude = x < 0 ? -x : x;
    if (magnitude >= 100) *p++ = static_cast<char>('0' + magnitude / 100);
    *p++ = static_cast<char>('0' + magnitude / 10 % 10);
    *p++ = static_cast<char>('0' + magnitude % 10);
  } else if (x >= 0) {
    const auto whole = static_cast<std::size_t>(x) + 1;
    for (std::size_t i = 0; i < whole; ++i) *p++ = i < count ? digits[i] : '0';
    if (count > whole) {
      *p++ = '.';
      p = std::copy(digits + whole, digits + count, p);
    }
  } else {
    *p++ = '0';
    *p++ = '.';
    p = std::fill_n(p, -x - 1, '0');
    p = std::copy(digits, digits + count, p);
  }
  return std::string(text, p);
}

std::optional<float> parseFloat(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  // The value is significand * 10^scale, and a little more when moreDigits is set.
  BigUint significand(0);
  std::size_t kept = 0;
  std::int64_t scale = 0;
  bool moreDigits = false;
  bool anyDigit = false;
  bool afterPoint = false;
  std::uint32_t chunk = 0;  // kept digits not yet in significand
  std::size_t chunkDigits = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !afterPoint) {
      afterPoint = true;
      continue;
    }
    if (!isDigit(c)) break;
    anyDigit = true;
    if (kept == 0 && c == '0') {  // a leading zero
      if (afterPoint) --scale;
      continue;
    }
    if (kept == kKeptDigits) {
      moreDigits = moreDigits || c != '0';
      if (!afterPoint) ++scale;
      continue;
    }
    chunk = chunk * 10 + static_cast<std::uint32_t>(c - '0');
    ++kept;
    if (afterPoint) --scale;
    if (++chunkDigits == 9) {
      significand.multiplyAdd(kBillion, chunk);
      chunk = 0;
      chunkDigits = 0;
    }
  }
  if (chunkDigits > 0) significand.multiplyAdd(static_cast<std::uint32_t>(kPowersOf10[chunkDigits]), chunk);
  if (!anyDigit) return std::nullopt;

  std::int64_t exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    const std::size_t digitsFrom = i;
    constexpr std::int64_t kSaturated = 1'000'000'000;  // far beyond any float either way
    for (; i < text.size() && isDigit(text[i]); ++i) exponent = std::min(kSaturated, exponent * 10 + (text[i] - '0'));
    if (i == digitsFrom) return std::nullopt;
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;

  const float zero = negative ? -0.0f : 0.0f;
  if (significand.isZero()) return zero;
  if (moreDigits) {
    significand.multiplyAdd(10, 1);
    ++kept;
    --scale;
  }
  // The value lies in [10^(order - 1), 10^order): beyond 10^39 it is beyond the largest
  // float, below 10^-46 it is below half the smallest one.
  const std::int64_t powerOf10 = scale + exponent;
  const std::int64_t order = static_cast<std::int64_t>(kept) + powerOf10;
  if (order > 39) return std::nullopt;
  if (order < -45) return zero;

  // scaled = the value * 2^150 rounded down, its smallest bit then being half the smallest
  // float's; inexact tells whether anything was dropped.
  constexpr int kScaleBits = 150;
  BigUint& scaled = significand;
  bool inexact = false;
  if (powerOf10 >= 0) {
    scaled.multiplyByPowerOf5(static_cast<std::size_t>(powerOf10));
    scaled.shiftLeft(static_cast<std::size_t>(powerOf10 + kScaleBits));
  } else {
    const auto fifths = static_cast<std::size_t>(-powerOf10);
    if (fifths < kScaleBits) scaled.shiftLeft(kScaleBits - fifths);
    inexact = scaled.divideByPowerOf5(fifths);
    if (fifths > kScaleBits) inexact = scaled.shiftRight(fifths - kScaleBits) || inexact;
  }
  // The value lies in [2^e, 2^(e + 1)); the float holds 24 bits from 2^e on, or from
  // 2^-126 on for the smallest (subnormal) ones. One bit more decides the rounding.
  const int e = std::max(static_cast<int>(scaled.bitWidth()) - 1 - kScaleBits, -126);
  const int belowHalfUnit = e - 24 + kScaleBits;  // bits under the rounding bit, at least 0
  inexact = scaled.shiftRight(static_cast<std::size_t>(belowHalfUnit)) || inexact;
  const std::uint64_t withHalf = scaled.low64();
  std::uint64_t mantissa = withHalf >> 1;
  if ((withHalf & 1) != 0 && (inexact || (mantissa & 1) != 0)) ++mantissa;
  int binaryExponent = e;
  if (mantissa == std::uint64_t{1} << 24) {
    mantissa >>= 1;
    ++binaryExponent;
  }
  if (binaryExponent > 127) return std::nullopt;
  const std::uint32_t biased = mantissa >= (std::uint64_t{1} << 23) ? static_cast<std::uint32_t>(binaryExponent + 127) : 0;
  const std::uint32_t bits = (negative ? std::uint32_t{1} << 31 : 0) | biased << 23 |
                             static_cast<std::uint32_t>(mantissa & ((std::uint64_t{1} << 23) - 1));
  return bitCast<float>(bits);
}

}  // namespace geekpath
