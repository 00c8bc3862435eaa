// Launching task forces, storing them in the Ships table and counting fleets bound somewhere. A
// full list refuses a launch and changes nothing: Send Ships' refusals and the Empire's full list
// check that at both edges.
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

class TaskForces : public ::testing::Test {
  protected:
    void SetUp() override {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"}).year(4100)
            .planet(0, 0, 0).owner(0).home().ships(10)
            .planet(1, 3, 4)
            .planet(2, 0, 7).owner(1).home().ships(50).build();
        // clang-format on
    }
    TestGame t;
    GameState& st() { return t.st(); }
    const TaskForceRecord& tf(int i) { return st().TaskForceList[static_cast<std::size_t>(i)]; }
    long rows() {
        t.game.FileDta1.Refresh();
        return t.game.FileDta1.rs().RecordCount();
    }
    // Stores `ships`-strong fleets of `side` from `from` to `to`, as that side's turn would.
    void store(int side, int from, std::vector<std::pair<int, double>> fleets) {
        st().CurrentPlTurn = static_cast<Int16>(side);
        st().TaskForceLast = -1;
        for (const auto& [to, ships] : fleets) LaunchTaskForce(st(), from, to, ships);
        SaveTaskForces(t.game);
    }
};

TEST_F(TaskForces, LaunchRoundsHalfToEvenAndNumbersTheFleet) {
    ASSERT_EQ(LaunchTaskForce(st(), 0, 1, 3.5), LaunchResult::Launched);
    // 10 - 3.5 = 6.5 -> 6 left; distance 5 -> 3 years.
    EXPECT_EQ(std::tuple(tf(0).NumOfShips, st().planet(0).Ships, tf(0).TFNum, tf(0).PlNum.padded(),
                         tf(0).StartPl.padded(), tf(0).EndPl.padded(), tf(0).RemTurns),
              std::tuple(4, 6, 0, "0", "01", "02", 4103));
    st().planet(0).Ships = 10;
    LaunchTaskForce(st(), 0, 2, 2.5);
    // 7.5 -> 8 left; distance 7 -> 4 years.
    EXPECT_EQ(std::tuple(tf(1).NumOfShips, st().planet(0).Ships, tf(1).RemTurns),
              std::tuple(2, 8, 4104));
    // Numbers continue from the last task force loaded.
    st().TaskForceList[1].TFNum = 7;
    LaunchTaskForce(st(), 2, 1, 1);
    EXPECT_EQ(tf(2).TFNum, 8);
}

TEST_F(TaskForces, SaveMatchesRowsInOrderAndSkipsEmptyEntries) {
    st().CurrentPlTurn = 0;
    SaveTaskForces(t.game);
    EXPECT_EQ(rows(), 0);
    store(1, 2, {{1, 5}, {0, 6}});
    EXPECT_EQ(rows(), 2);
    // Reload, change one, add an empty entry and a new one: rows are edited, not duplicated.
    LoadTaskForces(t.game);
    ASSERT_EQ(st().TaskForceLast, 1);
    st().TaskForceList[1].NumOfShips = 9;
    LaunchTaskForce(st(), 2, 1, 0);
    LaunchTaskForce(st(), 2, 1, 4);
    SaveTaskForces(t.game);
    EXPECT_EQ(rows(), 3);
    LoadTaskForces(t.game);
    ASSERT_EQ(st().TaskForceLast, 2);
    EXPECT_EQ(std::tuple(tf(0).NumOfShips, tf(1).NumOfShips, tf(2).TFNum, tf(2).NumOfShips),
              std::tuple(5, 9, 3, 4));
}

// A damaged file may hold more rows of a side than its list has places: the list takes the
// first of them and stops full.
TEST_F(TaskForces, LoadStopsWhenTheListIsFull) {
    st().planet(2).Ships = 5000;
    store(1, 2, std::vector<std::pair<int, double>>(kTaskForceSlots, {1, 1}));
    EditWorkingFile(t.game,
                    "INSERT INTO Ships (PlNum, TFNum, StartPl, EndPl, RemTurns, NumOfShips) "
                    "VALUES (1, 5000, '03', '02', 4105, 1), (1, 5001, '03', '02', 4105, 1)");
    ASSERT_EQ(rows(), kTaskForceSlots + 2);
    LoadTaskForces(t.game);
    EXPECT_EQ(std::tuple(st().TaskForceLast, tf(kTaskForceSlots - 1).TFNum),
              std::tuple(kTaskForceSlots - 1, kTaskForceSlots - 1));
}

TEST_F(TaskForces, LoadTakesOnlyTheCurrentSidesRows) {
    store(1, 2, {{1, 5}});
    store(0, 0, {{1, 2}, {1, 2}});
    st().CurrentPlTurn = 1;
    ShowTurnStatus(t.game, true);
    EXPECT_EQ(std::tuple(st().TaskForceLast, t.view.statusShown), std::tuple(0, 1));
    st().CurrentPlTurn = 3;
    ShowTurnStatus(t.game, false);
    EXPECT_EQ(std::tuple(st().TaskForceLast, t.view.statusShown), std::tuple(-1, 1));
}

TEST_F(TaskForces, ShipsHeadingToCountsEveryMatchingRow) {
    // Player 1's fleet to planet 1 sits between player 0's fleets to elsewhere and the Empire's:
    // every row bound for planet 1 must count, wherever it stands.
    store(0, 0, {{1, 2}, {2, 3}, {1, 1}});
    store(1, 2, {{1, 7}});
    st().planet(1).Ships = 20;
    store(kEmpire, 1, {{0, 11}});
    const std::tuple<int, int, int> cases[] = {{1, -1, 10}, {1, 0, 3},        {1, 1, 7},
                                               {0, -1, 0},  {0, kEmpire, 11}, {2, -1, 3}};
    for (const auto& [planet, side, ships] : cases)
        EXPECT_EQ(ShipsHeadingTo(t.game, planet, side), ships) << planet << " " << side;
}

}  // namespace
}  // namespace zenthar::testing
