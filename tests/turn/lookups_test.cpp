// Planet lookups: ids, owners, distances, nearest planets and the ranked walks.
#include "turn/lookups.h"
#include "support/galaxy_builder.h"
#include "turn/empire_steps.h"

namespace zenthar {
namespace {

TEST(PlanetOwner, FirstDigitOfTwoOrMoreWins) {
    // clang-format off
    const std::pair<const char*, int> cases[] = {
        {"0000", kEmpire}, {"1111", kEmpire},  // scouted by all, owned by none
        {"0300", 1}, {"1230", 1}, {"0013", 3}, {"ab2c", 2}, {"", kEmpire}};
    // clang-format on
    for (const auto& [digits, owner] : cases) EXPECT_EQ(PlanetOwner(digits), owner) << digits;
}

class Lookups : public ::testing::Test {
  protected:
    testing::TestGame t;
    GameState& st() { return t.st(); }
};

TEST_F(Lookups, FindPlanetIndexComparesWholeIds) {
    testing::GalaxyBuilder(t.game).planet(0, 1, 1).planet(1, 9, 9).build();
    EXPECT_EQ(FindPlanetIndex(st(), "02"), 1);
    for (const char* id : {"03", "7 ", "1", "  "})  // 03 lies beyond PlanetsNum
        EXPECT_EQ(FindPlanetIndex(st(), id), -1) << id;
}

TEST_F(Lookups, DistancesAreRoundedHalfUpAndTravelTakesHalfOfThem) {
    // clang-format off
    testing::GalaxyBuilder(t.game)
        .planet(0, 2, 5).planet(1, 2, 9).planet(2, 0, 0).planet(3, 1, 1).planet(4, 3, 4)
        .planet(5, 0, 7).planet(6, 1, 7).planet(7, 1, 64).build();
    // clang-format on
    // clang-format off
    const std::tuple<int, int, int> distances[] = {
        {0, 1, 4}, {2, 3, 1}, {2, 4, 5}, {2, 5, 7}, {2, 2, 0}, {5, 6, 1}, {-1, 2, -1},
        {2, 7, 64}};  // a loaded game may place a planet past the grid
    // clang-format on
    for (const auto& [a, b, d] : distances) EXPECT_EQ(PlanetDistance(st(), a, b), d) << a << b;
    const std::pair<int, int> times[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {5, 3}, {7, 4}};
    for (const auto& [d, years] : times) EXPECT_EQ(TravelTime(d), years) << d;
}

TEST_F(Lookups, NearestPlanetOfAnOwnerNeverThePlanetItself) {
    // clang-format off
    testing::GalaxyBuilder(t.game)
        .planet(0, 10, 10).owner(0)
        .planet(1, 13, 10)              // Empire, distance 3
        .planet(2, 7, 10)               // Empire, distance 3: the lower index wins
        .planet(3, 11, 10).owner(0).build();     // player, distance 1
    // clang-format on
    EXPECT_EQ(std::tuple(NearestPlanetOf(st(), kEmpire, 0), NearestPlanetOf(st(), 0, 0),
                         NearestPlanetOf(st(), -1, 0), NearestPlanetOf(st(), 1, 0)),
              std::tuple(1, 3, 3, -1));
    for (int i : {1, 2}) st().planet(i).Scouted = "2000";
    st().planet(3).Scouted = "0000";
    EXPECT_EQ(NearestPlanetOf(st(), kEmpire, 3), -1);  // none but the planet asked about
}

TEST_F(Lookups, RankedWalksFollowTheProductionOrder) {
    // clang-format off
    testing::GalaxyBuilder(t.game)
        .planet(0, 1, 1).production(1, 5)
        .planet(1, 9, 9).production(1, 20).owner(0)
        .planet(2, 20, 1).production(1, 12)
        .planet(3, 30, 1).production(1, 3).build();
    // clang-format on
    // ProdOrder: 02 (20), 03 (12), 01 (5), 04 (3)
    int cursor = 0;
    for (const char* id : {"03", "01", "04"}) EXPECT_EQ(NextOwnedRanked(st(), kEmpire, cursor), id);
    EXPECT_EQ(cursor, 4);
    EXPECT_EQ(FindPlanetIndex(st(), NextOwnedRanked(st(), kEmpire, cursor)), -1);
    EXPECT_EQ(cursor, 4);
    int none = -1;
    EXPECT_TRUE(Trim(NextOwnedRanked(st(), kEmpire, none)).empty());

    int back = st().PlanetsNum - 1;
    for (const char* id : {"04", "01", "03"}) EXPECT_EQ(PrevEmpireRanked(st(), back), id);
    EXPECT_EQ(back, 0);
    EXPECT_EQ(FindPlanetIndex(st(), PrevEmpireRanked(st(), back)), -1);
    EXPECT_EQ(back, 0);

    // The top-ranked planet back with the Empire: the walk back ends on it, and it counts.
    EXPECT_EQ(empire::CountEmpirePlanets(st()), 3);
    st().planet(1).Scouted = "0000";
    EXPECT_EQ(empire::CountEmpirePlanets(st()), 4);
    back = st().PlanetsNum - 1;
    for (const char* id : {"04", "01", "03", "02"}) EXPECT_EQ(PrevEmpireRanked(st(), back), id);
}

}  // namespace
}  // namespace zenthar
