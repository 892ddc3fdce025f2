#include "activities/website.hpp"

#include <cstdint>
#include <string_view>

#include "core/wrapping.hpp"

namespace geekpath {
namespace {

// Stage n is offered while siteLevel is n - 1 and reputation has reached its threshold.
struct SiteStage {
  std::int32_t reputationAtLeast;
  std::string_view offerLine;
  std::int32_t cost;
  std::int32_t reputationGain;
  std::string_view builtLine;
};

constexpr SiteStage kStages[] = {
    {50, "Вы можете создать Личную страничку, это будет стоить 30.", 30, 10,
     "Вы создали Личную страничку, и это добавило 10 крутости."},
    {100, "Вы можете создать сайт \"О себе и о друзьях\", это будет стоить 50.", 50, 20,
     "Вы создали сайт \"О себе и о друзьях\", и это добавило 20 крутости."},
    {300, "Вы можете создать сайт \"Обо всем\", это будет стоить 200.", 200, 80,
     "Вы создали сайт \"Обо всем\", и это добавило 80 крутости."},
    {500, "Вы можете создать Средний сайт, это будет стоить 400.", 400, 150,
     "Вы создали Средний сайт, и это добавило 150 крутости."},
    {1200, "Вы можете создать Большой сайт, это будет стоить 900.", 900, 350,
     "Вы создали Большой сайт, и это добавило 350 крутости."},
    {2500, "Вы можете создать Игровой сайт, это будет стоить 1800.", 1800, 800,
     "Вы создали Игровой сайт, и это добавило 800 крутости."},
    {5000, "Вы можете создать Игровой портал, это будет стоить 4500.", 4500, 2000,
     "Вы создали Игровой портал, и это добавило 2000 крутости."},
    {10000, "Вы можете создать ОГРОМНЫЙ Игровой портал, это будет стоить 10000.", 10000, 5000,
     "Вы создали ОГРОМНЫЙ Игровой портал, и это добавило 5000 крутости."},
};

}  // namespace

void websiteScreen(Game& game) {
  GameState& s = game.state;
  ConsoleIo& io = game.io;
  io.clearScreen();
  // One answer for the whole visit: after a stage is built it still holds 1, so an
  // unreadable answer to the next offer accepts it.
  std::int32_t confirmation = 0;
  std::int32_t stageLevel = 0;  // siteLevel before the stage
  // Stages are tested in order on the values as they change, so the reputation a stage
  // adds can open the next one within the same visit. Money is never tested.
  for (const SiteStage& stage : kStages) {
    if (s.siteLevel == stageLevel && s.reputation >= stage.reputationAtLeast) {
      io.printLine(stage.offerLine);
      io.printLine("Для подтверждения введите 1.");
      io.readNumber(confirmation);
      if (confirmation == 1) {
        io.printLine(stage.builtLine);
        subtractFrom(s.money, stage.cost);
        addTo(s.reputation, stage.reputationGain);
        addTo(s.siteLevel, 1);
      }
    }
    ++stageLevel;
  }
  io.waitKey();
}

}  // namespace geekpath
