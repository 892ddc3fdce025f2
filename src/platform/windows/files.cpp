// The save and score files on Windows: CreateFileW, ReadFile and WriteFile, with
// FlushFileBuffers and MoveFileExW for the replacement that never leaves half a file.
// The calls that can fail a save or a record go through the table of file_calls.hpp.

#include <algorithm>

#include "platform/platform.hpp"
#include "platform/windows/file_calls.hpp"
#include "platform/windows/handle.hpp"

namespace geekpath::platform {

namespace windows {
FileCalls fileCalls = {
    .createFile = ::CreateFileW,
    .writeFile = ::WriteFile,
    .flushFileBuffers = ::FlushFileBuffers,
    .moveFile = ::MoveFileExW,
    .setEndOfFile = ::SetEndOfFile,
    .closeHandle = ::CloseHandle,
};
}  // namespace windows

namespace {

using windows::fileCalls;
using windows::Handle;
using windows::widen;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// The most one WriteFile call is asked to take.
constexpr std::size_t kMaxWrite = 1u << 30;

bool writeAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const auto want = static_cast<DWORD>(std::min(bytes.size(), kMaxWrite));
    DWORD written = 0;
    if (fileCalls.writeFile(file, bytes.data(), want, &written, nullptr) == 0 || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// Cuts the file back to length, through a handle of its own: the append handle may add
// to the file but not change its size.
bool cutFile(const std::wstring& name, LARGE_INTEGER length) {
  const Handle file(fileCalls.createFile(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid() && SetFilePointerEx(file.get(), length, nullptr, FILE_BEGIN) != 0 &&
         fileCalls.setEndOfFile(file.get()) != 0;
}

// The last bytes of the open file of the given size, at most kRecordTailBytes. False
// when they could not be read.
bool readTail(HANDLE file, LARGE_INTEGER size, std::string& tail) {
  const auto length = static_cast<DWORD>(std::min<LONGLONG>(size.QuadPart, kRecordTailBytes));
  tail.resize(length);
  if (length == 0) return true;
  const auto from = static_cast<ULONGLONG>(size.QuadPart) - length;
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(from);
  at.OffsetHigh = static_cast<DWORD>(from >> 32);
  DWORD got = 0;
  return ReadFile(file, tail.data(), length, &got, &at) != 0 && got == length;
}

}  // namespace

std::string readFileHead(const std::string& path, std::size_t maxBytes) {
  std::string bytes;
  const Handle file(fileCalls.createFile(widen(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
  // A folder does not open this way; a device or a pipe in the file's place is no file.
  if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK) return bytes;
  char buffer[4096];
  while (bytes.size() < maxBytes) {
    const auto want = static_cast<DWORD>(std::min(sizeof buffer, maxBytes - bytes.size()));
    DWORD got = 0;
    if (ReadFile(file.get(), buffer, want, &got, nullptr) == 0 || got == 0) break;
    bytes.append(buffer, got);
  }
  return bytes;
}

bool replaceFile(const std::string& path, std::string_view bytes) {
  const std::wstring target = widen(path);
  const std::wstring temporary = widen(path + ".tmp");
  DeleteFileW(temporary.c_str());  // the leftover of a replacement cut short, if any
  Handle file(
      fileCalls.createFile(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  bool written = writeAll(file.get(), bytes) && fileCalls.flushFileBuffers(file.get()) != 0;
  written = fileCalls.closeHandle(file.release()) != 0 && written;
  if (written) {
    written =
        fileCalls.moveFile(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }
  if (!written) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

bool appendToFile(const std::string& path, std::string_view record, WholeRecords wholeRecords) {
  const std::wstring name = widen(path);
  // A handle with append access and no write access writes at the end, whatever else
  // appends to the file meanwhile; read access serves to look at the file's end.
  constexpr DWORD kAccess = FILE_APPEND_DATA | FILE_READ_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
  const Handle file(fileCalls.createFile(name.c_str(), kAccess, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  std::string tail;
  if (!file.valid() || record.size() > kMaxWrite || GetFileSizeEx(file.get(), &size) == 0 ||
      !readTail(file.get(), size, tail)) {
    return false;
  }
  if (const std::size_t whole = wholeRecords(tail); whole < tail.size()) {
    size.QuadPart -= static_cast<LONGLONG>(tail.size() - whole);
    if (!cutFile(name, size)) return false;
  }
  // One write appends the whole record, so records never interleave.
  DWORD written = 0;
  const bool ok =
      fileCalls.writeFile(file.get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr) != 0;
  if (ok && written == record.size() && fileCalls.flushFileBuffers(file.get()) != 0) return true;
  if (written == 0) return false;  // nothing went in
  // A write cut short (a full disk), or a record that may not have reached the disk: take
  // it back. Should that fail as well, the next append cuts off a part of a record left
  // behind (a whole one stays).
  cutFile(name, size);
  return false;
}

}  // namespace geekpath::platform
