#include "activities/hardware_shop.hpp"

#include <array>
#include <cstdint>
#include <string_view>

#include "core/wrapping.hpp"

namespace geekpath {
namespace {

constexpr std::int32_t kItemsPerCategory = 6;

// One model of a part. Every value (clock, model number, GB) is exact as a double, and so
// is every installed value, int32 and float alike: comparing the two as doubles gives the
// same answer as comparing them in the field's own type.
struct PartItem {
  std::string_view line;
  double value;
  std::int32_t price;
  std::int32_t reputationGain;
  std::string_view message;
};

// How a category's lines test money before they are shown.
enum class ShowingMoneyTest { MoreThanPrice, AtLeastPrice };

struct PartCategory {
  std::string_view header;
  ShowingMoneyTest showingTest;
  // Processors and video cards: item 1 (the base part) is sold whatever is installed.
  bool baseReplacesAnything;
  double (*installed)(const GameState&);
  void (*install)(GameState&, double value);
  std::array<PartItem, kItemsPerCategory> items;
};

constexpr PartCategory kProcessors = {
    "\t Процессоры:",
    ShowingMoneyTest::MoreThanPrice,
    true,
    [](const GameState& s) { return static_cast<double>(s.cpuMhz); },
    [](GameState& s, double v) { s.cpuMhz = static_cast<std::int32_t>(v); },
    {{
        {"500Mhz \t\t\t 1", 500, 5, 0, "Вы купили Процессор на 500 Mhz"},
        {"1000Mhz \t\t 2", 1000, 45, 5, "Вы купили Процессор на 1000 Mhz"},
        {"2000Mhz \t\t 3", 2000, 90, 10, "Вы купили Процессор на 2000 Mhz"},
        {"2800Mhz \t\t 4", 2800, 350, 20, "Вы купили Процессор на 2800 Mhz"},
        {"3600Mhz \t\t 5", 3600, 1000, 40, "Вы купили Процессор на 3600 Mhz"},
        {"4400Mhz \t\t 6", 4400, 2500, 100, "Вы купили Процессор на 4400 Mhz"},
    }},
};

constexpr PartCategory kVideoCards = {
    "\t Видеокарты:",
    ShowingMoneyTest::MoreThanPrice,
    true,
    [](const GameState& s) { return static_cast<double>(s.gpuModel); },
    [](GameState& s, double v) { s.gpuModel = static_cast<std::int32_t>(v); },
    {{
        {"Geforce3600 \t\t 1", 3600, 5, 0, "Вы купили видеокарту Geforce3600"},
        {"Geforce5800 \t\t 2", 5800, 45, 5, "Вы купили видеокарту Geforce5800"},
        {"Geforce6800 \t\t 3", 6800, 100, 10, "Вы купили видеокарту Geforce6800"},
        {"Geforce7900 \t\t 4", 7900, 450, 15, "Вы купили видеокарту Geforce7900"},
        {"Geforce8800 \t\t 5", 8800, 1100, 30, "Вы купили видеокарту Geforce8800"},
        {"Geforce9800 \t\t 6", 9800, 2800, 80, "Вы купили видеокарту Geforce9800"},
    }},
};

constexpr PartCategory kHardDisks = {
    "\t Винтчестеры:",
    ShowingMoneyTest::AtLeastPrice,
    false,
    [](const GameState& s) { return static_cast<double>(s.hddGb); },
    [](GameState& s, double v) { s.hddGb = static_cast<std::int32_t>(v); },
    {{
        {"10 GB \t\t 1", 10, 5, 0, "Вы купили винтчестер на 10 GB"},
        {"50 GB \t\t 2", 50, 30, 5, "Вы купили винтчестер на 50 GB"},
        {"160 GB \t\t 3", 160, 80, 10, "Вы купили винтчестер на 160 GB"},
        {"320 GB \t\t 4", 320, 300, 20, "Вы купили винтчестер на 320 GB"},
        {"800 GB \t\t 5", 800, 900, 30, "Вы купили винтчестер на 800 GB"},
        {"1500 GB \t 6", 1500, 2000, 70, "Вы купили винтчестер на 1500 GB"},
    }},
};

// The "O" of "Oперативная" in these texts is the Latin letter.
constexpr PartCategory kMemory = {
    "\t Oперативная память:",
    ShowingMoneyTest::AtLeastPrice,
    false,
    [](const GameState& s) { return static_cast<double>(s.ramGb); },
    [](GameState& s, double v) { s.ramGb = static_cast<float>(v); },
    {{
        {"0.125 GB \t\t 1", 0.125, 5, 0, "Вы купили 0.125 GB оперативки"},
        {"0.5 GB \t\t\t 2", 0.5, 10, 0, "Вы купили 0.5 GB оперативки"},
        {"1 GB \t\t\t 3", 1.0, 45, 5, "Вы купили 1.0 GB оперативки"},
        {"2 GB \t\t\t 4", 2.0, 280, 15, "Вы купили 2.0 GB оперативки"},
        {"4 GB \t\t\t 5", 4.0, 1000, 30, "Вы купили 4.0 GB оперативки"},
        {"8GB \t\t\t 6", 8.0, 2300, 90, "Вы купили 8.0 GB оперативки"},
    }},
};

// Categories 1 to 4, by number.
constexpr std::array<const PartCategory*, 4> kPartCategories = {&kProcessors, &kVideoCards, &kHardDisks,
                                                                 &kMemory};

struct Extra {
  std::string_view line;
  std::int16_t GameState::*owned;
  std::int32_t price;
  std::int32_t reputationGain;
  std::string_view message;
};

// Category 5.
constexpr std::array<Extra, kItemsPerCategory> kExtras = {{
    {"DVD-ROM \t\t 1", &GameState::hasDvdRom, 50, 20, "Вы купили DVD-ROM"},
    {"Модем \t\t\t 2", &GameState::hasModem, 100, 40, "Вы купили Модем"},
    {"Подключкние TV \t\t 3", &GameState::hasTvOut, 150, 60, "Вы купили Подключкние TV"},
    {"Водное охлаждение \t 4", &GameState::hasWaterCooling, 230, 70, "Вы купили Водное охлаждение"},
    {"Колонки \t\t 5", &GameState::hasSpeakers, 240, 100, "Вы купили Колонки"},
    {"Большой монитор \t 6", &GameState::hasBigMonitor, 1000, 250, "Вы купили Большой монитор"},
}};

constexpr std::int32_t kExtrasCategory = 5;

constexpr std::string_view kShopMenu[] = {
    "\t\t\t Компьютерный мир", "Процессоры \t\t 1",        "Видеокарты \t\t 2",
    "Винтчестеры \t\t 3",      "Oперативная память \t 4", "Дополнительно \t\t 5",
};

void pay(GameState& s, std::int32_t price, std::int32_t reputationGain) {
  subtractFrom(s.money, price);
  addTo(s.reputation, reputationGain);
}

// Item 1 is always listed. The others are listed when money allows and the model is not
// the installed one; a lower model than the installed one is listed too, although it is
// refused when chosen.
bool shown(const PartCategory& category, std::size_t index, const GameState& s) {
  if (index == 0) return true;
  const PartItem& item = category.items[index];
  const bool affordable = category.showingTest == ShowingMoneyTest::MoreThanPrice ? s.money > item.price
                                                                                   : s.money >= item.price;
  return affordable && category.installed(s) != item.value;
}

// The same model as the installed one may be bought again; a lower one may not, except
// the base processor and video card, which replace anything.
bool sold(const PartCategory& category, std::size_t index, const GameState& s) {
  const PartItem& item = category.items[index];
  if (s.money < item.price) return false;
  if (index == 0 && category.baseReplacesAnything) return true;
  return category.installed(s) <= item.value;
}

void partCategory(Game& game, const PartCategory& category) {
  GameState& s = game.state;
  game.io.printLine(category.header);
  for (std::size_t i = 0; i < category.items.size(); ++i) {
    if (shown(category, i, s)) game.io.printLine(category.items[i].line);
  }
  std::int32_t itemNumber = 0;
  game.io.readNumber(itemNumber);
  if (itemNumber < 1 || itemNumber > kItemsPerCategory) return;
  const auto index = static_cast<std::size_t>(itemNumber - 1);
  if (!sold(category, index, s)) return;
  const PartItem& item = category.items[index];
  category.install(s, item.value);
  pay(s, item.price, item.reputationGain);
  game.io.printLine(item.message);
}

void extrasCategory(Game& game) {
  GameState& s = game.state;
  const auto available = [&s](const Extra& extra) { return s.*extra.owned == 0 && s.money >= extra.price; };
  for (const Extra& extra : kExtras) {
    if (available(extra)) game.io.printLine(extra.line);
  }
  std::int32_t itemNumber = 0;
  game.io.readNumber(itemNumber);
  if (itemNumber < 1 || itemNumber > kItemsPerCategory) return;
  const Extra& extra = kExtras[static_cast<std::size_t>(itemNumber - 1)];
  if (!available(extra)) return;
  s.*extra.owned = 1;
  pay(s, extra.price, extra.reputationGain);
  game.io.printLine(extra.message);
}

}  // namespace

void hardwareShopScreen(Game& game) {
  game.io.clearScreen();
  game.io.clearScreen();
  for (const std::string_view line : kShopMenu) game.io.printLine(line);
  // Fresh on every visit, so a failed read selects nothing.
  std::int32_t categoryNumber = 0;
  game.io.readNumber(categoryNumber);
  game.io.clearScreen();
  if (categoryNumber >= 1 && categoryNumber <= static_cast<std::int32_t>(kPartCategories.size())) {
    partCategory(game, *kPartCategories[static_cast<std::size_t>(categoryNumber - 1)]);
  } else if (categoryNumber == kExtrasCategory) {
    extrasCategory(game);
  }
}

}  // namespace geekpath
