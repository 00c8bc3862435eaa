// Questions about planets: which slot holds an id, who owns a planet, how far apart two planets
// are, the nearest planet of an owner, and walks of the production ranking.
#pragma once

#include <string>
#include <string_view>

#include "game/state.h"

namespace zenthar {

int FindPlanetIndex(const GameState& st, std::string_view id);
int PlanetOwner(std::string_view scouted);
inline int OwnerOf(const GameState& st, int planet) {
    return PlanetOwner(st.planet(planet).Scouted.padded());
}
int PlanetDistance(const GameState& st, int a, int b);
// Years a task force needs for a distance: half of it, rounded half up.
int TravelTime(int distance);
int NearestPlanetOf(const GameState& st, int owner, int planet);
// An id matching no planet when nothing is found.
std::string PrevEmpireRanked(const GameState& st, int& cursor);
std::string NextOwnedRanked(const GameState& st, int owner, int& cursor);

// The id no planet has, returned by the ranked walks when they run out.
inline constexpr std::string_view kNoPlanetId = "  ";

}  // namespace zenthar
