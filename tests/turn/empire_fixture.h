// What the Empire's tests share: a started test game with the Empire to move, and helpers to
// put Empire fleets in flight and read them back (player fleets: turn_support::AddTaskForce).
#pragma once

#include "turn/empire.h"
#include "turn/empire_steps.h"
#include "turn/lookups.h"
#include "turn_test_support.h"

namespace zenthar::testing {

class EmpireTest : public ::testing::Test {
  protected:
    TestGame tg;
    Game& game = tg.game;
    GameState& st = tg.st();

    GalaxyBuilder galaxy() { return GalaxyBuilder(game); }

    // The state EndTurn leaves before it calls EmpireTurn.
    void empireToMove() {
        st.CurrentPlTurn = kEmpire;
        st.TaskForceLast = -1;
    }

    // An Empire task force already in flight, in the working list.
    TaskForceRecord& empireFleet(int from, int to, int ships, int arrival) {
        const Int16 launchedShips = st.planet(from).Ships;
        EXPECT_EQ(LaunchTaskForce(st, from, to, ships), LaunchResult::Launched);
        st.planet(from).Ships = launchedShips;  // it left in an earlier year
        TaskForceRecord& tf = st.TaskForceList[static_cast<std::size_t>(st.TaskForceLast)];
        tf.RemTurns = static_cast<Int16>(arrival);
        return tf;
    }

    std::vector<TaskForceRecord> launched() const {
        return {st.TaskForceList.begin(), st.TaskForceList.begin() + (st.TaskForceLast + 1)};
    }

    // The Empire's rows of the Ships table, read back as the next year would.
    std::vector<TaskForceRecord> storedEmpireFleets() {
        const Int16 saved = st.CurrentPlTurn;
        st.CurrentPlTurn = kEmpire;
        LoadTaskForces(game);
        auto rows = launched();
        st.CurrentPlTurn = saved;
        return rows;
    }

    FixedText<2> id(int planet) const { return st.planet(planet).PlanetId; }
};

}  // namespace zenthar::testing
