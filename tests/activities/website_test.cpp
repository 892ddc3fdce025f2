// The website stages: thresholds, stages chained within one visit, refusals, building
// without money, the finished site, and the one confirmation number per visit.

#include <gtest/gtest.h>

#include <string>

#include "activities/website.hpp"
#include "core/memory_console.hpp"
#include "support/screen_text.hpp"

namespace geekpath {
namespace {

using testing::kClear;
using testing::lines;

const std::string kConfirm = "Для подтверждения введите 1.";
const std::string kOffer1 = "Вы можете создать Личную страничку, это будет стоить 30.";
const std::string kBuilt1 = "Вы создали Личную страничку, и это добавило 10 крутости.";
const std::string kOffer2 = "Вы можете создать сайт \"О себе и о друзьях\", это будет стоить 50.";
const std::string kBuilt2 = "Вы создали сайт \"О себе и о друзьях\", и это добавило 20 крутости.";
const std::string kOffer3 = "Вы можете создать сайт \"Обо всем\", это будет стоить 200.";
const std::string kBuilt3 = "Вы создали сайт \"Обо всем\", и это добавило 80 крутости.";

struct Visit {
  Game game;
  explicit Visit(MemoryConsole& io, std::int32_t reputation, std::int32_t siteLevel, std::int32_t money = 1000)
      : game(io) {
    game.state.reputation = reputation;
    game.state.siteLevel = siteLevel;
    game.state.money = money;
  }
};

TEST(Website, FirstStageAtFiftyAndNotTheSecond) {
  MemoryConsole io("1\n");
  Visit v(io, 50, 0, 0);
  websiteScreen(v.game);
  EXPECT_EQ(io.output(), kClear + lines({kOffer1, kConfirm, kBuilt1}));
  EXPECT_EQ(v.game.state.money, -30);  // money is never tested
  EXPECT_EQ(v.game.state.reputation, 60);
  EXPECT_EQ(v.game.state.siteLevel, 1);
  EXPECT_EQ(io.unreadInput(), "");
}

TEST(Website, BelowFiftyNothingIsOffered) {
  MemoryConsole io("\n");
  Visit v(io, 49, 0);
  websiteScreen(v.game);
  EXPECT_EQ(io.output(), kClear);
  EXPECT_EQ(v.game.state.siteLevel, 0);
}

TEST(Website, TheGainOpensTheNextStageInTheSameVisit) {
  MemoryConsole io("1\n1\n");
  Visit v(io, 95, 0);
  websiteScreen(v.game);
  EXPECT_EQ(io.output(), kClear + lines({kOffer1, kConfirm, kBuilt1, kOffer2, kConfirm, kBuilt2}));
  EXPECT_EQ(v.game.state.reputation, 125);
  EXPECT_EQ(v.game.state.money, 1000 - 80);
  EXPECT_EQ(v.game.state.siteLevel, 2);
  EXPECT_EQ(io.unreadInput(), "");
}

TEST(Website, ThresholdOfTheThirdStage) {
  {
    MemoryConsole io("\n");
    Visit v(io, 299, 2);
    websiteScreen(v.game);
    EXPECT_EQ(io.output(), kClear);
    EXPECT_EQ(v.game.state.siteLevel, 2);
  }
  {
    MemoryConsole io("1\n");
    Visit v(io, 300, 2);
    websiteScreen(v.game);
    EXPECT_EQ(io.output(), kClear + lines({kOffer3, kConfirm, kBuilt3}));
    EXPECT_EQ(v.game.state.siteLevel, 3);
    EXPECT_EQ(v.game.state.reputation, 380);
    EXPECT_EQ(v.game.state.money, 800);
  }
}

// A stage is offered only to the level right below it, however high the reputation.
TEST(Website, OnlyTheNextStageIsOffered) {
  MemoryConsole io("2\n");
  Visit v(io, 100000, 4);
  websiteScreen(v.game);
  EXPECT_EQ(io.output(), kClear + lines({"Вы можете создать Большой сайт, это будет стоить 900.", kConfirm}));
  EXPECT_EQ(v.game.state.siteLevel, 4);
}

TEST(Website, AFinishedSiteOffersNothing) {
  MemoryConsole io("\n");
  Visit v(io, 1000000, 8);
  websiteScreen(v.game);
  EXPECT_EQ(io.output(), kClear);
  EXPECT_EQ(v.game.state.reputation, 1000000);
  EXPECT_EQ(v.game.state.money, 1000);
}

TEST(Website, AllEightStagesInOneVisit) {
  MemoryConsole io("1 1 1 1 1 1 1 1\n");
  Visit v(io, 10000, 0, 0);
  websiteScreen(v.game);
  EXPECT_EQ(v.game.state.siteLevel, 8);
  EXPECT_EQ(v.game.state.money, -(30 + 50 + 200 + 400 + 900 + 1800 + 4500 + 10000));
  EXPECT_EQ(v.game.state.reputation, 10000 + 10 + 20 + 80 + 150 + 350 + 800 + 2000 + 5000);
  EXPECT_EQ(testing::countOf(io.output(), kConfirm), 8u);
  const std::string lastTwo = lines({"Вы можете создать ОГРОМНЫЙ Игровой портал, это будет стоить 10000.", kConfirm,
                                     "Вы создали ОГРОМНЫЙ Игровой портал, и это добавило 5000 крутости."});
  EXPECT_EQ(io.output().substr(io.output().size() - lastTwo.size()), lastTwo);
}

TEST(Website, ARefusalEndsTheChain) {
  MemoryConsole io("2\n");
  Visit v(io, 95, 0);
  websiteScreen(v.game);
  EXPECT_EQ(io.output(), kClear + lines({kOffer1, kConfirm}));
  EXPECT_EQ(v.game.state.siteLevel, 0);
  EXPECT_EQ(v.game.state.reputation, 95);
  EXPECT_EQ(v.game.state.money, 1000);
}

// The confirmation starts at 0, so an unreadable first answer refuses; after a stage was
// built it still holds 1, so an unreadable answer accepts the next offer.
TEST(Website, UnreadableAnswer) {
  {
    MemoryConsole io("x\n\n");
    Visit v(io, 95, 0);
    websiteScreen(v.game);
    EXPECT_EQ(io.output(), kClear + lines({kOffer1, kConfirm}));
    EXPECT_EQ(v.game.state.siteLevel, 0);
  }
  {
    MemoryConsole io("1\nx\n\n");
    Visit v(io, 95, 0);
    websiteScreen(v.game);
    EXPECT_EQ(io.output(), kClear + lines({kOffer1, kConfirm, kBuilt1, kOffer2, kConfirm, kBuilt2}));
    EXPECT_EQ(v.game.state.siteLevel, 2);
    EXPECT_EQ(v.game.state.money, 920);
    EXPECT_EQ(io.unreadInput(), "");
  }
}

}  // namespace
}  // namespace geekpath
