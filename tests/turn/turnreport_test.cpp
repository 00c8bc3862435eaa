// The turn report file, byte for byte, as whole year ends write it.
#include "turn/turnreport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "support/galaxy_builder.h"
#include "turn/endturn.h"
#include "turn_test_support.h"

namespace zenthar::testing {
namespace {

using namespace turn_support;

// Whole year ends of a one-player game: Ann holds Terra (home), the Empire Vega and Rigel.
class YearEndReportTest : public ::testing::Test {
  protected:
    YearEndReportTest() {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann"}).skill(1)
            .planet(0, 1, 1).owner(0).home().ships(30).production(5, 20)
            .planet(1, 7, 1).ships(4).production(2, 2)
            .planet(2, 40, 40).production(1, 1)
            .build();
        // clang-format on
        t.st().planet(0).Name = "Terra";
        t.st().planet(1).Name = "Vega";
        t.st().SkipEndTurnScreen = true;
        t.random.setFallback(Die(6));
    }
    TestGame t;
};

// The fleet stored last lands first: the attack line, then the reinforcement with its four tabs
// in a row where the battle's counts would stand. The skipped end turn screen shows nothing of
// the landings, plays no sound and opens the summary instead.
TEST_F(YearEndReportTest, LandingLinesAreWrittenWhenTheScreenIsSkipped) {
    FillCrt(t.st(), 100);
    AddTaskForce(t.game, 0, 0, 0, 6, 4101);
    AddTaskForce(t.game, 0, 0, 1, 9, 4101);
    EndTurn(t.game);
    EXPECT_EQ(ReadText(t.game.ReportFile()),
              "Current Year: \t 4100\r\n"
              "\r\n"
              "Attacker\tPlanet\tDefender\tAttacking Ships\tDefending Ships\tAtt.Remaining\t"
              "Def.Remaining\tResult\r\n"
              "\r\n"
              "Ann\tVega\tEmpire\t 9\t 4\t 9\t 0\tAnn conquered the planet Vega\r\n"
              "Ann\tTerra\tAnn\t 6\t\t\t\t6 ships of Ann have reached the planet Terra\r\n"
              "\r\n");
    for (const char* shown :
         {"showWindow", "landingAnimation", "battleRound", "rebelRound", "showMessage"})
        EXPECT_EQ(t.display.count(shown), 0) << shown;
    EXPECT_EQ(std::tuple(t.display.sounds.size(), t.display.messagesShown(), t.view.summaries),
              std::tuple(0u, false, 1));
}

TEST_F(YearEndReportTest, AReportThatCannotBeWrittenIsReportedAndTheYearStillEnds) {
    std::ofstream(t.game.ReportFile()) << "last year\r\n";
    std::filesystem::create_directories(t.game.ReportDraftFile());  // a folder in its place
    EndTurn(t.game);
    EXPECT_FALSE(std::filesystem::exists(t.game.ReportFile())) << "last year's shown as this";
    EXPECT_EQ(t.st().CurrentYear, 4101);
    EXPECT_EQ(t.st().planet(0).Ships, 35);
    const auto texts = t.dialogs.texts();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& text) {
        return text.find("turn report could not be written") != std::string::npos;
    }));
}

}  // namespace
}  // namespace zenthar::testing
