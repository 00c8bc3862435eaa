// What the three computer levels share: the ships a planet keeps at home, the planets of a side,
// and the planner with the style of play of each level.
#pragma once

#include <vector>

#include "rivals/rival_view.h"

namespace zenthar::rival {

// Ships a planet of mine keeps so that its rebels cannot take it: production is added before
// they rise, so the planet needs more than the most rebels minus one year of production.
int RebelGuard(const SideView& v, int planet);

// The planets of mine, in list order.
std::vector<int> MyPlanets(const SideView& v);

// My planet nearest to planet t (the lower position on a tie), or -1.
int NearestMine(const SideView& v, int t);

// How the planner plays: Hard uses all of it, Normal and Easy leave parts out.
struct Style {
    int probes = 3;       // single ships sent a turn to planets little known
    bool gather = true;   // ships of several planets gathered for one strike
    bool shoreUp = true;  // planets worn down by rebels topped up
    int rebelYears = 2;   // years of rebel losses kept on top of the guard
    // Share of what another player could bring within a strike's reach kept at home: on the
    // capital, and on every other planet; and the fewest ships a capital keeps at all.
    double capitalReserve = 1.0;
    double reserve = 0.5;
    int capitalFloor = 6;
    double chance = 0.95;  // a strike should take its planet at least this often
    // The same while other players hold planets: they strike the same planets, and a seat that
    // waits for better odds hands the planet to them and leaves the Empire its time to rebuild.
    double contestedChance = 0.7;
    int raiseFirstUpTo = 20;  // raises up to this price come before any strike
    int raiseLaterUpTo = 20;  // and these with what the strikes left (8 at most after 80 years)
    // Few strikes a year leave ships at home and let them grow into fleets that take the
    // planets worth most; many scatter them over small gains.
    int strikesPerTurn = 2;
    // A player keeps ships at home against mine as I do against its: of its ships near a planet
    // of mine, those beyond `deterred` times my own near it are what it could bring, though never
    // less than `threatShare` of them (`capitalThreatShare` against the capital). Without it two
    // neighbours each hold everything at home against the other and neither ever strikes.
    double deterred = 1.5;
    double threatShare = 0.4;
    double capitalThreatShare = 0.6;
    double soleRivalThreatShare = 0.8;  // against the capital, with one other player left
    // Share of another player's ships in flight, as its totals tell, that could land on the
    // capital on top of what its planets within reach could bring.
    double flightShare = 0;
    // What a strike at a player's planet is worth against one at the Empire's while more than
    // one other player holds planets.
    double playerWorth = 0.5;
    // What a gathering is worth against a strike from one planet.
    double gatheringWorth = 2;
    // Ships are gathered over several turns for the last planets of a beaten side, so that it is
    // finished instead of rebuilding while no planet alone can take them.
    bool finishes = true;
    // The farthest a scout flies, in years (0: anywhere); what it sees later is old when it lands.
    int scoutYears = 10;
};

// One turn of the planner: scouting, strikes sized from the combat results table, production.
void PlayPlanned(Game& game, const Style& style);

}  // namespace zenthar::rival
