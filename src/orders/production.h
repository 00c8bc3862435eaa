// The Increase Production order: once a year a player may raise an owned planet's production
// by one, paying the current production in ships from that planet. The order asks nothing: the
// window asks the player first, a computer player simply gives it.
#pragma once

#include <string>

#include "game/state.h"

namespace zenthar {

// What the order meets on a planet, in the order the rules look: the planet is not the current
// player's, may be raised, or why not.
enum class ProductionCheck { NotOwned, Allowed, AlreadyRaised, AtLimit, TooFewShips, AboveLimit };

ProductionCheck CheckIncreaseProduction(const GameState& st, int planet);

// The message that explains a refusal; empty when there is nothing to say (not the player's
// planet, or a production above its limit).
std::string ProductionRefusalText(ProductionCheck check);

// The question the window asks before it gives the order.
std::string IncreaseProductionQuestion(const GameState& st, int planet);

// Raises the planet's production by one for the current player, paying the production before
// the increase in ships. Returns the check; the planet changed only when it is Allowed.
ProductionCheck IncreaseProduction(GameState& st, int planet);

}  // namespace zenthar
