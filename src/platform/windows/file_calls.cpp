// The file calls on Windows: CreateFileW, ReadFile, WriteFile, FlushFileBuffers,
// SetEndOfFile and MoveFileExW, on names converted to UTF-16.

#include <algorithm>

#include "platform/file_calls.hpp"
#include "platform/windows/handle.hpp"

namespace geekpath::platform {
namespace {

using windows::Handle;
using windows::widen;

// The most one ReadFile or WriteFile call is asked to move.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE handleOf(FileId file) { return reinterpret_cast<HANDLE>(file); }  // NOLINT(performance-no-int-to-ptr)

}  // namespace

FileId real::open(const std::string& path, OpenFor purpose) {
  DWORD access = 0;
  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  DWORD disposition = 0;
  switch (purpose) {
    case OpenFor::reading:
      access = GENERIC_READ;
      share = kShareAll;
      disposition = OPEN_EXISTING;
      break;
    case OpenFor::creatingNew:
      access = GENERIC_WRITE;
      share = 0;
      disposition = CREATE_NEW;
      break;
    case OpenFor::appending:
      // Append access without write access writes at the end, whatever else appends to
      // the file meanwhile.
      access = FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
      disposition = OPEN_ALWAYS;
      break;
  }
  const HANDLE file =
      CreateFileW(widen(path).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return file == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<FileId>(file);
}

std::ptrdiff_t real::read(FileId file, char* bytes, std::size_t count) {
  DWORD got = 0;
  if (ReadFile(handleOf(file), bytes, static_cast<DWORD>(std::min(count, kMaxTransfer)), &got, nullptr) == 0) {
    return -1;
  }
  return static_cast<std::ptrdiff_t>(got);
}

std::ptrdiff_t real::write(FileId file, const char* bytes, std::size_t count) {
  DWORD written = 0;
  const BOOL ok =
      WriteFile(handleOf(file), bytes, static_cast<DWORD>(std::min(count, kMaxTransfer)), &written, nullptr);
  // A call that failed part of the way reports what it wrote.
  return ok == 0 && written == 0 ? -1 : static_cast<std::ptrdiff_t>(written);
}

bool real::sync(FileId file) { return FlushFileBuffers(handleOf(file)) != 0; }

bool real::size(FileId file, std::uint64_t& bytes) {
  LARGE_INTEGER size{};
  // A device or a pipe in a file's place is no file; a folder does not open at all.
  if (GetFileType(handleOf(file)) != FILE_TYPE_DISK || GetFileSizeEx(handleOf(file), &size) == 0) return false;
  bytes = static_cast<std::uint64_t>(size.QuadPart);
  return true;
}

// Through a handle of its own: the append handle may add to the file but not change its
// size.
bool real::truncate(FileId /*file*/, const std::string& path, std::uint64_t size) {
  const Handle cut(CreateFileW(widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER length{};
  length.QuadPart = static_cast<LONGLONG>(size);
  return cut.valid() && SetFilePointerEx(cut.get(), length, nullptr, FILE_BEGIN) != 0 && SetEndOfFile(cut.get()) != 0;
}

bool real::close(FileId file) { return CloseHandle(handleOf(file)) != 0; }

bool real::rename(const std::string& from, const std::string& to) {
  return MoveFileExW(widen(from).c_str(), widen(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool real::remove(const std::string& path) { return DeleteFileW(widen(path).c_str()) != 0; }

// The game opens its files itself: no host stores them whole.
const FileStore* hostFileStore() { return nullptr; }

}  // namespace geekpath::platform
