// The computer seats: the style each level plays the planner with.
#include "turn/rival.h"

namespace zenthar {

rival::Style rival::StyleOf(SeatKind level) {
    Style style;  // Hard: everything the planner has
    if (level == SeatKind::Hard) return style;
    style.probes = 0;
    style.shoreUp = false;
    style.rebelYears = 0;
    style.raiseFirstUpTo = 0;
    style.chance = 0.8;
    if (level == SeatKind::Easy) {
        style.chance = 0.5;
        style.raiseLaterUpTo = 4;
        style.strikesPerTurn = 2;
    }
    return style;
}

std::unique_ptr<SeatPlayer> MakeComputerPlayer(SeatKind kind) {
    if (kind == SeatKind::Human) return nullptr;
    return std::make_unique<PlannedRival>(rival::StyleOf(kind));
}

}  // namespace zenthar
