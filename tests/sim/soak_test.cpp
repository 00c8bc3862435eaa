// The long soak itself: it covers every set-up, counts what it plays, and reports a broken rule
// instead of passing over it.
#include "sim/soak.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "support/galaxy_builder.h"
#include "support/savegame_tools.h"

namespace zenthar::testing {
namespace {

TEST(Soak, SeventyTwoGamesInARowCoverEverySetUp) {
    std::set<std::tuple<int, int, int, bool>> seen;
    for (int n = 0; n < sim::kSoakSetUps; ++n) {
        const sim::SoakSetUp s = sim::SoakSetUpOf(n + 144);
        ASSERT_GE(s.skill, 0);
        ASSERT_LE(s.skill, 2);
        ASSERT_GE(s.players, 1);
        ASSERT_LE(s.players, 4);
        seen.emplace(s.skill, s.players, s.planets, s.bot == sim::BotKind::Greedy);
    }
    EXPECT_EQ(seen.size(), 72u);
    std::set<int> sizes;
    for (const auto& s : seen) sizes.insert(std::get<2>(s));
    EXPECT_EQ(sizes, (std::set<int>{5, 26, 50}));
}

sim::SoakOptions Short(int games, int years) {
    sim::SoakOptions o;
    o.games = games;
    o.years = years;
    o.seed = 500;
    o.programDir = ZENTHAR_PROGRAM_DIR;
    return o;
}

TEST(Soak, CleanGamesAreCountedAndEachIsSavedAndOpenedOnce) {
    std::vector<sim::SoakGameReport> reports;
    const sim::SoakTotals t =
        sim::RunSoak(Short(3, 15), [&](const sim::SoakGameReport& r) { reports.push_back(r); });
    ASSERT_EQ(reports.size(), 3u);
    long long years = 0;
    for (const auto& r : reports) {
        EXPECT_TRUE(r.faults.empty()) << r.faults.front();
        EXPECT_GT(r.roundTripYear, r.result.firstYear);
        EXPECT_LE(r.roundTripYear, r.result.lastYear);
        years += r.result.yearsPlayed;
    }
    EXPECT_EQ(reports[2].seed, 502u);
    EXPECT_EQ(t.games, 3);
    EXPECT_EQ(t.gameYears, years);
    EXPECT_EQ(t.roundTrips, 3);
    EXPECT_EQ(t.faults, 0);
    EXPECT_EQ(t.faultyGames, 0);
}

TEST(Soak, ABrokenRuleIsReportedWithItsYear) {
    int tampered = 0;
    const sim::SoakTotals t = sim::RunSoak(
        Short(2, 6),
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

TEST(Soak, AGameOfEverySideSavedAndOpenedComesBackTheSame) {
    TestGame g;
    MakeSampleGame(g.game, 77, {4, 30, 12});
    EXPECT_EQ(sim::RoundTripDifference(g.game, ZENTHAR_PROGRAM_DIR, g.folder.path()), "");
    EXPECT_FALSE(std::filesystem::exists(g.folder.path() / "round-trip.mdb"));
}

TEST(Soak, AGameTheEmpireHasWonComesBackTheSame) {
    TestGame g;
    MakeSampleGame(g.game, 78, {3, 26, 10});
    // Past the last player the turn is nobody's: a list still in memory must not be stored under
    // a player who is not in the game (the file would not open again).
    g.game.st.CurrentPlTurn = g.game.st.PlayesNum;
    ASSERT_GE(g.game.st.TaskForceLast, 0);
    EXPECT_EQ(sim::RoundTripDifference(g.game, ZENTHAR_PROGRAM_DIR, g.folder.path()), "");
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
