// Headless games through the library: the years played, the scripted players' orders and who
// has won. Reproducibility and the saved games a run writes are tested through the program in
// simulation_cli_test.cpp.
#include "sim/simulation.h"

#include <gtest/gtest.h>

#include <numeric>

#include "support/galaxy_builder.h"
#include "turn/lookups.h"
#include "turn/taskforces.h"

namespace zenthar::testing {
namespace {

using sim::BotKind;
using sim::GameResult;
using sim::SimulationOptions;

SimulationOptions Options(int years, BotKind bot, unsigned long long seed) {
    SimulationOptions o;
    o.programDir = ZENTHAR_PROGRAM_DIR;
    o.years = years;
    o.bot = bot;
    o.seed = seed;
    return o;
}

int TotalPlanets(const GameResult& r) {
    return std::accumulate(r.sides.begin(), r.sides.end(), 0,
                           [](int n, const sim::SideResult& s) { return n + s.planets; });
}

TEST(Simulation, PassivePlayersLastTheYearsAskedFor) {
    SimulationOptions o = Options(4, BotKind::Passive, 11);
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
    EXPECT_EQ(TotalPlanets(r), 12);
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
    EXPECT_EQ(sim::Winner(tg.game), -1);
    tg.st().planet(2).Scouted = "0200";
    EXPECT_EQ(sim::Winner(tg.game), -1);  // two players left
    tg.st().planet(0).Scouted = "1300";
    EXPECT_EQ(sim::Winner(tg.game), 1);

    // A fleet in flight keeps a side in the game.
    tg.st().CurrentPlTurn = 0;
    ASSERT_EQ(LaunchTaskForce(tg.st(), 1, 0, 1), LaunchResult::Launched);
    SaveTaskForces(tg.game);
    EXPECT_EQ(sim::Winner(tg.game), -1);

    for (int i = 0; i < 3; ++i) tg.st().planet(i).Scouted = "1100";
    EXPECT_EQ(sim::Winner(tg.game), -1);  // Ann's fleet still flies
    tg.game.FileDta1.Refresh();
    tg.game.FileDta1.rs().MoveFirst();
    tg.game.FileDta1.rs().Delete();
    EXPECT_EQ(sim::Winner(tg.game), kEmpire);
}

class GreedyPlayerTest : public ::testing::Test {
  protected:
    TestGame tg;
    GameState& st = tg.st();
    sim::GreedyPlayer player;

    void play() {
        st.CurrentPlTurn = 0;
        ShowTurnStatus(tg.game, false);
        player.PlayTurn(tg.game);
    }
    std::vector<TaskForceRecord> orders() const {
        return {st.TaskForceList.begin(), st.TaskForceList.begin() + (st.TaskForceLast + 1)};
    }
};

TEST_F(GreedyPlayerTest, StrikesTheNearestPlanetItCanBeatTwoToOne) {
    // clang-format off
    GalaxyBuilder(tg.game).players({"Ann"})
        .planet(0, 1, 1).owner(0).home().ships(100).production(10, 10)
        .planet(1, 1, 9).ships(40).production(5, 10)   // 4 years: 60 expected, 121 needed
        .planet(2, 9, 1).ships(20).production(1, 10)   // 4 years: 24 expected, 49 needed
        .planet(3, 40, 40).ships(0)
        .build();
    // clang-format on
    play();
    auto sent = orders();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].EndPl, st.planet(2).PlanetId);
    EXPECT_EQ(sent[0].NumOfShips, 49);
    EXPECT_EQ(st.planet(0).Ships, 51);
    EXPECT_TRUE(tg.dialogs.asked.empty());  // production is at its limit: nothing to ask
}

TEST_F(GreedyPlayerTest, RaisesProductionThroughTheOrderAndKeepsAGarrison) {
    // clang-format off
    GalaxyBuilder(tg.game).players({"Ann"})
        .planet(0, 1, 1).owner(0).home().ships(40).production(10, 20)
        .planet(1, 40, 40).ships(500).production(10, 10)
        .build();
    // clang-format on
    tg.dialogs.answer(Answer::Yes);
    play();
    ASSERT_EQ(tg.dialogs.asked.size(), 1u);
    EXPECT_EQ(tg.dialogs.asked[0].buttons, Buttons::YesNo);
    EXPECT_EQ(st.planet(0).Production, 11);
    EXPECT_EQ(st.planet(0).Ships, 30);
    EXPECT_EQ(sim::GreedyPlayer::Garrison(st.planet(0)), 22);
    // 8 ships spare: no planet to beat, and no other planet of its own to gather on.
    EXPECT_EQ(st.TaskForceLast, -1);
}

TEST_F(GreedyPlayerTest, ASurplusTooSmallForAnyTargetGathersAtTheFront) {
    // clang-format off
    GalaxyBuilder(tg.game).players({"Ann"})
        .planet(0, 1, 1).owner(0).home().ships(60).production(10, 10)
        .planet(1, 1, 30).owner(0).ships(5).production(1, 1).hostility(1)
        .planet(2, 1, 40).ships(300).production(5, 10)
        .build();
    // clang-format on
    play();
    auto sent = orders();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].StartPl, st.planet(0).PlanetId);
    EXPECT_EQ(sent[0].EndPl, st.planet(1).PlanetId);  // nearest of Ann's to planet 2
    EXPECT_EQ(sent[0].NumOfShips, 40);
}

TEST_F(GreedyPlayerTest, CountsItsFleetsAlreadyOnTheWay) {
    // clang-format off
    GalaxyBuilder(tg.game).players({"Ann"})
        .planet(0, 1, 1).owner(0).home().ships(100).production(10, 10)
        .planet(1, 9, 1).ships(20).production(1, 10)
        .planet(2, 1, 20).ships(20).production(1, 10)
        .build();
    // clang-format on
    st.CurrentPlTurn = 0;
    ASSERT_EQ(LaunchTaskForce(st, 0, 1, 60), LaunchResult::Launched);
    SaveTaskForces(tg.game);
    st.planet(0).Ships = 100;
    play();
    auto sent = orders();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].EndPl, st.planet(2).PlanetId);  // planet 1 is taken care of
}

}  // namespace
}  // namespace zenthar::testing
