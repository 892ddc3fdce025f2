#pragma once
// The sixteen games, shared by the games shop and the play screen.

#include <array>
#include <cstdint>
#include <string_view>

namespace geekpath {

// Game n is row n - 1: it is sold only after the first n - 1, and played through only
// after them. The two screens spell some titles differently.
struct GameTitle {
  // The shop's line: shopTitle, the game's number, " \t\t\t ", the price, shopNote.
  std::string_view shopTitle;
  std::int32_t price;
  std::string_view shopNote;
  // Whether the shop lists it only with money above the price (else at least the price).
  // Buying always needs at least the price.
  bool listedAbovePriceOnly;
  // The play screen's line: the game's number, ".", playTitle, the cost of playing it
  // through.
  std::string_view playTitle;
  std::int32_t playCost;
  // What playing it through needs from the computer (each at least the given value).
  std::int32_t cpuMhz;
  std::int32_t gpuModel;
  float ramGb;
  std::int32_t hddGb;
  bool needsDvdRom;
  // What playing it through gives: reputation, and the days it takes at once.
  std::int32_t reputationGain;
  std::int32_t days;
};

// Shop title, price, shop note, listed above the price only; play title, play cost; the
// computer it needs; reputation gained and days taken.
// clang-format off
inline constexpr std::array<GameTitle, 16> kGameCatalogue = {{
    {.shopTitle = "StarCraft \t\t ", .price = 10, .shopNote = "", .listedAbovePriceOnly = true,
     .playTitle = "StarCraft \t\t\t", .playCost = 20,
     .cpuMhz = 500, .gpuModel = 3600, .ramGb = 0.125f, .hddGb = 10, .needsDvdRom = false,
     .reputationGain = 20, .days = 1},
    {.shopTitle = "Казаки \t\t\t ", .price = 15, .shopNote = "", .listedAbovePriceOnly = true,
     .playTitle = "Казаки \t\t\t", .playCost = 40,
     .cpuMhz = 500, .gpuModel = 5800, .ramGb = 0.125f, .hddGb = 10, .needsDvdRom = false,
     .reputationGain = 25, .days = 1},
    {.shopTitle = "NeedForSpeed5 \t\t ", .price = 30, .shopNote = "", .listedAbovePriceOnly = true,
     .playTitle = "NeedForSpeed5 \t\t", .playCost = 60,
     .cpuMhz = 1000, .gpuModel = 5800, .ramGb = 0.125f, .hddGb = 10, .needsDvdRom = false,
     .reputationGain = 50, .days = 2},
    {.shopTitle = "Warcraft3 \t\t ", .price = 50, .shopNote = "", .listedAbovePriceOnly = true,
     .playTitle = "Warcraft3 \t\t\t", .playCost = 85,
     .cpuMhz = 1000, .gpuModel = 5800, .ramGb = 0.5f, .hddGb = 50, .needsDvdRom = true,
     .reputationGain = 110, .days = 2},
    {.shopTitle = "CountreStrike1.6 \t ", .price = 70, .shopNote = "", .listedAbovePriceOnly = true,
     .playTitle = "Countre-Strike1.6 \t\t", .playCost = 100,
     .cpuMhz = 1000, .gpuModel = 5800, .ramGb = 1.0f, .hddGb = 50, .needsDvdRom = true,
     .reputationGain = 190, .days = 3},
    {.shopTitle = "Gothic2 \t\t ", .price = 100, .shopNote = "", .listedAbovePriceOnly = true,
     .playTitle = "Gothic2 \t\t\t", .playCost = 150,
     .cpuMhz = 2000, .gpuModel = 6800, .ramGb = 1.0f, .hddGb = 50, .needsDvdRom = true,
     .reputationGain = 250, .days = 5},
    {.shopTitle = "Half-life2 \t\t ", .price = 150, .shopNote = "", .listedAbovePriceOnly = true,
     .playTitle = "Half-life2 \t\t\t", .playCost = 250,
     .cpuMhz = 2000, .gpuModel = 6800, .ramGb = 1.0f, .hddGb = 160, .needsDvdRom = true,
     .reputationGain = 400, .days = 7},
    {.shopTitle = "Stalker \t\t ", .price = 220, .shopNote = "", .listedAbovePriceOnly = true,
     .playTitle = "Stalker \t\t\t", .playCost = 370,
     .cpuMhz = 2800, .gpuModel = 7900, .ramGb = 2.0f, .hddGb = 160, .needsDvdRom = true,
     .reputationGain = 450, .days = 10},
    {.shopTitle = "Gothic3 \t\t ", .price = 350, .shopNote = "", .listedAbovePriceOnly = true,
     .playTitle = "Gothic3 \t\t\t", .playCost = 500,
     .cpuMhz = 2800, .gpuModel = 8800, .ramGb = 4.0f, .hddGb = 320, .needsDvdRom = true,
     .reputationGain = 510, .days = 17},
    {.shopTitle = "World of Warcraft \t ", .price = 500, .shopNote = " \t (On-line игра)", .listedAbovePriceOnly = false,
     .playTitle = "World of Warcraft \t\t", .playCost = 700,
     .cpuMhz = 3600, .gpuModel = 8800, .ramGb = 4.0f, .hddGb = 800, .needsDvdRom = true,
     .reputationGain = 900, .days = 25},
    {.shopTitle = "Half-life3 \t\t ", .price = 700, .shopNote = "", .listedAbovePriceOnly = true,
     .playTitle = "Half-life3 \t\t\t", .playCost = 900,
     .cpuMhz = 3600, .gpuModel = 8800, .ramGb = 4.0f, .hddGb = 800, .needsDvdRom = true,
     .reputationGain = 1200, .days = 45},
    {.shopTitle = "Heroes of MightAndMagic5 ", .price = 750, .shopNote = "", .listedAbovePriceOnly = false,
     .playTitle = "Heroes of MightAndMagic5 \t", .playCost = 1300,
     .cpuMhz = 3600, .gpuModel = 8800, .ramGb = 8.0f, .hddGb = 800, .needsDvdRom = true,
     .reputationGain = 1500, .days = 30},
    {.shopTitle = "Supreme Commander \t ", .price = 900, .shopNote = "", .listedAbovePriceOnly = false,
     .playTitle = "Supreme Commander \t\t", .playCost = 1300,
     .cpuMhz = 3600, .gpuModel = 9800, .ramGb = 8.0f, .hddGb = 800, .needsDvdRom = true,
     .reputationGain = 2000, .days = 20},
    {.shopTitle = "Crysis \t\t\t ", .price = 1200, .shopNote = "", .listedAbovePriceOnly = false,
     .playTitle = "Crysis \t\t\t", .playCost = 1500,
     .cpuMhz = 4400, .gpuModel = 9800, .ramGb = 8.0f, .hddGb = 800, .needsDvdRom = true,
     .reputationGain = 2500, .days = 35},
    {.shopTitle = "Heroes of MightAndMagic6 ", .price = 1300, .shopNote = "", .listedAbovePriceOnly = false,
     .playTitle = "Heroes of MightAndMagic6 \t", .playCost = 2000,
     .cpuMhz = 4400, .gpuModel = 9800, .ramGb = 8.0f, .hddGb = 1500, .needsDvdRom = true,
     .reputationGain = 3000, .days = 65},
    {.shopTitle = "Lineage 3 \t\t ", .price = 1600, .shopNote = " \t (On-line игра)", .listedAbovePriceOnly = false,
     .playTitle = "Lineage 3 \t\t\t", .playCost = 2500,
     .cpuMhz = 4400, .gpuModel = 9800, .ramGb = 8.0f, .hddGb = 1500, .needsDvdRom = true,
     .reputationGain = 3500, .days = 55},
}};
// clang-format on

}  // namespace geekpath
