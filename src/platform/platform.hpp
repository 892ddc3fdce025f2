#pragma once
// Everything the game asks of the operating system, behind one interface: the console
// device, the few file operations of the save and score files, and the conversions of
// terminal codesets that the constant tables do not cover. Each system carries it out in
// a folder of its own: posix/ (Linux and the other POSIX systems), windows/ (the Windows
// console) and web/ (the browser's page and the Node.js runner, through the JavaScript
// host that starts the WebAssembly game). The build compiles the one it targets, and no
// code outside this folder includes an operating-system header. The file operations are
// the procedures of file_procedures.cpp over the calls of file_calls.hpp, on every system
// that has files to open; a host that stores whole files (the page) answers them itself.

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
[[nodiscard]] std::unique_ptr<ConsoleIo> openConsole();

// The converter of a codeset name without a table of our own; null when there is none.
[[nodiscard]] std::unique_ptr<ForeignCodeset> openForeignCodeset(std::string_view codeset);

// The game's files are named within a folder: a path of the system, or "" for the
// working folder. The path of the file name in folder.
[[nodiscard]] inline std::string filePath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty()) path += '/';
  return path.append(name);
}

// At most maxBytes of the file name in folder, from its start; empty when there is no
// readable regular file there, or when a read fails part of the way. Never blocks, not
// even on a FIFO.
[[nodiscard]] std::string readFileHead(std::string_view folder, std::string_view name, std::size_t maxBytes);

// Replaces the file name in folder with bytes, whole or not at all, and durably: on a
// system with files to open they go to a temporary file beside it, name + ".tmp" (a
// leftover of an interrupted replacement is removed first), are flushed to the disk and
// take the file's place in one step. False when that failed; the old file is then
// untouched and the temporary file gone.
[[nodiscard]] bool replaceFile(std::string_view folder, std::string_view name, std::string_view bytes);

// Appends a record to the file of records name in folder, creating it, in one write, and
// flushes it to the disk. A write that went only part of the way, or a flush that failed,
// is taken back; nothing that stood in the file before is ever changed or removed: the
// record follows whatever the file holds. False when the record was not appended whole
// and flushed.
bool appendToFile(std::string_view folder, std::string_view name, std::string_view record);

// The line end of the system's text files.
#if defined(_WIN32)
inline constexpr std::string_view kTextLineEnd = "\r\n";
#elif defined(__EMSCRIPTEN__)
// The browser's files are LF, as the POSIX game writes them.
inline constexpr std::string_view kTextLineEnd = "\n";
#elif defined(__unix__) || defined(__APPLE__)
inline constexpr std::string_view kTextLineEnd = "\n";
#else
#error "the line end of this system's text files is not known"
#endif

}  // namespace geekpath::platform
