// Rebels on the players' planets: at every year end a planet of a human player may rise, and
// rebels destroy its ships one by one; a planet left without ships falls back to the Empire.
#pragma once

#include "game/game.h"
#include "turn/turnreport.h"

namespace zenthar {

// The chance of a rising in 100 for an Empire skill level; 0 for a level the game does not know.
int RisingChance(int empireSkill);

// The number of rebels when a planet of the given hostility rises, u uniform in [0, 1).
int RebelCount(int empireSkill, int hostility, double u);

// The rebel step for planet i: may draw up to two random numbers, fight, hand the planet back
// and write one report line.
void RebelStep(Game& game, TurnReport& report, int i);

// The rebel phase of a year end: every planet of the galaxy in turn, on the battle window.
void RiseRebels(Game& game, TurnReport& report);

}  // namespace zenthar
