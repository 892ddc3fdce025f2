// Terminal codesets without a table of our own, through iconv.

#include <iconv.h>

#include "platform/platform.hpp"

namespace geekpath::platform {
namespace {

// iconv_open's failure value, (iconv_t)-1, is an integer made a pointer by the interface.
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)

class IconvCodeset final : public ForeignCodeset {
 public:
  IconvCodeset(iconv_t toCodeset, iconv_t fromCodeset) : toCodeset_(toCodeset), fromCodeset_(fromCodeset) {}
  ~IconvCodeset() override {
    iconv_close(toCodeset_);
    iconv_close(fromCodeset_);
  }
  IconvCodeset(const IconvCodeset&) = delete;
  IconvCodeset& operator=(const IconvCodeset&) = delete;

  bool fromUtf8(std::string_view utf8, std::string& out) const override { return convert(toCodeset_, utf8, out); }
  bool toUtf8(std::string_view bytes, std::string& out) const override { return convert(fromCodeset_, bytes, out); }

 private:
  // The pieces are a character or a few bytes: a small buffer holds any result.
  static bool convert(iconv_t cd, std::string_view in, std::string& out) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char buffer[64];
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) {
      return false;
    }
    std::size_t flushLeft = outLeft;
    iconv(cd, nullptr, nullptr, &outPtr, &flushLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    return true;
  }

  iconv_t toCodeset_;
  iconv_t fromCodeset_;
};

}  // namespace

std::unique_ptr<ForeignCodeset> openForeignCodeset(std::string_view codeset) {
  const std::string name(codeset);
  const iconv_t to = iconv_open(name.c_str(), "UTF-8");
  if (to == kNoConverter) return nullptr;
  const iconv_t from = iconv_open("UTF-8", name.c_str());
  if (from == kNoConverter) {
    iconv_close(to);
    return nullptr;
  }
  return std::make_unique<IconvCodeset>(to, from);
}

}  // namespace geekpath::platform
