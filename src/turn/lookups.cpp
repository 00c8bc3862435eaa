// Planet lookups; none of them touches the game database.
#include "turn/lookups.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace zenthar {

int FindPlanetIndex(const GameState& st, std::string_view id) {
    if (id.size() != 2) return -1;
    const int n = std::min(st.PlanetsNum, kPlanetSlots);
    for (int i = 0; i < n; ++i) {
        // Looked up thousands of times a year: two bytes compared by hand.
        const std::string& own = st.PlanetList[static_cast<std::size_t>(i)].PlanetId.padded();
        if (own.size() == 2 && own[0] == id[0] && own[1] == id[1]) return i;
    }
    return -1;
}

namespace {

int Distance(long dx, long dy) {
    if (dx == 0) return static_cast<int>(std::labs(dy));
    if (dy == 0) return static_cast<int>(std::labs(dx));
    return static_cast<int>(std::sqrt(static_cast<double>(dx * dx + dy * dy)) + 0.5);
}

// Every distance within the map and well beyond, worked out once: the Empire and the scripted
// players measure the same few thousand pairs every year.
constexpr long kTableSpan = 64;
struct DistanceTable {
    std::array<std::array<int, kTableSpan>, kTableSpan> d{};
    DistanceTable() {
        for (long x = 0; x < kTableSpan; ++x)
            for (long y = 0; y < kTableSpan; ++y)
                d[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = Distance(x, y);
    }
};

}  // namespace

int PlanetDistance(const GameState& st, int a, int b) {
    if (a < 0 || b < 0 || a >= kPlanetSlots || b >= kPlanetSlots) return -1;
    static const DistanceTable table;
    const PlanetRecord& p = st.PlanetList[static_cast<std::size_t>(a)];
    const PlanetRecord& q = st.PlanetList[static_cast<std::size_t>(b)];
    const long dx = std::labs(static_cast<long>(p.XPos) - q.XPos);
    const long dy = std::labs(static_cast<long>(p.YPos) - q.YPos);
    // A loaded game may place a planet anywhere a number reaches.
    if (dx >= kTableSpan || dy >= kTableSpan) return Distance(dx, dy);
    return table.d[static_cast<std::size_t>(dx)][static_cast<std::size_t>(dy)];
}

int TravelTime(int distance) {
    return static_cast<int>(Int(distance / 2.0 + 0.5));
}

int NearestPlanetOf(const GameState& st, int owner, int planet) {
    int best = 9999;
    int result = -1;
    for (int i = 0; i < st.PlanetsNum; ++i) {
        if (i == planet) continue;
        if (owner != -1 && OwnerOf(st, i) != owner) continue;
        int d = PlanetDistance(st, planet, i);
        if (d < best) {
            best = d;
            result = i;
        }
    }
    return result;
}

std::string PrevEmpireRanked(const GameState& st, int& cursor) {
    for (int j = std::min(cursor, kPlanetSlots - 1); j >= 0; --j) {
        int i = FindPlanetIndex(st, st.ProdOrder[static_cast<std::size_t>(j)].padded());
        if (i >= 0 && OwnerOf(st, i) == kEmpire) {
            cursor = j - 1;
            return st.planet(i).PlanetId.padded();
        }
    }
    return std::string(kNoPlanetId);
}

std::string NextOwnedRanked(const GameState& st, int owner, int& cursor) {
    if (cursor == -1) return std::string(kNoPlanetId);
    for (int j = std::max(cursor, 0); j <= st.PlanetsNum - 1 && j < kPlanetSlots; ++j) {
        int i = FindPlanetIndex(st, st.ProdOrder[static_cast<std::size_t>(j)].padded());
        if (i >= 0 && OwnerOf(st, i) == owner) {
            cursor = j + 1;
            return st.planet(i).PlanetId.padded();
        }
    }
    return std::string(kNoPlanetId);
}

}  // namespace zenthar
