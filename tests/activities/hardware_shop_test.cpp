// The hardware shop: which lines each category lists, which purchases it makes, and the
// places where the two differ (hidden lines that sell, listed lines that refuse).

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "activities/hardware_shop.hpp"
#include "core/memory_console.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::kClear;
using testing::lines;

const std::string kShopMenu = lines({
    "\t\t\t Компьютерный мир",
    "Процессоры \t\t 1",
    "Видеокарты \t\t 2",
    "Винтчестеры \t\t 3",
    "Oперативная память \t 4",
    "Дополнительно \t\t 5",
});

// Everything the shop may change.
auto shopFields(const GameState& s) {
  return std::tuple(s.money, s.reputation, s.cpuMhz, s.gpuModel, s.hddGb, s.ramGb, s.hasDvdRom, s.hasModem, s.hasTvOut,
                    s.hasWaterCooling, s.hasSpeakers, s.hasBigMonitor);
}

struct ShopCase {
  const char* name;
  void (*setup)(GameState&);
  const char* input;                    // category, item
  std::vector<std::string_view> shown;  // the lines after the third clear, before the item read
  std::string_view message;             // empty: nothing is bought
  void (*change)(GameState&);           // what the purchase changes; nullptr: nothing
};

// clang-format off
const ShopCase kCases[] = {
    {"NewGameProcessorsShowOnlyTheBase", [](GameState&) {}, "1\n1\n", {"\t Процессоры:", "500Mhz \t\t\t 1"}, "",
     nullptr},
    {"ExactPriceProcessorIsHiddenButSold", [](GameState& s) { s.money = 45; }, "1\n2\n",
     {"\t Процессоры:", "500Mhz \t\t\t 1"}, "Вы купили Процессор на 1000 Mhz",
     [](GameState& s) {
       s.cpuMhz = 1000;
       s.money = 0;
       s.reputation = 5;
     }},
    {"InstalledProcessorIsHiddenButSoldAgain",
     [](GameState& s) {
       s.cpuMhz = 1000;
       s.money = 200;
       s.reputation = 7;
     },
     "1\n2\n", {"\t Процессоры:", "500Mhz \t\t\t 1", "2000Mhz \t\t 3"}, "Вы купили Процессор на 1000 Mhz",
     [](GameState& s) {
       s.money = 155;
       s.reputation = 12;
     }},
    {"LowerProcessorIsShownButRefused",
     [](GameState& s) {
       s.cpuMhz = 2000;
       s.money = 100;
     },
     "1\n2\n", {"\t Процессоры:", "500Mhz \t\t\t 1", "1000Mhz \t\t 2"}, "", nullptr},
    {"BaseProcessorReplacesTheBest",
     [](GameState& s) {
       s.cpuMhz = 4400;
       s.money = 5;
       s.reputation = 3;
     },
     "1\n1\n", {"\t Процессоры:", "500Mhz \t\t\t 1"}, "Вы купили Процессор на 500 Mhz",
     [](GameState& s) {
       s.cpuMhz = 500;
       s.money = 0;
     }},
    {"BaseProcessorNeedsItsPrice", [](GameState& s) { s.money = 4; }, "1\n1\n", {"\t Процессоры:", "500Mhz \t\t\t 1"},
     "", nullptr},
    {"BaseVideoCardReplacesTheBest",
     [](GameState& s) {
       s.gpuModel = 9800;
       s.money = 10;
     },
     "2\n1\n", {"\t Видеокарты:", "Geforce3600 \t\t 1"}, "Вы купили видеокарту Geforce3600",
     [](GameState& s) {
       s.gpuModel = 3600;
       s.money = 5;
     }},
    {"LowerVideoCardIsShownButRefused",
     [](GameState& s) {
       s.gpuModel = 6800;
       s.money = 1000;
     },
     "2\n2\n", {"\t Видеокарты:", "Geforce3600 \t\t 1", "Geforce5800 \t\t 2", "Geforce7900 \t\t 4"}, "", nullptr},
    {"ExactPriceVideoCardIsHiddenButSold", [](GameState& s) { s.money = 2800; }, "2\n6\n",
     {"\t Видеокарты:", "Geforce3600 \t\t 1", "Geforce5800 \t\t 2", "Geforce6800 \t\t 3", "Geforce7900 \t\t 4",
      "Geforce8800 \t\t 5"},
     "Вы купили видеокарту Geforce9800",
     [](GameState& s) {
       s.gpuModel = 9800;
       s.money = 0;
       s.reputation = 80;
     }},
    {"BaseDiskRefusedOverABiggerOne",
     [](GameState& s) {
       s.hddGb = 50;
       s.money = 100;
     },
     "3\n1\n", {"\t Винтчестеры:", "10 GB \t\t 1", "160 GB \t\t 3"}, "", nullptr},
    {"BaseDiskOverTheBaseOnlyCostsMoney", [](GameState& s) { s.money = 5; }, "3\n1\n",
     {"\t Винтчестеры:", "10 GB \t\t 1"}, "Вы купили винтчестер на 10 GB", [](GameState& s) { s.money = 0; }},
    {"ExactPriceDiskIsShownAndSold",
     [](GameState& s) {
       s.hddGb = 800;
       s.money = 2000;
     },
     "3\n6\n", {"\t Винтчестеры:", "10 GB \t\t 1", "50 GB \t\t 2", "160 GB \t\t 3", "320 GB \t\t 4", "1500 GB \t 6"},
     "Вы купили винтчестер на 1500 GB",
     [](GameState& s) {
       s.hddGb = 1500;
       s.money = 0;
       s.reputation = 70;
     }},
    {"DiskOneBelowThePriceIsHiddenAndRefused",
     [](GameState& s) {
       s.hddGb = 800;
       s.money = 1999;
     },
     "3\n6\n", {"\t Винтчестеры:", "10 GB \t\t 1", "50 GB \t\t 2", "160 GB \t\t 3", "320 GB \t\t 4"}, "", nullptr},
    {"InstalledMemoryIsHiddenButSoldAgain",
     [](GameState& s) {
       s.ramGb = 2.0f;
       s.money = 300;
     },
     "4\n4\n", {"\t Oперативная память:", "0.125 GB \t\t 1", "0.5 GB \t\t\t 2", "1 GB \t\t\t 3"},
     "Вы купили 2.0 GB оперативки",
     [](GameState& s) {
       s.money = 20;
       s.reputation = 15;
     }},
    {"ExactPriceMemoryIsShownAndSold", [](GameState& s) { s.money = 10; }, "4\n2\n",
     {"\t Oперативная память:", "0.125 GB \t\t 1", "0.5 GB \t\t\t 2"}, "Вы купили 0.5 GB оперативки",
     [](GameState& s) {
       s.ramGb = 0.5f;
       s.money = 0;
     }},
    {"LowerMemoryRefused",
     [](GameState& s) {
       s.ramGb = 8.0f;
       s.money = 5000;
     },
     "4\n5\n",
     {"\t Oперативная память:", "0.125 GB \t\t 1", "0.5 GB \t\t\t 2", "1 GB \t\t\t 3", "2 GB \t\t\t 4", "4 GB \t\t\t 5"},
     "", nullptr},
    {"BestMemory", [](GameState& s) { s.money = 2300; }, "4\n6\n",
     {"\t Oперативная память:", "0.125 GB \t\t 1", "0.5 GB \t\t\t 2", "1 GB \t\t\t 3", "2 GB \t\t\t 4", "4 GB \t\t\t 5",
      "8GB \t\t\t 6"},
     "Вы купили 8.0 GB оперативки",
     [](GameState& s) {
       s.ramGb = 8.0f;
       s.money = 0;
       s.reputation = 90;
     }},
    {"BurntProcessorListsAndSellsEverything",
     [](GameState& s) {
       s.cpuMhz = 0;
       s.money = 3000;
     },
     "1\n3\n",
     {"\t Процессоры:", "500Mhz \t\t\t 1", "1000Mhz \t\t 2", "2000Mhz \t\t 3", "2800Mhz \t\t 4", "3600Mhz \t\t 5",
      "4400Mhz \t\t 6"},
     "Вы купили Процессор на 2000 Mhz",
     [](GameState& s) {
       s.cpuMhz = 2000;
       s.money = 2910;
       s.reputation = 10;
     }},
    {"BrokenVideoCardListsAndSellsEverything",
     [](GameState& s) {
       s.gpuModel = 0;
       s.money = 2801;
     },
     "2\n2\n",
     {"\t Видеокарты:", "Geforce3600 \t\t 1", "Geforce5800 \t\t 2", "Geforce6800 \t\t 3", "Geforce7900 \t\t 4",
      "Geforce8800 \t\t 5", "Geforce9800 \t\t 6"},
     "Вы купили видеокарту Geforce5800",
     [](GameState& s) {
       s.gpuModel = 5800;
       s.money = 2756;
       s.reputation = 5;
     }},
    {"NoExtraListedUnderFifty", [](GameState& s) { s.money = 49; }, "5\n1\n", {}, "", nullptr},
    {"ExactPriceExtraIsShownAndSold", [](GameState& s) { s.money = 150; }, "5\n3\n",
     {"DVD-ROM \t\t 1", "Модем \t\t\t 2", "Подключкние TV \t\t 3"}, "Вы купили Подключкние TV",
     [](GameState& s) {
       s.hasTvOut = 1;
       s.money = 0;
       s.reputation = 60;
     }},
    {"OwnedExtraIsHiddenAndRefused",
     [](GameState& s) {
       s.hasDvdRom = 1;
       s.money = 1000;
     },
     "5\n1\n",
     {"Модем \t\t\t 2", "Подключкние TV \t\t 3", "Водное охлаждение \t 4", "Колонки \t\t 5", "Большой монитор \t 6"}, "",
     nullptr},
    {"BigMonitor", [](GameState& s) { s.money = 1000; }, "5\n6\n",
     {"DVD-ROM \t\t 1", "Модем \t\t\t 2", "Подключкние TV \t\t 3", "Водное охлаждение \t 4", "Колонки \t\t 5",
      "Большой монитор \t 6"},
     "Вы купили Большой монитор",
     [](GameState& s) {
       s.hasBigMonitor = 1;
       s.money = 0;
       s.reputation = 250;
     }},
    {"ItemNumbersOutsideOneToSix", [](GameState& s) { s.money = 10; }, "1\n0\n", {"\t Процессоры:", "500Mhz \t\t\t 1"},
     "", nullptr},
    {"ItemSevenRefused", [](GameState& s) { s.money = 5000; }, "5\n7\n",
     {"DVD-ROM \t\t 1", "Модем \t\t\t 2", "Подключкние TV \t\t 3", "Водное охлаждение \t 4", "Колонки \t\t 5",
      "Большой монитор \t 6"},
     "", nullptr},
    {"FailedItemReadSelectsNothing", [](GameState& s) { s.money = 10; }, "1\nx\n",
     {"\t Процессоры:", "500Mhz \t\t\t 1"}, "", nullptr},
    {"ReputationWrapsAtTheTop",
     [](GameState& s) {
       s.money = 45;
       s.reputation = std::numeric_limits<std::int32_t>::max();
     },
     "1\n2\n", {"\t Процессоры:", "500Mhz \t\t\t 1"}, "Вы купили Процессор на 1000 Mhz",
     [](GameState& s) {
       s.cpuMhz = 1000;
       s.money = 0;
       s.reputation = std::numeric_limits<std::int32_t>::min() + 4;
     }},
};
// clang-format on

TEST(HardwareShop, ShowingAndPurchaseRules) {
  for (const ShopCase& c : kCases) {
    SCOPED_TRACE(c.name);
    MemoryConsole io(c.input);
    Game game(io);
    c.setup(game.state);
    GameState expected = game.state;
    if (c.change != nullptr) c.change(expected);

    hardwareShopScreen(game);

    std::string output = kClear + kClear + kShopMenu + kClear + lines(c.shown);
    if (!c.message.empty()) output += std::string(c.message) + "\n";
    EXPECT_EQ(io.output(), output);
    EXPECT_EQ(shopFields(game.state), shopFields(expected));
  }
}

TEST(HardwareShop, EveryExtraOwnedListsNothingAndSellsNothing) {
  for (int item = 1; item <= 6; ++item) {
    MemoryConsole io("5\n" + std::to_string(item) + "\n");
    Game game(io);
    GameState& s = game.state;
    s.money = 5000;
    s.hasDvdRom = s.hasModem = s.hasTvOut = s.hasWaterCooling = s.hasSpeakers = s.hasBigMonitor = 1;
    const GameState before = s;
    hardwareShopScreen(game);
    EXPECT_EQ(io.output(), kClear + kClear + kShopMenu + kClear) << item;
    EXPECT_EQ(shopFields(s), shopFields(before)) << item;
  }
}

TEST(HardwareShop, OtherCategoriesEndTheVisitWithoutAnItemRead) {
  // With nothing after the category, an item read would meet the end of input.
  for (const char* input : {"0\n", "6\n", "-1\n", "x\n"}) {
    MemoryConsole io(input);
    Game game(io);
    game.state.money = 5000;
    const GameState before = game.state;
    EXPECT_NO_THROW(hardwareShopScreen(game)) << input;
    EXPECT_EQ(io.output(), kClear + kClear + kShopMenu + kClear) << input;
    EXPECT_EQ(shopFields(game.state), shopFields(before)) << input;
  }
}

TEST(HardwareShop, ChoicesStartAfreshOnEveryVisit) {
  // A failed read on the second visit does not repeat the first visit's purchase.
  MemoryConsole io("1\n2\nx\n1\ny\n");
  Game game(io);
  game.state.money = 1000;
  hardwareShopScreen(game);
  EXPECT_EQ(game.state.cpuMhz, 1000);
  const GameState afterFirst = game.state;
  io.clearOutput();
  hardwareShopScreen(game);
  EXPECT_EQ(io.output(), kClear + kClear + kShopMenu + kClear);
  hardwareShopScreen(game);
  EXPECT_EQ(shopFields(game.state), shopFields(afterFirst));
}

}  // namespace
}  // namespace geekpath
