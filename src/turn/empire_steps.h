// The Empire's year taken apart: the working values of one EmpireTurn call and one function per
// step, in the order EmpireTurn runs them. Tests drive the steps one at a time through here.
#pragma once

#include <string>
#include <vector>

#include "game/game.h"
#include "game/skill.h"

namespace zenthar::empire {

// What one year's moves work with. Nothing here outlives the call: the campaign itself is
// carried from year to year only by StartPl, EndPl and StartYear of the game state.
struct EmpireYear {
    std::vector<int> safeList;       // planets where buying production is safe
    int source = -1;                 // D: a planet ships leave from
    int staging = -1;                // E: the planet the fleet gathers on
    int target = -1;                 // T: the planet to attack, once targetSet
    bool targetSet = false;          // the planning named a target this year
    long long headingToStaging = 0;  // H: Empire ships already flying to the staging planet
    int lastArrival = 0;             // Y: arrival year of the last of them
    bool listFull = false;           // the task-force list ran out of room this year
};

// ---- small questions the steps share ----------------------------------------------------------

bool IsEmpirePlanet(const GameState& st, int planet);
bool IsHumanPlanet(const GameState& st, int planet);
int CountEmpirePlanets(const GameState& st);
// Position of a campaign id (StartPl, EndPl), -1 when blank or unknown.
int CampaignPlanet(const GameState& st, const FixedText<2>& id);
// Years a task force needs from one planet to another.
int TravelYears(const GameState& st, int from, int to);
// Advanced Empires keep ships home while human fleets are on their way to the planet.
bool PassesThreatTest(Game& game, int planet);
// The planet keeps more than 30 years of its production after giving away 35% of its ships.
bool PassesSurplusTest(const GameState& st, int planet);
// The Empire's first planet in the production ranking (highest MaxProd), or -1.
int TopRankedEmpirePlanet(const GameState& st);
// Launches a task force of the Empire unless the list is full; once it was full this year
// nothing more is launched.
bool LaunchEmpireFleet(Game& game, EmpireYear& year, int from, int to, double ships);

// ---- the steps, in the order of the year ------------------------------------------------------

inline const std::string kEmpireWipedOutText =
    "You wiped out the Empire. Should you carry on? Your call...";

// After the task forces were loaded: tell the players once when the Empire has neither
// planets nor fleets left.
void CheckWipedOut(Game& game);
// Empire planets that can still grow and have no human planet within 15 units.
std::vector<int> BuildSafeList(const GameState& st);
// Surplus ships of the weakest planets move to the staging planet.
int ConsolidationPasses(int empirePlanets);
void ConsolidateShips(Game& game, EmpireYear& year);
// Half of the biggest garrison joins the staging planet, which is named if needed.
void MoveMainFleet(Game& game, EmpireYear& year);
// Keep, check or choose the target of the campaign.
void PlanCampaign(Game& game, EmpireYear& year);
// For a new target: planets of the players worth attacking, at most 11, best production first.
std::vector<int> CandidateTargets(const GameState& st, bool singleOutLeader);
// For a new target when the drawn one is too strong: the planet the staging fleet outnumbers
// most, or -1.
int BestRatioTarget(const GameState& st, int staging, const std::vector<int>& candidates);
// Fleets heading into a defence grown too strong turn to a rally point.
void ReviewTaskForces(Game& game);
// Beginner only: single ships look at planets not seen for six years.
void SendScouts(Game& game, EmpireYear& year);
// Strike the target from the staging planet, or feed the staging planet.
void AttackOrReinforce(Game& game, EmpireYear& year);
// The multiplier of the attack for a uniform draw in [0, 1): 2 or 3, never 1.
int AttackMultiplier(int skill, double rnd);
// One production increase on a safe planet, at the players' price.
void BuyProduction(Game& game, const EmpireYear& year);

}  // namespace zenthar::empire
