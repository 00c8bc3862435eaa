// Headless games through the library: the years played and who has won. The scripted players'
// orders, reproducibility and the saved games a run writes are tested through the program in
// simulation_cli_test.cpp, whose recorded seeded games pin every order the greedy player gives.
#include "sim/simulation.h"

#include <gtest/gtest.h>

#include <numeric>

#include "support/galaxy_builder.h"
#include "turn/endturn.h"
#include "turn/lookups.h"
#include "turn/taskforces.h"

namespace zenthar::testing {
namespace {

using sim::BotKind;
using sim::GameResult;
using sim::SimulationOptions;

TEST(Simulation, PassivePlayersLastTheYearsAskedFor) {
    SimulationOptions o;
    o.programDir = ZENTHAR_PROGRAM_DIR;
    o.years = 4;
    o.bot = BotKind::Passive;
    o.seed = 11;
    o.players = 3;
    o.planets = 12;
    std::vector<int> yearsSeen;
    const GameResult r = sim::RunGame(o, [&](Game& g) { yearsSeen.push_back(g.st.CurrentYear); });
    EXPECT_EQ(yearsSeen, (std::vector<int>{4101, 4102, 4103, 4104}));
    EXPECT_EQ(r.firstYear, 4100);
    EXPECT_EQ(r.lastYear, 4104);
    EXPECT_EQ(r.winnerName, "none");
    ASSERT_EQ(r.sides.size(), 4u);
    EXPECT_EQ(r.sides[3].name, "Empire");
    EXPECT_EQ(std::accumulate(r.sides.begin(), r.sides.end(), 0,
                              [](int n, const sim::SideResult& s) { return n + s.planets; }),
              12);
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(r.sides[static_cast<std::size_t>(p)].taskForces, 0);  // passive: no orders
}

TEST(Simulation, WinnerIsTheLastSideStanding) {
    TestGame tg;
    // clang-format off
    GalaxyBuilder(tg.game).players({"Ann", "Bob"})
        .planet(0, 1, 1).owner(0).home().ships(5)
        .planet(1, 30, 30).owner(1).home().ships(5)
        .planet(2, 10, 40).ships(5)
        .build();
    // clang-format on
    EXPECT_EQ(Winner(tg.game), -1);
    tg.st().planet(2).Scouted = "0200";
    EXPECT_EQ(Winner(tg.game), -1);  // two players left
    tg.st().planet(0).Scouted = "1300";
    EXPECT_EQ(Winner(tg.game), 1);

    // A fleet in flight keeps a side in the game.
    tg.st().CurrentPlTurn = 0;
    ASSERT_EQ(LaunchTaskForce(tg.st(), 1, 0, 1), LaunchResult::Launched);
    SaveTaskForces(tg.game);
    EXPECT_EQ(Winner(tg.game), -1);

    for (int i = 0; i < 3; ++i) tg.st().planet(i).Scouted = "1100";
    EXPECT_EQ(Winner(tg.game), -1);  // Ann's fleet still flies
    tg.game.FileDta1.Refresh();
    tg.game.FileDta1.rs().MoveFirst();
    tg.game.FileDta1.rs().Delete();
    EXPECT_EQ(Winner(tg.game), kEmpire);
}

}  // namespace
}  // namespace zenthar::testing
