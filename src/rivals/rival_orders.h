// A computer player's hands: the two orders a player gives, through the very functions the
// Send Ships and Increase Production commands call, so every rule and check applies to it. The
// view follows each order given, so later decisions of the turn see its effect.
#pragma once

#include "game/game.h"
#include "rivals/rival_view.h"

namespace zenthar::rival {

class Orders {
  public:
    Orders(Game& game, SideView& view) : game_(game), view_(view) {}
    Orders(const Orders&) = delete;
    Orders& operator=(const Orders&) = delete;

    // One task force of `ships` from a planet of mine; false when the rules refuse it.
    bool send(int from, int to, int ships);
    // Production of a planet of mine up by one; false when the rules refuse it.
    bool raise(int planet);
    // Orders given so far.
    int given() const { return given_; }

  private:
    int given_ = 0;
    Game& game_;
    SideView& view_;
};

}  // namespace zenthar::rival
