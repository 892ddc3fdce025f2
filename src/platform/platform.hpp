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

// How much of the end of a file of records is whole: given the file's last bytes (the
// last kRecordTailBytes of it, all of it when it is shorter), the length of their
// beginning that ends where a record ends: all of them unless the file ends in a record
// broken off.
using WholeRecords = std::size_t (*)(std::string_view tail);
// More than any record holds.
inline constexpr std::size_t kRecordTailBytes = 4096;

// Appends a record to a file of records at path, creating it, in one write, and flushes
// it to the disk. A record broken off at the end of the file, as wholeRecords tells, is
// cut off first, so that no record ever follows half of one. A write that went only part
// of the way, or a flush that failed, is taken back; where even that fails, the part
// stays until the next append cuts it off. False when the record was not appended whole
// and flushed, and when the file's end could not be read or cut.
bool appendToFile(const std::string& path, std::string_view record, WholeRecords wholeRecords);

// The line end of the system's text files.
#ifdef _WIN32
inline constexpr std::string_view kTextLineEnd = "\r\n";
#else
inline constexpr std::string_view kTextLineEnd = "\n";
#endif

}  // namespace geekpath::platform
