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
    {.reputationAtLeast = 50, .offerLine = "Вы можете создать Личную страничку, это будет стоить 30.", .cost = 30,
     .reputationGain = 10, .builtLine = "Вы создали Личную страничку, и это добавило 10 крутости."},
    {.reputationAtLeast = 100, .offerLine = "Вы можете создать сайт \"О себе и о друзьях\", это будет стоить 50.",
     .cost = 50, .reputationGain = 20,
     .builtLine = "Вы создали сайт \"О себе и о друзьях\", и это добавило 20 крутости."},
    {.reputationAtLeast = 300, .offerLine = "Вы можете создать сайт \"Обо всем\", это будет стоить 200.",
     .cost = 200, .reputationGain = 80, .builtLine = "Вы создали сайт \"Обо всем\", и это добавило 80 крутости."},
    {.reputationAtLeast = 500, .offerLine = "Вы можете создать Средний сайт, это будет стоить 400.", .cost = 400,
     .reputationGain = 150, .builtLine = "Вы создали Средний сайт, и это добавило 150 крутости."},
    {.reputationAtLeast = 1200, .offerLine = "Вы можете создать Большой сайт, это будет стоить 900.", .cost = 900,
     .reputationGain = 350, .builtLine = "Вы создали Большой сайт, и это добавило 350 крутости."},
    {.reputationAtLeast = 2500, .offerLine = "Вы можете создать Игровой сайт, это будет стоить 1800.", .cost = 1800,
     .reputationGain = 800, .builtLine = "Вы создали Игровой сайт, и это добавило 800 крутости."},
    {.reputationAtLeast = 5000, .offerLine = "Вы можете создать Игровой портал, это будет стоить 4500.",
     .cost = 4500, .reputationGain = 2000, .builtLine = "Вы создали Игровой портал, и это добавило 2000 крутости."},
    {.reputationAtLeast = 10000, .offerLine = "Вы можете создать ОГРОМНЫЙ Игровой портал, это будет стоить 10000.",
     .cost = 10000, .reputationGain = 5000,
     .builtLine = "Вы создали ОГРОМНЫЙ Игровой портал, и это добавило 5000 крутости."},
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
