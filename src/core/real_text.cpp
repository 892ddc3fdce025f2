#include "core/real_text.hpp"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

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

// Bits of the largest number formatting holds: the exact decimal value of a double's
// smallest fractions, m * 5^1074 with m below 2^53, has at most 2548 bits.
constexpr std::size_t kMaxBits = 2548;

// An unsigned integer of up to kMaxBits bits, in 32-bit limbs on the stack, least
// significant first, with the few operations formatting needs.
class BigUint {
 public:
  explicit BigUint(std::uint64_t value) {
    while (value != 0) {
      limbs_[size_++] = static_cast<std::uint32_t>(value);
      value >>= 32;
    }
  }

  [[nodiscard]] bool isZero() const { return size_ == 0; }

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
  const SixDigits rounded = biasedExponent == 0
                                ? roundToSixDigits(fraction, -1074)
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
  // The library reads a minus sign but no plus, and reads infinities and NaNs; the sign is
  // taken here, and what follows it must start as a number does.
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || !(isDigit(text.front()) || text.front() == '.')) return std::nullopt;
  // It stops at the first character that does not fit its grammar, so the whole text must
  // have been read; a value beyond the largest float reads as infinity, and below half the
  // smallest one as zero.
  float value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = fast_float::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || std::isinf(value)) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace geekpath
