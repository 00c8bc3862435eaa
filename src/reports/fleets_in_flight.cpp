// The current player's fleets in flight.
#include "reports/fleets_in_flight.h"

#include <algorithm>

#include "turn/lookups.h"

namespace zenthar {

std::vector<FleetInFlight> FleetsInFlight(const GameState& st) {
    std::vector<FleetInFlight> out;
    const int side = st.CurrentPlTurn;
    if (side < 0 || side >= kMaxPlayers) return out;
    // TaskForceList holds the side's own task forces only: it is reloaded for each side at the
    // start of its turn. (Its PlNum fields are not: a reload leaves them as they were.)
    const int last = std::min<int>(st.TaskForceLast, kTaskForceSlots - 1);
    for (int k = 0; k <= last; ++k) {
        const TaskForceRecord& tf = st.TaskForceList[static_cast<std::size_t>(k)];
        const int from = FindPlanetIndex(st, tf.StartPl.padded());
        const int to = FindPlanetIndex(st, tf.EndPl.padded());
        if (from < 0 || to < 0) continue;
        out.push_back({from, to, st.planet(from).Name.trimmed(), st.planet(to).Name.trimmed(),
                       tf.NumOfShips, tf.RemTurns, tf.RemTurns - st.CurrentYear});
    }
    std::stable_sort(out.begin(), out.end(), [](const FleetInFlight& a, const FleetInFlight& b) {
        return a.arrival < b.arrival;
    });
    return out;
}

}  // namespace zenthar
