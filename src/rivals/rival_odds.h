// A computer player's reckoning of a battle before it sends a fleet: the combat results table
// played forward a few times with dice of its own, never the game's.
#pragma once

#include "game/state.h"

namespace zenthar::rival {

struct BattleForecast {
    double winChance = 0;      // share of the trials the attackers took the planet
    double attackersLeft = 0;  // mean survivors of the trials they won
};

// `a` of a player's ships attacking `d` defenders.
BattleForecast ForecastBattle(const CrtTableType& crt, int a, int d);

// The fewest attackers that take a planet of `d` defenders with at least `chance` and keep,
// on average, `keep` ships there afterwards.
int ShipsToTake(const CrtTableType& crt, int d, double chance, int keep);

}  // namespace zenthar::rival
