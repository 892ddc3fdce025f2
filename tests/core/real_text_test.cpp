// Reals as text: printf's %g to the byte, and the nearest float to any decimal text, at
// the edges of the float range and for texts of any length. Where the C++ library has
// floating-point to_chars and from_chars, every value is checked against them as well.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/real_text.hpp"

namespace geekpath {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string printfG(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

// The exact decimal value of a double: a float, a point halfway between two, or a double
// next to such a point has at most 160 significant digits.
std::string exactText(double value) {
  char text[220];
  std::snprintf(text, sizeof text, "%.200e", value);
  return text;
}

std::string bitsOf(std::optional<float> value) {
  if (!value) return "nothing";
  char text[40];
  std::snprintf(text, sizeof text, "%08x (%a)", bitCast<std::uint32_t>(*value), static_cast<double>(*value));
  return text;
}

void expectFormatted(double value, const std::string& expected) {
  EXPECT_EQ(formatReal(value), expected) << std::hexfloat << value;
#if defined(__cpp_lib_to_chars)
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
  EXPECT_EQ(formatReal(value), std::string(text, end.ptr)) << std::hexfloat << value;
#endif
}

void expectParsed(const std::string& text, std::optional<float> expected) {
  EXPECT_EQ(bitsOf(parseFloat(text)), bitsOf(expected)) << text.substr(0, 120);
#if defined(__cpp_lib_to_chars)
  // The library takes no plus sign, and reads infinities and NaNs, which the game does not;
  // it reports a result below the smallest float as out of range where the game reads a zero.
  // With the plus cut off, a plus then a minus would read as a minus: nothing to compare.
  const std::size_t from = text[0] == '+' ? 1 : 0;
  if (from == 1 && text[1] == '-') return;
  float native = 0;
  const auto [end, error] = std::from_chars(text.data() + from, text.data() + text.size(), native);
  if (error == std::errc() && end == text.data() + text.size() && std::isfinite(native)) {
    EXPECT_EQ(bitsOf(parseFloat(text)), bitsOf(native)) << text.substr(0, 120);
  } else if (expected) {
    EXPECT_TRUE(error == std::errc::result_out_of_range && *expected == 0) << text.substr(0, 120);
  }
#endif
}

TEST(RealText, FormatsLikePrintfG) {
  struct Case {
    double value;
    const char* text;
  };
  // clang-format off
  const Case cases[] = {
      {0.125, "0.125"}, {0.5, "0.5"}, {1, "1"}, {8, "8"}, {3, "3"}, {0, "0"}, {-0.0, "-0"}, {-2.5, "-2.5"},
      {1e6, "1e+06"}, {999999, "999999"}, {999999.5, "1e+06"}, {999998.5, "999998"}, {1234565, "1.23456e+06"},
      {1234575, "1.23458e+06"}, {12345.25, "12345.2"}, {12345.75, "12345.8"}, {1.23456789e-5, "1.23457e-05"},
      {0.0001, "0.0001"}, {0.00001, "1e-05"}, {0.000123456, "0.000123456"}, {1e100, "1e+100"},
      {0x1p64, "1.84467e+19"}, {0x1.fffffffffffffp63, "1.84467e+19"}, {0x1p-27, "7.45058e-09"},
      {std::numeric_limits<double>::max(), "1.79769e+308"}, {std::numeric_limits<double>::denorm_min(), "4.94066e-324"},
      {std::numeric_limits<double>::min(), "2.22507e-308"}, {std::numeric_limits<float>::max(), "3.40282e+38"},
      {std::numeric_limits<float>::denorm_min(), "1.4013e-45"}, {kInf, "inf"}, {-kInf, "-inf"}, {kNaN, "nan"},
      {-kNaN, "-nan"},
  };
  // clang-format on
  for (const Case& c : cases) expectFormatted(c.value, c.text);

  // Bit patterns of every kind, and the values whose exact digits just fit 64 bits or just
  // do not (a few bits times a power of 2), against printf.
  std::mt19937_64 random(20240611);
  std::vector<double> values;
  for (int i = 0; i < 6000; ++i) {
    values.push_back(bitCast<double>(random()));
    values.push_back(bitCast<float>(static_cast<std::uint32_t>(random())));
    const auto bits = static_cast<int>(random() % 53) + 1;
    const double few = static_cast<double>(random() >> (64 - bits) | 1);
    values.push_back(std::ldexp(few, static_cast<int>(random() % 140) - 70));
  }
  for (const double value : values) {
    if (std::isnan(value)) continue;  // printf's NaN may lose its sign
    expectFormatted(value, printfG(value));
  }
}

TEST(RealText, ReadsTheNearestFloat) {
  const float maxFloat = std::numeric_limits<float>::max();
  const float minNormal = std::numeric_limits<float>::min();
  const float minFloat = std::numeric_limits<float>::denorm_min();
  // The points halfway from the largest float to 2^128 and from 0 to the smallest float.
  const std::string overflowPoint = "340282356779733661637539395458142568448";
  const std::string halfOfSmallest = exactText(0x1p-150);
  const std::string mebibyteOfZeros(std::size_t{1} << 20, '0');
  struct Case {
    std::string text;
    std::optional<float> value;
  };
  // clang-format off
  const Case cases[] = {
      {"0.125", 0.125f}, {"+8", 8.0f}, {"-0", -0.0f}, {"0e999999999999", 0.0f}, {"0.1", 0.1f},
      {"16777217", 16777216.0f}, {"16777219", 16777220.0f}, {"16777217.00000000000000000000001", 16777218.0f},
      {"3.4028234663852886e38", maxFloat}, {overflowPoint + ".0", std::nullopt},
      {overflowPoint.substr(0, 38) + "7.99999999999999999999", maxFloat}, {"1e39", std::nullopt},
      {"-1e999999999999999999", std::nullopt}, {"1.17549435e-38", minNormal},
      {"1.1754942e-38", std::nextafter(minNormal, 0.0f)}, {"1e-40", 0x1.16c2p-133f}, {"1e-45", minFloat},
      {"-1.4e-45", -minFloat}, {halfOfSmallest, 0.0f}, {"-" + halfOfSmallest, -0.0f}, {"1e-46", 0.0f},
      {"-1e-999999999999999", -0.0f},
      // A mebibyte of digits: the digits beyond those read exactly still count.
      {halfOfSmallest.substr(0, halfOfSmallest.find('e')) + mebibyteOfZeros + "1e-46", minFloat},
      {overflowPoint.substr(0, 38) + "7." + std::string(std::size_t{1} << 20, '9'), maxFloat},
      {overflowPoint + "." + mebibyteOfZeros, std::nullopt}, {"0." + mebibyteOfZeros + "1e1048577", 1.0f},
      {"1" + mebibyteOfZeros + "e-1048576", 1.0f}, {std::string(std::size_t{1} << 20, '9'), std::nullopt},
      {"", std::nullopt}, {"-", std::nullopt}, {".", std::nullopt}, {"e5", std::nullopt}, {"1e", std::nullopt},
      {"1e+", std::nullopt}, {"1.2.3", std::nullopt}, {"1x", std::nullopt}, {" 1", std::nullopt},
      {"inf", std::nullopt}, {"nan", std::nullopt},
      // Around the sign, the point and the exponent, where other readers' grammars differ.
      {".5", 0.5f}, {"5.", 5.0f}, {"-.5", -0.5f}, {"+5.e-1", 0.5f}, {"1E+2", 100.0f}, {"+", std::nullopt},
      {"+.", std::nullopt}, {"+-1", std::nullopt}, {"--1", std::nullopt}, {"-+1", std::nullopt},
      {"+inf", std::nullopt}, {"-infinity", std::nullopt}, {"-nan", std::nullopt}, {"nan(1)", std::nullopt},
      {".e1", std::nullopt}, {"0x10", std::nullopt}, {"1 ", std::nullopt}, {"1e5x", std::nullopt},
  };
  // clang-format on
  for (const Case& c : cases) expectParsed(c.text, c.value);
}

// Every float of the binades at the edges of the range (and some others): its exact value,
// the point halfway to the next float (a tie goes to the even one) and the doubles on
// either side of that point.
TEST(RealText, ReadsEveryFloatAndTheRoundingPointsAroundIt) {
  std::vector<std::uint32_t> floats;
  const auto window = [&](std::uint32_t from, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i) floats.push_back(from + i);
  };
  window(0, 1000);                 // the smallest subnormals
  window(0x00800000 - 500, 1000);  // the largest subnormals and smallest normal floats
  window(0x3F800000 - 500, 1000);  // around 1
  window(0x7F7FFFFF - 999, 1000);  // the largest floats
  std::mt19937 random(1234);
  for (int i = 0; i < 2000; ++i) floats.push_back(static_cast<std::uint32_t>(random() % 0x7F800000));

  for (const std::uint32_t bits : floats) {
    const float value = bitCast<float>(bits);
    const std::optional<float> next =
        bits == 0x7F7FFFFF ? std::nullopt : std::optional<float>(bitCast<float>(bits + 1));
    const double halfway = (static_cast<double>(value) + (next ? static_cast<double>(*next) : 0x1p128)) / 2;
    const bool negate = bits % 3 == 0;
    const auto check = [&](double point, std::optional<float> expected) {
      if (negate && expected) expected = -*expected;
      expectParsed(exactText(negate ? -point : point), expected);
    };
    check(value, value);
    check(halfway, bits % 2 == 0 ? std::optional<float>(value) : next);
    check(std::nextafter(halfway, 0.0), value);
    check(std::nextafter(halfway, kInf), next);
  }
}

}  // namespace
}  // namespace geekpath
