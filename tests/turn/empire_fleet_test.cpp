// The Empire's ship movements: consolidation passes, the main fleet and its staging planet,
// scouts, and the strike on the target or the reinforcement of the staging planet.
#include "turn/empire_fixture.h"

namespace zenthar::testing {
namespace {

using empire::EmpireYear;

// A player far away in the corner and `count` Empire planets: planet 1 ranks first (MaxProd
// 20, few ships), the others hold 100 ships each and rank lower the later they come, so
// consolidation takes from the last planet first. The Empire is to move.
void ConsolidationGalaxy(Game& game, int count, int skill) {
    GalaxyBuilder g(game);
    g.players({"Ann"}).skill(skill);
    g.planet(0, 1, 1).owner(0).home().ships(10).production(10, 20);
    g.planet(1, 40, 40).ships(10).production(1, 20);
    const int xs[] = {40, 30, 30, 20};
    const int ys[] = {30, 40, 30, 40};
    for (int i = 2; i <= count; ++i)
        g.planet(i, xs[i - 2], ys[i - 2]).ships(100).production(1, 12 - i);
    g.build();
    game.st.CurrentPlTurn = kEmpire;
    game.st.TaskForceLast = -1;
}

class EmpireFleetTest : public EmpireTest {
protected:
    void consolidationGalaxy(int count, int skill = 1) {
        ConsolidationGalaxy(game, count, skill);
    }

    // Player home, a staging candidate (planet 1, top ranked) and two big garrisons that have
    // no surplus (production 2) but enough for the main fleet.
    void mainFleetGalaxy() {
        galaxy()
            .players({"Ann"})
            .planet(0, 1, 1).owner(0).home().ships(10).production(10, 20)
            .planet(1, 40, 40).ships(5).production(2, 20)
            .planet(2, 40, 30).ships(50).production(2, 5)
            .planet(3, 30, 40).ships(50).production(2, 3)
            .build();
        empireToMove();
    }

    // A player's home (planet 0) ten units from the Empire's staging planet (planet 1).
    void attackGalaxy(int skill, int stagingShips) {
        galaxy()
            .players({"Ann"})
            .skill(skill)
            .planet(0, 1, 1).owner(0).home().ships(10).production(5, 20)
            .planet(1, 1, 11).ships(stagingShips).production(1, 20)
            .planet(2, 40, 40).ships(100).production(1, 10)
            .planet(3, 40, 30).ships(100).production(1, 10)
            .build();
        empireToMove();
        st.StartPl = id(1);
        st.EndPl = id(0);
        year.staging = 1;
        year.target = 0;
        year.targetSet = true;
    }

    EmpireYear year;
};

TEST_F(EmpireFleetTest, PassesDependOnHowManyPlanetsTheEmpireHolds) {
    const std::pair<int, int> passes[] = {{0, 3}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {30, 3}};
    for (const auto& [planets, expected] : passes)
        EXPECT_EQ(empire::ConsolidationPasses(planets), expected) << planets;
}

// Planet 1 ranks first and takes the ships; the passes start from the lowest ranked planet and
// each takes 35 of a garrison of 100.
TEST_F(EmpireFleetTest, EachPassMovesShipsFromTheLowestRankedUp) {
    const struct {
        int empirePlanets;
        std::vector<int> sources;
    } cases[] = {{2, {2}}, {3, {3, 2}}, {5, {5, 4, 3}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.empirePlanets);
        TestGame other;
        ConsolidationGalaxy(other.game, c.empirePlanets, 1);
        EmpireYear y;
        empire::ConsolidateShips(other.game, y);
        ASSERT_EQ(other.st().TaskForceLast + 1, static_cast<int>(c.sources.size()));
        for (std::size_t k = 0; k < c.sources.size(); ++k) {
            const TaskForceRecord& tf = other.st().TaskForceList[k];
            EXPECT_EQ(tf.StartPl, other.st().planet(c.sources[k]).PlanetId);
            EXPECT_EQ(tf.EndPl, other.st().planet(1).PlanetId);  // no staging planet yet
            EXPECT_EQ(tf.NumOfShips, 35);
            EXPECT_EQ(tf.PlNum.padded(), "4");
            EXPECT_EQ(other.st().planet(c.sources[k]).Ships, 65);
        }
        EXPECT_EQ(y.source, c.sources.back());
        EXPECT_EQ(y.staging, 1);
        if (c.empirePlanets == 5) {
            EXPECT_EQ(other.st().planet(2).Ships, 100);  // the fourth from last gives nothing
        }
    }
    // A single Empire planet has nowhere to send its ships.
    TestGame other;
    ConsolidationGalaxy(other.game, 1, 1);
    other.st().planet(1).Ships = 500;
    EmpireYear single;
    empire::ConsolidateShips(other.game, single);
    EXPECT_EQ(other.st().TaskForceLast, -1);
    EXPECT_EQ(single.source, -1);
    EXPECT_EQ(single.staging, -1);
}

TEST_F(EmpireFleetTest, ConsolidationGoesToTheStagingPlanetAndKeepsThreatenedOrPoorPlanets) {
    consolidationGalaxy(5, 2);
    st.StartPl = id(2);
    st.planet(5).Ships = 92;  // 92 x 0.65 = 59.8 is not more than 30 x 2
    st.planet(5).Production = 2;
    playerFleet(0, 0, 4, 1);  // one ship on its way to planet 4: an Advanced Empire stays put
    empire::ConsolidateShips(game, year);
    auto fleets = launched();
    ASSERT_EQ(fleets.size(), 1u);
    EXPECT_EQ(fleets[0].StartPl, id(3));
    EXPECT_EQ(fleets[0].EndPl, id(2));
    EXPECT_EQ(st.planet(4).Ships, 100);
    EXPECT_EQ(st.planet(5).Ships, 92);
    EXPECT_EQ(year.source, 3);
    EXPECT_EQ(year.staging, 2);
}

TEST_F(EmpireFleetTest, OnlyAdvancedEmpiresHeedApproachingFleets) {
    consolidationGalaxy(3, 1);
    playerFleet(0, 0, 3, 5);
    empire::ConsolidateShips(game, year);
    EXPECT_EQ(launched().size(), 2u);
}

TEST_F(EmpireFleetTest, MainFleetLeavesTheLowestOfEquallyStrongPlanets) {
    mainFleetGalaxy();
    empire::ConsolidateShips(game, year);
    ASSERT_EQ(st.TaskForceLast, -1);  // no planet has a surplus
    empire::MoveMainFleet(game, year);
    auto fleets = launched();
    ASSERT_EQ(fleets.size(), 1u);
    EXPECT_EQ(fleets[0].StartPl, id(2));
    EXPECT_EQ(fleets[0].EndPl, id(1));
    EXPECT_EQ(fleets[0].NumOfShips, 25);
    EXPECT_EQ(st.planet(2).Ships, 25);
    EXPECT_EQ(st.StartPl, id(1));  // the staging planet is named
}

TEST_F(EmpireFleetTest, MainFleetTakesAStrictlyBiggerGarrisonFurtherDown) {
    mainFleetGalaxy();
    st.planet(3).Ships = 51;
    empire::ConsolidateShips(game, year);
    empire::MoveMainFleet(game, year);
    ASSERT_EQ(st.TaskForceLast, 0);
    EXPECT_EQ(launched()[0].StartPl, id(3));
    EXPECT_EQ(launched()[0].NumOfShips, 25);  // 51 \ 2
}

TEST_F(EmpireFleetTest, WhenTheStagingPlanetIsTheBiggestTheSecondRankedSends) {
    mainFleetGalaxy();
    st.planet(1).Ships = 300;
    st.StartPl = id(1);
    empire::ConsolidateShips(game, year);
    empire::MoveMainFleet(game, year);
    ASSERT_EQ(st.TaskForceLast, 0);
    EXPECT_EQ(launched()[0].StartPl, id(2));
    EXPECT_EQ(launched()[0].EndPl, id(1));
}

TEST_F(EmpireFleetTest, MainFleetNeedsEightYearsOfProduction) {
    mainFleetGalaxy();
    st.planet(2).Production = 7;  // 50 < 8 x 7
    st.planet(3).Ships = 10;
    empire::ConsolidateShips(game, year);
    empire::MoveMainFleet(game, year);
    EXPECT_EQ(st.TaskForceLast, -1);
    EXPECT_EQ(st.StartPl, id(1));  // named all the same
}

TEST_F(EmpireFleetTest, ALostStagingPlanetIsReplacedNotAttacked) {
    mainFleetGalaxy();
    st.planet(0).Ships = 1;
    st.StartPl = id(0);  // the player's planet: the staging planet was taken
    st.planet(3).Production = 1;
    st.planet(3).Ships = 100;  // a surplus that consolidation moves
    empire::ConsolidateShips(game, year);
    empire::MoveMainFleet(game, year);
    EXPECT_EQ(st.StartPl, id(1));
    ASSERT_GE(st.TaskForceLast, 0);
    for (const auto& tf : launched()) EXPECT_EQ(tf.EndPl, id(1));
    EXPECT_EQ(st.planet(0).Ships, 1);
}

TEST_F(EmpireFleetTest, BeginnerScoutsPlanetsUnseenForSixYears) {
    galaxy()
        .players({"Ann"})
        .skill(0)
        .year(4110)
        .planet(0, 1, 1).owner(0).home().ships(10)
        .planet(1, 1, 30).owner(0).ships(10)
        .planet(2, 10, 1).ships(3)
        .planet(3, 10, 30).ships(0)
        .planet(4, 40, 40).ships(0)
        .build();
    st.planet(0).YearScouted[kEmpire] = 4104;  // six years ago
    st.planet(1).YearScouted[kEmpire] = 4105;  // five years ago
    empireToMove();
    empire::SendScouts(game, year);
    auto fleets = launched();
    ASSERT_EQ(fleets.size(), 1u);
    EXPECT_EQ(fleets[0].StartPl, id(2));
    EXPECT_EQ(fleets[0].EndPl, id(0));
    EXPECT_EQ(fleets[0].NumOfShips, 1);
    EXPECT_EQ(st.planet(2).Ships, 2);

    // Once a scout is on its way, no second one follows.
    empire::SendScouts(game, year);
    EXPECT_EQ(st.TaskForceLast, 0);
}

TEST_F(EmpireFleetTest, ScoutsNeedAShipAndABeginner) {
    galaxy()
        .players({"Ann"})
        .skill(0)
        .year(4110)
        .planet(0, 1, 1).owner(0).home().ships(10)
        .planet(1, 10, 1).ships(0)
        .planet(2, 40, 40).ships(50)
        .build();
    empireToMove();
    empire::SendScouts(game, year);
    EXPECT_EQ(st.TaskForceLast, -1);  // the nearest planet has no ship to send
    EXPECT_EQ(st.planet(1).Ships, 0);

    st.planet(1).Ships = 5;
    st.EmpireSkill = 1;
    empire::SendScouts(game, year);
    EXPECT_EQ(st.TaskForceLast, -1);
    st.EmpireSkill = 0;
    empire::SendScouts(game, year);
    EXPECT_EQ(st.TaskForceLast, 0);
}

TEST_F(EmpireFleetTest, AttackMultiplierIsTwoForBeginnersAndTwoOrThreeAbove) {
    for (double rnd : {0.0, 0.25, 0.49, 0.5, 0.75, 0.999}) EXPECT_EQ(empire::AttackMultiplier(0, rnd), 2);
    for (int skill : {1, 2}) {
        EXPECT_EQ(empire::AttackMultiplier(skill, 0.0), 2);   // a 1 becomes 2
        EXPECT_EQ(empire::AttackMultiplier(skill, 0.4), 2);
        EXPECT_EQ(empire::AttackMultiplier(skill, 0.66), 2);
        EXPECT_EQ(empire::AttackMultiplier(skill, 0.67), 3);
        EXPECT_EQ(empire::AttackMultiplier(skill, 0.999), 3);
    }
}

TEST_F(EmpireFleetTest, IntermediateAttacksWithThreeTimesTheExpectedDefence) {
    attackGalaxy(1, 200);
    tg.random.push(0.9);  // k = 3
    empire::AttackOrReinforce(game, year);
    EXPECT_EQ(tg.random.reseeds, 1);
    ASSERT_EQ(st.TaskForceLast, 0);
    // 10 ships + 5 years x 5 production = 35, times 3.
    EXPECT_EQ(launched()[0].NumOfShips, 105);
    EXPECT_EQ(launched()[0].EndPl, id(0));
    EXPECT_EQ(launched()[0].RemTurns, st.CurrentYear + 5);
    EXPECT_EQ(st.planet(1).Ships, 95);
    EXPECT_TRUE(st.EndPl.blank());
}

TEST_F(EmpireFleetTest, BeginnerCountsOnWhatItLastSawAndAlwaysDoubles) {
    attackGalaxy(0, 200);
    st.planet(0).KnownShip[kEmpire] = 4;
    st.planet(0).KnownProd[kEmpire] = 2;
    tg.random.push(0.99);
    empire::AttackOrReinforce(game, year);
    ASSERT_EQ(st.TaskForceLast, 0);
    EXPECT_EQ(launched()[0].NumOfShips, 28);  // (4 + 5 x 2) x 2
}

TEST_F(EmpireFleetTest, AdvancedCountsThePlayersFleetsBoundForTheTarget) {
    attackGalaxy(2, 200);
    playerFleet(0, 0, 0, 20);
    tg.random.push(0.5);  // k = 2
    empire::AttackOrReinforce(game, year);
    ASSERT_EQ(st.TaskForceLast, 0);
    EXPECT_EQ(launched()[0].NumOfShips, 110);  // (10 + 20 + 25) x 2
}

TEST_F(EmpireFleetTest, NothingExpectedSendsNearlyTheWholeFleet) {
    attackGalaxy(0, 101);
    tg.random.push(0.3);
    empire::AttackOrReinforce(game, year);
    ASSERT_EQ(st.TaskForceLast, 0);
    EXPECT_EQ(launched()[0].NumOfShips, 100);  // 101 \ 2 x 2
    EXPECT_EQ(st.planet(1).Ships, 1);

    // Stale knowledge below zero is no reason to send a negative fleet.
    attackGalaxy(0, 101);
    st.planet(0).KnownShip[kEmpire] = -40;
    st.planet(0).KnownProd[kEmpire] = 1;
    tg.random.push(0.3);
    empire::AttackOrReinforce(game, year);
    ASSERT_EQ(st.TaskForceLast, 0);
    EXPECT_EQ(launched()[0].NumOfShips, 100);
    EXPECT_EQ(st.planet(1).Ships, 1);
}

TEST_F(EmpireFleetTest, TooWeakAStagingPlanetIsReinforcedByTheBiggestSurplus) {
    attackGalaxy(1, 50);
    tg.random.push(0.0);  // 35 x 2 = 70 > 50
    empire::AttackOrReinforce(game, year);
    ASSERT_EQ(st.TaskForceLast, 0);
    EXPECT_EQ(launched()[0].StartPl, id(2));  // equal to planet 3: the lower position
    EXPECT_EQ(launched()[0].EndPl, id(1));
    EXPECT_EQ(launched()[0].NumOfShips, 35);
    EXPECT_EQ(st.EndPl, id(0));  // the target stays
}

TEST_F(EmpireFleetTest, NoTargetThisYearNoAttackAndNoDraw) {
    attackGalaxy(1, 500);
    year.targetSet = false;
    empire::AttackOrReinforce(game, year);
    EXPECT_EQ(st.TaskForceLast, -1);
    EXPECT_EQ(tg.random.draws, 0);
    EXPECT_EQ(tg.random.reseeds, 0);
}

TEST_F(EmpireFleetTest, AFullTaskForceListStopsTheYearsLaunches) {
    consolidationGalaxy(3);
    st.TaskForceLast = kTaskForceSlots - 2;  // room for exactly one more
    empire::ConsolidateShips(game, year);
    EXPECT_EQ(st.TaskForceLast, kTaskForceSlots - 1);
    EXPECT_TRUE(year.listFull);
    EXPECT_EQ(st.planet(3).Ships, 65);
    EXPECT_EQ(st.planet(2).Ships, 100);  // the second launch found no room: nothing taken
}

}  // namespace
}  // namespace zenthar::testing
