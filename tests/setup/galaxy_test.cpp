// Galaxy generation: the Empire's pool, spacing on the map, capitals, attributes by skill, the
// strongest planet and the dealing of the Empire's ships.
#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "game/random.h"
#include "setup/galaxy.h"
#include "support/fakes.h"
#include "turn/lookups.h"

namespace zenthar {
namespace {

using testing::ScriptedRandom;

// A galaxy of `planets` named like planets.dat ("01", "02", ...), players' capitals at the
// given positions of the list.
GameState Galaxy(int planets, int players, int skill) {
    GameState st;
    for (int i = 0; i < kPlanetSlots; ++i) {
        st.planet(i).PlanetId = FormatTwoDigits(i + 1);
        st.planet(i).Name = "Planet " + std::to_string(i + 1);
    }
    st.PlanetNamesLast = kPlanetSlots - 1;
    st.PlanetsNum = planets;
    st.PlayesNum = players;
    st.EmpireSkill = skill;
    return st;
}

HomePlanetTexts Homes(const GameState& st, std::array<int, 4> rows) {
    HomePlanetTexts t;
    for (std::size_t k = 0; k < 4; ++k) t[k] = st.planet(rows[k]).Name.padded();
    return t;
}

void ExpectSpaced(const GameState& st, const std::string& what) {
    for (int i = 0; i < st.PlanetsNum; ++i) {
        const PlanetRecord& p = st.planet(i);
        EXPECT_TRUE(p.XPos >= 0 && p.XPos <= kGridSize && p.YPos >= 0 && p.YPos <= kGridSize)
            << what << ": planet " << i;
        for (int j = 0; j < i; ++j) {
            const PlanetRecord& q = st.planet(j);
            EXPECT_TRUE(std::abs(p.XPos - q.XPos) >= 5 || std::abs(p.YPos - q.YPos) >= 5)
                << what << ": planets " << j << " and " << i << " at (" << q.XPos << "," << q.YPos
                << ") and (" << p.XPos << "," << p.YPos << ")";
        }
    }
}

// The draw that makes Round(r * 45 + 0.5) come out as v.
double Coordinate(int v) {
    return (v - 0.3) / 45.0;
}

TEST(ShipPool, BoundsBySkill) {
    // One player, Beginner, 26 planets: P = 260 + 5.2 E with E from 1 to 6.
    ScriptedRandom low{0.0}, high{0.999999};
    const double pLow = EmpireShipPool(26, 0, low);
    const double pHigh = EmpireShipPool(26, 0, high);
    EXPECT_DOUBLE_EQ(pLow, 265.2);
    EXPECT_DOUBLE_EQ(pHigh, 291.2);
    EXPECT_EQ(HomeShare(pLow, 1), 265);
    EXPECT_EQ(HomeShare(pHigh, 1), 291);
    EXPECT_EQ(StrongestShare(pLow), 79);
    EXPECT_EQ(StrongestShare(pHigh), 87);
    EXPECT_EQ(low.reseeds, 0);  // the pool is drawn from the generator as it stands

    // Intermidiate: 20 per planet plus planets / 5 times 3 to 17.
    // Advanced: 40 per planet plus planets / 2 times 3 to 12.
    ScriptedRandom r{0.0, 0.999999, 0.0, 0.999999};
    EXPECT_DOUBLE_EQ(EmpireShipPool(10, 1, r), 200 + 2 * 3);
    EXPECT_DOUBLE_EQ(EmpireShipPool(10, 1, r), 200 + 2 * 17);
    EXPECT_DOUBLE_EQ(EmpireShipPool(5, 2, r), 200 + 2.5 * 3);
    EXPECT_DOUBLE_EQ(EmpireShipPool(5, 2, r), 200 + 2.5 * 12);

    // The home share rounds half to even before it is split.
    EXPECT_EQ(HomeShare(206.5, 1), 206);
    EXPECT_EQ(HomeShare(207.5, 2), 104);
    EXPECT_EQ(HomeShare(291.2, 4), 72);
}

TEST(Placement, TooCloseMeansWithinFourBothWays) {
    EXPECT_TRUE(TooClose(10, 10, 14, 14) && TooClose(10, 10, 6, 13));
    EXPECT_FALSE(TooClose(10, 10, 15, 10) || TooClose(10, 10, 10, 5) || TooClose(1, 1, 45, 45));
}

TEST(Placement, RedrawsACrowdedPlanetAndStartsTheComparisonOver) {
    GameState st = Galaxy(3, 1, 0);
    ScriptedRandom r{Coordinate(10), Coordinate(10),   // planet 0
                     Coordinate(30), Coordinate(30),   // planet 1
                     Coordinate(33), Coordinate(28),   // planet 2: crowds planet 1
                     Coordinate(12), Coordinate(14),   // re-draw: crowds planet 0
                     Coordinate(10), Coordinate(20)};  // re-draw: clear
    PlacePlanets(st, r);
    EXPECT_TRUE(st.planet(2).XPos == 10 && st.planet(2).YPos == 20);
    EXPECT_EQ(r.reseeds, 5);  // before every draw of a position
    EXPECT_EQ(r.remaining(), 0U);
}

// When the draws keep crowding an earlier planet, the planet takes the free position the next
// draw points at, counted column by column: a draw near 1 takes the last one.
TEST(Placement, TheFallbackTakesTheFreePositionTheDrawPointsAt) {
    GameState st = Galaxy(2, 1, 0);
    ScriptedRandom r;
    r.setFallback(0.99999);
    PlacePlanets(st, r);
    EXPECT_TRUE(st.planet(0).XPos == kGridSize && st.planet(0).YPos == kGridSize);
    EXPECT_TRUE(st.planet(1).XPos == kGridSize && st.planet(1).YPos == kGridSize - 5)
        << st.planet(1).XPos << "," << st.planet(1).YPos;
}

TEST(Placement, ConstantDrawsStillEndWithEveryPlanetClear) {
    // Every draw lands on the same spot: each planet falls back to a free position.
    for (double v : {0.0, 0.5, 0.999}) {
        GameState st = Galaxy(kMaxPlanets, 1, 0);
        ScriptedRandom r;
        r.setFallback(v);
        PlacePlanets(st, r);
        ExpectSpaced(st, "constant draw " + std::to_string(v));
    }
}

// Draws that only ever land on the 25 points of a 9-unit grid, which together leave no free
// position anywhere: a 26th planet can never be placed.
class BlockingRandom : public RandomSource {
  public:
    double next() override {
        static constexpr std::array<int, 5> kSpots{5, 14, 23, 32, 41};
        const int k = n_++ % 50;
        const int spot = k % 2 == 0 ? kSpots[static_cast<std::size_t>(k / 2 % 5)]
                                    : kSpots[static_cast<std::size_t>(k / 10)];
        return Coordinate(spot);
    }
    void reseed() override {}

  private:
    int n_ = 0;
};

TEST(Placement, AJammedGridIsStartedOverAndFinallyUsesTheLattice) {
    GameState st = Galaxy(26, 1, 0);
    BlockingRandom r;
    PlacePlanets(st, r);
    ExpectSpaced(st, "jammed grid");
    // Every attempt by the rules jams, so the planets end on the 5-unit lattice.
    for (int i = 0; i < 26; ++i)
        EXPECT_TRUE((st.planet(i).XPos - 1) % 5 == 0 && (st.planet(i).YPos - 1) % 5 == 0) << i;
}

TEST(Placement, NoFreePositionLeftStartsThePlacementOver) {
    // The first attempt puts 25 planets on the blocking grid; after that every draw is the
    // middle of the map, which the fallback copes with.
    GameState st = Galaxy(26, 1, 0);
    ScriptedRandom r;
    BlockingRandom grid;
    for (int k = 0; k < 50; ++k) r.push(grid.next());
    r.setFallback(0.5);
    PlacePlanets(st, r);
    ExpectSpaced(st, "restarted");
    EXPECT_TRUE(st.planet(0).XPos == 23 && st.planet(0).YPos == 23);  // placed again
    EXPECT_GT(r.draws, 2 * kRedrawsBeforeFallback);
}

TEST(Generation, ManySeedsGiveSoundGalaxies) {
    for (unsigned seed = 1; seed <= 120; ++seed) {
        const int players = 1 + static_cast<int>(seed % 4);
        const int planets = seed % 3 == 0 ? kMaxPlanets : 5 + static_cast<int>(seed * 7 % 46);
        const int skill = static_cast<int>(seed % 3);
        GameState st = Galaxy(planets, players, skill);
        const std::array<int, 4> rows{0, 3, 1, 4};  // capitals not in list order
        SystemRandom random(seed);
        std::vector<int> ready;
        GalaxyOutcome out =
            GenerateGalaxy(st, random, Homes(st, rows), [&](int i) { ready.push_back(i); });
        const std::string what = "seed " + std::to_string(seed);

        ExpectSpaced(st, what);
        std::vector<int> inOrder(static_cast<std::size_t>(planets));
        std::iota(inOrder.begin(), inOrder.end(), 0);
        ASSERT_EQ(ready, inOrder) << what;

        const int home = HomeShare(out.pool, players);
        const int homeProduction = std::array<int, 3>{10, 12, 15}[static_cast<std::size_t>(skill)];
        const double share =
            std::array<double, 3>{0.33, 0.5, 0.66}[static_cast<std::size_t>(skill)];
        std::set<int> capitals;
        for (int k = 0; k < players; ++k) {
            const int h = rows[static_cast<std::size_t>(k)];
            capitals.insert(h);
            EXPECT_EQ(st.PlHome[static_cast<std::size_t>(k)], h) << what;
            const PlanetRecord& p = st.planet(h);
            EXPECT_TRUE(p.digit(k) == 3 && p.MaxProd == 20 && p.Hostility == 0 &&
                        p.Ico.padded() == "good_pl.ico " && p.Production == homeProduction &&
                        p.Ships == home)
                << what << ", capital " << h;
        }
        for (int i = 0; i < planets; ++i) {
            const PlanetRecord& p = st.planet(i);
            // Every Empire planet got a share of the pool.
            EXPECT_TRUE(p.WillProd == -1 && p.OnMap == 0 && p.Ships >= 1) << what << " " << i;
            if (capitals.count(i)) continue;
            const std::string ico = p.Ico.trimmed();
            EXPECT_TRUE(p.Scouted.padded() == "0000" && p.MaxProd >= 1 && p.MaxProd <= 20 &&
                        p.Production >= 1 && p.Production <= Int(p.MaxProd * share + 1) &&
                        p.Hostility >= 1 && p.Hostility <= 10 &&
                        (ico == "good_pl.ico" || ico == "med_pl.ico" || ico == "bad_pl.ico"))
                << what << ", planet " << i;
        }
        // The strongest planet: highest MaxProd among the Empire's, the earliest on a tie.
        int best = 0, strongest = -1;
        for (int i = 0; i < planets; ++i)
            if (!capitals.count(i) && st.planet(i).MaxProd > best) {
                best = st.planet(i).MaxProd;
                strongest = i;
            }
        EXPECT_EQ(out.strongest, strongest) << what;
        EXPECT_EQ(st.planet(strongest).Ships, StrongestShare(out.pool)) << what;
        // The ranking covers the whole galaxy.
        for (int k = 0; k < planets; ++k)
            EXPECT_GE(FindPlanetIndex(st, st.ProdOrder[static_cast<std::size_t>(k)].padded()), 0)
                << what;
    }
}

TEST(Generation, ScriptedGalaxyTieGoesToTheEarlierPlanet) {
    // 5 planets, one player whose capital is planet 0.
    GameState st = Galaxy(5, 1, 1);
    ScriptedRandom r;
    r.push(0.0);  // pool: E = 3, P = 100 + 1 * 3 = 103
    for (int i = 0; i < 10; ++i) r.push(Coordinate(1 + 10 * (i / 2)));
    // Attributes of planets 1 to 4: picture, MaxProd, Production, Hostility.
    r.push(0.0), r.push(0.5), r.push(0.0), r.push(0.0);     // good, 11, 1, 1
    r.push(0.5), r.push(0.99), r.push(0.99), r.push(0.99);  // medium, 20, 10, 10
    r.push(0.9), r.push(0.3), r.push(0.5), r.push(0.45);    // bad, 7, 2, 5
    r.push(0.4), r.push(0.99), r.push(0.0), r.push(0.2);    // medium, 20, 1, 3
    GalaxyOutcome out = GenerateGalaxy(st, r, Homes(st, {0, 1, 2, 3}));
    EXPECT_EQ(r.remaining(), 0U);
    EXPECT_EQ(r.reseeds, 5 + 4);  // every placement and every Empire planet's attributes
    EXPECT_DOUBLE_EQ(out.pool, 103.0);

    EXPECT_EQ(st.planet(0).Ships, 103);
    EXPECT_EQ(st.planet(0).Production, 12);
    // Each Empire planet's picture, MaxProd, Production and Hostility as drawn above.
    const std::tuple<int, const char*, int, int, int> drawn[] = {{1, "good_pl.ico", 11, 1, 1},
                                                                 {2, "med_pl.ico", 20, 10, 10},
                                                                 {3, "bad_pl.ico", 7, 2, 5},
                                                                 {4, "med_pl.ico", 20, 1, 3}};
    for (const auto& [i, ico, maxProd, production, hostility] : drawn) {
        const PlanetRecord& p = st.planet(i);
        EXPECT_EQ(std::tuple(p.Ico.trimmed(), int{p.MaxProd}, int{p.Production}, int{p.Hostility}),
                  std::tuple(std::string(ico), maxProd, production, hostility))
            << i;
    }

    EXPECT_EQ(out.strongest, 2);
    EXPECT_EQ(st.planet(2).Ships, 30);  // Int(0.3 * 103)
    // d = 5 - 2 = 3; ranking 01, 03, 05, 02, 04: planet 4 first, then 1, then 3.
    EXPECT_EQ(st.planet(4).Ships, 103 / 3 + 1);  // 35, pool 103 - 34 + 1 = 70
    EXPECT_EQ(st.planet(1).Ships, 70 / 3 + 1);   // 24, pool 70 - 23 + 1 = 48
    EXPECT_EQ(st.planet(3).Ships, 48 / 3 + 1);   // 17
}

TEST(Dealing, WorkedExampleShrinksThePool) {
    // P = 880, two players, 20 planets: d = 17.
    GameState st = Galaxy(20, 2, 0);
    const std::array<int, 20> maxProd{20, 20, 19, 2,  5,  6,  7,  8, 9,  10,
                                      11, 12, 13, 14, 15, 16, 17, 3, 18, 4};
    for (int i = 0; i < 20; ++i)
        st.planet(i).MaxProd = static_cast<Int16>(maxProd[static_cast<std::size_t>(i)]);
    st.planet(0).Ships = 440;  // capitals
    st.planet(1).Ships = 440;
    DealEmpireShips(st, 880.0, 2);
    EXPECT_EQ(st.planet(2).Ships, 264);  // Int(0.3 * 880)
    EXPECT_EQ(st.planet(18).Ships, 52);  // MaxProd 18: first in the ranking after the strongest
    EXPECT_EQ(st.planet(16).Ships, 49);  // 17
    EXPECT_EQ(st.planet(15).Ships, 47);  // 16
    EXPECT_EQ(st.planet(1).Ships, 440);  // capitals are passed over
    // Lower in the ranking, smaller shares; everyone gets at least one ship.
    int previous = 52;
    for (int m = 17; m >= 2; --m)
        for (int i = 0; i < 20; ++i)
            if (i != 2 && st.planet(i).MaxProd == m) {
                EXPECT_LE(st.planet(i).Ships, previous) << "MaxProd " << m;
                EXPECT_GE(st.planet(i).Ships, 1);
                previous = st.planet(i).Ships;
            }
    EXPECT_EQ(st.ProdOrder[0].padded(), "01");
    EXPECT_EQ(st.ProdOrder[3].padded(), "19");
}

TEST(Dealing, FivePlanetsFourPlayersDealsNothingMore) {
    GameState st = Galaxy(5, 4, 2);
    SystemRandom random(11);
    GalaxyOutcome out = GenerateGalaxy(st, random, Homes(st, {4, 2, 0, 1}));
    EXPECT_EQ(out.strongest, 3);
    EXPECT_EQ(st.planet(3).Ships, StrongestShare(out.pool));
    for (int h : {4, 2, 0, 1}) EXPECT_EQ(st.planet(h).Ships, HomeShare(out.pool, 4));
}

// Every planet still without ships gets its share in ranking order, the top ranked one too.
TEST(Dealing, TheTopRankedPlanetGetsTheBiggestShare) {
    GameState st = Galaxy(3, 1, 0);
    for (int i = 0; i < 3; ++i) st.planet(i).MaxProd = static_cast<Int16>(20 - 5 * i);
    st.planet(1).Ships = 50;  // the capital
    DealEmpireShips(st, 30.0, -1);
    EXPECT_EQ(st.planet(0).Ships, 30 / 1 + 1);  // pool 30 - 30 + 1 = 1
    EXPECT_EQ(st.planet(2).Ships, 1 / 1 + 1);
}

TEST(Dealing, ShipCountsSaturateAtSixteenBits) {
    GameState st = Galaxy(6, 1, 0);
    for (int i = 0; i < 6; ++i) st.planet(i).MaxProd = static_cast<Int16>(10 + i);
    st.planet(0).Ships = 1;
    DealEmpireShips(st, 1e9, 5);
    EXPECT_EQ(st.planet(5).Ships, 32767);
    EXPECT_EQ(st.planet(4).Ships, 32767);
}

}  // namespace
}  // namespace zenthar
