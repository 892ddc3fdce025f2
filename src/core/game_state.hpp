#pragma once
// The one record of everything the game knows about the current player and game.

#include <array>
#include <cstddef>
#include <cstdint>

namespace geekpath {

inline constexpr std::size_t kEventTableSize = 50;
inline constexpr std::size_t kAltEventTables = 4;
inline constexpr std::size_t kNameCapacity = 16;  // 15 characters and the terminating zero

using EventTable = std::array<std::int16_t, kEventTableSize>;

struct GameState {
  // Saved fields (the save file holds these; see persistence/save_file.hpp).
  std::array<char, kNameCapacity> playerName{};  // CP866 bytes, zero-terminated
  std::int32_t day = 1;
  std::int32_t money = 0;
  std::int32_t reputation = 0;
  std::int32_t cpuMhz = 500;
  std::int32_t gpuModel = 3600;
  std::int32_t hddGb = 10;
  float ramGb = 0.125f;
  std::int16_t job = 1;  // 1..7 jobs, 10 entrepreneurship, 0 no job
  std::int16_t hasDvdRom = 0;
  std::int16_t hasModem = 0;
  std::int16_t hasSpeakers = 0;
  std::int16_t hasBigMonitor = 0;
  std::int16_t hasWaterCooling = 0;
  std::int16_t hasTvOut = 0;
  std::int16_t gamesOwned = 0;
  std::int16_t gamesCompleted = 0;
  std::int16_t hackerLevel = 0;
  std::int32_t pressLevel = 0;
  std::int32_t siteLevel = 0;
  std::int32_t smallClubs = 0;
  std::int32_t mediumClubs = 0;
  std::int32_t bigClubs = 0;
  std::int32_t hugeClubs = 0;
  std::int16_t onlineHero1 = 0;
  std::int16_t onlineHero2 = 0;

  // Fields of the running program only.
  std::int32_t dailyIncome = 10;
  std::int32_t previousJob = 0;
  std::int32_t previousIncome = 0;
  std::int16_t gameLoaded = 0;
  std::int16_t eventCursor = -1;
  EventTable eventTable{};
  std::array<EventTable, kAltEventTables> eventTableAlt{};
  std::int32_t lotteryDayCount = 0;
  std::int32_t lotteryDrawCount = 0;
  // The number last typed at the day menu, or at its quit question when that was asked:
  // the day's choice, and at the end of the day a cheat code if it is one.
  std::int32_t lastDayAnswer = 0;
};

// The condition of a table row that holds whatever the state.
[[nodiscard]] constexpr bool always(const GameState&) { return true; }

}  // namespace geekpath
