#pragma once
// Menu choices that outlive a visit to their screen.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace geekpath {

// Where a failed read repeats the choice made at the screen's last visit, the screen
// reads into a choice kept here, under a key the screen declares itself. Every choice
// starts at 0 and lasts as long as the game.
class KeptChoices {
 public:
  // The choice kept under key; the reference stays valid as long as the store.
  [[nodiscard]] std::int32_t& operator[](std::string_view key) {
    auto kept = choices_.find(key);
    if (kept == choices_.end()) kept = choices_.emplace(std::string(key), 0).first;
    return kept->second;
  }

 private:
  std::map<std::string, std::int32_t, std::less<>> choices_;
};

}  // namespace geekpath
