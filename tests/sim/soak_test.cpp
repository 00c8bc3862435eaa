// The long soak itself: it covers every set-up and reports a broken rule instead of passing over
// it. Its count of clean games is checked through the program in simulation_cli_test.cpp.
#include "sim/soak.h"

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

TEST(Soak, SeventyTwoGamesInARowCoverEverySetUp) {
    std::set<std::tuple<int, int, int, bool>> seen;
    for (int n = 0; n < sim::kSoakSetUps; ++n) {
        const sim::SoakSetUp s = sim::SoakSetUpOf(n + 144);
        ASSERT_TRUE(s.skill >= 0 && s.skill <= 2 && s.players >= 1 && s.players <= 4) << n;
        seen.emplace(s.skill, s.players, s.planets, s.bot == sim::BotKind::Greedy);
    }
    EXPECT_EQ(seen.size(), 72u);
    std::set<int> sizes;
    for (const auto& s : seen) sizes.insert(std::get<2>(s));
    EXPECT_EQ(sizes, (std::set<int>{5, 26, 50}));
}

TEST(Soak, ABrokenRuleIsReportedWithItsYear) {
    int tampered = 0;
    const sim::SoakOptions o{
        .games = 2, .years = 6, .seed = 500, .programDir = ZENTHAR_PROGRAM_DIR};
    const sim::SoakTotals t = sim::RunSoak(
        o,
        [](const sim::SoakGameReport& r) {
            ASSERT_FALSE(r.faults.empty());
            EXPECT_EQ(r.faults.front(), "4102: planet 1 has -5 ships");
        },
        [&](Game& g) {
            if (g.st.CurrentYear % 2 == 0) {
                g.st.planet(1).Ships = -5;
                ++tampered;
            }
        });
    EXPECT_EQ(t.faultyGames, 2);
    // A planet left at -5 ships stays wrong in the years after, and each is told.
    EXPECT_GE(t.faults, tampered);
    EXPECT_GT(tampered, 0);
}

// Past the last player the turn is nobody's (the Empire has won): a list still in memory must
// not be stored under a player who is not in the game, or the file would not open again.
TEST(Soak, AGameSavedAndOpenedComesBackTheSameAlsoAfterTheEmpireWon) {
    for (const bool empireWon : {false, true}) {
        TestGame g;
        MakeSampleGame(g.game, empireWon ? 78 : 77, {4, 30, 12});
        if (empireWon) g.game.st.CurrentPlTurn = g.game.st.PlayesNum;
        ASSERT_GE(g.game.st.TaskForceLast, 0);
        EXPECT_EQ(sim::RoundTripDifference(g.game, ZENTHAR_PROGRAM_DIR, g.folder.path()), "");
        EXPECT_FALSE(fs::exists(g.folder.path() / "round-trip.mdb"));
    }
}

// The pictures the round trips compare must tell games apart that differ in one planet or one
// task force, the first ones included, and only in what a save keeps.
TEST(Soak, ThePicturesShowEveryPlanetAndEveryTaskForce) {
    TestGame g;
    MakeSampleGame(g.game, 5, {4, 8, 3});
    const GameState& st = g.game.st;
    ASSERT_GE(st.TaskForceLast, 1);
    for (const int i : {0, static_cast<int>(st.TaskForceLast)}) {
        GameState fleet = st, planet = st;
        fleet.TaskForceList[static_cast<std::size_t>(i)].NumOfShips++;
        planet.planet(i).Ships++;
        for (const GameState* changed : {&fleet, &planet}) {
            EXPECT_NE(sim::DescribeSavedGame(*changed), sim::DescribeSavedGame(st)) << i;
            EXPECT_NE(sim::DescribeWholeState(*changed), sim::DescribeWholeState(st)) << i;
        }
    }
    GameState player = st, ranking = st;
    player.PlName[3] = "Zed";
    ranking.ProdOrder[0] = "xx";
    for (const GameState* changed : {&player, &ranking})
        EXPECT_NE(sim::DescribeSavedGame(*changed), sim::DescribeSavedGame(st));
    GameState beyond = st;  // a planet slot past the galaxy is no part of a saved game
    beyond.planet(st.PlanetsNum).Ships++;
    EXPECT_EQ(sim::DescribeSavedGame(beyond), sim::DescribeSavedGame(st));
    EXPECT_NE(sim::DescribeWholeState(beyond), sim::DescribeWholeState(st));
}

TEST(Soak, ADifferenceNamesTheFirstLineThatDiffers) {
    EXPECT_EQ(sim::FirstDifference("game", "a\nb\n", "a\nb\n"), "");
    EXPECT_EQ(sim::FirstDifference("game", "a\nb\nc\n", "a\nB\nc\n"),
              "game line 2 was \"b\", came back \"B\"");
    EXPECT_EQ(sim::FirstDifference("fleets", "a\n", "a\nz\n"),
              "fleets line 2 was \"(nothing)\", came back \"z\"");
    EXPECT_EQ(sim::FirstDifference("game", "a\n", "a"), "game differs only in its line ends");
}

}  // namespace
}  // namespace zenthar::testing
