// A computer player's reckoning of a battle before it sends a fleet: the combat results table
// played forward a few times with dice of its own, never the game's.
#pragma once

#include <unordered_map>

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

// ShipsToTake with a keep of one, remembered across turns: a seat asks about the same small
// garrisons every year, and each answer plays the table forward a few hundred times. A table
// or a chance other than the last one asked about starts afresh.
class TakeCache {
  public:
    int shipsToTake(const CrtTableType& crt, int d, double chance);

  private:
    CrtTableType crt_{};
    double chance_ = -1;
    std::unordered_map<int, int> known_;
};

}  // namespace zenthar::rival
