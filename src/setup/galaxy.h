// Galaxy generation for a new game: the Empire's ship pool, the planets' places on the 45 x 45
// grid, their production, hostility and pictures, the players' capitals and the dealing of the
// Empire's ships over its planets, richest planets first.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "game/platform.h"
#include "game/state.h"

namespace zenthar {

inline constexpr int kGridSize = 45;
// Planets closer than this in both directions crowd each other on the map.
inline constexpr int kTooCloseDistance = 4;
// Re-draws of one planet's position before it is put on a free position directly.
inline constexpr int kRedrawsBeforeFallback = 10000;
// Whole placements started over (every free position used up) before the planets are put on
// the 5-unit lattice, where 81 positions never crowd each other.
inline constexpr int kRestartsBeforeLattice = 20;

// The texts the four home-planet lists show, row 0 to 3.
using HomePlanetTexts = std::array<std::string, kMaxPlayers>;

// Step 1: the pool P of the Empire's ships (may hold a fraction), drawn without a reseed.
double EmpireShipPool(int planets, int skill, RandomSource& random);
// Ships of each capital: Round(P) divided by the number of players, fraction dropped.
int HomeShare(double pool, int players);
// Ships of the Empire's most productive planet: the whole part of 0.3 P.
int StrongestShare(double pool);

// Both coordinate differences within kTooCloseDistance.
bool TooClose(int x1, int y1, int x2, int y2);

// Step 2: positions for planets 0 to PlanetsNum - 1, each clear of all earlier ones. Always
// ends, whatever the random source returns.
void PlacePlanets(GameState& st, RandomSource& random);

// The player whose home-planet list shows planet i's name (rows of absent players ignored),
// or -1.
int HomePlayerOf(const GameState& st, int planet, const HomePlanetTexts& homePlanets);

// Step 3 for one planet: a capital of `player`, or an Empire planet with drawn attributes.
void MakeHomePlanet(GameState& st, int planet, int player, int homeShips);
void DrawPlanetAttributes(GameState& st, int planet, RandomSource& random);

// Step 4: rebuilds ProdOrder, gives the strongest planet 0.3 P and deals out the rest of the
// pool over the Empire's planets that still have no ships, in ranking order.
void DealEmpireShips(GameState& st, double pool, int strongest);

struct GalaxyOutcome {
    double pool = 0;
    int strongest = -1;
};

// The whole generation over the state's PlanetsNum, PlayesNum and EmpireSkill. planetReady
// runs for each planet once its attributes are set, before the Empire's ships are dealt out
// (the new game writes the planet rows from there).
GalaxyOutcome GenerateGalaxy(GameState& st, RandomSource& random,
                             const HomePlanetTexts& homePlanets,
                             const std::function<void(int)>& planetReady = {});

}  // namespace zenthar
