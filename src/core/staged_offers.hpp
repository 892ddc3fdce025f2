#pragma once
// Offers made in turn within one visit: a run of stages, each offered while a level of the
// game stands at its place in the run and the reputation has reached the stage's bar.

#include <cstdint>
#include <span>
#include <string_view>

#include "core/game.hpp"
#include "core/wrapping.hpp"

namespace geekpath {

// The answer that accepts an offer.
inline constexpr std::int32_t kAcceptOffer = 1;

// What a declined offer does to the level: the stage stays open, or it is passed by.
enum class WhenDeclined { levelStays, levelRises };

template <class Stage>
struct StagedOffers {
  std::span<const Stage> stages;
  std::int32_t GameState::*level;          // stands at n - 1 while stage n is open
  std::int32_t Stage::*reputationAtLeast;  // the stage's bar
  void (*offer)(ConsoleIo&, const Stage&);
  std::string_view question;            // printed under every offer, before the answer is read
  void (*accept)(Game&, const Stage&);  // what an accepted stage does besides raising the level
  WhenDeclined declined;
};

// Stages are tested in order on the state as the earlier ones left it, so an accepted
// stage can open the next within the same visit. One answer serves the whole visit: a
// failed read repeats the previous offer's answer (before any, it declines).
template <class Stage>
void makeStagedOffers(Game& game, const StagedOffers<Stage>& offers) {
  GameState& s = game.state;
  std::int32_t& level = s.*offers.level;
  std::int32_t answer = 0;
  std::int32_t place = 0;
  for (const Stage& stage : offers.stages) {
    if (level == place && s.reputation >= stage.*offers.reputationAtLeast) {
      offers.offer(game.io, stage);
      game.io.printLine(offers.question);
      game.io.readNumber(answer);
      if (answer == kAcceptOffer) offers.accept(game, stage);
      if (answer == kAcceptOffer || offers.declined == WhenDeclined::levelRises) addTo(level, 1);
    }
    ++place;
  }
}

}  // namespace geekpath
