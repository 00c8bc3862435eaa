// The Easy and Normal computer players: the planner Hard plays, with what takes foresight and
// care left out.
#include "turn/rival.h"
#include "turn/rival_plan.h"

namespace zenthar {

// Easy strikes on odds it should not take, so many of its fleets are lost, makes two strikes a
// year at most, keeps no more at home than its rebels need and hardly buys production.
void EasyRival::PlayTurn(Game& game) {
    rival::Style style;
    style.probes = 0;
    style.shoreUp = false;
    style.rebelYears = 0;
    style.chance = 0.5;
    style.raiseFirstUpTo = 0;
    style.raiseLaterUpTo = 4;
    style.strikesPerTurn = 2;
    rival::PlayPlanned(game, style);
}

// Normal sizes its strikes as Hard does but never scouts, buys production only with what is left
// and lets the rebels wear its planets down to the bare guard.
void NormalRival::PlayTurn(Game& game) {
    rival::Style style;
    style.probes = 0;
    style.shoreUp = false;
    style.rebelYears = 0;
    style.chance = 0.8;
    style.raiseFirstUpTo = 0;
    rival::PlayPlanned(game, style);
}

}  // namespace zenthar
