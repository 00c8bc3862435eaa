// The planet panel's texts and pictures for one planet.
#include "app/planet_panel.h"

#include <array>

#include "game/side_totals.h"
#include "turn/knowledge.h"

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
    const PlanetShown shown = PlanetShownTo(st, st.CurrentPlTurn, p);
    PlanetPanelText t;
    t.kindIcon = KindIcon(shown.kind);
    t.ownerIcon = shown.owner == kEmpire
                      ? std::string("empire.ico")
                      : st.PlSymbol[static_cast<std::size_t>(shown.owner)].trimmed();
    t.name = "Planet: " + st.planet(p).Name.padded();
    // A capital's hostility is 0, which the panel shows as nothing, as it does zero ships.
    auto value = [](const std::optional<Int16>& v) { return v ? FormatHash(*v) : std::string(); };
    t.production = "Production: " + value(shown.production);
    t.ships = "Ships: " + value(shown.ships);
    t.hostility = "Hostility: " + value(shown.hostility);
    switch (shown.knowledge) {
        case Knowledge::Scouted:
            t.status = "Status: Scouted";
            break;
        case Knowledge::Owned:
            t.status = "Status: Owned";
            break;
        case Knowledge::Capital:
            t.status = "Status: Capital";
            break;
        case Knowledge::Unknown:
            t.status = "Status: Unknown";
            break;
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

std::string ScoreCaption(const GameState& st) {
    if (st.GameLength <= 0) return {};
    const std::array<OwnerTotals, kSides> totals = ComputeProductionTotals(st);
    std::string text = "Score:";
    for (int side = 0; side < kSides; ++side) {
        if (side != kEmpire && !st.validPlayer(side)) continue;
        text += side == 0 ? " " : ", ";
        text += side == kEmpire ? std::string("Empire")
                                : st.PlName[static_cast<std::size_t>(side)].trimmed();
        text.append(" ").append(std::to_string(Score(totals[static_cast<std::size_t>(side)])));
    }
    const int left = kFirstYear + st.GameLength - st.CurrentYear;
    if (left <= 0) return text + " - the game is over";
    return text + " - " +
           (left == 1 ? std::string("the last year") : std::to_string(left) + " years left");
}

}  // namespace zenthar
