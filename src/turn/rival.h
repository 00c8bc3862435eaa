// The computer players of the three levels. Each decides one turn from its side's view alone
// and gives its orders through the order functions a player's commands use.
#pragma once

#include "turn/seat.h"

namespace zenthar {

// A beginner: small attacks on a whim at whatever lies near, never gathered, and hardly a ship
// left at home against rebels.
class EasyRival : public SeatPlayer {
  public:
    void PlayTurn(Game& game) override;
};

// Sound play: guards every planet against its rebels, buys production it can spare, strikes
// the nearest planet it should beat two to one and sends what it cannot use to the front.
class NormalRival : public SeatPlayer {
  public:
    void PlayTurn(Game& game) override;
};

// Plans: scouts with single ships, sizes each strike from the combat results table against
// what it knows of the target and how old that knowledge is, launches from several planets so
// that the fleets land in the same year, keeps reserves where it knows a threat, buys
// production while it pays off, and goes for the last planets of a beaten side.
class HardRival : public SeatPlayer {
  public:
    void PlayTurn(Game& game) override;
};

}  // namespace zenthar
