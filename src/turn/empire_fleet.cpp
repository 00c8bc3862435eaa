// How the Empire moves its ships: surplus to the staging planet, the main fleet, scouts, and
// the strike on the target (or more ships for the staging planet when it is not yet enough).
#include <algorithm>

#include "turn/empire_steps.h"
#include "turn/lookups.h"
#include "turn/taskforces.h"

namespace zenthar::empire {

namespace {

// The staging planet while the Empire still holds it, else the planet it would choose now: a
// staging planet lost (or naming no planet, in an edited saved game) must not draw the
// Empire's surplus into a player's hands.
int StagingOrTopPlanet(const GameState& st) {
    const int staging = CampaignPlanet(st, st.StartPl);
    if (!st.StartPl.blank() && IsEmpirePlanet(st, staging)) return staging;
    return TopRankedEmpirePlanet(st);
}

int SecondRankedEmpirePlanet(const GameState& st) {
    int cursor = 0;
    NextOwnedRanked(st, kEmpire, cursor);
    if (cursor == 0) return -1;  // not even a first one
    return FindPlanetIndex(st, NextOwnedRanked(st, kEmpire, cursor));
}

int MostShipsEmpirePlanet(const GameState& st, int except) {
    int best = 0;
    int found = -1;
    for (int i = 0; i < st.PlanetsNum; ++i) {
        if (i == except || !IsEmpirePlanet(st, i)) continue;
        if (st.planet(i).Ships > best) {
            best = st.planet(i).Ships;
            found = i;
        }
    }
    return found;
}

// What the Empire expects to meet at the target when its fleet lands.
long long ExpectedDefence(Game& game, int target, int travel) {
    const GameState& st = game.st;
    const PlanetRecord& t = st.planet(target);
    const SkillRules* rules = RulesOfSkill(st.EmpireSkill);
    switch (rules ? rules->defence : DefenceEstimate::GarrisonAndFleets) {
        case DefenceEstimate::LastSeen:  // only what it saw when it last looked
            return t.KnownShip[kEmpire] + static_cast<long long>(travel) * t.KnownProd[kEmpire];
        case DefenceEstimate::Garrison:
            return t.Ships + static_cast<long long>(travel) * t.Production;
        case DefenceEstimate::GarrisonAndFleets:
            break;
    }
    return t.Ships + static_cast<long long>(ShipsHeadingTo(game, target, -1)) +
           static_cast<long long>(travel) * t.Production;
}

void ReinforceStaging(Game& game, EmpireYear& year, int staging) {
    const GameState& st = game.st;
    int best = 0;
    int donor = -1;
    for (int i = 0; i < st.PlanetsNum; ++i) {
        if (i == staging || !IsEmpirePlanet(st, i) || !PassesSurplusTest(st, i)) continue;
        if (st.planet(i).Ships > best) {
            best = st.planet(i).Ships;
            donor = i;
        }
    }
    if (donor != -1 && PassesThreatTest(game, donor))
        LaunchEmpireFleet(game, year, donor, staging, 0.35 * st.planet(donor).Ships);
}

}  // namespace

int ConsolidationPasses(int empirePlanets) {
    switch (empirePlanets) {
        case 1:
            return 0;
        case 2:
            return 1;
        case 3:
            return 2;
        default:
            return 3;
    }
}

void ConsolidateShips(Game& game, EmpireYear& year) {
    const GameState& st = game.st;
    const int passes = ConsolidationPasses(CountEmpirePlanets(st));
    year.source = -1;
    year.staging = -1;
    int cursor = st.PlanetsNum - 1;
    for (int pass = 0; pass < passes; ++pass) {
        // From the bottom of the ranking: the weakest producers give their surplus first.
        year.source = FindPlanetIndex(st, PrevEmpireRanked(st, cursor));
        year.staging = StagingOrTopPlanet(st);
        const int d = year.source;
        const int e = year.staging;
        if (d == -1 || e == -1 || d == e) continue;
        if (st.planet(d).Ships <= 7LL * st.planet(d).Production) continue;
        if (!PassesThreatTest(game, d) || !PassesSurplusTest(st, d)) continue;
        LaunchEmpireFleet(game, year, d, e, 0.35 * st.planet(d).Ships);
    }
}

void MoveMainFleet(Game& game, EmpireYear& year) {
    GameState& st = game.st;
    const int biggest = MostShipsEmpirePlanet(st, -1);
    if (biggest != -1) year.source = biggest;
    if (year.source == year.staging) year.source = SecondRankedEmpirePlanet(st);

    if (!st.StartPl.blank()) {
        year.staging = CampaignPlanet(st, st.StartPl);
        if (!IsEmpirePlanet(st, year.staging)) {
            // Lost: the fleet gathers on the planet a fresh campaign would choose instead,
            // never on the player's planet that was taken from it.
            st.StartPl = "";
            year.staging = TopRankedEmpirePlanet(st);
        }
    }

    const int d = year.source;
    const int e = year.staging;
    if (d != -1 && e != -1 && d != e && st.planet(d).Ships >= 8LL * st.planet(d).Production &&
        PassesThreatTest(game, d))
        LaunchEmpireFleet(game, year, d, e, static_cast<double>(st.planet(d).Ships / 2));

    if (st.StartPl.blank() && e != -1) st.StartPl = st.planet(e).PlanetId;
}

void SendScouts(Game& game, EmpireYear& year) {
    GameState& st = game.st;
    const SkillRules* rules = RulesOfSkill(st.EmpireSkill);
    if (!rules || !rules->sendsScouts || CountEmpirePlanets(st) == 0) return;
    for (int i = 0; i < st.PlanetsNum; ++i) {
        if (IsEmpirePlanet(st, i)) continue;
        if (st.CurrentYear - st.planet(i).YearScouted[kEmpire] <= 5) continue;
        bool underWay = false;
        for (int t = 0; t <= st.TaskForceLast && !underWay; ++t)
            underWay = LeadingNumber(
                           st.TaskForceList[static_cast<std::size_t>(t)].EndPl.padded()) == i + 1;
        if (underWay) continue;
        const int src = NearestPlanetOf(st, kEmpire, i);
        // A scout is a real ship: a planet with none to spare sends nothing.
        if (src == -1 || st.planet(src).Ships < 1) continue;
        LaunchEmpireFleet(game, year, src, i, 1);
    }
}

int AttackMultiplier(int skill, double rnd) {
    const SkillRules* rules = RulesOfSkill(skill);
    const long long k = Int((rules ? rules->attackDice : 3) * rnd + 1);
    return k <= 1 ? 2 : static_cast<int>(std::min(k, 3LL));
}

void AttackOrReinforce(Game& game, EmpireYear& year) {
    GameState& st = game.st;
    const int staging = CampaignPlanet(st, st.StartPl);
    const int target = year.target;
    if (!year.targetSet || target == -1 || staging == -1) return;

    const int travel = TravelYears(st, staging, target);
    game.random.reseed();
    const int k = AttackMultiplier(st.EmpireSkill, game.random.next());
    long long defence = ExpectedDefence(game, target, travel);

    const long long fleet = st.planet(staging).Ships;
    if (fleet >= k * defence) {
        // Nothing (or less than nothing, from stale knowledge) to beat: nearly the whole
        // fleet goes, never a negative one.
        if (defence <= 0) defence = fleet / k;
        if (PassesThreatTest(game, staging) &&
            LaunchEmpireFleet(game, year, staging, target, static_cast<double>(defence * k)))
            st.EndPl = "";
        return;
    }
    ReinforceStaging(game, year, staging);
}

}  // namespace zenthar::empire
