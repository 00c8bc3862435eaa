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
            .planet(4, 20, 20).ships(12).icon("med_pl.ico")
            .build();
        // clang-format on
        PlanetRecord& scouted = t.st().planet(2);
        scouted.KnownShip[0] = 11;
        scouted.KnownProd[0] = 2;
        scouted.KnownHost[0] = 9;
        scouted.KnownShip[1] = 99;  // Bob's knowledge must never show for Ann
    }
    TestGame t;
};

TEST_F(PlanetPanelTest, ScoutedPlanetShowsWhatWasSeenNotWhatIsThere) {
    const PlanetPanelText p = PlanetPanelFor(t.st(), 2);
    EXPECT_EQ(p.status, "Status: Scouted");
    EXPECT_EQ(p.ships, "Ships: 11");
    EXPECT_EQ(p.production, "Production: 2");
    EXPECT_EQ(p.hostility, "Hostility: 9");
    EXPECT_EQ(p.kindIcon, "bad.ico");
    EXPECT_EQ(p.ownerIcon, "empire.ico");
    EXPECT_EQ(p.name, "Planet: " + t.st().planet(2).Name.padded());
    EXPECT_EQ(p.name.size(), std::string("Planet: ").size() + 40);
}

TEST_F(PlanetPanelTest, OwnedAndCapitalShowTheRealValues) {
    const PlanetPanelText capital = PlanetPanelFor(t.st(), 0);
    EXPECT_EQ(capital.status, "Status: Capital");
    EXPECT_EQ(capital.ships, "Ships: 30");
    EXPECT_EQ(capital.production, "Production: 10");
    // A capital's hostility is 0, which shows as nothing.
    EXPECT_EQ(capital.hostility, "Hostility: ");
    EXPECT_EQ(capital.kindIcon, "good.ico");
    EXPECT_EQ(capital.ownerIcon, "shipvert.ico");

    const PlanetPanelText owned = PlanetPanelFor(t.st(), 1);
    EXPECT_EQ(owned.status, "Status: Owned");
    EXPECT_EQ(owned.ships, "Ships: ") << "zero ships show as nothing after the caption";
    EXPECT_EQ(owned.production, "Production: 3");
    EXPECT_EQ(owned.hostility, "Hostility: 4");
    EXPECT_EQ(owned.kindIcon, "medium.ico");
}

TEST_F(PlanetPanelTest, UnknownPlanetStillTellsOwnerAndKind) {
    const PlanetPanelText bobs = PlanetPanelFor(t.st(), 3);
    EXPECT_EQ(bobs.status, "Status: Unknown");
    EXPECT_EQ(bobs.ships, "Ships: ");
    EXPECT_EQ(bobs.production, "Production: ");
    EXPECT_EQ(bobs.hostility, "Hostility: ");
    EXPECT_EQ(bobs.ownerIcon, "mac.ico");
    EXPECT_EQ(bobs.kindIcon, "good.ico");

    const PlanetPanelText empire = PlanetPanelFor(t.st(), 4);
    EXPECT_EQ(empire.status, "Status: Unknown");
    EXPECT_EQ(empire.ownerIcon, "empire.ico");
}

TEST_F(PlanetPanelTest, TheDigitIsTheCurrentPlayers) {
    t.st().CurrentPlTurn = 1;
    EXPECT_EQ(PlanetPanelFor(t.st(), 3).status, "Status: Capital");
    EXPECT_EQ(PlanetPanelFor(t.st(), 3).ships, "Ships: 40");
    EXPECT_EQ(PlanetPanelFor(t.st(), 0).status, "Status: Unknown");
    // Ann scouted planet 2, Bob did not: Bob sees nothing even though a value is stored.
    EXPECT_EQ(PlanetPanelFor(t.st(), 2).status, "Status: Unknown");
    EXPECT_EQ(PlanetPanelFor(t.st(), 2).ships, "Ships: ");

    // While no human player has the turn nothing is known, and nothing is read out of range.
    for (int who : {-1, 4}) {
        t.st().CurrentPlTurn = static_cast<Int16>(who);
        EXPECT_EQ(CurrentPlayerDigit(t.st(), 0), 0);
        EXPECT_EQ(PlanetPanelFor(t.st(), 0).status, "Status: Unknown");
    }
}

TEST_F(PlanetPanelTest, NumbersKeepAllTheirDigits) {
    t.st().planet(0).Ships = 12345;
    t.st().planet(0).Production = 7;
    EXPECT_EQ(PlanetPanelFor(t.st(), 0).ships, "Ships: 12345");
    EXPECT_EQ(PlanetPanelFor(t.st(), 0).production, "Production: 7");
}

TEST_F(PlanetPanelTest, UnknownKindLetterGivesNoPicture) {
    t.st().planet(4).Ico = "xeno.ico";
    EXPECT_EQ(PlanetPanelFor(t.st(), 4).kindIcon, "");
}

TEST_F(PlanetPanelTest, TurnAndYearCaptions) {
    t.st().CurrentYear = 4123;
    EXPECT_EQ(YearCaption(t.st()), "Year: 4123");
    EXPECT_EQ(TurnCaption(t.st()), "Player's Turn: " + t.st().PlName[0].padded());
    t.st().CurrentPlTurn = 1;
    EXPECT_EQ(Trim(TurnCaption(t.st())), "Player's Turn: Bob");
}

TEST(HorizScrollFor, LeavesSixUnitsOfMarginButNotBeforeTheEdge) {
    EXPECT_EQ(HorizScrollFor(4), 0);
    EXPECT_EQ(HorizScrollFor(6), 0);
    EXPECT_EQ(HorizScrollFor(7), 1);
    EXPECT_EQ(HorizScrollFor(20), 14);
    EXPECT_EQ(HorizScrollFor(45), 39);
}

}  // namespace
}  // namespace zenthar::testing
