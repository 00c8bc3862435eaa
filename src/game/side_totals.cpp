// Per-owner totals: what the Production Summary lists and the year end records.
#include "game/side_totals.h"

namespace zenthar {

std::array<OwnerTotals, kSides> ComputeProductionTotals(const GameState& st) {
    std::array<OwnerTotals, kSides> totals{};
    for (int i = 0; i < st.PlanetsNum && i < kPlanetSlots; ++i) {
        const int owner = OwnerOf(st, i);
        OwnerTotals& t = totals.at(static_cast<std::size_t>(owner));
        t.planets += 1;
        t.production += st.planet(i).Production;
        t.ships += st.planet(i).Ships;
    }
    return totals;
}

}  // namespace zenthar
