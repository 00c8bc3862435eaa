// The one rule of what a side knows of a planet.
#include "turn/knowledge.h"

#include "turn/lookups.h"

namespace zenthar {

PlanetShown PlanetShownTo(const GameState& st, int side, int p) {
    const PlanetRecord& planet = st.planet(p);
    PlanetShown shown;
    shown.owner = OwnerOf(st, p);
    shown.kind = planet.kind();
    if (side < 0 || side >= kMaxPlayers) return shown;
    const auto s = static_cast<std::size_t>(side);
    switch (planet.digit(side)) {
        case 1:
            shown.knowledge = Knowledge::Scouted;
            shown.ships = planet.KnownShip[s];
            shown.production = planet.KnownProd[s];
            shown.hostility = planet.KnownHost[s];
            shown.yearScouted = planet.YearScouted[s];
            break;
        case 2:
        case 3:
            shown.knowledge = planet.digit(side) == 2 ? Knowledge::Owned : Knowledge::Capital;
            shown.ships = planet.Ships;
            shown.production = planet.Production;
            shown.hostility = planet.Hostility;
            break;
        default:
            break;
    }
    return shown;
}

}  // namespace zenthar
