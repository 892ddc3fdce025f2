#pragma once
// Scratch folders and whole-file reads and writes for the tests.

#include <string>
#include <string_view>

namespace geekpath::testing {

// A new empty folder under the system's temporary folder, removed with its files when
// the test process ends.
std::string makeScratchFolder();
std::string readFile(const std::string& path);
void writeFile(const std::string& path, std::string_view bytes);
bool fileExists(const std::string& path);

}  // namespace geekpath::testing
