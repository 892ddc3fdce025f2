#pragma once
// The system calls that write the save and score files, reached through one table. Each
// entry is the real call unless a test has put a failing one in its place, to see what
// the game does when a disk fails; the test puts the real one back. files.cpp makes
// every call of these six through the table, save the closing of a handle that Handle
// does on its way out, whose result nothing looks at.

#include "platform/windows/handle.hpp"

namespace geekpath::platform::windows {

struct FileCalls {
  decltype(&::CreateFileW) createFile;
  decltype(&::WriteFile) writeFile;
  decltype(&::FlushFileBuffers) flushFileBuffers;
  decltype(&::MoveFileExW) moveFile;
  decltype(&::SetEndOfFile) setEndOfFile;
  decltype(&::CloseHandle) closeHandle;
};

extern FileCalls fileCalls;

}  // namespace geekpath::platform::windows
