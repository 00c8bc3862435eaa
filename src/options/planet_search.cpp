// The search of Find Planet.
#include "options/planet_search.h"

#include <algorithm>

namespace zenthar {

int SearchPlanet(const GameState& st, const std::string& paddedName,
                 const std::function<void(const PlanetSearchMatch&)>& onMatch) {
    int matches = 0;
    const int planets = std::clamp(st.PlanetsNum, 0, kPlanetSlots);
    for (int i = 0; i < planets; ++i) {
        const PlanetRecord& p = st.planet(i);
        if (p.Name.padded() != paddedName) continue;
        ++matches;
        if (onMatch) onMatch({i, std::max(0, p.XPos - 6), p.YPos});
    }
    return matches;
}

}  // namespace zenthar
