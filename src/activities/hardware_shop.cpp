#include "activities/hardware_shop.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "core/stated_number.hpp"
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

// Each category's items, item n in row n - 1: line, value, price, reputation gained, message.
// clang-format off
constexpr PartCategory kProcessors = {
    .header = "\t Процессоры:",
    .showingTest = ShowingMoneyTest::MoreThanPrice,
    .baseReplacesAnything = true,
    .installed = [](const GameState& s) { return static_cast<double>(s.cpuMhz); },
    .install = [](GameState& s, double v) { s.cpuMhz = static_cast<std::int32_t>(v); },
    .items = {{
        {.line = "500Mhz \t\t\t 1", .value = 500, .price = 5, .reputationGain = 0,
         .message = "Вы купили Процессор на 500 Mhz"},
        {.line = "1000Mhz \t\t 2", .value = 1000, .price = 45, .reputationGain = 5,
         .message = "Вы купили Процессор на 1000 Mhz"},
        {.line = "2000Mhz \t\t 3", .value = 2000, .price = 90, .reputationGain = 10,
         .message = "Вы купили Процессор на 2000 Mhz"},
        {.line = "2800Mhz \t\t 4", .value = 2800, .price = 350, .reputationGain = 20,
         .message = "Вы купили Процессор на 2800 Mhz"},
        {.line = "3600Mhz \t\t 5", .value = 3600, .price = 1000, .reputationGain = 40,
         .message = "Вы купили Процессор на 3600 Mhz"},
        {.line = "4400Mhz \t\t 6", .value = 4400, .price = 2500, .reputationGain = 100,
         .message = "Вы купили Процессор на 4400 Mhz"},
    }},
};
// clang-format on

// clang-format off
constexpr PartCategory kVideoCards = {
    .header = "\t Видеокарты:",
    .showingTest = ShowingMoneyTest::MoreThanPrice,
    .baseReplacesAnything = true,
    .installed = [](const GameState& s) { return static_cast<double>(s.gpuModel); },
    .install = [](GameState& s, double v) { s.gpuModel = static_cast<std::int32_t>(v); },
    .items = {{
        {.line = "Geforce3600 \t\t 1", .value = 3600, .price = 5, .reputationGain = 0,
         .message = "Вы купили видеокарту Geforce3600"},
        {.line = "Geforce5800 \t\t 2", .value = 5800, .price = 45, .reputationGain = 5,
         .message = "Вы купили видеокарту Geforce5800"},
        {.line = "Geforce6800 \t\t 3", .value = 6800, .price = 100, .reputationGain = 10,
         .message = "Вы купили видеокарту Geforce6800"},
        {.line = "Geforce7900 \t\t 4", .value = 7900, .price = 450, .reputationGain = 15,
         .message = "Вы купили видеокарту Geforce7900"},
        {.line = "Geforce8800 \t\t 5", .value = 8800, .price = 1100, .reputationGain = 30,
         .message = "Вы купили видеокарту Geforce8800"},
        {.line = "Geforce9800 \t\t 6", .value = 9800, .price = 2800, .reputationGain = 80,
         .message = "Вы купили видеокарту Geforce9800"},
    }},
};
// clang-format on

// clang-format off
constexpr PartCategory kHardDisks = {
    .header = "\t Винтчестеры:",
    .showingTest = ShowingMoneyTest::AtLeastPrice,
    .baseReplacesAnything = false,
    .installed = [](const GameState& s) { return static_cast<double>(s.hddGb); },
    .install = [](GameState& s, double v) { s.hddGb = static_cast<std::int32_t>(v); },
    .items = {{
        {.line = "10 GB \t\t 1", .value = 10, .price = 5, .reputationGain = 0,
         .message = "Вы купили винтчестер на 10 GB"},
        {.line = "50 GB \t\t 2", .value = 50, .price = 30, .reputationGain = 5,
         .message = "Вы купили винтчестер на 50 GB"},
        {.line = "160 GB \t\t 3", .value = 160, .price = 80, .reputationGain = 10,
         .message = "Вы купили винтчестер на 160 GB"},
        {.line = "320 GB \t\t 4", .value = 320, .price = 300, .reputationGain = 20,
         .message = "Вы купили винтчестер на 320 GB"},
        {.line = "800 GB \t\t 5", .value = 800, .price = 900, .reputationGain = 30,
         .message = "Вы купили винтчестер на 800 GB"},
        {.line = "1500 GB \t 6", .value = 1500, .price = 2000, .reputationGain = 70,
         .message = "Вы купили винтчестер на 1500 GB"},
    }},
};
// clang-format on

// The "O" of "Oперативная" in these texts is the Latin letter.
// clang-format off
constexpr PartCategory kMemory = {
    .header = "\t Oперативная память:",
    .showingTest = ShowingMoneyTest::AtLeastPrice,
    .baseReplacesAnything = false,
    .installed = [](const GameState& s) { return static_cast<double>(s.ramGb); },
    .install = [](GameState& s, double v) { s.ramGb = static_cast<float>(v); },
    .items = {{
        {.line = "0.125 GB \t\t 1", .value = 0.125, .price = 5, .reputationGain = 0,
         .message = "Вы купили 0.125 GB оперативки"},
        {.line = "0.5 GB \t\t\t 2", .value = 0.5, .price = 10, .reputationGain = 0,
         .message = "Вы купили 0.5 GB оперативки"},
        {.line = "1 GB \t\t\t 3", .value = 1.0, .price = 45, .reputationGain = 5,
         .message = "Вы купили 1.0 GB оперативки"},
        {.line = "2 GB \t\t\t 4", .value = 2.0, .price = 280, .reputationGain = 15,
         .message = "Вы купили 2.0 GB оперативки"},
        {.line = "4 GB \t\t\t 5", .value = 4.0, .price = 1000, .reputationGain = 30,
         .message = "Вы купили 4.0 GB оперативки"},
        {.line = "8GB \t\t\t 6", .value = 8.0, .price = 2300, .reputationGain = 90,
         .message = "Вы купили 8.0 GB оперативки"},
    }},
};
// clang-format on

// An item's line states its value and then its number; its message states its value.
constexpr bool statesItsNumbers(const PartCategory& category) {
  double number = 0;
  for (const PartItem& item : category.items) {
    ++number;
    if (firstNumber(item.line) != item.value || lastNumber(item.line) != number ||
        firstNumber(item.message) != item.value) {
      return false;
    }
  }
  return true;
}
static_assert(statesItsNumbers(kProcessors) && statesItsNumbers(kVideoCards) && statesItsNumbers(kHardDisks) &&
              statesItsNumbers(kMemory));

struct Extra {
  std::string_view line;
  std::int16_t GameState::*owned;
  std::int32_t price;
  std::int32_t reputationGain;
  std::string_view message;
};

// Line, owned flag, price, reputation gained, message; item n in row n - 1.
// clang-format off
constexpr std::array<Extra, kItemsPerCategory> kExtras = {{
    {.line = "DVD-ROM \t\t 1", .owned = &GameState::hasDvdRom, .price = 50, .reputationGain = 20,
     .message = "Вы купили DVD-ROM"},
    {.line = "Модем \t\t\t 2", .owned = &GameState::hasModem, .price = 100, .reputationGain = 40,
     .message = "Вы купили Модем"},
    {.line = "Подключкние TV \t\t 3", .owned = &GameState::hasTvOut, .price = 150, .reputationGain = 60,
     .message = "Вы купили Подключкние TV"},
    {.line = "Водное охлаждение \t 4", .owned = &GameState::hasWaterCooling, .price = 230, .reputationGain = 70,
     .message = "Вы купили Водное охлаждение"},
    {.line = "Колонки \t\t 5", .owned = &GameState::hasSpeakers, .price = 240, .reputationGain = 100,
     .message = "Вы купили Колонки"},
    {.line = "Большой монитор \t 6", .owned = &GameState::hasBigMonitor, .price = 1000, .reputationGain = 250,
     .message = "Вы купили Большой монитор"},
}};
// clang-format on

// An extra's line ends in its number.
constexpr bool extrasStateTheirNumbers() {
  double number = 0;
  for (const Extra& extra : kExtras) {
    if (lastNumber(extra.line) != ++number) return false;
  }
  return true;
}
static_assert(extrasStateTheirNumbers());

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
  const bool affordable =
      category.showingTest == ShowingMoneyTest::MoreThanPrice ? s.money > item.price : s.money >= item.price;
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

struct ShopMenuRow {
  std::string_view line;
  std::int32_t number = 0;
  void (*open)(Game&) = nullptr;
};

// Line, number typed, the category it opens (none for the heading).
constexpr ShopMenuRow kShopMenu[] = {
    {.line = "\t\t\t Компьютерный мир"},
    {.line = "Процессоры \t\t 1", .number = 1, .open = [](Game& game) { partCategory(game, kProcessors); }},
    {.line = "Видеокарты \t\t 2", .number = 2, .open = [](Game& game) { partCategory(game, kVideoCards); }},
    {.line = "Винтчестеры \t\t 3", .number = 3, .open = [](Game& game) { partCategory(game, kHardDisks); }},
    {.line = "Oперативная память \t 4", .number = 4, .open = [](Game& game) { partCategory(game, kMemory); }},
    {.line = "Дополнительно \t\t 5", .number = 5, .open = extrasCategory},
};
static_assert(std::all_of(std::begin(kShopMenu), std::end(kShopMenu), [](const ShopMenuRow& row) {
  return row.open == nullptr ? !lastNumber(row.line) : lastNumber(row.line) == row.number;
}));

}  // namespace

void hardwareShopScreen(Game& game) {
  game.io.clearScreen();
  game.io.clearScreen();
  for (const ShopMenuRow& row : kShopMenu) game.io.printLine(row.line);
  // Fresh on every visit, so a failed read selects nothing.
  std::int32_t categoryNumber = 0;
  game.io.readNumber(categoryNumber);
  game.io.clearScreen();
  for (const ShopMenuRow& row : kShopMenu) {
    if (row.open != nullptr && row.number == categoryNumber) row.open(game);
  }
}

}  // namespace geekpath
