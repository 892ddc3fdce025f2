#include "activities/website.hpp"

#include <cstdint>
#include <string_view>

#include "core/staged_offers.hpp"
#include "core/stated_number.hpp"
#include "core/wrapping.hpp"

namespace geekpath {
namespace {

// A stage of the website: what it is called, the reputation it is offered from, what it
// costs and the reputation it adds. Money is never tested.
struct SiteStage {
  std::string_view name;
  std::int32_t reputationAtLeast;
  std::int32_t cost;
  std::int32_t reputationGain;
};

// Name, offered from, cost, reputation gained.
constexpr SiteStage kStages[] = {
    {.name = "Личную страничку", .reputationAtLeast = 50, .cost = 30, .reputationGain = 10},
    {.name = "сайт \"О себе и о друзьях\"", .reputationAtLeast = 100, .cost = 50, .reputationGain = 20},
    {.name = "сайт \"Обо всем\"", .reputationAtLeast = 300, .cost = 200, .reputationGain = 80},
    {.name = "Средний сайт", .reputationAtLeast = 500, .cost = 400, .reputationGain = 150},
    {.name = "Большой сайт", .reputationAtLeast = 1200, .cost = 900, .reputationGain = 350},
    {.name = "Игровой сайт", .reputationAtLeast = 2500, .cost = 1800, .reputationGain = 800},
    {.name = "Игровой портал", .reputationAtLeast = 5000, .cost = 4500, .reputationGain = 2000},
    {.name = "ОГРОМНЫЙ Игровой портал", .reputationAtLeast = 10000, .cost = 10000, .reputationGain = 5000},
};

void offer(ConsoleIo& io, const SiteStage& stage) {
  io.printText("Вы можете создать ");
  io.printText(stage.name);
  io.printText(", это будет стоить ");
  io.printNumber(stage.cost);
  io.printLine(".");
}

void build(Game& game, const SiteStage& stage) {
  game.io.printText("Вы создали ");
  game.io.printText(stage.name);
  game.io.printText(", и это добавило ");
  game.io.printNumber(stage.reputationGain);
  game.io.printLine(" крутости.");
  subtractFrom(game.state.money, stage.cost);
  addTo(game.state.reputation, stage.reputationGain);
}

// A declined stage stays open: it is offered again at the next visit.
constexpr StagedOffers<SiteStage> kWebsite = {
    .stages = kStages,
    .level = &GameState::siteLevel,
    .reputationAtLeast = &SiteStage::reputationAtLeast,
    .offer = offer,
    .question = "Для подтверждения введите 1.",
    .accept = build,
    .declined = WhenDeclined::levelStays,
};
static_assert(firstNumber(kWebsite.question) == kAcceptOffer);

}  // namespace

void websiteScreen(Game& game) {
  game.io.clearScreen();
  makeStagedOffers(game, kWebsite);
  game.io.waitKey();
}

}  // namespace geekpath
