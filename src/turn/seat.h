// A seat at the table plays a player's turns. A human seat is the person at the screen; a
// computer seat gives the orders of one turn from what the game shows its side, through the
// same order functions the windows call, and never opens a window. The year end only knows
// this interface: the computer players themselves live above the turn engine (src/rivals) and
// reach it through Game::computerPlayers.
#pragma once

#include <memory>

#include "game/game.h"

namespace zenthar {

class SeatPlayer {
  public:
    virtual ~SeatPlayer() = default;
    // Called with CurrentPlTurn the seat's player and its task forces loaded; End Turn is the
    // caller's.
    virtual void PlayTurn(Game& game) = 0;
};

}  // namespace zenthar
