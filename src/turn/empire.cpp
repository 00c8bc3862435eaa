// The Empire's turn: the driver that runs the year's steps in order, the questions the steps
// share, and the book-keeping steps at both ends of the year (wiped-out check, safe list,
// production purchase).
#include "turn/empire.h"

#include <algorithm>

#include "turn/empire_steps.h"
#include "turn/lookups.h"
#include "turn/taskforces.h"

namespace zenthar {

namespace empire {

bool IsEmpirePlanet(const GameState& st, int planet) {
    return st.validPlanet(planet) && OwnerOf(st, planet) == kEmpire;
}

bool IsHumanPlanet(const GameState& st, int planet) {
    return st.validPlanet(planet) && OwnerOf(st, planet) != kEmpire;
}

int CountEmpirePlanets(const GameState& st) {
    int n = 0;
    for (int i = 0; i < st.PlanetsNum; ++i)
        if (IsEmpirePlanet(st, i)) ++n;
    return n;
}

int CampaignPlanet(const GameState& st, const FixedText<2>& id) {
    return id.blank() ? -1 : FindPlanetIndex(st, id.padded());
}

int TravelYears(const GameState& st, int from, int to) {
    return TravelTime(PlanetDistance(st, from, to));
}

bool PassesThreatTest(Game& game, int planet) {
    const SkillRules* rules = RulesOfSkill(game.st.EmpireSkill);
    if (!rules || !rules->threatTest) return true;
    return ShipsHeadingTo(game, planet, -1) <= game.st.PlayesNum - 1;
}

bool PassesSurplusTest(const GameState& st, int planet) {
    const PlanetRecord& p = st.planet(planet);
    const double ships = p.Ships;
    return ships - 0.35 * ships > 30.0 * p.Production;
}

int TopRankedEmpirePlanet(const GameState& st) {
    int cursor = 0;
    return FindPlanetIndex(st, NextOwnedRanked(st, kEmpire, cursor));
}

bool LaunchEmpireFleet(Game& game, EmpireYear& year, int from, int to, double ships) {
    if (year.listFull) return false;
    if (LaunchTaskForce(game.st, from, to, ships) == LaunchResult::ListFull) {
        year.listFull = true;
        return false;
    }
    return true;
}

void CheckWipedOut(Game& game) {
    GameState& st = game.st;
    // While its fleets still fly the Empire may yet land somewhere: nothing is decided.
    if (st.TaskForceLast >= 0) return;
    if (CountEmpirePlanets(st) > 0) {
        st.EmpireOut = false;
        return;
    }
    if (!st.EmpireOut) {
        game.dialogs.inform(kEmpireWipedOutText);
        st.EmpireOut = true;
    }
}

std::vector<int> BuildSafeList(const GameState& st) {
    constexpr int kSafeDistance = 15;
    std::vector<int> safe;
    for (int i = 0; i < st.PlanetsNum; ++i) {
        if (!IsEmpirePlanet(st, i)) continue;
        if (st.planet(i).Production >= st.planet(i).MaxProd) continue;
        bool threatened = false;
        for (int j = 0; j < st.PlanetsNum && !threatened; ++j)
            threatened = IsHumanPlanet(st, j) && PlanetDistance(st, i, j) <= kSafeDistance;
        if (!threatened) safe.push_back(i);
    }
    return safe;
}

void BuyProduction(Game& game, const EmpireYear& year) {
    if (year.safeList.empty()) return;
    GameState& st = game.st;
    const auto n = static_cast<long long>(year.safeList.size());
    const long long pick = std::clamp(Int(game.random.next() * static_cast<double>(n)), 0LL, n - 1);
    const int planet = year.safeList[static_cast<std::size_t>(pick)];
    PlanetRecord& p = st.planet(planet);
    if (p.Ships < p.Production || p.Production >= p.MaxProd || p.WillProd != -1) return;
    // The players' price, and no growth under the eyes of an approaching fleet at any level.
    if (ShipsHeadingTo(game, planet, -1) > st.PlayesNum - 1) return;
    p.Ships = Saturate16(static_cast<long long>(p.Ships) - p.Production);
    p.Production = Saturate16(p.Production + 1LL);
    p.WillProd = 0;
}

}  // namespace empire

void EmpireTurn(Game& game) {
    using namespace empire;
    ShowTurnStatus(game, false);
    CheckWipedOut(game);

    EmpireYear year;
    year.safeList = BuildSafeList(game.st);
    // An unknown skill level (only a tampered game has one) leaves the Empire to produce.
    if (RulesOfSkill(game.st.EmpireSkill)) {
        ConsolidateShips(game, year);
        MoveMainFleet(game, year);
        PlanCampaign(game, year);
        ReviewTaskForces(game);
        SendScouts(game, year);
        AttackOrReinforce(game, year);
    }
    BuyProduction(game, year);
    SaveTaskForces(game);
}

}  // namespace zenthar
