// Rebel risings: who may rise and how often, how many rebels, how many ships they destroy, when
// a planet falls back to the Empire, and what is shown and written.
#include "turn/rebels.h"

#include <gtest/gtest.h>

#include "support/galaxy_builder.h"
#include "turn_test_support.h"

namespace zenthar::testing {
namespace {

using namespace turn_support;

constexpr double kRise = 0.0;     // r = 1: rises at every skill level
constexpr double kNoRise = 0.99;  // r = 100: never rises

// Ann holds Terra (home, hostility 0) and Luna (hostility 5, 8 ships); Vega is the Empire's.
class RebelsTest : public ::testing::Test {
  protected:
    RebelsTest() {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"}).skill(1).year(4107)
            .planet(0, 1, 1).owner(0).home().ships(30)
            .planet(1, 5, 1).owner(0).ships(8).production(3, 9).hostility(5)
            .planet(2, 9, 1).ships(4).hostility(9)
            .build();
        // clang-format on
        t.st().planet(1).Name = "Luna";
        t.st().SoundsOff = false;
    }

    // Runs the rebel step of one planet and returns its report line (empty when none).
    std::string Rise(int planet) {
        {
            TurnReport report(t.game.ReportFile());
            RebelStep(t.game, report, planet);
        }
        const auto lines = ReportLines(t.game.ReportFile());
        return lines.empty() ? std::string() : lines.front();
    }

    TestGame t;
};

// No rising: an Empire planet, a planet without hostility and an unknown skill level draw
// nothing; a draw above the chance changes nothing.
TEST_F(RebelsTest, WhereNoRisingCanComeNothingIsDrawnShownOrChanged) {
    EXPECT_EQ(Rise(2), "");
    EXPECT_EQ(Rise(0), "");
    t.st().EmpireSkill = 7;
    EXPECT_EQ(Rise(1), "");
    EXPECT_EQ(t.random.draws, 0);
    t.st().EmpireSkill = 1;
    t.random.push(kNoRise);
    EXPECT_EQ(Rise(1), "");
    EXPECT_EQ(t.random.draws, 1);
    EXPECT_EQ(t.st().planet(1).Ships, 8);
    EXPECT_TRUE(t.display.log.empty());
}

TEST_F(RebelsTest, TheChanceOfARisingFollowsTheEmpiresSkill) {
    EXPECT_EQ(RisingChance(-1), 0);
    const struct {
        int skill;
        double rises, stays;
    } cases[] = {{0, 0.14, 0.15}, {1, 0.44, 0.45}, {2, 0.59, 0.60}};
    for (const auto& c : cases) {
        t.st().EmpireSkill = c.skill;
        t.random.push(c.stays);
        EXPECT_EQ(Rise(1), "") << c.skill;
        t.random.push(c.rises);
        t.random.push(0.0);  // one rebel
        EXPECT_NE(Rise(1), "") << c.skill;
    }
}

TEST_F(RebelsTest, TheNumberOfRebelsGrowsWithHostilityAndSkill) {
    EXPECT_EQ(RebelCount(0, 4, 0.99), 3);
    EXPECT_EQ(RebelCount(1, 4, 0.99), 4);
    EXPECT_EQ(RebelCount(2, 4, 0.99), 6);
    EXPECT_EQ(RebelCount(2, 4, 0.0), 1);
    EXPECT_EQ(RebelCount(9, 4, 0.5), 0);
}

TEST_F(RebelsTest, FiveRebelsAgainstEightShipsLeaveThree) {
    t.random.push(kRise);
    t.random.push(0.85);  // Int(5 * 0.85 + 1) = 5 rebels
    EXPECT_EQ(Rise(1),
              "Rebels\tLuna\tAnn\t 5\t 8\t\t 3\tThe rebels distroyed  5 of your precious ships");
    EXPECT_EQ(t.st().planet(1).Ships, 3);
    EXPECT_EQ(t.st().planet(1).Scouted.padded(), "2000");
    EXPECT_EQ(t.st().Hatest[0], 2);
    EXPECT_EQ(t.display.messages,
              std::vector<std::string>{"The rebels distroyed  5 of your precious ships"});
    for (int round = 1; round <= 5; ++round)
        EXPECT_TRUE(t.display.contains("rebelRound " + std::to_string(round) + " " +
                                       std::to_string(9 - round)));
    EXPECT_EQ(t.display.sounds, std::vector<Sound>(5, Sound::Explosion));
}

TEST_F(RebelsTest, RebelsWhoDestroyEveryShipHandThePlanetBackToTheEmpire) {
    t.st().planet(1).Ships = 5;
    t.random.push(kRise);
    t.random.push(0.85);
    EXPECT_EQ(Rise(1),
              "Rebels\tLuna\tAnn\t 5\t 5\t\t 0\tThe rebels took over and handled the planet back "
              "to the Empire");
    const PlanetRecord& luna = t.st().planet(1);
    EXPECT_EQ(luna.Scouted.padded(), "1000");
    EXPECT_EQ(luna.Ships, 0);
    EXPECT_EQ(luna.KnownProd[0], 3);
    EXPECT_EQ(luna.YearScouted[0], 4107);
    EXPECT_EQ(t.st().Hatest[0], 1);
}

TEST_F(RebelsTest, APlanetWithoutShipsFallsWithoutARoundAndCountsNeverGoBelowZero) {
    t.st().planet(1).Ships = 0;
    t.st().Hatest[0] = 0;
    t.random.push(kRise);
    t.random.push(0.5);
    const auto fields = SplitTabs(Rise(1));
    ASSERT_EQ(fields.size(), 8u);
    EXPECT_EQ(fields[4], " 0");
    EXPECT_EQ(fields[6], " 0");
    EXPECT_EQ(t.display.count("rebelRound"), 0);
    EXPECT_EQ(t.st().planet(1).Scouted.padded(), "1000");
    EXPECT_EQ(t.st().Hatest[0], 0);
}

TEST_F(RebelsTest, SkipAllStillShowsTheWindowButNoRoundOrMessage) {
    t.display.skipAll();
    t.random.push(kRise);
    t.random.push(0.85);
    EXPECT_NE(Rise(1), "");
    EXPECT_EQ(t.display.count("showWindow"), 1);
    EXPECT_EQ(t.display.count("rebelRound"), 0);
    EXPECT_TRUE(t.display.messages.empty());
    EXPECT_EQ(t.st().planet(1).Ships, 3);
}

TEST_F(RebelsTest, SkipBattleEndsWithTheRisingAndSoundsOffIsSilent) {
    t.display.skipBattle();
    t.st().SoundsOff = true;
    t.random.push(kRise);
    t.random.push(0.85);
    Rise(1);
    EXPECT_EQ(t.display.count("rebelRound"), 0);
    EXPECT_EQ(t.display.messages.size(), 1u);  // the message follows Skip All only
    EXPECT_TRUE(t.display.roundsShown());

    t.random.push(kRise);
    t.random.push(0.0);
    Rise(1);
    EXPECT_EQ(t.display.count("rebelRound"), 1);
    EXPECT_TRUE(t.display.sounds.empty());
}

}  // namespace
}  // namespace zenthar::testing
