// The computer players of the three levels. Each decides one turn from its side's view alone
// and gives its orders through the order functions a player's commands use.
#pragma once

#include "turn/seat.h"

namespace zenthar {

// A beginner: strikes on odds it should not take, two a year at most, keeps no more at home
// than its rebels need and hardly buys production.
class EasyRival : public SeatPlayer {
  public:
    void PlayTurn(Game& game) override;
};

// Sound play: strikes sized from the combat results table, but it never scouts, lets rebels wear
// its planets down to the bare guard and buys production only with what its strikes left.
class NormalRival : public SeatPlayer {
  public:
    void PlayTurn(Game& game) override;
};

// Plans: scouts with single ships, weighs each strike on the combat results table against what
// it knows of the target and how old that knowledge is, gathers the ships of several planets on
// the one nearest the target so that they land together and strike as one fleet, keeps its
// planets above what their rebels can destroy, buys production first while it pays, and turns
// on a side that is down to its last planets.
class HardRival : public SeatPlayer {
  public:
    void PlayTurn(Game& game) override;
};

}  // namespace zenthar
