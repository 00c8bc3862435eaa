// Pieces of play every level uses.
#include "rivals/rival_plan.h"

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

}  // namespace zenthar::rival
