// The computer players of the three levels. Each decides one turn from its side's view alone
// and gives its orders through the order functions a player's commands use. The levels play
// one planner; what sets them apart is its style of play.
#pragma once

#include "rivals/rival_plan.h"
#include "turn/seat.h"

namespace zenthar {

namespace rival {

// Hard plans: scouts with single ships, weighs each strike on the combat results table against
// what it knows of the target and how old that knowledge is, gathers the ships of several
// planets on the one nearest the target so that they land together and strike as one fleet,
// keeps ships at home where it knows another player's garrison within reach, keeps its planets
// above what their rebels can destroy, buys production first while it pays, makes two strikes
// a year so that its fleets grow large, and turns on a side that is down to its last planets:
// it remembers every side's public totals year to year, reckons from them the ships each has in
// flight, and gathers over several turns for a beaten side's last planets, striking them with
// what that side has in flight on top so that its fleets flying home find a garrison they
// cannot beat. It reckons that a neighbour keeps ships at home against its own, a single rival
// less so, having no other player to hold ships back against, and with several rivals left it
// prefers the Empire's planets to theirs; while any rival holds planets it strikes on thinner
// odds, since a planet it waits for goes to someone else. It sends no ships to a planet of its
// own that its rebels will have taken before they land.
// Normal sizes its strikes as safely in every galaxy, less so than Hard alone, scouts with one ship
// a year, keeps one year of rebel losses, buys only cheap production first and keeps its capital as
// Hard does but less on its other planets; it counts a quarter of a rival's ships in flight, as the
// totals tell, against its capital, since a raid may come from beyond a strike's reach.
// Easy strikes on odds it should not take, so many of its fleets are lost, scatters its ships
// over many small strikes a year, keeps no more at home than its rebels need and never tops a
// worn planet up.
Style StyleOf(SeatKind level);

}  // namespace rival

// The computer player of a computer seat (Easy, Normal or Hard); none for a human seat. What
// Game::computerPlayers is set to wherever a game is played.
std::unique_ptr<SeatPlayer> MakeComputerPlayer(SeatKind kind);

class PlannedRival : public SeatPlayer {
  public:
    explicit PlannedRival(const rival::Style& style) : style_(style) {}
    void PlayTurn(Game& game) override { rival::PlayPlanned(game, style_); }

  private:
    rival::Style style_;
};

}  // namespace zenthar
