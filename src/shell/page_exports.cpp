// What the web page asks of the game besides a run of it, exported by name from the
// WebAssembly build: the names of the game's files and what the game's own reader makes
// of a file's bytes, for the saves panel; and where typed text divides into keys, by the
// game's own key decoder, for the page's line editing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/encoding.hpp"
#include "core/key_decoder.hpp"
#include "day/victory.hpp"
#include "persistence/save_file.hpp"

namespace {

std::string_view bytesOf(const char* bytes, int size) {
  if (bytes == nullptr || size < 0) return {};
  return {bytes, static_cast<std::size_t>(size)};
}

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

// The file of slot 1, 2, ...; null past the last slot. The name stays until the next call.
extern "C" const char* geekpath_slot_file_name(int slot) {
  static std::string name;
  if (slot < 1 || slot > geekpath::kSlotCount) return nullptr;
  name = geekpath::slotFileName(slot);
  return name.c_str();
}

extern "C" const char* geekpath_score_file_name() { return geekpath::kScoreFileName; }

// Whether a file offered for upload into a slot reads as a save file.
extern "C" int geekpath_is_save_file(const char* bytes, int size) {
  return geekpath::isSaveFile(bytesOf(bytes, size)) ? 1 : 0;
}

// The day, money and reputation of a save file, as the save and load screens show them,
// into summary[0..2].
extern "C" void geekpath_slot_summary(const char* bytes, int size, std::int32_t* summary) {
  const geekpath::SlotSummary read = geekpath::readSlotSummary(bytesOf(bytes, size));
  summary[0] = read.day;
  summary[1] = read.money;
  summary[2] = read.reputation;
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
