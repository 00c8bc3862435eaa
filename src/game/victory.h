// Who has won, from what each side holds: the one rule behind the year end's victory test and
// behind telling, from a saved game's chronicle, whether that game was decided.
#pragma once

#include <array>

#include "game/state.h"

namespace zenthar {

// holds: the side owns a planet; inFlight: the side has a task force in flight. The one player
// still holding either once the Empire holds neither, or the Empire once no player holds
// either; -1 while the game is open.
inline int WinnerOf(int players, const std::array<bool, kSides>& holds,
                    const std::array<bool, kSides>& inFlight) {
    // The usual year: the Empire and a player both hold planets, and no fleet can change that.
    for (int p = 0; p < players && holds[kEmpire]; ++p)
        if (holds[static_cast<std::size_t>(p)]) return -1;
    int standing = 0;
    int last = -1;
    for (int p = 0; p < players; ++p) {
        if (!holds[static_cast<std::size_t>(p)] && !inFlight[static_cast<std::size_t>(p)]) continue;
        ++standing;
        last = p;
    }
    if (standing == 0) return kEmpire;
    if (standing == 1 && !holds[kEmpire] && !inFlight[kEmpire]) return last;
    return -1;
}

}  // namespace zenthar
