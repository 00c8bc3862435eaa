// The Empire's moves for one year: consolidation, the staging planet, the campaign target, the
// attack, recalls, scouting and one production purchase.
#pragma once

#include "game/game.h"

namespace zenthar {

// Runs with CurrentPlTurn = 4; stores the Empire's task forces in the Ships table at the end.
void EmpireTurn(Game& game);

}  // namespace zenthar
