#pragma once
// Small helpers of the Windows implementation: a HANDLE that closes itself, and the
// conversions between UTF-8 and the UTF-16 of the wide-character calls.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

namespace geekpath::platform::windows {

// Owns one kernel handle and closes it on every path.
class Handle {
 public:
  Handle() = default;
  explicit Handle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
  Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Handle& operator=(Handle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { reset(); }

  [[nodiscard]] HANDLE get() const { return handle_; }
  [[nodiscard]] bool valid() const { return handle_ != nullptr; }
  // Gives the handle up to the caller, who closes it.
  [[nodiscard]] HANDLE release() { return std::exchange(handle_, nullptr); }

 private:
  void reset() {
    if (handle_ != nullptr) CloseHandle(handle_);
    handle_ = nullptr;
  }
  HANDLE handle_ = nullptr;
};

// UTF-16 of a UTF-8 text (a path, an output piece); an invalid byte becomes U+FFFD.
inline std::wstring widen(std::string_view utf8) {
  std::wstring wide;
  if (utf8.empty()) return wide;
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (length <= 0) return wide;
  wide.resize(static_cast<std::size_t>(length));
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

// UTF-8 of a UTF-16 text; a lone surrogate becomes U+FFFD.
inline std::string narrow(std::wstring_view wide) {
  std::string utf8;
  if (wide.empty()) return utf8;
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return utf8;
  utf8.resize(static_cast<std::size_t>(length));
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace geekpath::platform::windows
