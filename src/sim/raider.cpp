// The raider: the exploit a person tries first on a computer seat, played every year. It sees
// what its side is shown and nothing else, so a planet it takes was open to anyone who looked.
#include <algorithm>
#include <vector>

#include "rivals/rival_orders.h"
#include "rivals/rival_plan.h"
#include "rivals/rival_view.h"
#include "sim/simulation.h"

namespace zenthar::sim {
namespace {

constexpr int kRaidsPerYear = 3;
constexpr int kScoutsPerYear = 3;
constexpr int kLookAgainYears = 3;  // a planet seen longer ago than this is scouted again
constexpr int kSmallFleet = 12;     // a raid is at most this, or a quarter of the raider's ships

}  // namespace

void RaiderPlayer::PlayTurn(Game& game) {
    const int me = game.st.CurrentPlTurn;
    if (!game.st.validPlayer(me)) return;
    rival::SideView v = rival::BuildSideView(game);
    rival::Orders orders(game, v);
    // In the first year every player holds its capital alone: the map shows whose it is.
    if (!started_) {
        started_ = true;
        for (int i = 0; i < v.size(); ++i) {
            const int owner = v.planet(i).owner;
            if (owner != me && owner >= 0 && owner < kMaxPlayers &&
                v.totals[static_cast<std::size_t>(owner)].planets == 1)
                capitals_[static_cast<std::size_t>(owner)] = i;
        }
    }
    const std::vector<int> mine = rival::MyPlanets(v);
    std::vector<int> spare(static_cast<std::size_t>(v.size()), 0);
    long long held = 0;
    for (const int s : mine) {
        spare[static_cast<std::size_t>(s)] =
            std::max(v.planet(s).ships - rival::RebelGuard(v, s) - 2, 0);
        held += v.planet(s).ships;
    }
    const int largest = std::max<int>(kSmallFleet, static_cast<int>(held / 4));
    auto nearestWith = [&](int t, int ships) {
        int from = -1;
        for (const int s : mine)
            if (spare[static_cast<std::size_t>(s)] >= ships &&
                (from == -1 || v.distance(s, t) < v.distance(from, t)))
                from = s;
        return from;
    };
    auto send = [&](int from, int t, int ships) {
        if (from == -1 || !orders.send(from, t, ships)) return false;
        spare[static_cast<std::size_t>(from)] -= ships;
        return true;
    };

    struct Target {
        bool capital;
        int defence;
        int planet;
    };
    std::vector<Target> targets;
    int scouts = 0;
    for (int t = 0; t < v.size(); ++t) {
        const rival::PlanetView& p = v.planet(t);
        if (p.mine || p.owner < 0 || p.owner >= v.players || p.owner == me) continue;
        const int from = rival::NearestMine(v, t);
        if (from == -1) continue;
        // A planet not seen lately gets a look first: raids go at what is seen to be weak.
        if (!p.scouted || v.year - p.yearSeen > kLookAgainYears) {
            if (scouts < kScoutsPerYear && v.shipsBound(t) == 0 && send(nearestWith(t, 1), t, 1))
                ++scouts;
            if (!p.scouted) continue;
        }
        const bool capital = capitals_[static_cast<std::size_t>(p.owner)] == t;
        targets.push_back({capital, v.expectedDefence(t, v.year + v.travel(from, t)), t});
    }
    // Capitals first, then the weakest looking.
    std::sort(targets.begin(), targets.end(), [](const Target& a, const Target& b) {
        if (a.capital != b.capital) return a.capital;
        return a.defence != b.defence ? a.defence < b.defence : a.planet < b.planet;
    });
    int raids = 0;
    for (const Target& t : targets) {
        if (raids >= kRaidsPerYear) break;
        const int ships = 2 * t.defence + 2;
        if (ships > largest || v.shipsBound(t.planet) > 1) continue;
        if (send(nearestWith(t.planet, ships), t.planet, ships)) ++raids;
    }
    // What is left buys cheap production.
    for (const int s : mine) {
        const int price = v.planet(s).production;
        if (price <= 8 && spare[static_cast<std::size_t>(s)] >= price && orders.raise(s))
            spare[static_cast<std::size_t>(s)] -= price;
    }
}

}  // namespace zenthar::sim
