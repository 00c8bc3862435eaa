// The planet panel's texts: what a player sees of unknown, scouted, owned and capital planets.
#include "app/planet_panel.h"

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

class PlanetPanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"})
            .planet(0, 5, 5).owner(0).home().ships(30).production(10, 20)
            .planet(1, 9, 5).owner(0).ships(0).production(3, 8).hostility(4)
            .planet(2, 12, 7).ships(25).production(6, 9).hostility(7).scouted("1000")
                .icon("bad_pl.ico")
            .planet(3, 15, 2).owner(1).home().ships(12345).icon("good_pl.ico")
            .planet(4, 20, 20).ships(12).icon("xeno.ico").build();
        // clang-format on
        // What Ann saw of planet 2; Bob's knowledge must never show for her.
        PlanetRecord& p = t.st().planet(2);
        std::tie(p.KnownShip[0], p.KnownProd[0], p.KnownHost[0], p.KnownShip[1]) =
            std::tuple(11, 2, 9, 99);
    }
    // Status, ships, production, hostility, kind and owner pictures, joined for one comparison.
    std::string panel(int planet) {
        const PlanetPanelText p = PlanetPanelFor(t.st(), planet);
        return p.status + "|" + p.ships + "|" + p.production + "|" + p.hostility + "|" +
               p.kindIcon + "|" + p.ownerIcon;
    }
    TestGame t;
};

// Digit 0 shows nothing, 1 what was seen (not what is there), 2 and 3 the real values; the digit
// is the current player's. While no human player has the turn nothing is known, and nothing is
// read out of range.
TEST_F(PlanetPanelTest, EachDigitOfThePlayerWhoseTurnItIsShowsWhatHeMayKnow) {
    const std::string unknownCapital = "Status: Unknown|Ships: |Production: |Hostility: |good.ico|";
    // clang-format off
    const std::tuple<int, int, std::string> cases[] = {
        {0, 2, "Status: Scouted|Ships: 11|Production: 2|Hostility: 9|bad.ico|empire.ico"},
        {0, 1, "Status: Owned|Ships: |Production: 3|Hostility: 4|medium.ico|shipvert.ico"},  // zero ships: nothing after the caption
        {0, 0, "Status: Capital|Ships: 30|Production: 10|Hostility: |good.ico|shipvert.ico"},
        {0, 3, unknownCapital + "mac.ico"},
        {0, 4, "Status: Unknown|Ships: |Production: |Hostility: ||empire.ico"},  // an unknown kind letter: no picture
        {1, 3, "Status: Capital|Ships: 12345|Production: 1|Hostility: |good.ico|mac.ico"},
        {1, 0, unknownCapital + "shipvert.ico"},
        {1, 2, "Status: Unknown|Ships: |Production: |Hostility: |bad.ico|empire.ico"},  // Ann's scouting, not Bob's
        {-1, 0, unknownCapital + "shipvert.ico"},
        {4, 0, unknownCapital + "shipvert.ico"}};
    // clang-format on
    for (const auto& [turn, planet, shown] : cases) {
        t.st().CurrentPlTurn = static_cast<Int16>(turn);
        EXPECT_EQ(panel(planet), shown) << "turn " << turn << ", planet " << planet;
    }
}

// Beside the year in a game of a chosen length: every side's score from the totals everybody is
// shown, and the years left; nothing in a game until conquest.
TEST_F(PlanetPanelTest, TheScoreCaptionShowsEverySidesScoreAndTheYearsLeft) {
    EXPECT_EQ(ScoreCaption(t.st()), "");
    t.st().GameLength = 30;
    // Ann: 2 planets, production 13, 30 ships; Bob: 1, 1, 12345; the Empire: 2, 7, 37.
    const std::string scores = "Score: Ann 36, Bob 1245, Empire 30 - ";
    const std::pair<int, const char*> cases[] = {{4100, "30 years left"},
                                                 {4128, "2 years left"},
                                                 {4129, "the last year"},
                                                 {4130, "the game is over"}};
    for (const auto& [year, left] : cases) {
        t.st().CurrentYear = static_cast<Int16>(year);
        EXPECT_EQ(ScoreCaption(t.st()), scores + left) << year;
    }
}

}  // namespace
}  // namespace zenthar::testing
