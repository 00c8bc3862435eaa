// Task forces: launching one into the current side's list, storing the list in the Ships
// table, reloading it, and counting the ships bound for a planet.
#pragma once

#include "game/game.h"

namespace zenthar {

enum class LaunchResult { Launched, ListFull };

// The year a task force launched now from one planet to another lands in: the current year plus
// half the distance, rounded half up.
Int16 ArrivalYear(const GameState& st, int from, int to);

// Appends a task force of CurrentPlTurn from one planet to another and takes the ships off the
// source at once (both rounded half to even). Refused when the list already holds 1001 entries.
LaunchResult LaunchTaskForce(GameState& st, int from, int to, double ships);

// Writes TaskForceList back into the Ships table (rows of the side, matched in order).
void SaveTaskForces(Game& game);

// Reloads TaskForceList with CurrentPlTurn's rows of the Ships table.
void LoadTaskForces(Game& game);

// Reloads the side's task forces; with update also lets the window show whose turn it is.
void ShowTurnStatus(Game& game, bool update);

// Ships bound for a planet: of one side (0..4), or of every human player with -1.
int ShipsHeadingTo(Game& game, int planet, int player);

}  // namespace zenthar
