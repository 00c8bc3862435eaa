// The year end's entry in the game's chronicle: what every side holds once the year is over,
// the battles it fought and the year's report.
#pragma once

#include "game/game.h"

namespace zenthar {

// A battle of the year end in progress: an attack on a planet `defender` held.
void CountBattle(GameState& st, int attacker, int defender, bool attackerWon);

// Adds the year that just ended to st.Chronicle: per side every figure of the History table,
// measured from the Production Summary's totals, the ships in flight (from the Ships table) and
// the battles counted since the year end began, with the report the year end wrote. Reads nothing
// random and changes nothing else.
void RecordYear(Game& game);

}  // namespace zenthar
