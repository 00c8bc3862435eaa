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

// What the score is, in the words the window's tooltip gives.
inline constexpr const char* kScoreExplained =
    "A side's score is ten points for each planet it holds, plus the ships a year its planets "
    "produce, plus one point for every ten ships stationed on its planets.";

// A side's score, from the figures every player is shown: ten points a planet held, one for
// each ship a year it produces, and one for every ten ships stationed on its planets.
constexpr long long Score(const OwnerTotals& t) {
    return 10 * t.planets + t.production + t.ships / 10;
}
// The highest score a side can reach: every planet of the largest galaxy held and full.
inline constexpr long long kMostScore =
    Score({kMaxPlanets, kMaxPlanets * 32767LL, kMaxPlanets * 32767LL});

}  // namespace zenthar
