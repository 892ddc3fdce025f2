#include "shell/startup.hpp"

#include <string>
#include <string_view>

#include "core/real_text.hpp"
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

constexpr std::string_view kMainMenu[] = {
    "\t\t Новая игра \t\t 1",
    "\t\t Загрузка игры \t\t 2",
    "\t\t Опции \t\t\t 3",
    "\t\t Авторы \t\t 4",
    "\t\t Обучение \t\t 5",
};

struct MainMenuEntry {
  std::int16_t choice;
  void (*screen)(Game&);
};
constexpr MainMenuEntry kMainMenuEntries[] = {
    {1, runDayLoop},
    {2,
     [](Game& game) {
       if (loadScreen(game)) runDayLoop(game);
     }},
    {3, optionsScreen},
    {4, authorsScreen},
    {5, tutorialScreen},
};

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
  for (const std::string_view entry : kMainMenu) {
    io.printLine(entry);
    io.printLine();
  }
  io.printLine("\t\t\t\t\t\t\t\t version " + formatReal(kVersionNumber));
  std::int16_t choice = 0;
  io.readNumber(choice);
  io.clearScreen();
  for (const MainMenuEntry& entry : kMainMenuEntries) {
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
