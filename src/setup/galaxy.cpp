// Galaxy generation. The random source is reseeded where the game always reseeded (before each
// position draw and before each Empire planet's attributes) so that no two galaxies repeat.
#include "setup/galaxy.h"

#include <cstdlib>
#include <vector>

#include "game/skill.h"
#include "turn/lookups.h"

namespace zenthar {
namespace {

struct Position {
    Int16 x;
    Int16 y;
};

Int16 DrawCoordinate(RandomSource& random) {
    return Round16(random.next() * kGridSize + 0.5);
}

Position DrawPosition(RandomSource& random) {
    random.reseed();
    Position p{};
    p.x = DrawCoordinate(random);  // X first, then Y
    p.y = DrawCoordinate(random);
    return p;
}

bool ClearOfEarlier(const GameState& st, int planet, Position p) {
    for (int j = 0; j < planet; ++j)
        if (TooClose(p.x, p.y, st.planet(j).XPos, st.planet(j).YPos)) return false;
    return true;
}

// Every grid position (or only the lattice ones) that planet i may still take.
std::vector<Position> FreePositions(const GameState& st, int planet, bool latticeOnly) {
    std::vector<Position> free;
    const int step = latticeOnly ? kTooCloseDistance + 1 : 1;
    for (int x = 1; x <= kGridSize; x += step)
        for (int y = 1; y <= kGridSize; y += step) {
            Position p{static_cast<Int16>(x), static_cast<Int16>(y)};
            if (ClearOfEarlier(st, planet, p)) free.push_back(p);
        }
    return free;
}

bool PickFreePosition(GameState& st, int planet, RandomSource& random, bool latticeOnly) {
    std::vector<Position> free = FreePositions(st, planet, latticeOnly);
    if (free.empty()) return false;
    random.reseed();
    auto k = static_cast<std::size_t>(Int(random.next() * static_cast<double>(free.size())));
    if (k >= free.size()) k = free.size() - 1;
    st.planet(planet).XPos = free[k].x;
    st.planet(planet).YPos = free[k].y;
    return true;
}

// One planet by the game's rule: draw, and re-draw while it crowds an earlier planet. When the
// draws keep failing the grid is nearly full, so the planet goes straight onto a free position.
bool PlaceOnePlanet(GameState& st, int planet, RandomSource& random) {
    PlanetRecord& p = st.planet(planet);
    Position pos = DrawPosition(random);
    for (int redraws = 0; !ClearOfEarlier(st, planet, pos); ++redraws) {
        if (redraws >= kRedrawsBeforeFallback) return PickFreePosition(st, planet, random, false);
        pos = DrawPosition(random);
    }
    p.XPos = pos.x;
    p.YPos = pos.y;
    return true;
}

bool TryPlacement(GameState& st, RandomSource& random, bool lattice) {
    for (int i = 0; i < st.PlanetsNum; ++i) {
        st.planet(i).OnMap = 0;
        bool placed =
            lattice ? PickFreePosition(st, i, random, true) : PlaceOnePlanet(st, i, random);
        if (!placed) return false;
    }
    return true;
}

void ClearKnowledge(PlanetRecord& p) {
    p.KnownShip.fill(0);
    p.KnownProd.fill(0);
    p.KnownHost.fill(0);
    p.YearScouted.fill(0);
}

const char* PictureName(long long kind) {
    switch (kind) {
        case 2:
            return "med_pl.ico";
        case 3:
            return "bad_pl.ico";
        default:
            return "good_pl.ico";
    }
}

}  // namespace

double EmpireShipPool(int planets, int skill, RandomSource& random) {
    const SkillRules& t = RulesNearSkill(skill);
    const long long extra = Int(random.next() * t.extraScale + t.extraOffset);
    return static_cast<double>(planets) * t.poolBase +
           static_cast<double>(planets) / t.poolDivisor * static_cast<double>(extra);
}

int HomeShare(double pool, int players) {
    return players > 0 ? static_cast<int>(Round(pool) / players) : 0;
}

int StrongestShare(double pool) {
    return static_cast<int>(Int(pool * 0.3));
}

bool TooClose(int x1, int y1, int x2, int y2) {
    return std::abs(x1 - x2) <= kTooCloseDistance && std::abs(y1 - y2) <= kTooCloseDistance;
}

void PlacePlanets(GameState& st, RandomSource& random) {
    for (int attempt = 0;; ++attempt)
        if (TryPlacement(st, random, attempt >= kRestartsBeforeLattice)) return;
}

int HomePlayerOf(const GameState& st, int planet, const HomePlanetTexts& homePlanets) {
    const FixedText<40>& name = st.planet(planet).Name;
    for (int k = 0; k < kMaxPlayers && k < st.PlayesNum; ++k)
        if (name == FixedText<40>(homePlanets[static_cast<std::size_t>(k)])) return k;
    return -1;
}

void MakeHomePlanet(GameState& st, int planet, int player, int homeShips) {
    PlanetRecord& p = st.planet(planet);
    p.Scouted = "0000";
    p.setDigit(player, '3');
    st.PlHome[static_cast<std::size_t>(player)] = static_cast<Int16>(planet);
    p.Ico = "good_pl.ico";
    p.MaxProd = 20;
    p.Production = static_cast<Int16>(RulesNearSkill(st.EmpireSkill).homeProduction);
    p.Hostility = 0;
    p.Ships = Saturate16(homeShips);
}

void DrawPlanetAttributes(GameState& st, int planet, RandomSource& random) {
    PlanetRecord& p = st.planet(planet);
    p.Scouted = "0000";
    random.reseed();
    p.Ico = PictureName(Int(random.next() * 3 + 1));
    p.MaxProd = Saturate16(Int(random.next() * 20 + 1));
    p.Production = Saturate16(
        Int(p.MaxProd * RulesNearSkill(st.EmpireSkill).productionShare * random.next() + 1));
    p.Hostility = Saturate16(Int(random.next() * 10 + 1));
    p.Ships = 0;
}

void DealEmpireShips(GameState& st, double pool, int strongest) {
    BuildProdOrder(st);
    if (st.validPlanet(strongest)) st.planet(strongest).Ships = Saturate16(StrongestShare(pool));
    const int others = st.PlanetsNum - (st.PlayesNum + 1);
    if (others <= 0) return;  // capitals and the strongest planet are all there is
    for (int k = 0; k < st.PlanetsNum; ++k) {
        const int i = FindPlanetIndex(st, st.ProdOrder[static_cast<std::size_t>(k)].padded());
        if (i < 0 || st.planet(i).Ships != 0) continue;
        // The divisor stays put while the pool shrinks: richer planets get the bigger shares.
        const long long q = Round(pool) / others;
        st.planet(i).Ships = Saturate16(q + 1);
        pool = pool - static_cast<double>(q) + 1;
    }
}

GalaxyOutcome GenerateGalaxy(GameState& st, RandomSource& random,
                             const HomePlanetTexts& homePlanets,
                             const std::function<void(int)>& planetReady) {
    GalaxyOutcome out;
    out.pool = EmpireShipPool(st.PlanetsNum, st.EmpireSkill, random);
    const int homeShips = HomeShare(out.pool, st.PlayesNum);
    PlacePlanets(st, random);
    int best = 0;
    for (int i = 0; i < st.PlanetsNum; ++i) {
        PlanetRecord& p = st.planet(i);
        ClearKnowledge(p);
        const int player = HomePlayerOf(st, i, homePlanets);
        if (player >= 0) {
            MakeHomePlanet(st, i, player, homeShips);
        } else {
            DrawPlanetAttributes(st, i, random);
            if (p.MaxProd > best) {  // on a tie the earlier planet stays the strongest
                best = p.MaxProd;
                out.strongest = i;
            }
        }
        p.WillProd = -1;
        if (planetReady) planetReady(i);
    }
    DealEmpireShips(st, out.pool, out.strongest);
    return out;
}

}  // namespace zenthar
