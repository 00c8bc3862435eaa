// The planet panel's texts and pictures for one planet.
#include "app/planet_panel.h"

#include "turn/lookups.h"

namespace zenthar {

namespace {

std::string KindIcon(char kind) {
    switch (kind) {
        case 'g':
            return "good.ico";
        case 'm':
            return "medium.ico";
        case 'b':
            return "bad.ico";
        default:
            return {};
    }
}

}  // namespace

int CurrentPlayerDigit(const GameState& st, int p) {
    if (st.CurrentPlTurn < 0 || st.CurrentPlTurn >= kMaxPlayers) return 0;
    return st.planet(p).digit(st.CurrentPlTurn);
}

PlanetPanelText PlanetPanelFor(const GameState& st, int p) {
    const PlanetRecord& planet = st.planet(p);
    PlanetPanelText t;
    t.kindIcon = KindIcon(planet.kind());
    const int owner = PlanetOwner(planet.Scouted.padded());
    t.ownerIcon = owner == kEmpire ? std::string("empire.ico")
                                   : st.PlSymbol[static_cast<std::size_t>(owner)].trimmed();
    t.name = "Planet: " + planet.Name.padded();

    const int d = CurrentPlayerDigit(st, p);
    if (d == 1) {
        const auto me = static_cast<std::size_t>(st.CurrentPlTurn);
        t.production = "Production: " + FormatHash(planet.KnownProd[me]);
        t.ships = "Ships: " + FormatHash(planet.KnownShip[me]);
        t.hostility = "Hostility: " + FormatHash(planet.KnownHost[me]);
        t.status = "Status: Scouted";
    } else if (d == 2 || d == 3) {
        t.hostility = "Hostility: " + FormatHash(planet.Hostility);
        t.production = "Production: " + FormatHash(planet.Production);
        t.ships = "Ships: " + FormatHash(planet.Ships);
        t.status = d == 2 ? "Status: Owned" : "Status: Capital";
    } else {
        t.hostility = "Hostility: ";
        t.production = "Production: ";
        t.ships = "Ships: ";
        t.status = "Status: Unknown";
    }
    return t;
}

std::string TurnCaption(const GameState& st) {
    const int who = st.CurrentPlTurn;
    if (who < 0 || who >= kSides) return "Player's Turn: ";
    return "Player's Turn: " + st.PlName[static_cast<std::size_t>(who)].padded();
}

std::string YearCaption(const GameState& st) {
    return "Year: " + FormatHash(st.CurrentYear);
}

}  // namespace zenthar
