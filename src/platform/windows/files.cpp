// The save and score files on Windows: CreateFileW, ReadFile and WriteFile, with
// FlushFileBuffers and MoveFileExW for the replacement that never leaves half a file.

#include <algorithm>

#include "platform/platform.hpp"
#include "platform/windows/handle.hpp"

namespace geekpath::platform {
namespace {

using windows::Handle;
using windows::widen;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// The most one WriteFile call is asked to take.
constexpr std::size_t kMaxWrite = 1u << 30;

bool writeAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const auto want = static_cast<DWORD>(std::min(bytes.size(), kMaxWrite));
    DWORD written = 0;
    if (WriteFile(file, bytes.data(), want, &written, nullptr) == 0 || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::string readFileHead(const std::string& path, std::size_t maxBytes) {
  std::string bytes;
  const Handle file(CreateFileW(widen(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
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
  Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  bool written = writeAll(file.get(), bytes) && FlushFileBuffers(file.get()) != 0;
  written = file.close() && written;
  if (written) {
    written = MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }
  if (!written) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

bool appendToFile(const std::string& path, std::string_view bytes) {
  const std::wstring name = widen(path);
  // A handle with append access and no write access writes at the end, whatever else
  // appends to the file meanwhile.
  const Handle file(CreateFileW(name.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
  if (!file.valid() || bytes.size() > kMaxWrite) return false;
  LARGE_INTEGER before{};
  const bool sized = GetFileSizeEx(file.get(), &before) != 0;
  // One write appends the whole record, so records never interleave or break off.
  DWORD written = 0;
  const bool ok = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0;
  if (ok && written == bytes.size()) return true;
  if (written == 0 || !sized) return false;
  // A short write (a full disk) would leave part of a record: take it back.
  const Handle truncating(CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (truncating.valid() && SetFilePointerEx(truncating.get(), before, nullptr, FILE_BEGIN) != 0) {
    SetEndOfFile(truncating.get());
  }
  return false;
}

}  // namespace geekpath::platform
