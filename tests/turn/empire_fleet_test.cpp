// The Empire's ship movements: consolidation passes, the main fleet and its staging planet,
// scouts, and the strike on the target or the reinforcement of the staging planet.
#include "turn/empire_fixture.h"

namespace zenthar::testing {
namespace {

using empire::EmpireYear;

class EmpireFleetTest : public EmpireTest {
  protected:
    // A player far away in the corner and `count` Empire planets: planet 1 ranks first (MaxProd
    // 20, few ships), the others hold 100 ships each and rank lower the later they come, so
    // consolidation takes from the last planet first. The Empire is to move.
    void consolidationGalaxy(int count, int skill = 1) {
        GalaxyBuilder g = galaxy();
        g.players({"Ann"}).skill(skill);
        g.planet(0, 1, 1).owner(0).home().ships(10).production(10, 20);
        g.planet(1, 40, 40).ships(10).production(1, 20);
        const int at[][2] = {{40, 30}, {30, 40}, {30, 30}, {20, 40}};
        for (int i = 2; i <= count; ++i)
            g.planet(i, at[i - 2][0], at[i - 2][1]).ships(100).production(1, 12 - i);
        g.build();
        empireToMove();
    }

    EmpireYear year;
};

// Planet 1 ranks first and takes the ships; the passes start from the lowest ranked planet and
// each takes 35 of a garrison of 100. A player's fleet on its way only holds an Advanced Empire
// back, so the Intermediate one here ignores it; a single planet has nowhere to send ships.
TEST_F(EmpireFleetTest, EachPassMovesShipsFromTheLowestRankedUp) {
    // The Empire's planets, and the planets that send ships in the order they send them.
    const std::pair<int, std::vector<int>> cases[] = {
        {1, {}}, {2, {2}}, {3, {3, 2}}, {5, {5, 4, 3}}};
    for (const auto& [empirePlanets, sources] : cases) {
        SCOPED_TRACE(empirePlanets);
        consolidationGalaxy(empirePlanets);
        if (empirePlanets == 1) st.planet(1).Ships = 500;
        if (empirePlanets == 3) turn_support::AddTaskForce(game, 0, 0, 3, 5);
        year = {};
        empire::ConsolidateShips(game, year);
        ASSERT_EQ(st.TaskForceLast + 1, static_cast<int>(sources.size()));
        for (std::size_t k = 0; k < sources.size(); ++k) {
            const TaskForceRecord& tf = st.TaskForceList[k];
            // No staging planet yet: they go to the top ranked one.
            EXPECT_EQ(std::tuple(tf.StartPl, tf.EndPl, tf.NumOfShips, tf.PlNum.padded(),
                                 st.planet(sources[k]).Ships),
                      std::tuple(id(sources[k]), id(1), 35, "4", 65));
        }
        EXPECT_EQ(std::pair(year.source, year.staging),
                  sources.empty() ? std::pair(-1, -1) : std::pair(sources.back(), 1));
    }
    EXPECT_EQ(st.planet(2).Ships, 100);  // the fourth from last gives nothing
}

TEST_F(EmpireFleetTest, ConsolidationGoesToTheStagingPlanetAndKeepsThreatenedOrPoorPlanets) {
    consolidationGalaxy(5, 2);
    st.StartPl = id(2);
    st.planet(5).Ships = 92;  // 92 x 0.65 = 59.8 is not more than 30 x 2
    st.planet(5).Production = 2;
    // One ship on its way to planet 4: an Advanced Empire stays put.
    turn_support::AddTaskForce(game, 0, 0, 4, 1);
    empire::ConsolidateShips(game, year);
    auto fleets = launched();
    ASSERT_EQ(fleets.size(), 1u);
    EXPECT_EQ(std::tuple(fleets[0].StartPl, fleets[0].EndPl, st.planet(4).Ships, st.planet(5).Ships,
                         year.source, year.staging),
              std::tuple(id(3), id(2), 100, 92, 3, 2));
}

// With no surplus anywhere the main fleet leaves the lowest ranked of equally strong planets, a
// strictly bigger garrison further down, or the second ranked when the staging planet is the
// biggest; the biggest garrison sends it wherever it stands in the list of planets, the first
// place too. It takes half the garrison and names the staging planet.
TEST_F(EmpireFleetTest, MainFleetLeavesTheBiggestGarrisonWhereverItStands) {
    const std::tuple<int, int, int, int, int, int, bool, int, int> cases[] = {
        {0, 2, 3, 50, 50, 5, false, 2, 25},  {0, 2, 3, 50, 51, 5, false, 3, 25},
        {0, 2, 3, 50, 50, 300, true, 2, 25}, {0, 2, 3, 60, 50, 5, false, 2, 30},
        {3, 0, 2, 60, 50, 5, false, 0, 30},  {0, 3, 2, 60, 50, 5, false, 3, 30}};
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        SCOPED_TRACE(::testing::Message() << "case " << n);
        const auto& [home, big, other, bigShips, otherShips, stagingShips, staging, source, sent] =
            cases[n];
        // Player home, the staging candidate (planet 1, top ranked) and two big garrisons that
        // have no surplus (production 2) but enough for the main fleet, each in its place.
        GalaxyBuilder g = galaxy();
        g.players({"Ann"});
        for (int i = 0; i < 4; ++i) {
            if (i == home) g.planet(i, 1, 1).owner(0).home().ships(10).production(10, 20);
            if (i == 1) g.planet(i, 40, 40).ships(stagingShips).production(2, 20);
            if (i == big) g.planet(i, 40, 30).ships(bigShips).production(2, 5);
            if (i == other) g.planet(i, 30, 40).ships(otherShips).production(2, 3);
        }
        g.build();
        empireToMove();
        year = {};
        if (staging) st.StartPl = id(1);
        const int garrison = st.planet(source).Ships;
        empire::ConsolidateShips(game, year);
        ASSERT_EQ(st.TaskForceLast, -1);
        empire::MoveMainFleet(game, year);
        ASSERT_EQ(st.TaskForceLast, 0);
        const TaskForceRecord tf = launched()[0];
        EXPECT_EQ(
            std::tuple(tf.StartPl, tf.EndPl, tf.NumOfShips, st.planet(source).Ships, st.StartPl),
            std::tuple(id(source), id(1), sent, garrison - sent, id(1)));
    }
}

// Only a Beginner scouts, only from the Empire planet nearest the one unseen for six years,
// and only with a ship there to send.
TEST_F(EmpireFleetTest, BeginnerScoutsPlanetsUnseenForSixYears) {
    // clang-format off
    galaxy().players({"Ann"}).skill(0).year(4110)
        .planet(0, 1, 1).owner(0).home().ships(10)
        .planet(1, 1, 30).owner(0).ships(10)
        .planet(2, 10, 1).ships(0)
        .planet(3, 10, 30).ships(0)
        .planet(4, 40, 40).ships(50).build();
    // clang-format on
    st.planet(0).YearScouted[kEmpire] = 4104;  // six years ago
    st.planet(1).YearScouted[kEmpire] = 4105;  // five years ago
    empireToMove();
    empire::SendScouts(game, year);
    EXPECT_EQ(st.TaskForceLast, -1);
    st.planet(2).Ships = 3;
    st.EmpireSkill = 1;
    empire::SendScouts(game, year);
    EXPECT_EQ(st.TaskForceLast, -1);
    st.EmpireSkill = 0;
    empire::SendScouts(game, year);
    auto fleets = launched();
    ASSERT_EQ(fleets.size(), 1u);
    EXPECT_EQ(
        std::tuple(fleets[0].StartPl, fleets[0].EndPl, fleets[0].NumOfShips, st.planet(2).Ships),
        std::tuple(id(2), id(0), 1, 2));
    // Once a scout is on its way, no second one follows.
    empire::SendScouts(game, year);
    EXPECT_EQ(st.TaskForceLast, 0);
}

// The strike on the target: the expected defence is the garrison (as last seen, for a
// Beginner; with the players' fleets bound there, for Advanced) plus five years' production,
// times the multiplier; an expected defence of 0 sends Ships \ k x k.
TEST_F(EmpireFleetTest, TheStrikeSendsTheExpectedDefenceTimesTheMultiplier) {
    // clang-format off
    const std::tuple<int, int, int, int, int, double, int> cases[] = {
        {1, 200, 0, 0, 0, 0.9, 105},  // (10 + 5 x 5) x 3
        {0, 200, 4, 2, 0, 0.99, 28},  // (4 + 5 x 2) x 2
        {0, 101, 0, 0, 0, 0.3, 100},  // nothing expected: 101 \ 2 x 2
        {0, 101, -40, 1, 0, 0.3, 100},  // stale knowledge below zero counts as nothing
        {2, 200, 0, 0, 20, 0.5, 110}};   // (10 + 20 + 25) x 2
    // clang-format on
    for (const auto& [skill, staging, knownShip, knownProd, inbound, draw, sent] : cases) {
        SCOPED_TRACE(sent);
        // A player's home (planet 0) ten units from the Empire's staging planet (planet 1).
        year = {};
        // clang-format off
        galaxy().players({"Ann"}).skill(skill)
            .planet(0, 1, 1).owner(0).home().ships(10).production(5, 20)
            .planet(1, 1, 11).ships(staging).production(1, 20)
            .planet(2, 40, 40).ships(100).production(1, 10)
            .planet(3, 40, 30).ships(100).production(1, 10).build();
        // clang-format on
        empireToMove();
        st.StartPl = id(1);
        st.EndPl = id(0);
        year.staging = 1;
        year.target = 0;
        year.targetSet = true;
        st.planet(0).KnownShip[kEmpire] = static_cast<Int16>(knownShip);
        st.planet(0).KnownProd[kEmpire] = static_cast<Int16>(knownProd);
        if (inbound > 0) turn_support::AddTaskForce(game, 0, 0, 0, inbound);
        tg.random.push(draw);
        empire::AttackOrReinforce(game, year);
        ASSERT_EQ(st.TaskForceLast, 0);
        const TaskForceRecord tf = launched()[0];
        EXPECT_EQ(
            std::tuple(tf.NumOfShips, tf.EndPl, tf.RemTurns, st.planet(1).Ships, st.EndPl.blank()),
            std::tuple(sent, id(0), st.CurrentYear + 5, staging - sent, true));
    }
    EXPECT_EQ(tg.random.reseeds, 5);
}

TEST_F(EmpireFleetTest, AFullTaskForceListStopsTheYearsLaunches) {
    consolidationGalaxy(3);
    st.TaskForceLast = kTaskForceSlots - 2;  // room for exactly one more
    empire::ConsolidateShips(game, year);
    // The second launch found no room: nothing taken from planet 2.
    EXPECT_EQ(std::tuple(st.TaskForceLast, year.listFull, st.planet(3).Ships, st.planet(2).Ships),
              std::tuple(kTaskForceSlots - 1, true, 65, 100));
}

}  // namespace
}  // namespace zenthar::testing
