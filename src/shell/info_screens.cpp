#include "shell/info_screens.hpp"

#include <string_view>

namespace geekpath {
namespace {

constexpr std::string_view kOptions[] = {
    "Графика \t\t макс.",
    "Анимация \t\t макс.",
    "Текстуры \t\t макс.",
    "Сглаживание \t\t макс.",
    "Звук \t\t\t стерео",
    "Фильтрация \t\t макс.",
    "",
    "И чё дальше??? Жми ENTER",
};

// Every role was played by one person.
struct Credit {
  std::string_view role;
  std::string_view name;
};
constexpr Credit kCredits[] = {
    {"Автор идеи", "\t Ковальчук Артём"},
    {"Издатель", "\t Ковальчук Артём"},
    {"Создатель", "\t Ковальчук Артём"},
    {"Звуковая обработка", "\t Ковальчук Артём"},
    {"Аниматор", "\t Ковальчук Артём"},
    {"Создание текстур", "\t Ковальчук Артём"},
    {"Автор текста", "\t Ковальчук Артём"},
    {"Сценарист", "\t Ковальчук Артём"},
    {"Перевод на корейский язык", "\t Ковальчук Артём"},
    {"Автор идеи перевода на корейский язык", "\t Ковальчук Артём"},
    {"Создатель Windows", "\t не Ковальчук Артём"},
    {"Главный покупатель", "\t Ковальчук Артём"},
    {"Поставщик на территорию стран СНГ", "\t Ковальчук Артём"},
    {"Купил недавно новые колонки", "\t Ковальчук Артём"},
    {"Подбор ролей", "\t Ковальчук Артём"},
    {"Все роли исполнил", "\t Ковальчук Артём"},
    {"Уложился в бюджет -10$", "\t Ковальчук Артём"},
    {"Артём Ковальчук", "\t Ковальчук Артём"},
};

}  // namespace

void optionsScreen(Game& game) {
  for (const std::string_view line : kOptions) game.io.printLine(line);
  game.io.waitKey();
}

void authorsScreen(Game& game) {
  for (const Credit& credit : kCredits) {
    game.io.printLine(credit.role);
    game.io.printLine(credit.name);
    game.io.waitKey();
  }
}

void tutorialScreen(Game& game) {
  game.io.printLine("Выход-0");
  game.io.waitKey();
}

}  // namespace geekpath
