// The current side's task forces and the Ships table: storing the list at the end of a turn or
// before a save, and reloading it for the side whose turn begins.
#pragma once

#include "game/game.h"

namespace zenthar {

// Writes TaskForceList back into the Ships table (rows of the side, matched in order).
void SaveTaskForces(Game& game);

// Reloads TaskForceList with CurrentPlTurn's rows of the Ships table.
void LoadTaskForces(Game& game);

}  // namespace zenthar
