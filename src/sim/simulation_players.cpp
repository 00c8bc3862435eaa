// The greedy scripted player: it plays through the orders' own rules (Increase Production and
// Send Ships on the selected planet), as a player clicking through the menus would.
#include <algorithm>
#include <utility>
#include <vector>

#include "orders/production.h"
#include "orders/sendships.h"
#include "sim/simulation.h"
#include "turn/lookups.h"

namespace zenthar::sim {
namespace {

struct Strike {
    int target = -1;
    long long ships = 0;
};

// The nearest planet the player does not own that `surplus` ships should take, counting what
// the player's fleets already carry there; ties in distance go to the lower position.
Strike NearestBeatable(const GameState& st, int me, int source, long long surplus,
                       const std::vector<long long>& committed) {
    struct Candidate {
        int distance;
        int planet;
    };
    std::vector<Candidate> order;
    order.reserve(static_cast<std::size_t>(std::max(st.PlanetsNum, 0)));
    for (int t = 0; t < st.PlanetsNum; ++t)
        if (t != source && st.planet(t).digit(me) < 2)
            order.push_back({PlanetDistance(st, source, t), t});
    // Nearest first; on a tie the lower position, as the planets were listed.
    std::sort(order.begin(), order.end(), [](const Candidate& a, const Candidate& b) {
        return a.distance != b.distance ? a.distance < b.distance : a.planet < b.planet;
    });
    for (const auto& [distance, t] : order) {
        const PlanetRecord& p = st.planet(t);
        const long long expected = std::max<long long>(
            0, p.Ships + static_cast<long long>(p.Production) * TravelTime(distance));
        const long long needed = 2 * expected + 1 - committed[static_cast<std::size_t>(t)];
        if (needed <= 0) continue;  // enough is on its way already
        if (needed <= surplus) return {t, needed};
    }
    return {};
}

// Where the ships that found nothing to beat gather: the player's planet nearest to the
// weakest planet the player does not own, or -1.
int GatheringPlanet(const GameState& st, int me) {
    int weakest = -1;
    long long weakestStrength = 0;
    for (int t = 0; t < st.PlanetsNum; ++t) {
        if (st.planet(t).digit(me) >= 2) continue;
        // A planet's ships in ten years: a fortress that grows fast is no soft target.
        const long long strength = st.planet(t).Ships + 10LL * st.planet(t).Production;
        if (weakest == -1 || strength < weakestStrength) {
            weakest = t;
            weakestStrength = strength;
        }
    }
    if (weakest == -1) return -1;
    int front = -1;
    for (int i = 0; i < st.PlanetsNum; ++i) {
        if (st.planet(i).digit(me) < 2) continue;
        if (front == -1 || PlanetDistance(st, i, weakest) < PlanetDistance(st, front, weakest))
            front = i;
    }
    return front;
}

}  // namespace

int GreedyPlayer::Garrison(const PlanetRecord& planet) {
    const int rebels = static_cast<int>(Int(1.5 * planet.Hostility)) + 1;
    return std::max(2 * static_cast<int>(planet.Production), rebels);
}

void GreedyPlayer::PlayTurn(Game& game) {
    GameState& st = game.st;
    const int me = st.CurrentPlTurn;
    if (!st.validPlayer(me)) return;

    std::vector<long long> committed(static_cast<std::size_t>(std::max(st.PlanetsNum, 0)), 0);
    for (int t = 0; t <= st.TaskForceLast; ++t) {
        const TaskForceRecord& tf = std::as_const(st.TaskForceList)[static_cast<std::size_t>(t)];
        const int dest = FindPlanetIndex(st, tf.EndPl.padded());
        if (dest >= 0) committed[static_cast<std::size_t>(dest)] += tf.NumOfShips;
    }

    const Int16 selected = st.SelectedPlanet;
    const int front = GatheringPlanet(st, me);
    for (int source = 0; source < st.PlanetsNum; ++source) {
        PlanetRecord& planet = st.planet(source);
        if (planet.digit(me) < 2) continue;
        st.SelectedPlanet = static_cast<Int16>(source);
        if (planet.Production < planet.MaxProd && planet.WillProd == -1 &&
            planet.Ships >= planet.Production + Garrison(planet))
            IncreaseProduction(st, source);

        const long long surplus = planet.Ships - Garrison(planet);
        if (surplus < 1) continue;
        Strike strike = NearestBeatable(st, me, source, surplus, committed);
        // Nothing within reach of this planet alone: its ships join the others at the front,
        // which strikes once the gathered fleet is big enough.
        if (strike.target == -1 && front != -1 && front != source) strike = {front, surplus};
        if (strike.target == -1) continue;
        // A refusal here can only be a full list of task forces: no more orders this turn.
        if (SendShips(st, strike.target, FormatPlain(strike.ships))) break;
        committed[static_cast<std::size_t>(strike.target)] += strike.ships;
    }
    st.SelectedPlanet = selected;
}

}  // namespace zenthar::sim
