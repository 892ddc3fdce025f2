#pragma once
// Key decoding, apart from any device: typed bytes go in one at a time, with word that
// time has passed when no byte came, and keys come out. The console's key waits feed it
// from the keyboard or from the input stream, and the web page cuts typed text into keys
// with it (src/shell/page_exports.cpp): the escape grammar is written here alone.
//
// A key is one character, or an escape sequence: ESC [ then bytes 0x20-0x3F (parameters
// and intermediates) and one final byte 0x40-0x7E, or ESC O and one byte. An escape
// sequence is an extended key, which ends two key waits; one cut short by a byte that
// cannot continue it, or by a pause, still is one. ESC followed by a byte that begins no
// sequence, or by a pause, is an ordinary key of its own. What a character is depends on
// where the bytes come from: in the input stream (a pipe) every byte is one; on a
// keyboard it is one whole character of the keyboard's encoding, such as a UTF-8 lead
// byte and its continuation bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/encoding.hpp"

namespace geekpath {

struct Key {
  std::size_t size = 0;   // the bytes it took
  bool extended = false;  // an escape sequence: it ends two key waits
  friend bool operator==(const Key&, const Key&) = default;
};

class KeyDecoder {
 public:
  // Keys of the input stream: every byte that begins no escape sequence is a key.
  KeyDecoder() = default;
  // Keys typed on a keyboard in the given encoding, which must outlive the decoder.
  explicit KeyDecoder(const TextCodec& keyboard) : keyboard_(&keyboard) {}

  // Offers the next byte. Returns true when the byte is taken into the key under way (or
  // begins one). Returns false when it cannot continue that key: the key is then finished
  // as it stands, and the byte is left to be offered again, as the start of the next key.
  // A finished key must be taken before the next byte is offered.
  [[nodiscard]] bool add(unsigned char byte);
  // Time has passed without a byte, or the input has ended: the key under way, if any, is
  // finished as it stands.
  void timeout();
  // Whether some bytes of a key not yet finished are taken.
  [[nodiscard]] bool started() const { return state_ != State::Idle; }
  // The finished key, if there is one; taking it makes way for the next.
  [[nodiscard]] std::optional<Key> take();

 private:
  enum class State : std::uint8_t { Idle, Escape, ControlSequence, ShiftThree, Character };
  void finish(bool extended);

  const TextCodec* keyboard_ = nullptr;
  State state_ = State::Idle;
  std::size_t size_ = 0;
  std::string character_;  // the bytes of a keyboard's character under way
  std::optional<Key> finished_;
};

}  // namespace geekpath
