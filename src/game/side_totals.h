// What every side holds, as everyone is shown it: per owner (players 0-3, the Empire 4) the
// planets held, the sum of their current production and the ships stationed on them. The
// Production Summary lists them; the chronicle and the computer players read them.
#pragma once

#include <array>
#include <string_view>

#include "game/state.h"

namespace zenthar {

// The side holding a planet, from its Scouted digits: the first player marked 2 or 3 owns it,
// and a planet no player owns is the Empire's.
inline int PlanetOwner(std::string_view scouted) {
    for (std::size_t k = 0; k < 4 && k < scouted.size(); ++k) {
        const char c = scouted[k];
        if (c >= '2' && c <= '9') return static_cast<int>(k);
    }
    return kEmpire;
}
inline int OwnerOf(const GameState& st, int planet) {
    return PlanetOwner(st.planet(planet).Scouted.padded());
}

struct OwnerTotals {
    long long planets = 0;
    long long production = 0;
    long long ships = 0;  // stationed ships only; task forces in flight are not counted
};

std::array<OwnerTotals, kSides> ComputeProductionTotals(const GameState& st);

}  // namespace zenthar
