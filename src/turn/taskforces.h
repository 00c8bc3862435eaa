// Task forces: launching one into the current side's list, reloading it when a turn begins, and
// counting the ships bound for a planet. Storing the list is the game store's (taskforce_store.h).
#pragma once

#include "game/game.h"
#include "game/taskforce_store.h"

namespace zenthar {

enum class LaunchResult { Launched, ListFull };

// The year a task force launched now from one planet to another lands in: the current year plus
// half the distance, rounded half up.
Int16 ArrivalYear(const GameState& st, int from, int to);

// Appends a task force of CurrentPlTurn from one planet to another and takes the ships off the
// source at once (both rounded half to even). Refused when the list already holds 1001 entries.
LaunchResult LaunchTaskForce(GameState& st, int from, int to, double ships);

// Reloads the side's task forces; with update also lets the window show whose turn it is.
void ShowTurnStatus(Game& game, bool update);

// Ships bound for a planet: of one side (0..4), or of every human player with -1.
int ShipsHeadingTo(Game& game, int planet, int player);

}  // namespace zenthar
