// Text pictures of a game, one line per item, to compare two games or one game before and after:
// the soak run's save-and-open round trip and the tests that check a refused command changed
// nothing.
#pragma once

#include <string>

#include "game/game.h"

namespace zenthar::sim {

// Everything a save keeps: configuration, players, campaign, planets 0 to PlanetsNum - 1 with
// every stored field, the current side's task forces (not the scratch PlNum) and ProdOrder.
std::string DescribeSavedGame(const GameState& st);

// Every game variable and program variable, all 51 planet slots and all 1001 task-force slots.
std::string DescribeWholeState(const GameState& st);

// Every task force of every side in the Ships table, sorted.
std::string ShipsTablePicture(Game& game);

}  // namespace zenthar::sim
