// Task forces reaching their destination at a year end: reinforcement of an own planet,
// conquest, or a failed attack, with the battle, the planet's new owner and garrison, what the
// sides learn of it, the messages and the report line.
#pragma once

#include "game/game.h"
#include "turn/turnreport.h"

namespace zenthar {

// One Ships row as it lands: the side (0..3 a player, 4 the Empire) and the task force.
struct ArrivingTaskForce {
    int side = 0;
    TaskForceRecord tf;
};

// The planet index a task force is bound for (the two digits of EndPl minus one), or -1 when the
// id is not two digits or names no planet of this galaxy.
int DestinationIndex(const GameState& st, const FixedText<2>& endPl);

// Whether a row can land at all: a known side and a planet of this galaxy. Rows that cannot are
// dropped by the arrival walk without touching any planet.
bool CanLand(const GameState& st, const ArrivingTaskForce& arrival);

// The arrival step for one task force that CanLand; the caller deletes its row.
void LandTaskForce(Game& game, TurnReport& report, const ArrivingTaskForce& arrival);

// The arrivals of a year end: walks the Ships table from its last row to its first, lands and
// deletes every row due this year (CurrentYear), then redraws the map. Writes the report's
// column titles first when the table has rows; does nothing at all when it has none.
void LandTaskForces(Game& game, TurnReport& report);

}  // namespace zenthar
