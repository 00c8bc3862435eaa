// A battle between an arriving task force and the ships of the planet it attacks: rounds of one
// die roll against the combat results table until one side has no ships left.
#pragma once

#include "game/game.h"

namespace zenthar {

// What one round's table lookup says: a negative percentage is a loss of the attackers, zero or
// positive one of the defenders.
struct BattleOdds {
    int column = 0;  // die column of the table, -1 when the odds are beyond the table
    int row = 0;     // odds row, -1 when the odds are beyond the table
    int result = 0;  // the percentage
};

// The lookup for a die value 1..6 (other values are taken to the nearest face) with a
// attackers against d defenders, both above 0. A human player attacking with better than even
// odds reads one column to the left. The caller says whether the attacker is a player by its
// side, not by the name shown: a player may well be called "Empire".
BattleOdds LookUpOdds(const CrtTableType& table, int a, int d, int die, bool humanAttacker);

// Ships left on the losing side of a round: a share of the ships, always at least one ship,
// rounded half to even, kept within 16 bits.
Int16 ShipsAfterLoss(Int16 ships, int percent);

// Fights the battle; both counts hold the survivors afterwards. A count of 0 or less on entry
// ends the battle before any round. The rounds are shown unless a skip flag of the display is
// set; Skip Battle is cleared afterwards so that it only ever skips one battle.
void ResolveBattle(Game& game, Int16& attackers, Int16& defenders, bool humanAttacker);

}  // namespace zenthar
