// Fifty seeded games of 300 years across skills, player counts, galaxy sizes and both scripted
// players. After every year end the state must still obey the game's invariants, and the game
// left at the end must save and open again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/saveload.h"
#include "sim/invariants.h"
#include "sim/simulation.h"
#include "support/galaxy_builder.h"
#include "turn/lookups.h"

namespace zenthar::testing {
namespace {

constexpr int kGames = 50;
constexpr int kYears = 300;

struct SoakCase {
    int n;
    int skill;
    int players;
    int planets;
    sim::BotKind bot;
};

SoakCase CaseOf(int n) {
    static const int kPlanets[] = {5, 8, 12, 18, 26, 35, 50};
    return {n, n % 3, 1 + (n / 3) % 4, kPlanets[n % 7],
            n % 2 == 1 ? sim::BotKind::Greedy : sim::BotKind::Passive};
}

class SoakGame : public ::testing::TestWithParam<int> {};

TEST_P(SoakGame, PlaysThreeHundredYearsWithTheRulesKept) {
    const SoakCase c = CaseOf(GetParam());
    TempProgramFolder out;
    sim::SimulationOptions o;
    o.programDir = ZENTHAR_PROGRAM_DIR;
    o.players = c.players;
    o.planets = c.planets;
    o.skill = c.skill;
    o.bot = c.bot;
    o.years = kYears;
    o.seed = 7000 + static_cast<unsigned long long>(c.n);
    o.saveFinal = out.path() / "final.mdb";

    sim::InvariantCheck check;
    int yearEnds = 0;
    sim::GameResult result;
    ASSERT_NO_THROW(result = sim::RunGame(o, [&](Game& g) {
                        ++yearEnds;
                        check(g);
                    }));
    EXPECT_TRUE(check.faults().empty()) << "seed " << o.seed << check.report();

    EXPECT_EQ(yearEnds, result.yearsPlayed);
    EXPECT_EQ(result.firstYear + result.yearsPlayed, result.lastYear);
    if (result.winner == -1)
        EXPECT_EQ(result.yearsPlayed, kYears);
    else
        EXPECT_LE(result.yearsPlayed, kYears);

    TestGame reopened;
    ASSERT_NO_THROW(LoadGame(reopened.game, o.saveFinal)) << "seed " << o.seed;
    EXPECT_EQ(reopened.st().CurrentYear, result.lastYear);
    EXPECT_EQ(sim::CountSides(reopened.game).back().planets, result.sides.back().planets);
}

std::string CaseName(const ::testing::TestParamInfo<int>& info) {
    const SoakCase c = CaseOf(info.param);
    static const char* const kSkills[] = {"beginner", "intermediate", "advanced"};
    return "game" + std::to_string(c.n) + "_" + kSkills[c.skill] + "_" + std::to_string(c.players) +
           "players_" + std::to_string(c.planets) + "planets_" +
           (c.bot == sim::BotKind::Greedy ? "greedy" : "passive");
}

INSTANTIATE_TEST_SUITE_P(Soak, SoakGame, ::testing::Range(0, kGames), CaseName);

}  // namespace
}  // namespace zenthar::testing
