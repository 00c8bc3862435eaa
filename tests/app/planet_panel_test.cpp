// The planet panel's texts: what a player sees of unknown, scouted, owned and capital planets.
#include "app/planet_panel.h"

#include <gtest/gtest.h>

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
            .planet(3, 15, 2).owner(1).home().ships(40).icon("good_pl.ico")
            .planet(4, 20, 20).ships(12).icon("xeno.ico")
            .build();
        // clang-format on
        PlanetRecord& scouted = t.st().planet(2);
        scouted.KnownShip[0] = 11;
        scouted.KnownProd[0] = 2;
        scouted.KnownHost[0] = 9;
        scouted.KnownShip[1] = 99;  // Bob's knowledge must never show for Ann
    }
    // Status, ships, production, hostility, kind and owner pictures, joined for one comparison.
    std::string panel(int planet) {
        const PlanetPanelText p = PlanetPanelFor(t.st(), planet);
        return p.status + "|" + p.ships + "|" + p.production + "|" + p.hostility + "|" +
               p.kindIcon + "|" + p.ownerIcon;
    }
    TestGame t;
};

// Digit 0 shows nothing, 1 what was seen (not what is there), 2 and 3 the real values.
TEST_F(PlanetPanelTest, EachDigitShowsWhatThePlayerMayKnow) {
    EXPECT_EQ(panel(2), "Status: Scouted|Ships: 11|Production: 2|Hostility: 9|bad.ico|empire.ico");
    EXPECT_EQ(panel(1), "Status: Owned|Ships: |Production: 3|Hostility: 4|medium.ico|shipvert.ico")
        << "zero ships show as nothing after the caption";
    EXPECT_EQ(panel(0),
              "Status: Capital|Ships: 30|Production: 10|Hostility: |good.ico|shipvert.ico");
    EXPECT_EQ(panel(3), "Status: Unknown|Ships: |Production: |Hostility: |good.ico|mac.ico");
    EXPECT_EQ(panel(4), "Status: Unknown|Ships: |Production: |Hostility: ||empire.ico")
        << "an unknown kind letter gives no picture";
    EXPECT_EQ(PlanetPanelFor(t.st(), 2).name, "Planet: " + t.st().planet(2).Name.padded());
    t.st().planet(0).Ships = 12345;
    EXPECT_EQ(PlanetPanelFor(t.st(), 0).ships, "Ships: 12345");
}

TEST_F(PlanetPanelTest, TheDigitIsTheCurrentPlayers) {
    t.st().CurrentPlTurn = 1;
    EXPECT_EQ(PlanetPanelFor(t.st(), 3).ships, "Ships: 40");
    EXPECT_EQ(PlanetPanelFor(t.st(), 0).status, "Status: Unknown");
    // Ann scouted planet 2, Bob did not: Bob sees nothing even though a value is stored.
    EXPECT_EQ(PlanetPanelFor(t.st(), 2).ships, "Ships: ");
    EXPECT_EQ(Trim(TurnCaption(t.st())), "Player's Turn: Bob");

    // While no human player has the turn nothing is known, and nothing is read out of range.
    for (int who : {-1, 4}) {
        t.st().CurrentPlTurn = static_cast<Int16>(who);
        EXPECT_EQ(CurrentPlayerDigit(t.st(), 0), 0);
        EXPECT_EQ(PlanetPanelFor(t.st(), 0).status, "Status: Unknown");
    }
}

TEST(HorizScrollFor, LeavesSixUnitsOfMarginButNotBeforeTheEdge) {
    const std::pair<int, int> cases[] = {{4, 0}, {6, 0}, {7, 1}, {20, 14}, {45, 39}};
    for (const auto& [x, scroll] : cases) EXPECT_EQ(HorizScrollFor(x), scroll) << x;
}

}  // namespace
}  // namespace zenthar::testing
