#pragma once
// The game's start-up screens walked through in a pseudo-terminal, as a player does.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/pty_session.hpp"

namespace geekpath::testing {

inline constexpr const char* kLoading = "Загружэние завяршано.нажмите ENTER";
inline constexpr const char* kNamePrompt = "Все символы должны быть маленьлие";
inline constexpr const char* kMainMenuPrompt = " version 3";

// Takes the game to its main-menu number read: keyAtLoading at the loading screen's key
// wait, then the nickname, then Enter at each screen after it.
inline void reachMainMenu(PtySession& game, std::string_view keyAtLoading = "\n", std::string_view nickname = "nick") {
  ASSERT_TRUE(game.waitFor(kLoading));
  game.send(keyAtLoading);
  ASSERT_TRUE(game.waitFor(kNamePrompt));
  game.send(std::string(nickname) + "\n");
  for (const char* screen : {"Нажмите ENTER", "All rights reserved", "present"}) {
    ASSERT_TRUE(game.waitFor(screen)) << screen;
    game.send("\n");
  }
  ASSERT_TRUE(game.waitFor(kMainMenuPrompt));
}

}  // namespace geekpath::testing
