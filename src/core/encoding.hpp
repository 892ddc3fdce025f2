#pragma once
// Character sets. Inside the game every text is CP866 (the console code page the game was
// designed for); the sources hold the texts in UTF-8; the score file's labels are CP1251.
// The two single-byte code pages are converted by the constant tables of encoding.cpp, the
// same way on every platform; other terminal encodings go through the operating system's
// converter (see platform/platform.hpp).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace geekpath {

// The Unicode character of a byte of the code page; 0 where the code page leaves the byte
// undefined (only CP1251's 0x98).
[[nodiscard]] char32_t cp866ToUnicode(unsigned char byte);
[[nodiscard]] char32_t cp1251ToUnicode(unsigned char byte);

// The byte of the code page for a Unicode character, or -1 when the code page lacks it.
[[nodiscard]] int unicodeToCp866(char32_t c);
[[nodiscard]] int unicodeToCp1251(char32_t c);

// Decodes UTF-8 one character at a time. A byte that does not begin a valid, complete,
// shortest-form sequence is reported as kInvalidByte and skipped on its own.
inline constexpr char32_t kInvalidByte = 0xFFFFFFFF;
[[nodiscard]] char32_t decodeUtf8(std::string_view text, std::size_t& pos);
void appendUtf8(std::string& out, char32_t c);

// Whole-text conversions; a character the target lacks, and an invalid input byte,
// become '?'.
[[nodiscard]] std::string utf8ToCp866(std::string_view utf8);
[[nodiscard]] std::string utf8ToCp1251(std::string_view utf8);
[[nodiscard]] std::string cp866ToUtf8(std::string_view cp866);

// A codeset name as the tables and converters compare it: upper case, without '-', '_'
// and spaces ("koi8-r" and "KOI8_R" are both "KOI8R").
[[nodiscard]] std::string normalisedCodeset(std::string_view codeset);

// A codeset without a table of our own, converted by the operating system. Each call
// converts one whole piece (a character or a few bytes) and appends it to out; false when
// the piece cannot be converted whole, and then out is unchanged.
class ForeignCodeset {
 public:
  virtual ~ForeignCodeset() = default;
  virtual bool fromUtf8(std::string_view utf8, std::string& out) const = 0;
  virtual bool toUtf8(std::string_view bytes, std::string& out) const = 0;
};
// Opens the converter for a codeset name; null when the system has none.
using ForeignCodesetOpener = std::unique_ptr<ForeignCodeset> (*)(std::string_view codeset);

// The terminal's encoding, chosen from the locale's codeset name: output texts go from
// UTF-8 into it, typed text comes from it into CP866. Copies share one converter.
class TextCodec {
 public:
  enum class Kind { Utf8, Cp866, Cp1251, Foreign };

  // UTF-8 for a codeset that cannot show Cyrillic (ASCII, Latin-1...) or is unknown;
  // a codeset without a table goes through the converter that open gives, if any.
  [[nodiscard]] static TextCodec forCodeset(std::string_view codeset, ForeignCodesetOpener open = nullptr);
  [[nodiscard]] static TextCodec utf8() { return TextCodec(Kind::Utf8); }

  [[nodiscard]] Kind kind() const { return kind_; }
  // Appends the UTF-8 text in the terminal's encoding.
  void appendFromUtf8(std::string& out, std::string_view utf8) const;
  // Typed text to CP866, keeping at most maxChars characters.
  [[nodiscard]] std::string toCp866(std::string_view typed, std::size_t maxChars) const;

  // What bytes typed one after another make in this encoding: one whole character, the
  // start of one, or a start that their last byte cuts short, as that byte cannot
  // continue it (it begins the next character). A byte that begins no character is a
  // whole one of its own; so is a start that is not whole after kLongestCharacter bytes.
  enum class Typed : std::uint8_t { Whole, Partial, CutShort };
  static constexpr std::size_t kLongestCharacter = 4;
  [[nodiscard]] Typed typedCharacter(std::string_view bytes) const;

 private:
  explicit TextCodec(Kind kind) : kind_(kind) {}
  Kind kind_;
  std::shared_ptr<const ForeignCodeset> foreign_;
};

}  // namespace geekpath
