// Launching task forces, storing them in the Ships table and counting fleets bound somewhere.
#include <gtest/gtest.h>

#include "support/galaxy_builder.h"
#include "turn/taskforces.h"

namespace zenthar {
namespace {

class TaskForces : public ::testing::Test {
protected:
    void SetUp() override {
        testing::GalaxyBuilder(t.game)
            .players({"Ann", "Bob"})
            .planet(0, 0, 0).owner(0).home().ships(10)
            .planet(1, 3, 4)
            .planet(2, 0, 7).owner(1).home().ships(50)
            .build();
    }
    testing::TestGame t;
    GameState& st() { return t.st(); }
    long rows() {
        t.game.FileDta1.Refresh();
        return t.game.FileDta1.rs().RecordCount();
    }
};

TEST_F(TaskForces, LaunchRoundsBothSidesHalfToEven) {
    st().CurrentYear = 4100;
    ASSERT_EQ(LaunchTaskForce(st(), 0, 1, 3.5), LaunchResult::Launched);
    EXPECT_EQ(st().TaskForceList[0].NumOfShips, 4);
    EXPECT_EQ(st().planet(0).Ships, 6);  // 10 - 3.5 = 6.5 -> 6
    st().planet(0).Ships = 10;
    LaunchTaskForce(st(), 0, 1, 2.5);
    EXPECT_EQ(st().TaskForceList[1].NumOfShips, 2);
    EXPECT_EQ(st().planet(0).Ships, 8);  // 7.5 -> 8
}

TEST_F(TaskForces, LaunchNumbersArrivalAndIds) {
    st().CurrentYear = 4100;
    st().CurrentPlTurn = 0;
    LaunchTaskForce(st(), 0, 1, 1);
    const TaskForceRecord& tf = st().TaskForceList[0];
    EXPECT_EQ(tf.TFNum, 0);
    EXPECT_EQ(tf.PlNum.padded(), "0");
    EXPECT_EQ(tf.StartPl.padded(), "01");
    EXPECT_EQ(tf.EndPl.padded(), "02");
    EXPECT_EQ(tf.RemTurns, 4103);  // distance 5 -> 3 years
    LaunchTaskForce(st(), 0, 2, 1);
    EXPECT_EQ(st().TaskForceList[1].RemTurns, 4104);  // distance 7 -> 4 years
}

TEST_F(TaskForces, NumbersContinueFromTheLastLoadedTaskForce) {
    st().TaskForceLast = 0;
    st().TaskForceList[0].TFNum = 7;
    for (int i = 0; i < 3; ++i) LaunchTaskForce(st(), 2, 1, 1);
    EXPECT_EQ(st().TaskForceList[1].TFNum, 8);
    EXPECT_EQ(st().TaskForceList[2].TFNum, 9);
    EXPECT_EQ(st().TaskForceList[3].TFNum, 10);
}

TEST_F(TaskForces, AFullListRefusesTheLaunchAndChangesNothing) {
    st().TaskForceLast = kTaskForceSlots - 1;
    EXPECT_EQ(LaunchTaskForce(st(), 0, 1, 3), LaunchResult::ListFull);
    EXPECT_EQ(st().TaskForceLast, kTaskForceSlots - 1);
    EXPECT_EQ(st().planet(0).Ships, 10);
}

TEST_F(TaskForces, SaveMatchesRowsInOrderAndSkipsEmptyEntries) {
    st().CurrentPlTurn = 1;
    LaunchTaskForce(st(), 2, 1, 5);
    LaunchTaskForce(st(), 2, 0, 6);
    SaveTaskForces(t.game);
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
    EXPECT_EQ(st().TaskForceList[0].NumOfShips, 5);
    EXPECT_EQ(st().TaskForceList[1].NumOfShips, 9);
    EXPECT_EQ(st().TaskForceList[2].TFNum, 3);
    EXPECT_EQ(st().TaskForceList[2].NumOfShips, 4);
}

TEST_F(TaskForces, EmptyListWritesNothing) {
    st().CurrentPlTurn = 0;
    SaveTaskForces(t.game);
    EXPECT_EQ(rows(), 0);
}

TEST_F(TaskForces, LoadTakesOnlyTheCurrentSidesRows) {
    st().CurrentPlTurn = 1;
    LaunchTaskForce(st(), 2, 1, 5);
    SaveTaskForces(t.game);
    st().CurrentPlTurn = 0;
    st().TaskForceLast = -1;
    LaunchTaskForce(st(), 0, 1, 2);
    LaunchTaskForce(st(), 0, 1, 2);
    SaveTaskForces(t.game);
    st().CurrentPlTurn = 1;
    ShowTurnStatus(t.game, true);
    EXPECT_EQ(st().TaskForceLast, 0);
    EXPECT_EQ(t.view.statusShown, 1);
    st().CurrentPlTurn = 3;
    ShowTurnStatus(t.game, false);
    EXPECT_EQ(st().TaskForceLast, -1);
    EXPECT_EQ(t.view.statusShown, 1);
}

TEST_F(TaskForces, ShipsHeadingToCountsEveryMatchingRow) {
    // Player 1's fleet to planet 1 sits between player 0's fleets to elsewhere and the Empire's:
    // every row bound for planet 1 must count, wherever it stands.
    st().CurrentPlTurn = 0;
    LaunchTaskForce(st(), 0, 1, 2);
    LaunchTaskForce(st(), 0, 2, 3);
    LaunchTaskForce(st(), 0, 1, 1);
    SaveTaskForces(t.game);
    st().CurrentPlTurn = 1;
    st().TaskForceLast = -1;
    LaunchTaskForce(st(), 2, 1, 7);
    SaveTaskForces(t.game);
    st().CurrentPlTurn = kEmpire;
    st().TaskForceLast = -1;
    st().planet(1).Ships = 20;
    LaunchTaskForce(st(), 1, 0, 11);
    SaveTaskForces(t.game);
    EXPECT_EQ(ShipsHeadingTo(t.game, 1, -1), 10);
    EXPECT_EQ(ShipsHeadingTo(t.game, 1, 0), 3);
    EXPECT_EQ(ShipsHeadingTo(t.game, 1, 1), 7);
    EXPECT_EQ(ShipsHeadingTo(t.game, 0, -1), 0);
    EXPECT_EQ(ShipsHeadingTo(t.game, 0, kEmpire), 11);
    EXPECT_EQ(ShipsHeadingTo(t.game, 2, -1), 3);
}

}  // namespace
}  // namespace zenthar
