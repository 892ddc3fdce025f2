#include "shell/startup.hpp"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "core/real_text.hpp"
#include "core/stated_number.hpp"
#include "day/day_loop.hpp"
#include "persistence/load_screen.hpp"
#include "shell/art.hpp"
#include "shell/info_screens.hpp"

namespace geekpath {
namespace {

// The build passes the version of the project as a number literal, e.g. 3.0.
#ifndef GEEKPATH_VERSION_NUMBER
#error "GEEKPATH_VERSION_NUMBER must be defined by the build"
#endif
constexpr double kVersionNumber = GEEKPATH_VERSION_NUMBER;

constexpr std::string_view kNotices[] = {
    "\t\t Студия ZAVEK GAMES представляет свою новую игру",
    "\t\t Все права защищены. Копирование без разрешения запрещено.",
    "\t\t All rights reserved. Copying without permission is prohibited.",
};

struct MainMenuEntry {
  std::string_view line;
  std::int16_t choice;
  void (*screen)(Game&);
};

// Line, number typed, screen.
constexpr MainMenuEntry kMainMenu[] = {
    {.line = "\t\t Новая игра \t\t 1", .choice = 1, .screen = runDayLoop},
    {.line = "\t\t Загрузка игры \t\t 2",
     .choice = 2,
     .screen =
         [](Game& game) {
           if (loadScreen(game)) runDayLoop(game);
         }},
    {.line = "\t\t Опции \t\t\t 3", .choice = 3, .screen = optionsScreen},
    {.line = "\t\t Авторы \t\t 4", .choice = 4, .screen = authorsScreen},
    {.line = "\t\t Обучение \t\t 5", .choice = 5, .screen = tutorialScreen},
};
static_assert(std::all_of(std::begin(kMainMenu), std::end(kMainMenu),
                          [](const MainMenuEntry& entry) { return lastNumber(entry.line) == entry.choice; }));

void printEmptyLines(ConsoleIo& io, int count) { io.printText(std::string(static_cast<std::size_t>(count), '\n')); }

}  // namespace

void startUpScreens(Game& game) {
  ConsoleIo& io = game.io;
  io.clearScreen();
  io.printLine("\t\tзагрузка... калi ласка, пачакайце!");
  io.printLine("\t\tЗагружэние завяршано.нажмите ENTER");
  io.waitKey();
  printEmptyLines(io, 60);
  io.printLine("Введите ваше имя(ник). Не более 15 символов. Все символы должны быть маленьлие");
  io.readLine(game.state.playerName.data(), game.state.playerName.size());
  io.clearScreen();
  for (const std::string_view row : kPicture) io.printLine(row);
  printEmptyLines(io, 2);
  io.printLine("Нажмите ENTER");
  io.waitKey();
  printEmptyLines(io, 6);
  for (const std::string_view notice : kNotices) io.printLine(notice);
  io.waitKey();
  printEmptyLines(io, 21);
  for (const std::string_view row : kTitleBanner) io.printLine(row);
  io.printLine();
  io.waitKey();
}

void mainMenu(Game& game) {
  ConsoleIo& io = game.io;
  io.printLine();
  for (const MainMenuEntry& entry : kMainMenu) {
    io.printLine(entry.line);
    io.printLine();
  }
  io.printLine("\t\t\t\t\t\t\t\t version " + formatReal(kVersionNumber));
  std::int16_t choice = 0;
  io.readNumber(choice);
  io.clearScreen();
  for (const MainMenuEntry& entry : kMainMenu) {
    if (entry.choice == choice) entry.screen(game);
  }
}

void playGame(Game& game) {
  try {
    startUpScreens(game);
    mainMenu(game);
  } catch (const EndOfInput&) {
    // The player closed the input: nothing more to do.
  }
}

}  // namespace geekpath
