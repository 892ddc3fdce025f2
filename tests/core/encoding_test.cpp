// The code page tables against the system's own converters, UTF-8 decoding, and the
// terminal codec chosen from the locale's codeset.

#include <gtest/gtest.h>

#include <string>

#include "core/encoding.hpp"
#include "platform/platform.hpp"
#include "support/platforms.hpp"

namespace geekpath {
namespace {

TextCodec codecFor(std::string_view codeset) { return TextCodec::forCodeset(codeset, platform::openForeignCodeset); }

// The character the system's converter gives for one byte of the code page; 0 if none.
char32_t systemCharacter(const ForeignCodeset& codePage, unsigned char byte) {
  std::string utf8;
  if (!codePage.toUtf8(std::string(1, static_cast<char>(byte)), utf8)) return 0;
  std::size_t pos = 0;
  const char32_t c = decodeUtf8(utf8, pos);
  return pos == utf8.size() ? c : 0;
}

TEST(Encoding, TablesMatchTheSystemConvertersOverAllBytes) {
  GEEKPATH_NOT_IN_WEBASSEMBLY("it asks the system's converters");
  const std::unique_ptr<ForeignCodeset> systemCp866 = platform::openForeignCodeset("CP866");
  const std::unique_ptr<ForeignCodeset> systemCp1251 = platform::openForeignCodeset("CP1251");
  ASSERT_NE(systemCp866, nullptr);
  ASSERT_NE(systemCp1251, nullptr);
  for (int byte = 0; byte < 256; ++byte) {
    const auto b = static_cast<unsigned char>(byte);
    const char32_t cp866 = systemCharacter(*systemCp866, b);
    char32_t cp1251 = systemCharacter(*systemCp1251, b);
    // Windows passes CP1251's one undefined byte through as the control character of
    // the same number; the game's table leaves it undefined, as the other systems do.
    if (byte == 0x98 && cp1251 == char32_t{0x98}) cp1251 = 0;
    EXPECT_EQ(cp866ToUnicode(b), cp866) << "CP866 byte " << byte;
    EXPECT_EQ(cp1251ToUnicode(b), cp1251) << "CP1251 byte " << byte;
    if (cp866 != 0 || byte == 0) {
      EXPECT_EQ(unicodeToCp866(cp866), byte);
    }
    if (cp1251 != 0 || byte == 0) {
      EXPECT_EQ(unicodeToCp1251(cp1251), byte);
    }
  }
  EXPECT_EQ(unicodeToCp866(U'€'), -1);
  EXPECT_EQ(unicodeToCp1251(U'╬'), -1);
}

TEST(Encoding, WholeTextConversions) {
  EXPECT_EQ(utf8ToCp866("Ёж 1"), "\xF0\xA6 1");
  EXPECT_EQ(utf8ToCp1251("игра"), "\xE8\xE3\xF0\xE0");
  EXPECT_EQ(cp866ToUtf8("\x80\xAF\xE0\xEF\xF1"), "Апряё");
  EXPECT_EQ(utf8ToCp866("a€b"), "a?b");
  EXPECT_EQ(utf8ToCp1251("калi"), "\xEA\xE0\xEBi") << "the Latin i stays Latin";
}

TEST(Encoding, Utf8DecodingRejectsEveryInvalidForm) {
  struct Case {
    std::string bytes;
    std::string cp866;
    // clang-format off
  } cases[] = {
      {"\xC0\xAF", "??"},          // overlong
      {"\xE0\x80\xAF", "???"},     // overlong
      {"\xED\xA0\x80", "???"},     // surrogate
      {"\xF4\x90\x80\x80", "????"}, // beyond U+10FFFF
      {"\xF0\x9F\x98\x80", "?"},   // valid, not in CP866: one character
      {"\xFF\xFE", "??"},
      {"\xD0", "?"},               // truncated at the end
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(utf8ToCp866(c.bytes), c.cp866) << testing::PrintToString(c.bytes);
}

TEST(TextCodec, ChosenFromTheCodeset) {
  GEEKPATH_NOT_IN_WEBASSEMBLY("it asks the system's converters");
  EXPECT_EQ(codecFor("UTF-8").kind(), TextCodec::Kind::Utf8);
  EXPECT_EQ(codecFor("utf8").kind(), TextCodec::Kind::Utf8);
  EXPECT_EQ(codecFor("CP866").kind(), TextCodec::Kind::Cp866);
  EXPECT_EQ(codecFor("IBM866").kind(), TextCodec::Kind::Cp866);
  EXPECT_EQ(codecFor("CP1251").kind(), TextCodec::Kind::Cp1251);
  EXPECT_EQ(codecFor("KOI8-R").kind(), TextCodec::Kind::Foreign);
  // Codesets that cannot show Cyrillic, and unknown ones, give UTF-8.
  EXPECT_EQ(codecFor("ANSI_X3.4-1968").kind(), TextCodec::Kind::Utf8);
  EXPECT_EQ(codecFor("ISO-8859-1").kind(), TextCodec::Kind::Utf8);
  EXPECT_EQ(codecFor("NO-SUCH-CODESET").kind(), TextCodec::Kind::Utf8);
  EXPECT_EQ(codecFor("").kind(), TextCodec::Kind::Utf8);
}

TEST(TextCodec, OutputInEachEncoding) {
  GEEKPATH_NOT_IN_WEBASSEMBLY("it asks the system's converters");
  const std::string text = "Ведеокарта: калi\t$";
  std::string utf8, cp866, koi8;
  codecFor("UTF-8").appendFromUtf8(utf8, text);
  codecFor("CP866").appendFromUtf8(cp866, text);
  codecFor("KOI8-R").appendFromUtf8(koi8, text + "€");
  EXPECT_EQ(utf8, text);
  EXPECT_EQ(cp866, utf8ToCp866(text));
  EXPECT_EQ(koi8, "\xF7\xC5\xC4\xC5\xCF\xCB\xC1\xD2\xD4\xC1: \xCB\xC1\xCCi\t$?");
}

TEST(TextCodec, TypedTextToCp866) {
  GEEKPATH_NOT_IN_WEBASSEMBLY("it asks the system's converters");
  EXPECT_EQ(codecFor("UTF-8").toCp866("ник", 15), "\xAD\xA8\xAA");
  EXPECT_EQ(codecFor("CP866").toCp866("\xAD\xA8\xAA", 2), "\xAD\xA8");
  EXPECT_EQ(codecFor("CP1251").toCp866("\xED\xE8\xEA\x98", 15), "\xAD\xA8\xAA?");
  // KOI8-R "ник", then a byte KOI8-R maps to a box drawing CP866 also has.
  EXPECT_EQ(codecFor("KOI8-R").toCp866("\xCE\xC9\xCB", 15), "\xAD\xA8\xAA");
  EXPECT_EQ(codecFor("UTF-8").toCp866(std::string(20, 'a'), 15), std::string(15, 'a'));
}

// Names as a locale or a console spells them reach the system's converter (iconv, or the
// Windows code pages by number).
TEST(TextCodec, OtherCodesetNamesThroughTheSystem) {
  GEEKPATH_NOT_IN_WEBASSEMBLY("it asks the system's converters");
  for (const char* name : {"ISO-8859-5", "iso8859-5", "koi8-r", "KOI8-U"}) {
    EXPECT_EQ(codecFor(name).kind(), TextCodec::Kind::Foreign) << name;
  }
  EXPECT_EQ(codecFor("ISO-8859-5").toCp866("\xDD\xD8\xDA", 15), "\xAD\xA8\xAA");  // "ник"
  std::string iso;
  codecFor("ISO-8859-5").appendFromUtf8(iso, "Ёж╬");
  EXPECT_EQ(iso, "\xA1\xD6?");
  // Latin code pages cannot show Cyrillic: UTF-8.
  EXPECT_EQ(codecFor("CP1252").kind(), TextCodec::Kind::Utf8);
  EXPECT_EQ(codecFor("CP437").kind(), TextCodec::Kind::Utf8);
  EXPECT_EQ(codecFor("no-such-codeset").kind(), TextCodec::Kind::Utf8);
}

}  // namespace
}  // namespace geekpath
