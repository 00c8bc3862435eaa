// Marks and tooltips of the galaxy map.
#include "reports/map_marks.h"

#include "orders/sendships.h"
#include "turn/knowledge.h"

namespace zenthar {

PlanetMark MarkOf(const GameState& st, int side, int p) {
    const PlanetShown shown = PlanetShownTo(st, side, p);
    return {shown.owner, shown.owned(), shown.knowledge == Knowledge::Capital};
}

namespace {

std::string OwnerName(const GameState& st, int owner) {
    if (owner < 0 || owner >= kMaxPlayers) return "the Empire";
    return st.PlName[static_cast<std::size_t>(owner)].trimmed();
}

std::string Line(const char* caption, const std::optional<Int16>& value) {
    return std::string(caption) + (value ? FormatHash(*value) : std::string("?"));
}

}  // namespace

std::string PlanetTip(const GameState& st, int p) {
    if (!st.validPlanet(p)) return {};
    const PlanetShown shown = PlanetShownTo(st, st.CurrentPlTurn, p);
    std::string tip = st.planet(p).Name.trimmed() + "\nOwner: " + OwnerName(st, shown.owner);
    switch (shown.knowledge) {
        case Knowledge::Capital:
            tip += " (your capital)";
            break;
        case Knowledge::Owned:
            tip += " (yours)";
            break;
        case Knowledge::Scouted:
            tip += "\nScouted in " + FormatPlain(shown.yearScouted.value_or(0));
            break;
        case Knowledge::Unknown:
            tip += "\nNot scouted: ships, production and hostility unknown";
            break;
    }
    if (shown.knowledge != Knowledge::Unknown)
        for (const std::string& line :
             {Line("Ships: ", shown.ships), Line("Production: ", shown.production),
              Line("Hostility: ", shown.hostility)}) {
            tip += '\n';
            tip += line;
        }

    // From the player's selected planet, as Send Ships would tell it.
    const int from = st.SelectedPlanet;
    if (!st.validPlanet(from) || from == p || st.planet(from).Name == st.planet(p).Name ||
        !PlanetShownTo(st, st.CurrentPlTurn, from).owned())
        return tip;
    if (const auto a = ArrivalFor(st, p)) {
        const std::string years = a->years == 0   ? "this year"
                                  : a->years == 1 ? "1 year"
                                                  : FormatPlain(a->years) + " years";
        tip += "\nFrom " + st.planet(from).Name.trimmed() + ": distance " +
               FormatPlain(a->distance) + ", arrives in " + FormatPlain(a->year) + " (" + years +
               ")";
    }
    return tip;
}

}  // namespace zenthar
