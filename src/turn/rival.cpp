// The computer seats: the style each level plays the planner with.
#include "turn/rival.h"

namespace zenthar {

rival::Style rival::StyleOf(SeatKind level) {
    Style style;  // Hard: everything the planner has
    if (level == SeatKind::Hard) return style;
    style.reserve = 0;
    style.raiseFirstUpTo = 4;
    if (level == SeatKind::Normal) {
        style.probes = 1;
        style.rebelYears = 1;
        style.chance = 0.85;
        style.strikesPerTurn = 3;
        return style;
    }
    style.probes = 0;
    style.shoreUp = false;
    style.rebelYears = 0;
    style.chance = 0.5;
    style.strikesPerTurn = 20;
    return style;
}

std::unique_ptr<SeatPlayer> MakeComputerPlayer(SeatKind kind) {
    if (kind == SeatKind::Human) return nullptr;
    return std::make_unique<PlannedRival>(rival::StyleOf(kind));
}

}  // namespace zenthar
