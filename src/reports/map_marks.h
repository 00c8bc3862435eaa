// What the galaxy map marks on each planet and what its tooltip tells the player whose turn it
// is: the owner (public), his own planets and capital, and only what the planet panel would
// show him of the rest, read through the one rule of what a side is shown.
#pragma once

#include <string>

#include "game/state.h"

namespace zenthar {

struct PlanetMark {
    int owner = kEmpire;   // a player 0..3 or the Empire
    bool mine = false;     // owned by the side whose turn it is
    bool capital = false;  // that side's capital (another side's capital is not told)

    bool operator==(const PlanetMark&) const = default;
};

// The mark of planet p as `side` sees it.
PlanetMark MarkOf(const GameState& st, int side, int p);

// The tooltip of planet p for CurrentPlTurn, one line each: the name, the owner, what the panel
// would show and, when one of his planets is selected and p is another planet, how far it is
// and when ships sent now would arrive (the forecast Send Ships shows).
std::string PlanetTip(const GameState& st, int p);

}  // namespace zenthar
