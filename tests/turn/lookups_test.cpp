// Planet lookups: ids, owners, distances, nearest planets and the ranked walks.
#include <gtest/gtest.h>

#include "support/galaxy_builder.h"
#include "turn/lookups.h"

namespace zenthar {
namespace {

TEST(PlanetOwner, FirstDigitOfTwoOrMoreWins) {
    EXPECT_EQ(PlanetOwner("0000"), kEmpire);
    EXPECT_EQ(PlanetOwner("1111"), kEmpire);  // scouted by all, owned by none
    EXPECT_EQ(PlanetOwner("0300"), 1);
    EXPECT_EQ(PlanetOwner("1230"), 1);
    EXPECT_EQ(PlanetOwner("0013"), 3);
    EXPECT_EQ(PlanetOwner("0003"), 3);
    EXPECT_EQ(PlanetOwner("ab2c"), 2);
    EXPECT_EQ(PlanetOwner(""), kEmpire);
}

class Lookups : public ::testing::Test {
protected:
    testing::TestGame t;
    GameState& st() { return t.st(); }
};

TEST_F(Lookups, FindPlanetIndexComparesWholeIds) {
    testing::GalaxyBuilder(t.game).planet(0, 1, 1).planet(1, 9, 9).build();
    EXPECT_EQ(FindPlanetIndex(st(), "01"), 0);
    EXPECT_EQ(FindPlanetIndex(st(), "02"), 1);
    EXPECT_EQ(FindPlanetIndex(st(), "03"), -1);  // beyond PlanetsNum
    EXPECT_EQ(FindPlanetIndex(st(), "7 "), -1);
    EXPECT_EQ(FindPlanetIndex(st(), "1"), -1);
    EXPECT_EQ(FindPlanetIndex(st(), "  "), -1);
}

TEST_F(Lookups, DistancesAreRoundedHalfUp) {
    testing::GalaxyBuilder(t.game)
        .planet(0, 2, 5).planet(1, 2, 9).planet(2, 0, 0).planet(3, 1, 1).planet(4, 3, 4)
        .planet(5, 0, 7).build();
    EXPECT_EQ(PlanetDistance(st(), 0, 1), 4);
    EXPECT_EQ(PlanetDistance(st(), 2, 3), 1);
    EXPECT_EQ(PlanetDistance(st(), 2, 4), 5);
    EXPECT_EQ(PlanetDistance(st(), 2, 5), 7);
    EXPECT_EQ(PlanetDistance(st(), 2, 2), 0);
    EXPECT_EQ(PlanetDistance(st(), -1, 2), -1);
    EXPECT_EQ(TravelTime(1), 1);
    EXPECT_EQ(TravelTime(2), 1);
    EXPECT_EQ(TravelTime(3), 2);
    EXPECT_EQ(TravelTime(5), 3);
    EXPECT_EQ(TravelTime(7), 4);
    EXPECT_EQ(TravelTime(0), 0);
}

TEST_F(Lookups, NearestPlanetOfAnOwnerNeverThePlanetItself) {
    testing::GalaxyBuilder(t.game)
        .planet(0, 10, 10).owner(0)
        .planet(1, 13, 10)              // Empire, distance 3
        .planet(2, 7, 10)               // Empire, distance 3: the lower index wins
        .planet(3, 11, 10).owner(0)     // player, distance 1
        .build();
    EXPECT_EQ(NearestPlanetOf(st(), kEmpire, 0), 1);
    EXPECT_EQ(NearestPlanetOf(st(), 0, 0), 3);
    EXPECT_EQ(NearestPlanetOf(st(), -1, 0), 3);
    EXPECT_EQ(NearestPlanetOf(st(), 1, 0), -1);
}

TEST_F(Lookups, NearestEmpirePlanetIsNoneWhenItOwnsOnlyThatOne) {
    testing::GalaxyBuilder(t.game).planet(0, 1, 1).planet(1, 9, 9).owner(0).build();
    EXPECT_EQ(NearestPlanetOf(st(), kEmpire, 0), -1);
}

TEST_F(Lookups, RankedWalksFollowTheProductionOrder) {
    testing::GalaxyBuilder(t.game)
        .planet(0, 1, 1).production(1, 5)
        .planet(1, 9, 9).production(1, 20).owner(0)
        .planet(2, 20, 1).production(1, 12)
        .planet(3, 30, 1).production(1, 3)
        .build();
    // ProdOrder: 02 (20), 03 (12), 01 (5), 04 (3)
    int cursor = 0;
    EXPECT_EQ(NextOwnedRanked(st(), kEmpire, cursor), "03");
    EXPECT_EQ(cursor, 2);
    EXPECT_EQ(NextOwnedRanked(st(), kEmpire, cursor), "01");
    EXPECT_EQ(NextOwnedRanked(st(), kEmpire, cursor), "04");
    EXPECT_EQ(cursor, 4);
    EXPECT_EQ(FindPlanetIndex(st(), NextOwnedRanked(st(), kEmpire, cursor)), -1);
    EXPECT_EQ(cursor, 4);
    int none = -1;
    EXPECT_TRUE(Trim(NextOwnedRanked(st(), kEmpire, none)).empty());

    int back = st().PlanetsNum - 1;
    EXPECT_EQ(PrevEmpireRanked(st(), back), "04");
    EXPECT_EQ(back, 2);
    EXPECT_EQ(PrevEmpireRanked(st(), back), "01");
    EXPECT_EQ(PrevEmpireRanked(st(), back), "03");
    EXPECT_EQ(back, 0);
    EXPECT_EQ(FindPlanetIndex(st(), PrevEmpireRanked(st(), back)), -1);
    EXPECT_EQ(back, 0);
}

}  // namespace
}  // namespace zenthar
