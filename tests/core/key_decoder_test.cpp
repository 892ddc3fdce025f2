// The key decoder on its own: bytes and pauses in, keys out, for the input stream (a byte
// a key) and for keyboards (a whole character a key).

#include "core/key_decoder.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace geekpath {
namespace {

constexpr Key K(std::size_t size) { return {.size = size, .extended = false}; }
constexpr Key X(std::size_t size) { return {.size = size, .extended = true}; }

// The keys of the bursts, with a pause after each.
std::vector<Key> decode(KeyDecoder& keys, const std::vector<std::string>& bursts) {
  std::vector<Key> out;
  const auto collect = [&] {
    if (const std::optional<Key> key = keys.take()) out.push_back(*key);
  };
  for (const std::string& burst : bursts) {
    for (const char c : burst) {
      while (!keys.add(static_cast<unsigned char>(c))) collect();
      collect();
    }
    keys.timeout();
    collect();
  }
  return out;
}

TEST(KeyDecoder, BytesAndPausesMakeKeys) {
  enum class From { Stream, Utf8, Cp866 };
  struct Case {
    From from;
    std::vector<std::string> bursts;
    std::vector<Key> keys;
    // clang-format off
  } cases[] = {
      {From::Stream, {"a\n"}, {K(1), K(1)}},
      {From::Stream, {"д"}, {K(1), K(1)}},  // the stream keeps a byte a key
      {From::Stream, {"\x1b[A"}, {X(3)}},
      {From::Stream, {"\x1b[1;5C\x1b[15~\x1bOP"}, {X(6), X(5), X(3)}},
      {From::Stream, {"\x1b[ 1q"}, {X(5)}},  // intermediates and parameters in any order
      {From::Stream, {"\x1b"}, {K(1)}},      // a lone ESC at the end
      {From::Stream, {"\x1bx"}, {K(1), K(1)}},
      {From::Stream, {"\x1b\x1b[A"}, {K(1), X(3)}},
      {From::Stream, {"\x1b[", "\x1bO"}, {X(2), X(2)}},    // cut short by the end of input
      {From::Stream, {"\x1b[12\n"}, {X(4), K(1)}},        // cut short by a byte that cannot continue it
      {From::Stream, {"\x1bO\x1b"}, {X(3)}},              // ESC O takes any byte
      {From::Utf8, {"дa€😀"}, {K(2), K(1), K(3), K(4)}},  // a whole character a key
      {From::Utf8, {"\xd0", "\xb4"}, {K(1), K(1)}},       // a character cut short by a pause
      {From::Utf8, {"\xd0" "a\xe2\x82\x1b[A"}, {K(1), K(1), K(2), X(3)}},  // by a byte that cannot continue it
      {From::Utf8, {"\x80\xff\xc0"}, {K(1), K(1), K(1)}},  // bytes that begin no character
      {From::Utf8, {"\x1b", "[A"}, {K(1), K(1), K(1)}},    // ESC and a pause: a lone ESC
      {From::Utf8, {"\x1b[", "A"}, {X(2), K(1)}},
      {From::Utf8, {"\x1bq"}, {K(1), K(1)}},
      {From::Cp866, {"\xa4\xa0"}, {K(1), K(1)}},  // a single-byte codeset: a byte a character
  };
  // clang-format on
  const TextCodec utf8 = TextCodec::utf8();
  const TextCodec cp866 = TextCodec::forCodeset("CP866");
  for (const Case& c : cases) {
    KeyDecoder keys = c.from == From::Stream ? KeyDecoder() : KeyDecoder(c.from == From::Utf8 ? utf8 : cp866);
    std::vector<Key> got = decode(keys, c.bursts);
    EXPECT_EQ(got, c.keys) << testing::PrintToString(c.bursts);
    EXPECT_FALSE(keys.started());
  }
}

}  // namespace
}  // namespace geekpath
