// The real console on Windows: standard input and output of the process, and the console
// window's keyboard when standard input is a console. All console and Ctrl+C handling of
// the program lives here.
//
// To a console the texts go as UTF-16 (WriteConsoleW), so they show whatever the console's
// code page; typed lines come back as UTF-16 (ReadConsoleW, the console's own line editing
// with echo) and key waits read key events (ReadConsoleInputW, no echo), both handed on as
// UTF-8. Redirected output is CP866 when the OEM code page is 866 and UTF-8 otherwise,
// with bare LF line ends; redirected input is the same byte stream in the same encoding,
// handed on as it is. The console's modes and code pages are never changed, and are put
// back as found on every way out.

#include <algorithm>
#include <atomic>
#include <deque>
#include <string>
#include <utility>

#include "platform/platform.hpp"
#include "platform/windows/handle.hpp"

namespace geekpath {
namespace {

using platform::windows::narrow;
using platform::windows::widen;

// The status of a console program that Ctrl+C stopped.
constexpr DWORD kControlCExit = 0xC000013A;
// How long a console event waits for the main thread to end the program at its next read
// (its output is flushed before every read), before it ends the program itself (the main
// thread is then held in a read that the event does not interrupt).
constexpr DWORD kEventGraceMs = 500;
constexpr std::size_t kWideChunk = 4096;
constexpr int kMaxInterruptedReads = 20;

// What the console event handler needs: it runs on a thread of its own.
struct FoundConsole {
  HANDLE input = nullptr;
  HANDLE output = nullptr;
  bool inputIsConsole = false;
  bool outputIsConsole = false;
  DWORD inputMode = 0;
  DWORD outputMode = 0;
  UINT inputCodePage = 0;
  UINT outputCodePage = 0;
};
FoundConsole gFound;
HANDLE gConsoleEvent = nullptr;  // set when Ctrl+C, Ctrl+Break, close, logoff or shutdown came
std::atomic<bool> gEventCame{false};

void restoreConsole() {
  if (gFound.inputIsConsole) SetConsoleMode(gFound.input, gFound.inputMode);
  if (gFound.outputIsConsole) SetConsoleMode(gFound.output, gFound.outputMode);
  if (gFound.inputCodePage != 0 && GetConsoleCP() != gFound.inputCodePage) SetConsoleCP(gFound.inputCodePage);
  if (gFound.outputCodePage != 0 && GetConsoleOutputCP() != gFound.outputCodePage) {
    SetConsoleOutputCP(gFound.outputCodePage);
  }
}

BOOL WINAPI onConsoleEvent(DWORD) {
  gEventCame = true;
  if (gConsoleEvent != nullptr) SetEvent(gConsoleEvent);
  // The main thread ends at its next read or key wait, which comes at once.
  Sleep(kEventGraceMs);
  restoreConsole();
  ExitProcess(kControlCExit);
}

bool isConsole(HANDLE handle, DWORD& mode) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

// The number of bytes at the end of utf8 that begin a sequence not yet complete.
std::size_t incompleteTail(std::string_view utf8) {
  for (std::size_t back = 1; back <= 3 && back <= utf8.size(); ++back) {
    const auto byte = static_cast<unsigned char>(utf8[utf8.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? back : 0;
  }
  return 0;
}

bool isKeyWithoutCharacter(WORD key) {
  return (key >= VK_PRIOR && key <= VK_DOWN) ||  // Page Up, Page Down, End, Home, the arrows
         key == VK_INSERT || key == VK_DELETE || (key >= VK_F1 && key <= VK_F24);
}

// A key without a character, as the escape sequence of a terminal's key. Which key it was
// does not matter: a key wait does not tell keys apart.
constexpr std::string_view kKeyWithoutCharacter = "\x1b[~";

class WindowsDevice final : public ConsoleDevice {
 public:
  WindowsDevice() = default;
  ~WindowsDevice() override { restoreConsole(); }
  WindowsDevice(const WindowsDevice&) = delete;
  WindowsDevice& operator=(const WindowsDevice&) = delete;

  std::size_t readInput(char* buffer, std::size_t size) override {
    return gFound.inputIsConsole ? readConsoleLine(buffer, size) : readStream(buffer, size);
  }
  [[nodiscard]] bool hasKeyboard() const override { return gFound.inputIsConsole; }
  KeyboardRead readKeyboard(int timeoutMs, std::string& keys) override;
  void writeOutput(std::string_view bytes) override;

 private:
  std::size_t readConsoleLine(char* buffer, std::size_t size);
  std::size_t readStream(char* buffer, std::size_t size);
  // The UTF-8 of typed UTF-16 text. A character split between two reads or key events
  // (a surrogate pair) waits for its second half.
  std::string typedText(std::wstring_view wide);

  std::string typedBytes_;        // typed console text not yet handed over
  bool consoleEnded_ = false;     // Ctrl+Z came
  int interruptedReads_ = 0;      // console line reads cut short in a row
  wchar_t highSurrogate_ = 0;     // the first half of a character split between two reads
  std::deque<std::string> keys_;  // keys of key events not yet handed over, one each
  std::string outputTail_;        // the start of a UTF-8 sequence the next write completes
};

// Ends the program the way a console event asks, if one came: console as found, the
// status of Ctrl+C. The output has been flushed: this is called at reads only.
void endIfEventCame() {
  if (!gEventCame) return;
  restoreConsole();
  ExitProcess(kControlCExit);
}

// After a console read that failed or came back empty: a console event may be on its way
// (Ctrl+C interrupts the read before the handler runs). Ends the program if so.
void awaitEvent() {
  WaitForSingleObject(gConsoleEvent, 100);
  endIfEventCame();
}

std::string WindowsDevice::typedText(std::wstring_view wide) {
  std::wstring text;
  if (highSurrogate_ != 0) text += std::exchange(highSurrogate_, 0);
  text += wide;
  if (!text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) {
    highSurrogate_ = text.back();
    text.pop_back();
  }
  return narrow(text);
}

std::size_t WindowsDevice::readConsoleLine(char* buffer, std::size_t size) {
  while (typedBytes_.empty()) {
    if (consoleEnded_) return 0;
    endIfEventCame();
    wchar_t wide[kWideChunk];
    DWORD got = 0;
    const BOOL read = ReadConsoleW(gFound.input, wide, static_cast<DWORD>(kWideChunk), &got, nullptr);
    const DWORD error = read != 0 ? ERROR_SUCCESS : GetLastError();
    endIfEventCame();
    if (read == 0 || got == 0) {
      awaitEvent();
      // A read cut short with no console event after it is tried again, a few times; an
      // empty or failed read means the console is gone.
      if (read == 0 && error == ERROR_OPERATION_ABORTED && ++interruptedReads_ < kMaxInterruptedReads) continue;
      return 0;
    }
    interruptedReads_ = 0;
    std::wstring_view line(wide, got);
    // Ctrl+Z ends the input; the text typed before it still counts.
    if (const std::size_t stop = line.find(L'\x1A'); stop != std::wstring_view::npos) {
      line = line.substr(0, stop);
      consoleEnded_ = true;
    }
    typedBytes_ += typedText(line);
  }
  const std::size_t n = std::min(size, typedBytes_.size());
  typedBytes_.copy(buffer, n);
  typedBytes_.erase(0, n);
  return n;
}

std::size_t WindowsDevice::readStream(char* buffer, std::size_t size) {
  endIfEventCame();
  if (gFound.input == nullptr || gFound.input == INVALID_HANDLE_VALUE) return 0;
  DWORD got = 0;
  const auto want = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 20));
  // A broken pipe, the end of a file and a read error all end the input.
  if (ReadFile(gFound.input, buffer, want, &got, nullptr) == 0) return 0;
  return got;
}

// One key a read, whole: the key events tell keys apart themselves.
ConsoleDevice::KeyboardRead WindowsDevice::readKeyboard(int timeoutMs, std::string& keys) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs < 0 ? 0 : timeoutMs);
  while (keys_.empty()) {
    endIfEventCame();
    DWORD wait = INFINITE;
    if (timeoutMs >= 0) {
      const ULONGLONG now = GetTickCount64();
      wait = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
    }
    const HANDLE handles[2] = {gConsoleEvent, gFound.input};
    const DWORD ready = WaitForMultipleObjects(2, handles, FALSE, wait);
    if (ready == WAIT_OBJECT_0) endIfEventCame();
    if (ready == WAIT_TIMEOUT) return KeyboardRead::TimedOut;
    if (ready != WAIT_OBJECT_0 + 1) return KeyboardRead::Ended;
    INPUT_RECORD record{};
    DWORD got = 0;
    if (ReadConsoleInputW(gFound.input, &record, 1, &got) == 0) {
      awaitEvent();
      return KeyboardRead::Ended;
    }
    if (got == 0 || record.EventType != KEY_EVENT) continue;
    const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
    // Key releases, and Shift, Ctrl or Alt (or any other key without a character) alone,
    // are no key press.
    if (key.bKeyDown == 0) continue;
    const std::size_t repeat = std::max<WORD>(key.wRepeatCount, 1);
    std::string typed;
    if (key.uChar.UnicodeChar != 0) {
      typed = typedText(std::wstring_view(&key.uChar.UnicodeChar, 1));
    } else if (isKeyWithoutCharacter(key.wVirtualKeyCode)) {
      typed = kKeyWithoutCharacter;
    }
    if (!typed.empty()) keys_.insert(keys_.end(), repeat, typed);
  }
  keys += keys_.front();
  keys_.pop_front();
  return KeyboardRead::WholeKeys;
}

void WindowsDevice::writeOutput(std::string_view bytes) {
  if (gFound.output == nullptr || gFound.output == INVALID_HANDLE_VALUE) return;
  if (!gFound.outputIsConsole) {
    // A closed pipe or a full disk: the output is lost, the game goes on.
    while (!bytes.empty()) {
      DWORD written = 0;
      const auto want = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
      if (WriteFile(gFound.output, bytes.data(), want, &written, nullptr) == 0 || written == 0) return;
      bytes.remove_prefix(written);
    }
    return;
  }
  // Whole characters only: a sequence cut at the end of this write waits for the next.
  std::string text = std::exchange(outputTail_, std::string());
  text += bytes;
  const std::size_t tail = incompleteTail(text);
  outputTail_ = text.substr(text.size() - tail);
  text.resize(text.size() - tail);
  const std::wstring wide = widen(text);
  for (std::size_t at = 0; at < wide.size();) {
    const auto want = static_cast<DWORD>(std::min(wide.size() - at, kWideChunk));
    DWORD written = 0;
    if (WriteConsoleW(gFound.output, wide.data() + at, want, &written, nullptr) == 0 || written == 0) return;
    at += written;
  }
}

}  // namespace

namespace platform {

std::unique_ptr<ConsoleIo> openConsole() {
  gFound.input = GetStdHandle(STD_INPUT_HANDLE);
  gFound.output = GetStdHandle(STD_OUTPUT_HANDLE);
  gFound.inputIsConsole = isConsole(gFound.input, gFound.inputMode);
  gFound.outputIsConsole = isConsole(gFound.output, gFound.outputMode);
  gFound.inputCodePage = GetConsoleCP();
  gFound.outputCodePage = GetConsoleOutputCP();
  if (gConsoleEvent == nullptr) gConsoleEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  SetConsoleCtrlHandler(onConsoleEvent, TRUE);

  // A console takes the UTF-8 texts as UTF-16 and gives typed text as UTF-8; a redirected
  // stream carries CP866 where the OEM code page is 866, UTF-8 where it cannot show
  // Cyrillic.
  const TextCodec stream = GetOEMCP() == 866 ? TextCodec::forCodeset("CP866") : TextCodec::utf8();
  return std::make_unique<ConsoleIo>(std::make_unique<WindowsDevice>(),
                                     gFound.outputIsConsole ? TextCodec::utf8() : stream,
                                     gFound.inputIsConsole ? TextCodec::utf8() : stream);
}

}  // namespace platform
}  // namespace geekpath
