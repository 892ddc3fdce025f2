#include "core/encoding.hpp"

#include <algorithm>
#include <array>
#include <cctype>

namespace geekpath {
namespace {

// The upper halves of the two code pages (the lower halves are ASCII), as glibc's
// converters have them.
// clang-format off
constexpr std::array<char16_t, 128> kCp866High = {
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
    0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457, 0x040E, 0x045E,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0,
};
// clang-format on

// clang-format off
constexpr std::array<char16_t, 128> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};
// clang-format on

int lookUp(const std::array<char16_t, 128>& high, char32_t c) {
  if (c < 0x80) return static_cast<int>(c);
  if (c > 0xFFFF) return -1;
  const auto it = std::find(high.begin(), high.end(), static_cast<char16_t>(c));
  return it == high.end() ? -1 : 0x80 + static_cast<int>(it - high.begin());
}

}  // namespace

char32_t cp866ToUnicode(unsigned char byte) { return byte < 0x80 ? byte : kCp866High[byte - 0x80u]; }

char32_t cp1251ToUnicode(unsigned char byte) { return byte < 0x80 ? byte : kCp1251High[byte - 0x80u]; }

int unicodeToCp866(char32_t c) { return lookUp(kCp866High, c); }

int unicodeToCp1251(char32_t c) { return lookUp(kCp1251High, c); }

char32_t decodeUtf8(std::string_view text, std::size_t& pos) {
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byteAt(pos);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  std::size_t length = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1Fu, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0Fu, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07u, minimum = 0x10000;
  } else {
    ++pos;
    return kInvalidByte;
  }
  if (text.size() - pos < length) {
    ++pos;
    return kInvalidByte;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byteAt(pos + i);
    if ((next & 0xC0u) != 0x80u) {
      ++pos;
      return kInvalidByte;
    }
    c = (c << 6) | (next & 0x3Fu);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++pos;
    return kInvalidByte;
  }
  pos += length;
  return c;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

namespace {

template <int (*ToByte)(char32_t)>
void appendSingleByte(std::string& out, std::string_view utf8, std::size_t maxChars) {
  std::size_t pos = 0;
  for (std::size_t n = 0; pos < utf8.size() && n < maxChars; ++n) {
    const char32_t c = decodeUtf8(utf8, pos);
    const int byte = c == kInvalidByte ? -1 : ToByte(c);
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
}

constexpr std::size_t kAll = static_cast<std::size_t>(-1);

}  // namespace

std::string utf8ToCp866(std::string_view utf8) {
  std::string out;
  appendSingleByte<unicodeToCp866>(out, utf8, kAll);
  return out;
}

std::string utf8ToCp1251(std::string_view utf8) {
  std::string out;
  appendSingleByte<unicodeToCp1251>(out, utf8, kAll);
  return out;
}

std::string cp866ToUtf8(std::string_view cp866) {
  std::string out;
  for (const char ch : cp866) appendUtf8(out, cp866ToUnicode(static_cast<unsigned char>(ch)));
  return out;
}

std::string normalisedCodeset(std::string_view codeset) {
  std::string name;
  for (const char ch : codeset) {
    if (ch == '-' || ch == '_' || ch == ' ') continue;
    name += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  }
  return name;
}

TextCodec TextCodec::forCodeset(std::string_view codeset, ForeignCodesetOpener open) {
  const std::string name = normalisedCodeset(codeset);
  if (name == "UTF8") return TextCodec(Kind::Utf8);
  if (name == "CP866" || name == "IBM866" || name == "866") return TextCodec(Kind::Cp866);
  if (name == "CP1251" || name == "WINDOWS1251") return TextCodec(Kind::Cp1251);
  if (name.empty()) return TextCodec(Kind::Utf8);

  std::unique_ptr<ForeignCodeset> foreign = open != nullptr ? open(codeset) : nullptr;
  // A codeset that cannot show Cyrillic gets UTF-8 instead.
  std::string probe;
  if (foreign == nullptr || !foreign->fromUtf8("Ж", probe)) return TextCodec(Kind::Utf8);
  TextCodec codec(Kind::Foreign);
  codec.foreign_ = std::move(foreign);
  return codec;
}

void TextCodec::appendFromUtf8(std::string& out, std::string_view utf8) const {
  switch (kind_) {
    case Kind::Utf8: out.append(utf8); return;
    case Kind::Cp866: appendSingleByte<unicodeToCp866>(out, utf8, kAll); return;
    case Kind::Cp1251: appendSingleByte<unicodeToCp1251>(out, utf8, kAll); return;
    case Kind::Foreign:
      for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const char32_t c = decodeUtf8(utf8, pos);
        if (c < 0x80) {
          out += static_cast<char>(c);
        } else if (c == kInvalidByte || !foreign_->fromUtf8(utf8.substr(start, pos - start), out)) {
          out += '?';
        }
      }
      return;
  }
}

std::string TextCodec::toCp866(std::string_view typed, std::size_t maxChars) const {
  std::string out;
  switch (kind_) {
    case Kind::Utf8: appendSingleByte<unicodeToCp866>(out, typed, maxChars); break;
    case Kind::Cp866: out.assign(typed.substr(0, std::min(typed.size(), maxChars))); break;
    case Kind::Cp1251:
      for (std::size_t i = 0; i < typed.size() && out.size() < maxChars; ++i) {
        const char32_t c = cp1251ToUnicode(static_cast<unsigned char>(typed[i]));
        const int byte = (c == 0 && typed[i] != 0) ? -1 : unicodeToCp866(c);
        out += byte < 0 ? '?' : static_cast<char>(byte);
      }
      break;
    case Kind::Foreign: {
      // Byte by byte growing pieces: one '?' for each byte that starts no valid character.
      std::size_t pos = 0;
      while (pos < typed.size() && out.size() < maxChars) {
        std::string utf8;
        std::size_t length = 1;
        bool converted = false;
        for (; length <= 8 && pos + length <= typed.size(); ++length) {
          if (foreign_->toUtf8(typed.substr(pos, length), utf8)) {
            converted = true;
            break;
          }
        }
        if (converted) {
          appendSingleByte<unicodeToCp866>(out, utf8, maxChars - out.size());
          pos += length;
        } else {
          out += '?';
          ++pos;
        }
      }
      break;
    }
  }
  return out;
}

TextCodec::Typed TextCodec::typedCharacter(std::string_view bytes) const {
  if (bytes.empty()) return Typed::Partial;
  switch (kind_) {
    case Kind::Utf8: {
      const auto lead = static_cast<unsigned char>(bytes.front());
      const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                                 : lead >= 0xE0 && lead <= 0xEF ? 3
                                 : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                : 1;
      // The bytes before the last were each taken as a continuation already.
      if (bytes.size() > 1 && (static_cast<unsigned char>(bytes.back()) & 0xC0u) != 0x80u) return Typed::CutShort;
      return bytes.size() >= length ? Typed::Whole : Typed::Partial;
    }
    case Kind::Cp866:
    case Kind::Cp1251: return Typed::Whole;
    case Kind::Foreign: {
      std::string utf8;
      return foreign_->toUtf8(bytes, utf8) || bytes.size() >= kLongestCharacter ? Typed::Whole : Typed::Partial;
    }
  }
  return Typed::Whole;
}

}  // namespace geekpath
