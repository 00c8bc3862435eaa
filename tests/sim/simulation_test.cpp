// Headless games through the library: the years played and the sides at the end. The scripted
// players' orders, reproducibility and the saved games a run writes are tested through the program
// in simulation_cli_test.cpp, whose recorded seeded games pin every order the greedy player gives.
#include "sim/simulation.h"

#include <gtest/gtest.h>

#include <numeric>

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

}  // namespace
}  // namespace zenthar::testing
