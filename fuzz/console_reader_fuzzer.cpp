// The console's number, nickname and key readers on arbitrary input bytes, on both kinds
// of console: keys from the stream (a pipe) and keys from a keyboard of their own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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
        default:
          io.waitKey();
      }
    }
  } catch (const geekpath::EndOfInput&) {
  }
  (void)io.output();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  {
    geekpath::MemoryConsole pipe(bytes);
    exercise(pipe, data, size);
  }
  {
    // Half the bytes as the stream, half as keyboard bursts split at every 0xFF byte.
    const std::size_t half = size / 2;
    std::vector<std::string> bursts(1);
    for (std::size_t i = half; i < size; ++i) {
      if (data[i] == 0xFF) {
        bursts.emplace_back();
      } else {
        bursts.back() += static_cast<char>(data[i]);
      }
    }
    geekpath::MemoryConsole terminal(bytes.substr(0, half), bursts);
    exercise(terminal, data, size);
  }
  return 0;
}
