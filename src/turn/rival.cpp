// The computer seats: which player plays which level.
#include "turn/rival.h"

#include "turn/rival_plan.h"

namespace zenthar {

// Hard plays the planner with everything it has.
void HardRival::PlayTurn(Game& game) {
    rival::PlayPlanned(game, rival::Style{});
}

std::unique_ptr<SeatPlayer> MakeComputerPlayer(SeatKind kind) {
    switch (kind) {
        case SeatKind::Easy:
            return std::make_unique<EasyRival>();
        case SeatKind::Normal:
            return std::make_unique<NormalRival>();
        case SeatKind::Hard:
            return std::make_unique<HardRival>();
        case SeatKind::Human:
            break;
    }
    return nullptr;
}

}  // namespace zenthar
