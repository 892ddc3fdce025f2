// What the web page asks of the game besides a run of it, exported by name from the
// WebAssembly build: whether a file offered for upload into a slot reads as a save file,
// by the game's own reader; and where typed text divides into keys, by the game's own key
// decoder, for the page's line editing.

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/encoding.hpp"
#include "core/key_decoder.hpp"
#include "persistence/save_file.hpp"

namespace {

// The page's keyboard, a UTF-8 terminal's: one whole character a key.
geekpath::KeyDecoder& pageKeys() {
  static const geekpath::TextCodec kUtf8 = geekpath::TextCodec::utf8();
  static geekpath::KeyDecoder keys(kUtf8);
  return keys;
}

int finishedKeySize() {
  const std::optional<geekpath::Key> key = pageKeys().take();
  return key ? static_cast<int>(key->size) : 0;
}

}  // namespace

extern "C" int geekpath_is_save_file(const char* bytes, int size) {
  if (bytes == nullptr || size < 0) return 0;
  return geekpath::isSaveFile(std::string_view(bytes, static_cast<std::size_t>(size))) ? 1 : 0;
}

// Offers the next byte of typed UTF-8 text. Returns the size in bytes of the key that the
// byte finishes, or 0 while the key goes on. A size that leaves the byte out means that
// it cannot continue the key: it begins the next one, and is to be offered again.
extern "C" int geekpath_key_add(int byte) {
  static_cast<void>(pageKeys().add(static_cast<unsigned char>(byte)));
  return finishedKeySize();
}

// The end of the typed text, where the keys of one action end: returns the size of the
// key under way, which it finishes, or 0 when there was none.
extern "C" int geekpath_key_end() {
  pageKeys().timeout();
  return finishedKeySize();
}
