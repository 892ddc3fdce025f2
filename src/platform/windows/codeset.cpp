// Console code pages without a table of our own, through MultiByteToWideChar and
// WideCharToMultiByte. A codeset name (as a locale or a caller would spell it: "CP866",
// "KOI8-R", "windows-1252", "65001") is turned into the code page number first.

#include <charconv>
#include <string>

#include "platform/platform.hpp"
#include "platform/windows/handle.hpp"

namespace geekpath::platform {
namespace {

// The number after prefix in name, or 0.
UINT numberAfter(std::string_view name, std::string_view prefix) {
  if (name.substr(0, prefix.size()) != prefix || name.size() == prefix.size()) return 0;
  const std::string_view digits = name.substr(prefix.size());
  UINT number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  return error == std::errc() && end == digits.data() + digits.size() ? number : 0;
}

UINT codePageOf(std::string_view codeset) {
  const std::string name = normalisedCodeset(codeset);
  struct Named {
    std::string_view name;
    UINT codePage;
  };
  // clang-format off
  static constexpr Named kNamed[] = {
      {"UTF8", CP_UTF8},      {"KOI8R", 20866},   {"KOI8U", 21866},  {"MACCYRILLIC", 10007},
      {"ASCII", 20127},       {"USASCII", 20127}, {"ANSIX3.41968", 20127},
  };
  // clang-format on
  for (const Named& named : kNamed) {
    if (name == named.name) return named.codePage;
  }
  if (const UINT part = numberAfter(name, "ISO8859"); part >= 1 && part <= 15) return 28590 + part;
  for (const std::string_view prefix : {"CP", "IBM", "WINDOWS", ""}) {
    if (const UINT number = numberAfter(name, prefix); number != 0) return number;
  }
  return 0;
}

// The calls take no error flags for some code pages, and the used-default flag not for
// the UTF ones.
bool takesErrorFlags(UINT codePage) {
  return codePage != CP_UTF7 && !(codePage >= 50220 && codePage <= 50229) && codePage != 52936 && codePage != 54936 &&
         !(codePage >= 57002 && codePage <= 57011) && codePage != 42;
}

class CodePage final : public ForeignCodeset {
 public:
  explicit CodePage(UINT codePage) : codePage_(codePage) {}

  bool fromUtf8(std::string_view utf8, std::string& out) const override {
    std::wstring wide;
    if (!toWide(CP_UTF8, utf8, wide)) return false;
    return fromWide(codePage_, wide, out);
  }
  bool toUtf8(std::string_view bytes, std::string& out) const override {
    std::wstring wide;
    if (!toWide(codePage_, bytes, wide)) return false;
    return fromWide(CP_UTF8, wide, out);
  }

 private:
  // The pieces are a character or a few bytes: a small buffer holds any result.
  static bool toWide(UINT codePage, std::string_view in, std::wstring& wide) {
    if (in.empty()) return true;
    wchar_t buffer[64];
    const DWORD flags = takesErrorFlags(codePage) ? MB_ERR_INVALID_CHARS : 0;
    const int length = MultiByteToWideChar(codePage, flags, in.data(), static_cast<int>(in.size()), buffer, 64);
    if (length <= 0) return false;
    wide.assign(buffer, static_cast<std::size_t>(length));
    return true;
  }
  static bool fromWide(UINT codePage, const std::wstring& wide, std::string& out) {
    if (wide.empty()) return true;
    char buffer[64];
    const bool utf = codePage == CP_UTF8 || codePage == CP_UTF7;
    BOOL usedDefault = FALSE;
    const DWORD flags = takesErrorFlags(codePage) && !utf ? WC_NO_BEST_FIT_CHARS : 0;
    const int length =
        WideCharToMultiByte(codePage, flags | (codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : 0u), wide.data(),
                            static_cast<int>(wide.size()), buffer, 64, nullptr, utf ? nullptr : &usedDefault);
    if (length <= 0 || usedDefault) return false;
    out.append(buffer, static_cast<std::size_t>(length));
    return true;
  }

  UINT codePage_;
};

}  // namespace

std::unique_ptr<ForeignCodeset> openForeignCodeset(std::string_view codeset) {
  const UINT codePage = codePageOf(codeset);
  if (codePage == 0 || IsValidCodePage(codePage) == 0) return nullptr;
  return std::make_unique<CodePage>(codePage);
}

}  // namespace geekpath::platform
