// The Fleets in Flight list: the current player's task forces only, soonest first.
#include "reports/fleets_in_flight.h"

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

TEST(FleetsInFlight, ListsExactlyTheCurrentPlayersTaskForcesByArrivalUpToTheLast) {
    TestGame t;
    // clang-format off
    GalaxyBuilder(t.game).players({"Ann", "Bob"}).year(4100)
        .planet(0, 0, 0).owner(0).home().ships(100)
        .planet(1, 0, 9)
        .planet(2, 3, 4)
        .planet(3, 20, 20).owner(1).home().ships(100).build();
    // clang-format on
    GameState& st = t.st();
    auto name = [&](int p) { return st.planet(p).Name.trimmed(); };
    // Bob's fleets go into the Ships table; then Ann's turn, with her own list.
    st.CurrentPlTurn = 1;
    LaunchTaskForce(st, 3, 0, 40);
    SaveTaskForces(t.game);
    st.CurrentPlTurn = 0;
    LoadTaskForces(t.game);
    EXPECT_EQ(FleetsInFlight(st), std::vector<FleetInFlight>{}) << "none of Ann's yet";
    LaunchTaskForce(st, 0, 1, 10);  // distance 9: 4105
    LaunchTaskForce(st, 0, 2, 12);  // distance 5: 4103
    LaunchTaskForce(st, 0, 1, 3);   // 4105 again, after the first
    LaunchTaskForce(st, 0, 2, 1);
    st.TaskForceList[3].EndPl = "99";  // names no planet: left out
    SaveTaskForces(t.game);
    const std::vector<FleetInFlight> ann = {{0, 2, name(0), name(2), 12, 4103, 3},
                                            {0, 1, name(0), name(1), 10, 4105, 5},
                                            {0, 1, name(0), name(1), 3, 4105, 5}};
    EXPECT_EQ(FleetsInFlight(st), ann);
    // A year on, the years left count down.
    st.CurrentYear = 4102;
    EXPECT_EQ(FleetsInFlight(st).front().yearsLeft, 1);

    // Bob sees his own and none of Ann's; the Empire's turn and no turn show nothing.
    st.CurrentPlTurn = 1;
    LoadTaskForces(t.game);
    const std::vector<FleetInFlight> bob = {{3, 0, name(3), name(0), 40, 4114, 12}};
    EXPECT_EQ(FleetsInFlight(st), bob);
    for (int side : {kEmpire, -1}) {
        st.CurrentPlTurn = static_cast<Int16>(side);
        EXPECT_TRUE(FleetsInFlight(st).empty()) << side;
    }

    // A full list of Ann's shows every fleet up to the last, which lands last.
    st.CurrentPlTurn = 0;
    LoadTaskForces(t.game);
    st.planet(0).Ships = 5000;
    while (LaunchTaskForce(st, 0, 1, 1) == LaunchResult::Launched) {
    }
    ASSERT_EQ(st.TaskForceLast, kTaskForceSlots - 1);
    st.TaskForceList[kTaskForceSlots - 1].NumOfShips = 7;  // easy to tell apart
    const std::vector<FleetInFlight> shown = FleetsInFlight(st);
    ASSERT_EQ(shown.size(), static_cast<std::size_t>(kTaskForceSlots - 1)) << "all but 99's";
    EXPECT_EQ(shown.back().ships, 7);
}

}  // namespace
}  // namespace zenthar::testing
