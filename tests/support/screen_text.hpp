#pragma once
// Small helpers for writing the expected screen texts of a test.

#include <initializer_list>
#include <string>
#include <string_view>

namespace geekpath::testing {

// What clearScreen writes.
inline const std::string kClear(121, '\n');

// The lines, each followed by a line feed.
inline std::string lines(std::initializer_list<std::string_view> texts) {
  std::string out;
  for (const std::string_view text : texts) {
    out += text;
    out += '\n';
  }
  return out;
}

// How many times needle occurs in haystack.
inline std::size_t countOf(std::string_view haystack, std::string_view needle) {
  std::size_t n = 0;
  for (std::size_t at = haystack.find(needle); at != std::string_view::npos; at = haystack.find(needle, at + needle.size())) ++n;
  return n;
}

}  // namespace geekpath::testing
