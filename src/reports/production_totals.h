// What the Production Summary window lists: per owner (players 0-3, the Empire 4) the planets
// held, the sum of their current production and the ships stationed on them.
#pragma once

#include <array>

#include "game/state.h"

namespace zenthar {

struct OwnerTotals {
    long long planets = 0;
    long long production = 0;
    long long ships = 0;  // stationed ships only; task forces in flight are not counted
};

std::array<OwnerTotals, kSides> ComputeProductionTotals(const GameState& st);

}  // namespace zenthar
