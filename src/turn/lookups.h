// Questions about planets: which slot holds an id, how far apart two planets are, the nearest
// planet of an owner, and walks of the production ranking (who owns a planet: game/side_totals.h).
#pragma once

#include <string>
#include <string_view>

#include "game/side_totals.h"
#include "game/state.h"

namespace zenthar {

int FindPlanetIndex(const GameState& st, std::string_view id);
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
