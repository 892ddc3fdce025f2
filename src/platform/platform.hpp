#pragma once
// Everything the game asks of the operating system, behind one interface: the console
// device, the few file operations of the save and score files, and the conversions of
// terminal codesets that the constant tables do not cover. Each system carries it out in
// a folder of its own (posix/, windows/); the build compiles the one it targets, and no
// code outside this folder includes an operating-system header.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "core/console_io.hpp"
#include "core/encoding.hpp"

namespace geekpath::platform {

// The console of the process: standard input and output, and the keyboard of the
// terminal or console window when standard input is one. It takes the terminal's
// encoding, ignores a closed output, and puts the terminal back as it found it on every
// way out of the program.
[[nodiscard]] std::unique_ptr<StreamConsole> openConsole();

// The converter of a codeset name without a table of our own; null when there is none.
[[nodiscard]] std::unique_ptr<ForeignCodeset> openForeignCodeset(std::string_view codeset);

// At most maxBytes of the file at path, from its start; empty when there is no readable
// regular file there. Never blocks, not even on a FIFO.
[[nodiscard]] std::string readFileHead(const std::string& path, std::size_t maxBytes);

// Replaces the file at path with bytes, whole or not at all: they go to path + ".tmp"
// (a leftover of an interrupted replacement is removed first), are flushed to the disk
// and take the file's place in one step. False when that failed; the old file is then
// untouched and the temporary file gone.
[[nodiscard]] bool replaceFile(const std::string& path, std::string_view bytes);

// Appends bytes to the file at path, creating it, in one write. A write that went only
// part of the way is taken back. False when nothing was appended.
bool appendToFile(const std::string& path, std::string_view bytes);

// The line end of the system's text files.
#ifdef _WIN32
inline constexpr std::string_view kTextLineEnd = "\r\n";
#else
inline constexpr std::string_view kTextLineEnd = "\n";
#endif

}  // namespace geekpath::platform
