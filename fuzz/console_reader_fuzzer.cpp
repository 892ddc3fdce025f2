// The console's number, nickname and key readers on arbitrary input bytes, on both kinds
// of console (keys from the stream, as through a pipe, and from a keyboard of their own),
// and the key decoder alone on arbitrary bytes and pauses.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/encoding.hpp"
#include "core/key_decoder.hpp"
#include "core/memory_console.hpp"

namespace {

void exercise(geekpath::MemoryConsole& io, const std::uint8_t* data, std::size_t size) {
  // The first bytes choose the reads; the whole input feeds them.
  try {
    for (std::size_t i = 0; i < 64; ++i) {
      switch (i < size ? data[i] % 4 : i % 4) {
        case 0: {
          std::int16_t n = 0;
          io.readNumber(n);
          break;
        }
        case 1: {
          std::int32_t n = 0;
          io.readNumber(n);
          break;
        }
        case 2: {
          char name[16] = {};
          io.readLine(name, sizeof name);
          if (name[15] != 0) __builtin_trap();
          break;
        }
        default: io.waitKey();
      }
    }
  } catch (const geekpath::EndOfInput&) {}
  (void)io.output();
}

// Every byte goes into exactly one key, in order, whatever the bytes and the pauses
// (0xFF stands for one): a byte is refused only by a key that it then follows, and a
// finished key is no longer than the bytes taken since the last.
void decodeKeys(geekpath::KeyDecoder& keys, const std::uint8_t* data, std::size_t size) {
  std::size_t taken = 0;
  const auto settle = [&] {
    if (const std::optional<geekpath::Key> key = keys.take()) {
      if (key->size == 0 || key->size > taken) __builtin_trap();
      taken -= key->size;
    }
  };
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0xFF) {
      keys.timeout();
      settle();
      if (taken != 0 || keys.started()) __builtin_trap();
      continue;
    }
    if (!keys.add(data[i])) {
      settle();
      if (keys.started() || !keys.add(data[i])) __builtin_trap();  // an idle decoder takes any byte
    }
    ++taken;
    settle();
  }
  keys.timeout();
  settle();
  if (taken != 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  {
    geekpath::MemoryConsole pipe(bytes);
    exercise(pipe, data, size);
  }
  {
    // Half the bytes as the stream, half as the keyboard.
    const std::size_t half = size / 2;
    geekpath::MemoryConsole terminal = geekpath::MemoryConsole::withKeyboard(bytes.substr(0, half), bytes.substr(half));
    exercise(terminal, data, size);
  }
  {
    geekpath::KeyDecoder stream;
    decodeKeys(stream, data, size);
    const geekpath::TextCodec utf8 = geekpath::TextCodec::utf8();
    geekpath::KeyDecoder keyboard(utf8);
    decodeKeys(keyboard, data, size);
  }
  return 0;
}
