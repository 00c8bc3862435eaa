// Galaxy generation: the Empire's pool, spacing on the map, capitals, the strongest planet and
// the dealing of the Empire's ships. Whole generated games are pinned byte for byte by
// SeededGamesPlayExactlyAsRecorded; these tests hold the boundaries and the odd cases.
#include <gtest/gtest.h>

#include "game/random.h"
#include "setup/galaxy.h"
#include "support/fakes.h"

namespace zenthar {
namespace {

using testing::ScriptedRandom;

// A galaxy of `planets` with ids like planets.dat's ("01", "02", ...) and names of their own.
GameState Galaxy(int planets, int players, int skill) {
    GameState st;
    for (int i = 0; i < kPlanetSlots; ++i) {
        st.planet(i).PlanetId = FormatTwoDigits(i + 1);
        st.planet(i).Name = "Planet " + std::to_string(i + 1);
    }
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

// Every planet on the map and clear of all others (TooClose has its own test).
void ExpectSpaced(const GameState& st) {
    for (int i = 0; i < st.PlanetsNum; ++i) {
        const PlanetRecord& p = st.planet(i);
        EXPECT_TRUE(p.XPos >= 0 && p.XPos <= kGridSize && p.YPos >= 0 && p.YPos <= kGridSize) << i;
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(TooClose(p.XPos, p.YPos, st.planet(j).XPos, st.planet(j).YPos))
                << "planets " << j << " and " << i;
    }
}

// The draw that makes Round(r * 45 + 0.5) come out as v.
double Coordinate(int v) {
    return (v - 0.3) / 45.0;
}

TEST(ShipPool, BoundsBySkill) {
    // The lowest and highest extra ships E per skill. Beginner: 10 per planet plus planets / 5
    // times 1 to 6; Intermidiate: 20 plus planets / 5 times 3 to 17; Advanced: 40 plus
    // planets / 2 times 3 to 12.
    // clang-format off
    const struct { int planets, skill; double draw, pool; } cases[] = {
        {26, 0, 0.0, 260 + 5.2 * 1}, {26, 0, 0.999999, 260 + 5.2 * 6},
        {10, 1, 0.0, 200 + 2 * 3},   {10, 1, 0.999999, 200 + 2 * 17},
        {5, 2, 0.0, 200 + 2.5 * 3},  {5, 2, 0.999999, 200 + 2.5 * 12}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.planets << " planets, skill " << c.skill);
        ScriptedRandom r{c.draw};
        EXPECT_DOUBLE_EQ(EmpireShipPool(c.planets, c.skill, r), c.pool);
        EXPECT_EQ(r.reseeds, 0);  // the pool is drawn from the generator as it stands
    }
    // The home share rounds half to even before it is split, and no players get none; the
    // strongest planet's share drops the fraction.
    EXPECT_EQ(std::tuple(HomeShare(206.5, 1), HomeShare(207.5, 2), HomeShare(291.2, 4),
                         HomeShare(291.2, 0), StrongestShare(291.2)),
              std::tuple(206, 104, 72, 0, 87));
}

// Planets within four of each other both ways crowd each other; a crowded planet is drawn again
// and compared with every earlier planet from the first on.
TEST(Placement, RedrawsACrowdedPlanetAndStartsTheComparisonOver) {
    EXPECT_TRUE(TooClose(10, 10, 14, 14) && TooClose(10, 10, 6, 13));
    EXPECT_FALSE(TooClose(10, 10, 15, 10) || TooClose(10, 10, 10, 5) || TooClose(1, 1, 45, 45));
    GameState st = Galaxy(3, 1, 0);
    ScriptedRandom r{Coordinate(10), Coordinate(10),   // planet 0
                     Coordinate(30), Coordinate(30),   // planet 1
                     Coordinate(33), Coordinate(28),   // planet 2: crowds planet 1
                     Coordinate(12), Coordinate(14),   // re-draw: crowds planet 0
                     Coordinate(10), Coordinate(20)};  // re-draw: clear
    PlacePlanets(st, r);
    // A reseed before every draw of a position.
    EXPECT_EQ(std::tuple(st.planet(2).XPos, st.planet(2).YPos, r.reseeds, r.remaining()),
              std::tuple(10, 20, 5, 0U));
}

// When the draws keep crowding an earlier planet, the planet takes the free position the next
// draw points at, counted column by column: a draw near 1 takes the last one. Every draw on the
// same spot makes each planet of a full galaxy fall back so.
TEST(Placement, TheFallbackTakesTheFreePositionTheDrawPointsAt) {
    GameState st = Galaxy(kMaxPlanets, 1, 0);
    ScriptedRandom r;
    r.setFallback(0.99999);
    PlacePlanets(st, r);
    ExpectSpaced(st);
    EXPECT_TRUE(st.planet(0).XPos == kGridSize && st.planet(0).YPos == kGridSize);
    EXPECT_TRUE(st.planet(1).XPos == kGridSize && st.planet(1).YPos == kGridSize - 5)
        << st.planet(1).XPos << "," << st.planet(1).YPos;
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
    ExpectSpaced(st);
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
    ExpectSpaced(st);
    EXPECT_TRUE(st.planet(0).XPos == 23 && st.planet(0).YPos == 23);  // placed again
    EXPECT_GT(r.draws, 2 * kRedrawsBeforeFallback);
}

// Random galaxies of every size, number of players and skill. Seed 46 makes five planets for four
// players: nothing is left to deal out after the strongest planet.
TEST(Generation, ManySeedsGiveSoundGalaxies) {
    for (unsigned seed = 1; seed <= 120; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        const int players = 1 + static_cast<int>(seed / 2 % 4);
        const int planets = seed % 3 == 0 ? kMaxPlanets : 5 + static_cast<int>(seed * 7 % 46);
        GameState st = Galaxy(planets, players, static_cast<int>(seed % 3));
        const std::array<int, 4> rows{0, 3, 1, 4};  // capitals not in list order
        SystemRandom random(seed);
        GalaxyOutcome out = GenerateGalaxy(st, random, Homes(st, rows));
        ExpectSpaced(st);

        for (std::size_t k = 0; k < static_cast<std::size_t>(players); ++k)
            EXPECT_EQ(std::tuple(st.PlHome[k], st.planet(rows[k]).digit(static_cast<int>(k)),
                                 st.planet(rows[k]).Ships),
                      std::tuple(rows[k], 3, HomeShare(out.pool, players)))
                << "player " << k;
        // The strongest planet: highest MaxProd among the Empire's, the earliest on a tie. Once
        // the pool is dealt out every planet has ships.
        int best = 0, strongest = -1;
        for (int i = 0; i < planets; ++i) {
            const PlanetRecord& p = st.planet(i);
            EXPECT_TRUE(p.WillProd == -1 && p.OnMap == 0 && p.Ships >= 1) << "planet " << i;
            if (p.Hostility > 0 && p.MaxProd > best) {  // capitals have none
                best = p.MaxProd;
                strongest = i;
            }
        }
        EXPECT_EQ(out.strongest, strongest);
        EXPECT_EQ(st.planet(strongest).Ships, StrongestShare(out.pool));
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
    // A reseed for every placement and every Empire planet's attributes.
    EXPECT_EQ(std::tuple(r.remaining(), r.reseeds), std::tuple(0U, 5 + 4));
    // Each Empire planet's picture, MaxProd, Production and Hostility as drawn above.
    std::string drawn;
    for (int i = 1; i < 5; ++i) {
        const PlanetRecord& p = st.planet(i);
        drawn += p.Ico.trimmed() + " " + std::to_string(p.MaxProd) + " " +
                 std::to_string(p.Production) + " " + std::to_string(p.Hostility) + ", ";
    }
    EXPECT_EQ(drawn,
              "good_pl.ico 11 1 1, med_pl.ico 20 10 10, bad_pl.ico 7 2 5, med_pl.ico 20 1 3, ");

    // The strongest planet 2 gets Int(0.3 x 103) = 30. Then d = 5 - 2 = 3; ranking 01, 03, 05,
    // 02, 04: planet 4 first (103 \ 3 + 1 = 35, pool 103 - 34 + 1 = 70), then 1 (70 \ 3 + 1 =
    // 24, pool 70 - 23 + 1 = 48), then 3 (48 \ 3 + 1 = 17).
    EXPECT_EQ(std::tuple(out.strongest, st.planet(2).Ships, st.planet(4).Ships, st.planet(1).Ships,
                         st.planet(3).Ships),
              std::tuple(2, 30, 35, 24, 17));
}

// Every planet still without ships gets its share in ranking order, the top ranked one too. The
// divisor counts the Empire's planets besides the strongest, whatever the number of players.
TEST(Dealing, TheTopRankedPlanetGetsTheBiggestShareAndSharesSaturate) {
    GameState st = Galaxy(5, 2, 0);
    for (int i = 0; i < 5; ++i) st.planet(i).MaxProd = static_cast<Int16>(20 - 4 * i);
    st.planet(1).Ships = 50;  // the capitals, passed over
    st.planet(3).Ships = 60;
    // d = 5 - 3 = 2: planet 0 gets 30 \ 2 + 1 = 16 (pool 30 - 15 + 1 = 16), planet 2 16 \ 2 + 1 = 9
    // (pool 16 - 8 + 1 = 9), planet 4 9 \ 2 + 1 = 5.
    DealEmpireShips(st, 30.0, -1);
    EXPECT_EQ(std::tuple(st.planet(0).Ships, st.planet(2).Ships, st.planet(4).Ships,
                         st.planet(1).Ships, st.planet(3).Ships),
              std::tuple(16, 9, 5, 50, 60));
    // Shares beyond 16 bits saturate, the strongest planet's too.
    st.planet(0).Ships = st.planet(2).Ships = st.planet(4).Ships = 0;
    DealEmpireShips(st, 1e9, 4);
    EXPECT_TRUE(st.planet(4).Ships == 32767 && st.planet(0).Ships == 32767);
}

}  // namespace
}  // namespace zenthar
