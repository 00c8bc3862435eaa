// A computer player's reckoning of a battle before it sends a fleet: the combat results table
// played forward a few times with dice of its own, never the game's.
#pragma once

#include <map>
#include <utility>

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

// ShipsToTake with a keep of one, remembered: the seats ask about the same small garrisons
// every year, and each answer plays the table forward a few hundred times. Another table
// starts afresh.
class TakeCache {
  public:
    int shipsToTake(const CrtTableType& crt, int d, double chance);

  private:
    CrtTableType crt_{};
    std::map<std::pair<double, int>, int> known_;
};

// The answers of one cache a thread keeps for every seat and turn: a computer player lives for
// one turn only.
int RememberedShipsToTake(const CrtTableType& crt, int d, double chance);

}  // namespace zenthar::rival
