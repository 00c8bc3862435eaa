// The Increase Production order: once a year a player may raise an owned planet's production
// by one, paying the current production in ships from that planet.
#pragma once

#include "game/game.h"

namespace zenthar {

// For SelectedPlanet: silent when the current player does not own it, else the question or the
// message that explains why not. True when the increase was bought (the panel then shows the
// planet again).
bool IncreaseProduction(Game& game);

}  // namespace zenthar
