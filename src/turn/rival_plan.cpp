// Pieces of play every level uses.
#include "turn/rival_plan.h"

#include <algorithm>

namespace zenthar::rival {

int RebelGuard(const SideView& v, int planet) {
    const PlanetView& p = v.planet(planet);
    return std::max(MostRebels(p.hostility, v.skill) - p.production + 1, 0);
}

std::vector<int> MyPlanets(const SideView& v) {
    std::vector<int> mine;
    for (int i = 0; i < v.size(); ++i)
        if (v.planet(i).mine) mine.push_back(i);
    return mine;
}

int NearestMine(const SideView& v, int t) {
    int best = -1;
    for (int i = 0; i < v.size(); ++i)
        if (i != t && v.planet(i).mine && (best == -1 || v.distance(i, t) < v.distance(best, t)))
            best = i;
    return best;
}

void RaiseProduction(const SideView& v, Orders& orders, const std::vector<int>& keep,
                     int maxPrice) {
    for (int i = 0; i < v.size(); ++i) {
        const PlanetView& p = v.planet(i);
        if (!p.mine || !p.mayRaise || p.production >= p.maxProd || p.production > maxPrice)
            continue;
        if (p.ships - p.production >= keep[static_cast<std::size_t>(i)]) orders.raise(i);
    }
}

double Draw(Game& game) {
    const double r = game.random.next();
    return r < 0 ? 0 : (r >= 1 ? 0.999999 : r);
}

}  // namespace zenthar::rival
