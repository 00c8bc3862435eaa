// The Fleets in Flight list: the task forces of the player whose turn it is, soonest arrival
// first. Only his own list is ever read; other sides' task forces are never shown.
#pragma once

#include <string>
#include <vector>

#include "game/state.h"

namespace zenthar {

struct FleetInFlight {
    int from = -1;  // planet indexes
    int to = -1;
    std::string fromName;
    std::string toName;
    int ships = 0;
    int arrival = 0;    // the year it lands
    int yearsLeft = 0;  // counted from the current year

    bool operator==(const FleetInFlight&) const = default;
};

// CurrentPlTurn's task forces (TaskForceList), sorted by arrival year (launch order within a
// year). Empty while no player has the turn; entries naming no planet of the game are left out.
std::vector<FleetInFlight> FleetsInFlight(const GameState& st);

}  // namespace zenthar
