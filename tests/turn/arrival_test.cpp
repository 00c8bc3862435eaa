// Task forces landing at a year end: reinforcements, conquests and failed attacks, what they do
// to the scouting digits, garrisons, planet counts, knowledge and the Empire's campaign, and the
// order in which the Ships table is walked.
#include "turn/arrival.h"

#include <gtest/gtest.h>

#include "support/galaxy_builder.h"
#include "turn_test_support.h"

namespace zenthar::testing {
namespace {

using namespace turn_support;

constexpr int kYear = 4105;

// Ann (0) holds Terra (home) and Luna, Bob (1) holds Mars (home); Vega and Rigel are the
// Empire's.
class ArrivalTest : public ::testing::Test {
  protected:
    ArrivalTest() {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"}).year(kYear)
            .planet(0, 1, 1).owner(0).home().ships(30).production(5, 20)
            .planet(1, 5, 1).owner(0).ships(6).production(2, 8).hostility(3)
            .planet(2, 9, 1).owner(1).home().ships(40).production(6, 20)
            .planet(3, 1, 9).ships(10).production(3, 9).hostility(7)
            .planet(4, 9, 9).ships(0).production(4, 9)
            .build();
        // clang-format on
        const char* names[] = {"Terra", "Luna", "Mars", "Vega", "Rigel"};
        for (int i = 0; i < 5; ++i) t.st().planet(i).Name = names[i];
        t.st().SoundsOff = false;
        t.st().Hatest = {2, 1, 0, 0, 0};
    }

    // Lands everything due this year and returns the report's landing lines.
    std::vector<std::string> Land() {
        {
            TurnReport report(t.game.ReportFile());
            LandTaskForces(t.game, report);
        }
        std::vector<std::string> lines = ReportLines(t.game.ReportFile());
        if (!lines.empty()) lines.erase(lines.begin(), lines.begin() + 2);  // header, empty
        return lines;
    }

    TestGame t;
};

TEST_F(ArrivalTest, APlayerFleetReinforcesItsOwnPlanet) {
    AddTaskForce(t.game, 0, 0, 1, 12, kYear);
    const auto lines = Land();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Ann\tLuna\tAnn\t 12\t\t\t\t12 ships of Ann have reached the planet Luna");
    EXPECT_EQ(t.st().planet(1).Ships, 18);
    EXPECT_EQ(t.st().planet(1).Scouted.padded(), "2000");
    EXPECT_EQ(t.st().Hatest[0], 2);
    const std::string shown =
        "12 ships of Ann have reached the planet " + t.st().planet(1).Name.padded();
    EXPECT_EQ(t.display.messages, std::vector<std::string>{shown});
    for (const char* line : {"showWindow", "setAttacker Ann", "setDefender Ann", "setCounts 12 ",
                             "landingAnimation", "playSound landing", "hideWindow"})
        EXPECT_TRUE(t.display.contains(line)) << line;
    EXPECT_EQ(t.random.draws, 0);  // no battle
}

TEST_F(ArrivalTest, AnEmpireFleetReinforcesAnUnownedPlanet) {
    AddTaskForce(t.game, kEmpire, 3, 4, 7, kYear);
    const auto lines = Land();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0],
              "Empire\tRigel\tEmpire\t 7\t\t\t\t7 Empire ships have reached the planet Rigel");
    EXPECT_EQ(t.st().planet(4).Ships, 7);
}

TEST_F(ArrivalTest, APlayerConquersAnEmpirePlanet) {
    FillCrt(t.st(), 100);
    t.random.push(Die(4));
    t.st().StartPl = "04";  // the Empire's staging planet
    t.st().EndPl = "03";
    AddTaskForce(t.game, 0, 0, 3, 25, kYear);
    const auto lines = Land();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Ann\tVega\tEmpire\t 25\t 10\t 25\t 0\tAnn conquered the planet Vega");
    const PlanetRecord& vega = t.st().planet(3);
    EXPECT_EQ(vega.Scouted.padded(), "2000");
    EXPECT_EQ(vega.Ships, 25 - 3);  // the production phase gives the 3 back
    EXPECT_EQ(t.st().Hatest[0], 3);
    EXPECT_TRUE(t.st().StartPl.blank());
    EXPECT_EQ(t.st().EndPl.padded(), "03");
    // The Empire remembers the planet as it left it.
    EXPECT_EQ(vega.KnownShip[4], 22);
    EXPECT_EQ(vega.KnownProd[4], 3);
    EXPECT_EQ(vega.KnownHost[4], 7);
    EXPECT_EQ(vega.YearScouted[4], kYear);
    EXPECT_EQ(t.display.messages.back(), "Ann conquered the planet " + vega.Name.padded());
}

TEST_F(ArrivalTest, ThePlayerTakesHisHomePlanetBackAsCapital) {
    FillCrt(t.st(), 100);
    t.random.push(Die(2));
    t.st().planet(2).Scouted = "0000";  // Mars, Bob's home, is the Empire's now
    t.st().planet(2).Ships = 3;
    t.st().Hatest[1] = 0;
    AddTaskForce(t.game, 1, 0, 2, 9, kYear);
    Land();
    EXPECT_EQ(t.st().planet(2).Scouted.padded(), "0300");
    EXPECT_EQ(t.st().Hatest[1], 1);
}

TEST_F(ArrivalTest, TheEmpireConquersAPlayersPlanet) {
    FillCrt(t.st(), 100);
    t.random.push(Die(5));
    t.st().EndPl = "02";
    t.st().StartPl = "04";
    AddTaskForce(t.game, kEmpire, 3, 1, 20, kYear);
    const auto lines = Land();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0],
              "Empire\tLuna\tAnn\t 20\t 6\t 20\t 0\tThe Empire conquered the planet Luna");
    const PlanetRecord& luna = t.st().planet(1);
    EXPECT_EQ(luna.Scouted.padded(), "1000");  // Ann keeps it as scouted; the Empire takes no digit
    EXPECT_EQ(luna.Ships, 18);
    EXPECT_EQ(t.st().Hatest[0], 1);
    EXPECT_TRUE(t.st().EndPl.blank());
    EXPECT_EQ(t.st().StartPl.padded(), "04");
    EXPECT_EQ(luna.KnownShip[0], 18);
    EXPECT_EQ(luna.KnownProd[0], 2);
    EXPECT_EQ(luna.KnownHost[0], 3);
    EXPECT_EQ(luna.YearScouted[0], kYear);
}

TEST_F(ArrivalTest, APlayerConquersAnotherPlayersPlanetWhoseCountNeverGoesBelowZero) {
    FillCrt(t.st(), 100);
    t.random.push(Die(3));
    t.st().Hatest[0] = 0;  // out of step, as an old saved game may be
    AddTaskForce(t.game, 1, 2, 1, 15, kYear);
    const auto lines = Land();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Bob\tLuna\tAnn\t 15\t 6\t 15\t 0\tBob conquered the planet Luna");
    EXPECT_EQ(t.st().planet(1).Scouted.padded(), "1200");
    EXPECT_EQ(t.st().Hatest[0], 0);
    EXPECT_EQ(t.st().Hatest[1], 2);
}

TEST_F(ArrivalTest, APlayersFailedAttackScoutsThePlanet) {
    FillCrt(t.st(), -100);
    t.random.push(Die(6));
    AddTaskForce(t.game, 1, 2, 3, 8, kYear);
    const auto lines = Land();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Bob\tVega\tEmpire\t 8\t 10\t 0\t 10\tBob lost the battle of Vega");
    const PlanetRecord& vega = t.st().planet(3);
    EXPECT_EQ(vega.Scouted.padded(), "0100");
    EXPECT_EQ(vega.Ships, 10);
    EXPECT_EQ(vega.KnownShip[1], 10);
    EXPECT_EQ(vega.KnownProd[1], 3);
    EXPECT_EQ(vega.KnownHost[1], 7);
    EXPECT_EQ(vega.YearScouted[1], kYear);
    EXPECT_EQ(t.st().Hatest[1], 1);
}

TEST_F(ArrivalTest, TheEmpiresFailedAttackOnlyRefreshesItsKnowledge) {
    FillCrt(t.st(), -100);
    t.random.push(Die(1));
    AddTaskForce(t.game, kEmpire, 3, 0, 10, kYear);
    const auto lines = Land();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0],
              "Empire\tTerra\tAnn\t 10\t 30\t 0\t 30\tThe Empire lost the battle of Terra");
    EXPECT_EQ(t.st().planet(0).Scouted.padded(), "3000");
    EXPECT_EQ(t.st().planet(0).KnownShip[4], 30);
    EXPECT_EQ(t.st().planet(0).YearScouted[4], kYear);
}

TEST_F(ArrivalTest, APlanetWithoutShipsFallsWithoutARound) {
    AddTaskForce(t.game, 0, 0, 4, 5, kYear);
    const auto lines = Land();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Ann\tRigel\tEmpire\t 5\t 0\t 5\t 0\tAnn conquered the planet Rigel");
    EXPECT_EQ(t.random.draws, 0);
    EXPECT_EQ(t.st().planet(4).Ships, 1);  // 5 survivors less a production of 4
}

TEST_F(ArrivalTest, FleetsAtOnePlanetLandLastRowFirstAndMeetWhatTheFirstLeft) {
    FillCrt(t.st(), 100);
    t.random.setFallback(Die(4));
    AddTaskForce(t.game, 0, 0, 3, 8, kYear);   // stored first (player 0)
    AddTaskForce(t.game, 1, 2, 3, 12, kYear);  // stored last (player 1): lands first
    const auto lines = Land();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Bob\tVega\tEmpire\t 12\t 10\t 12\t 0\tBob conquered the planet Vega");
    // Ann meets Bob's 12 survivors less Vega's production of 3.
    EXPECT_EQ(lines[1], "Ann\tVega\tBob\t 8\t 9\t 8\t 0\tAnn conquered the planet Vega");
    EXPECT_EQ(t.st().planet(3).Scouted.padded(), "2100");
    EXPECT_EQ(t.st().planet(3).Ships, 5);
    EXPECT_EQ(t.st().Hatest[0], 3);
    EXPECT_EQ(t.st().Hatest[1], 1);
}

TEST_F(ArrivalTest, OnlyTheRowsDueThisYearLandAndAreDeleted) {
    AddTaskForce(t.game, 0, 0, 1, 1, kYear - 2);  // its year has passed: it never lands
    AddTaskForce(t.game, 0, 0, 1, 2, kYear);
    AddTaskForce(t.game, 0, 0, 1, 3, kYear + 1);
    AddTaskForce(t.game, kEmpire, 3, 4, 4, kYear);
    const auto lines = Land();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 7), "Empire\t");
    EXPECT_EQ(t.st().planet(1).Ships, 8);
    EXPECT_EQ(t.st().planet(4).Ships, 4);
    const std::vector<std::string> left = {"0 0 02 " + std::to_string(kYear - 2) + " 1",
                                           "0 2 02 " + std::to_string(kYear + 1) + " 3"};
    EXPECT_EQ(ShipsRows(t.game), left);
    EXPECT_EQ(t.view.mapDraws, 1);
}

TEST_F(ArrivalTest, AnEmptyTableWritesNoHeaderAndDrawsNoMap) {
    {
        TurnReport report(t.game.ReportFile());
        LandTaskForces(t.game, report);
    }
    EXPECT_EQ(ReadText(t.game.ReportFile()), "");
    EXPECT_EQ(t.view.mapDraws, 0);
}

TEST_F(ArrivalTest, RowsNamingNoPlanetOrNoSideAreDroppedSafely) {
    AddTaskForce(t.game, 0, 0, 1, 5, kYear, "99");
    AddTaskForce(t.game, 0, 0, 1, 5, kYear, "x1");
    AddTaskForce(t.game, 0, 0, 1, 5, kYear, "06");  // one past the last planet
    AddTaskForce(t.game, 7, 0, 1, 5, kYear);        // no such side
    const PlanetRecord before = t.st().planet(1);
    const auto lines = Land();
    EXPECT_TRUE(lines.empty());
    EXPECT_TRUE(ShipsRows(t.game).empty());
    EXPECT_EQ(t.st().planet(1).Ships, before.Ships);
    EXPECT_EQ(t.display.count("showWindow"), 0);
}

TEST_F(ArrivalTest, DestinationIndexReadsTwoDigitsOfThisGalaxy) {
    EXPECT_EQ(DestinationIndex(t.st(), "01"), 0);
    EXPECT_EQ(DestinationIndex(t.st(), "05"), 4);
    EXPECT_EQ(DestinationIndex(t.st(), "06"), -1);
    EXPECT_EQ(DestinationIndex(t.st(), "00"), -1);
    EXPECT_EQ(DestinationIndex(t.st(), "5 "), -1);
    EXPECT_EQ(DestinationIndex(t.st(), "  "), -1);
}

TEST_F(ArrivalTest, AReinforcementSaturatesInsteadOfOverflowing) {
    t.st().planet(1).Ships = 32000;
    AddTaskForce(t.game, 0, 0, 1, 5000, kYear);
    Land();
    EXPECT_EQ(t.st().planet(1).Ships, 32767);
}

TEST_F(ArrivalTest, SkippedScreensShowNothingButWriteEveryLine) {
    t.st().SkipEndTurnScreen = true;
    t.display.SkipAllFlag = 1;
    FillCrt(t.st(), 0);
    t.random.setFallback(Die(3));
    AddTaskForce(t.game, 0, 0, 1, 4, kYear);
    AddTaskForce(t.game, 1, 2, 3, 30, kYear);
    const auto lines = Land();
    EXPECT_EQ(lines.size(), 2u);
    for (const char* shown : {"showWindow", "landingAnimation", "battleRound", "showMessage"})
        EXPECT_EQ(t.display.count(shown), 0) << shown;
    EXPECT_TRUE(t.display.sounds.empty());
    EXPECT_TRUE(t.display.messages.empty());
}

}  // namespace
}  // namespace zenthar::testing
