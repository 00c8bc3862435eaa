// The Empire's turn.
#include "turn/empire.h"

#include "turn/taskforces.h"

namespace zenthar {

void EmpireTurn(Game& game) {
    ShowTurnStatus(game, false);
    SaveTaskForces(game);
}

}  // namespace zenthar
