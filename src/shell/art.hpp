#pragma once
// The two drawings of the start-up screens.

#include <array>
#include <string_view>

namespace geekpath {

// The picture after the nickname prompt: 29 rows of S and spaces after a tab.
extern const std::array<std::string_view, 29> kPicture;
// The title banner: the studio line, "present", the game's name in two lines of large
// letters, the sign and a large figure 3 down the right-hand side.
extern const std::array<std::string_view, 20> kTitleBanner;

}  // namespace geekpath
