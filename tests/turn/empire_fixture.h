// What the Empire's tests share: a started test game with the Empire to move, and helpers to
// put player fleets into the Ships table and read the Empire's fleets back.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/galaxy_builder.h"
#include "turn/empire.h"
#include "turn/empire_steps.h"
#include "turn/lookups.h"
#include "turn/taskforces.h"

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

    // A task force of a human player, stored in the Ships table as that player's turn would.
    void playerFleet(int player, int from, int to, int ships, int arrival = 0) {
        const Int16 saved = st.CurrentPlTurn;
        st.CurrentPlTurn = static_cast<Int16>(player);
        LoadTaskForces(game);
        ASSERT_EQ(LaunchTaskForce(st, from, to, 0), LaunchResult::Launched);
        TaskForceRecord& tf = st.TaskForceList[static_cast<std::size_t>(st.TaskForceLast)];
        tf.NumOfShips = static_cast<Int16>(ships);
        if (arrival != 0) tf.RemTurns = static_cast<Int16>(arrival);
        SaveTaskForces(game);
        st.CurrentPlTurn = saved;
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
