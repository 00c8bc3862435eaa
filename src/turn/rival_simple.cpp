// The Easy and Normal computer players: one pass over their planets, each planet on its own.
#include <algorithm>
#include <vector>

#include "turn/rival.h"
#include "turn/rival_plan.h"

namespace zenthar {
namespace {

using rival::SideView;

// Planets not mine, nearest to `from` first (the lower position on a tie).
std::vector<int> TargetsByDistance(const SideView& v, int from) {
    std::vector<int> targets;
    for (int t = 0; t < v.size(); ++t)
        if (!v.planet(t).mine) targets.push_back(t);
    std::stable_sort(targets.begin(), targets.end(),
                     [&](int a, int b) { return v.distance(from, a) < v.distance(from, b); });
    return targets;
}

// The planet of mine nearest to the planet that looks weakest in ten years' time.
int Front(const SideView& v) {
    int weakest = -1;
    long long weakestStrength = 0;
    for (int t = 0; t < v.size(); ++t) {
        if (v.planet(t).mine) continue;
        const long long strength = v.expectedDefence(t, v.year + 10);
        if (weakest == -1 || strength < weakestStrength) {
            weakest = t;
            weakestStrength = strength;
        }
    }
    return weakest == -1 ? -1 : rival::NearestMine(v, weakest);
}

}  // namespace

void EasyRival::PlayTurn(Game& game) {
    SideView v = rival::BuildSideView(game);
    rival::Orders orders(game, v);
    const std::vector<int> keep(v.planets.size(), 1);
    if (rival::Draw(game) < 0.3) rival::RaiseProduction(v, orders, keep, 20);
    for (const int s : rival::MyPlanets(v)) {
        const int spare = v.planet(s).ships - 1;
        if (spare < 4 || rival::Draw(game) < 0.4) continue;
        const std::vector<int> near = TargetsByDistance(v, s);
        if (near.empty()) return;
        // Any of the three nearest, sized by a guess that is often short.
        const auto pick =
            static_cast<std::size_t>(rival::Draw(game) * 3) % std::min<std::size_t>(3, near.size());
        const int t = near[pick];
        const int wanted = v.expectedDefence(t, v.year + v.travel(s, t)) * 5 / 4 + 1;
        if (wanted <= spare) orders.send(s, t, std::max(wanted, spare / 2));
    }
}

void NormalRival::PlayTurn(Game& game) {
    SideView v = rival::BuildSideView(game);
    rival::Orders orders(game, v);
    std::vector<int> keep(v.planets.size(), 0);
    for (const int s : rival::MyPlanets(v))
        keep[static_cast<std::size_t>(s)] =
            std::max(rival::RebelGuard(v, s), 2 * v.planet(s).production);
    rival::RaiseProduction(v, orders, keep, 20);

    std::vector<int> bound(v.planets.size(), 0);
    for (const rival::FleetView& f : v.fleets) bound[static_cast<std::size_t>(f.to)] += f.ships;
    const int front = Front(v);
    for (const int s : rival::MyPlanets(v)) {
        int spare = v.planet(s).ships - keep[static_cast<std::size_t>(s)];
        bool sent = false;
        for (const int t : TargetsByDistance(v, s)) {
            if (spare < 1) break;
            const int needed = 2 * v.expectedDefence(t, v.year + v.travel(s, t)) + 1 -
                               bound[static_cast<std::size_t>(t)];
            if (needed <= 0 || needed > spare) continue;
            if (!orders.send(s, t, needed)) return;
            bound[static_cast<std::size_t>(t)] += needed;
            spare -= needed;
            sent = true;
        }
        if (!sent && spare > 0 && front != -1 && front != s && !orders.send(s, front, spare))
            return;
    }
}

}  // namespace zenthar
