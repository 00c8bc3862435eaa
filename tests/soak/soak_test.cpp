// Fifty seeded games of 300 years, the soak the simulator runs (every skill, player count and
// galaxy size, both scripted players): after every year end the state must still obey the game's
// invariants, and each game saved and opened again on the way must come back the same.
#include "sim/soak.h"

#include <gtest/gtest.h>

namespace zenthar::testing {
namespace {

TEST(Soak, FiftyGamesOfThreeHundredYearsKeepTheRules) {
    const sim::SoakOptions o{
        .games = 50, .years = 300, .seed = 7000, .programDir = ZENTHAR_PROGRAM_DIR};
    const sim::SoakTotals totals = sim::RunSoak(o, [&o](const sim::SoakGameReport& r) {
        EXPECT_TRUE(r.faults.empty())
            << "game " << r.game << ", seed " << r.seed << ": " << r.faults.front();
        EXPECT_GT(r.roundTripYear, 0) << "game " << r.game << " was never saved and opened";
        EXPECT_EQ(r.result.firstYear + r.result.yearsPlayed, r.result.lastYear);
        EXPECT_TRUE(r.result.winner != -1 || r.result.yearsPlayed == o.years) << r.game;
    });
    EXPECT_EQ(std::tuple(totals.games, totals.roundTrips, totals.faults), std::tuple(50, 50, 0));
}

}  // namespace
}  // namespace zenthar::testing
