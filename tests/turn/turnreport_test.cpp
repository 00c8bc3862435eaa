// The turn report file, byte for byte, as whole year ends write it.
#include "turn/turnreport.h"

#include "support/small_disk.h"
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
            .planet(2, 40, 40).production(1, 1).build();
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
    EXPECT_EQ(ReadText(t.game.ReportPath()),
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

// A folder in the report's place: the year ends, is kept in the History with its report, and the
// player hears of it once, not at every year end; the folder is left as it is.
TEST_F(YearEndReportTest, AReportThatCannotBeWrittenIsToldOnceAndTheHistoryKeepsIt) {
    fs::create_directories(t.game.ReportPath());
    EndTurn(t.game);
    EndTurn(t.game);
    EXPECT_TRUE(fs::is_directory(t.game.ReportPath()));
    EXPECT_EQ(std::tuple(t.st().CurrentYear, t.st().planet(0).Ships), std::tuple(4102, 40));
    const std::string file = t.game.ReportPath().string();
    const std::string told =
        "The turn report could not be written to " + file + ". " + file + " is a folder.";
    EXPECT_EQ(TimesSaid(t.dialogs, told), 1);
    ASSERT_EQ(t.st().Chronicle.size(), 2u);
    std::string kept;
    t.st().Chronicle.back().report(kept);
    EXPECT_EQ(kept.rfind("Current Year: \t 4101\r\n", 0), 0u) << kept;

    // Once a report could be written again, the next failure is told again.
    fs::remove(t.game.ReportPath());
    EndTurn(t.game);
    EXPECT_EQ(ReadText(t.game.ReportPath()).rfind("Current Year: \t 4102", 0), 0u);
    fs::remove(t.game.ReportPath());
    fs::create_directories(t.game.ReportPath());
    EndTurn(t.game);
    EXPECT_EQ(TimesSaid(t.dialogs, told), 2);
}

// The report's file on a disk that is full: the year ends, the player hears why, and the History
// keeps the year's report.
TEST_F(YearEndReportTest, AReportOnAFullDiskIsToldWithTheReasonAndTheYearEnds) {
    const fs::path at = t.folder.path() / "small";
    SmallDisk disk(at, "64k");
    if (!disk.mounted()) GTEST_SKIP() << "no small disk can be mounted here";
    // Only the report's file lies on the full disk, bound over its name.
    std::ofstream(at / "turnrep.txt").flush();
    std::ofstream(t.game.ReportPath()).flush();
    ASSERT_EQ(::mount((at / "turnrep.txt").c_str(), t.game.ReportPath().c_str(), nullptr, MS_BIND,
                      nullptr),
              0);
    disk.fill(0);
    EndTurn(t.game);
    ::umount2(t.game.ReportPath().c_str(), MNT_DETACH);
    EXPECT_EQ(t.st().CurrentYear, 4101);
    ASSERT_FALSE(t.dialogs.asked.empty());
    EXPECT_NE(
        t.dialogs.asked.back().text.find(t.game.ReportPath().string() + ". The disk is full."),
        std::string::npos)
        << t.dialogs.asked.back().text;
    ASSERT_EQ(t.st().Chronicle.size(), 1u);
    std::string kept;
    EXPECT_TRUE(t.st().Chronicle.back().report(kept));
    EXPECT_EQ(kept.rfind("Current Year: \t 4100", 0), 0u);
}

}  // namespace
}  // namespace zenthar::testing
