// The Empire's campaign: which player's planet it aims at, when it gives up on a target, and
// which of its fleets it calls back because the defence they fly into has grown too strong.
#include <algorithm>

#include "turn/empire_steps.h"
#include "turn/lookups.h"
#include "turn/taskforces.h"

namespace zenthar::empire {

namespace {

constexpr int kCampaignYears = 30;
constexpr std::size_t kMaxCandidates = 11;

// Is the staging fleet, with what is flying to it, short of what the target will have when
// the fleet arrives? Also notes those ships and the last one's arrival year.
bool StagingTooWeak(Game& game, EmpireYear& year) {
    const GameState& st = game.st;
    year.headingToStaging = 0;
    year.lastArrival = 0;
    if (st.EndPl.blank() || st.StartPl.blank()) return false;
    const int staging = CampaignPlanet(st, st.StartPl);
    const int target = CampaignPlanet(st, st.EndPl);
    for (int t = 0; t <= st.TaskForceLast; ++t) {
        const TaskForceRecord& tf = st.TaskForceList[static_cast<std::size_t>(t)];
        if (tf.EndPl == st.StartPl) {
            year.headingToStaging += tf.NumOfShips;
            year.lastArrival = tf.RemTurns;
        }
    }
    if (staging == -1 || target == -1) return true;
    const long long defence =
        st.planet(target).Ships +
        static_cast<long long>(st.planet(target).Production) * TravelYears(st, staging, target);
    return st.planet(staging).Ships + year.headingToStaging < defence;
}

int RandomCandidate(Game& game, const std::vector<int>& candidates) {
    const auto n = static_cast<long long>(candidates.size());
    const long long pick = std::clamp(Int(game.random.next() * static_cast<double>(n)), 0LL, n - 1);
    return candidates[static_cast<std::size_t>(pick)];
}

int ShipsAtLeastOne(const GameState& st, int planet) {
    return std::max<int>(st.planet(planet).Ships, 1);
}

// A new target, or -1 when there is none to name this year.
int ChooseTarget(Game& game, EmpireYear& year, int campaignYears) {
    const GameState& st = game.st;
    const int staging = year.staging;
    const std::vector<int> candidates = CandidateTargets(st, campaignYears <= kCampaignYears);
    int target = -1;
    if (!candidates.empty()) {
        target = RandomCandidate(game, candidates);
        // An old campaign does not throw a fleet at a planet it cannot outnumber two to one.
        // The whole strength is divided: the garrison plus a share of the fleets on their way
        // is never below 2 once the Empire is strong enough to plan, which left old campaigns
        // stuck on a hopeless random pick.
        const long long strength = st.planet(staging).Ships + year.headingToStaging;
        if (campaignYears > kCampaignYears && strength / ShipsAtLeastOne(st, target) < 2)
            target = BestRatioTarget(st, staging, candidates);
    }
    // No player planet to aim at (only fleets are left): no target rather than planet 0, which
    // would send the staging fleet against the Empire's own first planet.
    if (target == -1) target = CampaignPlanet(st, st.EndPl);
    return target;
}

}  // namespace

std::vector<int> CandidateTargets(const GameState& st, bool singleOutLeader) {
    int most = 0;
    int leader = -1;
    // Slot 4 is the Empire's own and never counted: it must not single itself out.
    if (singleOutLeader)
        for (int z = 0; z < kEmpire; ++z)
            if (st.Hatest[static_cast<std::size_t>(z)] > most) {
                most = st.Hatest[static_cast<std::size_t>(z)];
                leader = z;
            }
    std::vector<int> players;
    if (most > 0)
        players.push_back(leader);
    else
        for (int p = 0; p < st.PlayesNum && p < kMaxPlayers; ++p) players.push_back(p);

    std::vector<int> candidates;
    for (int player : players) {
        int cursor = 0;
        while (candidates.size() < kMaxCandidates) {
            const int planet = FindPlanetIndex(st, NextOwnedRanked(st, player, cursor));
            if (planet == -1) break;
            candidates.push_back(planet);
        }
    }
    return candidates;
}

int BestRatioTarget(const GameState& st, int staging, const std::vector<int>& candidates) {
    const int fleet = st.planet(staging).Ships;
    auto best = [&](auto&& planets) {
        int bestRatio = 0;
        int winner = -1;
        for (int c : planets) {
            const int ratio = fleet / ShipsAtLeastOne(st, c);
            if (ratio > bestRatio) {
                bestRatio = ratio;
                winner = c;
            }
        }
        return winner;
    };
    const int winner = best(candidates);
    if (winner != -1) return winner;
    std::vector<int> everyPlayersPlanet;
    for (int i = 0; i < st.PlanetsNum; ++i)
        if (IsHumanPlanet(st, i)) everyPlayersPlanet.push_back(i);
    return best(everyPlayersPlanet);
}

void PlanCampaign(Game& game, EmpireYear& year) {
    GameState& st = game.st;
    const int e = year.staging;
    if (year.source == -1 || e == -1) return;
    if (st.planet(e).Ships < 10LL * st.planet(e).Production) return;

    if (!st.EndPl.blank()) {
        year.target = CampaignPlanet(st, st.EndPl);
        year.targetSet = true;
        if (year.target == -1 || IsEmpirePlanet(st, year.target)) st.EndPl = "";
    }
    const int campaignYears = st.CurrentYear - st.StartYear;
    if (!st.EndPl.blank() && campaignYears <= kCampaignYears) return;

    const bool weak = StagingTooWeak(game, year);
    if (!weak && !st.EndPl.blank()) {
        // Still strong enough: the target is kept, counted from the last reinforcement.
        st.StartYear = static_cast<Int16>(year.lastArrival);
        return;
    }

    year.target = ChooseTarget(game, year, campaignYears);
    year.targetSet = true;
    if (year.target == -1) return;  // nobody to aim at this year
    st.EndPl = st.planet(year.target).PlanetId;
    st.StartYear = st.CurrentYear;
}

void ReviewTaskForces(Game& game) {
    GameState& st = game.st;
    const SkillRules* rules = RulesOfSkill(st.EmpireSkill);
    const long long caution = rules ? rules->reviewCaution : 2;
    const bool scoutsApart = rules && rules->keepsScoutsApart;
    for (int t = 0; t <= st.TaskForceLast; ++t) {
        const TaskForceRecord& tf = st.TaskForceList[static_cast<std::size_t>(t)];
        const int dest = FindPlanetIndex(st, tf.EndPl.padded());
        if (dest == -1 || IsEmpirePlanet(st, dest)) continue;
        const FixedText<2> destId = tf.EndPl;

        long long fleet = tf.NumOfShips;
        for (int u = t + 1; u <= st.TaskForceLast; ++u) {
            const TaskForceRecord& later = st.TaskForceList[static_cast<std::size_t>(u)];
            // A Beginner does not count its scouts into the attacking fleet.
            if (later.EndPl == destId && (!scoutsApart || later.NumOfShips > 1))
                fleet += later.NumOfShips;
        }
        const int start = FindPlanetIndex(st, tf.StartPl.padded());
        const long long defence =
            caution * (st.planet(dest).Ships + static_cast<long long>(st.planet(dest).Production) *
                                                   TravelYears(st, start, dest));
        if (fleet >= defence || (scoutsApart && fleet <= 1)) continue;

        const int rally = st.StartPl.blank() ? NearestPlanetOf(st, kEmpire, dest)
                                             : CampaignPlanet(st, st.StartPl);
        if (rally == -1) continue;
        // The year of arrival stays: the fleet turns round and lands at the rally point when
        // it would have reached its old destination.
        for (int u = t; u <= st.TaskForceLast; ++u) {
            TaskForceRecord& other = st.TaskForceList[static_cast<std::size_t>(u)];
            if (other.EndPl == destId) other.EndPl = st.planet(rally).PlanetId;
        }
    }
}

}  // namespace zenthar::empire
