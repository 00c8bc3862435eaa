// The end of a turn: the player's orders are stored, the turn passes on, and after the last
// player the year ends (the Empire, arrivals and battles, production, rebels, the report file,
// the victory test) before the turn goes to the first player still in the game.
#pragma once

#include <string>

#include "game/game.h"

namespace zenthar {

inline constexpr const char* kEmpireHasWon =
    "The Empire has won. You'd better have a good night sleep and try next time :-)";

// Ends the current player's turn. Does nothing without a game, once the game's time has run
// out, or when called again while an
// earlier call is still running (its animations and messages let the window process events).
// When the turn comes to a computer seat, its computer plays the turn at once and the turn
// goes on, until a human has it. In a game no human is left in, each call plays one year: the
// computer holding the turn plays first, and the turn stops at the first computer after the
// year end.
// When the game database fails on the way (StorageError), the game in memory and the database
// are put back as they were before the call and the error is passed on.
void EndTurn(Game& game);

// The turn of the current player ends: the orders are stored, the turn passes on, the year
// ends after the last player, and the turn goes to the next player still in the game.
void EndPlayersTurn(Game& game);

// The year end alone, with CurrentPlTurn past the last player; leaves CurrentPlTurn at 0.
void RunYearEnd(Game& game);

// A game kept as its last player's turn handed over to the year end (the recovery copy is taken
// then) runs that year end now, with the dice it was kept with, so that a crash never changes
// how a year ends. Any other game is left as it is.
void ResumeYearEnd(Game& game);

// Gives the turn to CurrentPlTurn or the next player after it who still has a planet or a task
// force in flight. When the later players are all out but an earlier one is not, the year ends
// and the turn goes round again; when no player is left, the Empire has won.
void HandTurnOver(Game& game);

// Who has won: the one player still holding a planet or a task force once the Empire holds
// neither (the galaxy is conquered), or the Empire once no player holds either; once a game's
// time has run out, otherwise, the side with the highest score (kSharedWin for a tie); -1
// while the game is open.
int Winner(Game& game);

// A new game's first turn, once its galaxy is made: the game is in play and the turn goes, as
// after a year end, to the first player (the year end before it runs the Empire's first move).
void StartFirstTurn(Game& game);

// The text of the box that congratulates the last player standing.
std::string CongratulationsText(const GameState& st, int winner);

// The message of a game whose time ran out: who has the highest score in the last year the
// chronicle holds, or who shares it.
std::string TimeUpText(const GameState& st);

}  // namespace zenthar
