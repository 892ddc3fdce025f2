// The save-file reader on arbitrary bytes, as the slot summary and the load read them.
// Besides not crashing, the two must agree, the nickname must stay within its 15 bytes,
// and a state read from any bytes, written back, must read back the same.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/real_text.hpp"
#include "persistence/save_file.hpp"

namespace {

using geekpath::GameState;

void check(bool condition) {
  if (!condition) __builtin_trap();
}

bool sameSavedFields(const GameState& a, const GameState& b) {
  return a.playerName == b.playerName && a.day == b.day && a.money == b.money && a.reputation == b.reputation &&
         a.cpuMhz == b.cpuMhz && a.gpuModel == b.gpuModel && a.hddGb == b.hddGb && a.job == b.job &&
         a.hackerLevel == b.hackerLevel && a.gamesOwned == b.gamesOwned && a.gamesCompleted == b.gamesCompleted &&
         a.hasDvdRom == b.hasDvdRom && a.hasModem == b.hasModem && a.hasTvOut == b.hasTvOut &&
         a.hasWaterCooling == b.hasWaterCooling && a.hasSpeakers == b.hasSpeakers &&
         a.hasBigMonitor == b.hasBigMonitor && a.onlineHero1 == b.onlineHero1 && a.onlineHero2 == b.onlineHero2 &&
         a.smallClubs == b.smallClubs && a.mediumClubs == b.mediumClubs && a.bigClubs == b.bigClubs &&
         a.hugeClubs == b.hugeClubs && a.siteLevel == b.siteLevel && a.pressLevel == b.pressLevel &&
         // The memory size is written with six significant digits: its text must not drift.
         geekpath::formatReal(a.ramGb) == geekpath::formatReal(b.ramGb);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const geekpath::SlotSummary summary = geekpath::readSlotSummary(bytes);
  check(summary.name.size() <= size);

  GameState loaded;
  geekpath::readSaveRecords(bytes, loaded);
  check(loaded.playerName.back() == '\0');
  const std::string name(loaded.playerName.data());
  check(name.size() <= 15);
  // The load keeps the summary's nickname up to a zero byte, at most 15 bytes of it.
  check(name == summary.name.substr(0, std::min({summary.name.find('\0'), summary.name.size(), std::size_t{15}})));
  check(loaded.day == summary.day && loaded.money == summary.money && loaded.reputation == summary.reputation);
  check(std::strlen(loaded.playerName.data()) == name.size());

  const std::string written = geekpath::saveFileBytes(loaded);
  GameState reread;
  reread.playerName.fill('x');
  geekpath::readSaveRecords(written, reread);
  check(sameSavedFields(loaded, reread));
  const geekpath::SlotSummary rereadSummary = geekpath::readSlotSummary(written);
  check(rereadSummary.name == name && rereadSummary.day == loaded.day && rereadSummary.money == loaded.money &&
        rereadSummary.reputation == loaded.reputation);
  return 0;
}
