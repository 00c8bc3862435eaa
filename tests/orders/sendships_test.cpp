// Send Ships: the ownership check, the cap on the number typed, the checks of Send in their
// order, and the task forces it launches.
#include <gtest/gtest.h>

#include "orders/sendships.h"
#include "support/galaxy_builder.h"

namespace zenthar {
namespace {

class SendShipsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // clang-format off
        testing::GalaxyBuilder(t.game).players({"Ann", "Bob"}).year(4100)
            .planet(0, 0, 0).owner(0).home().ships(10)
            .planet(1, 0, 7)
            .planet(2, 3, 4).owner(0).ships(12)
            .planet(3, 20, 20).owner(1).home().ships(30)
            .planet(4, 0, 0)  // same place as planet 0
            .owner(0).ships(5)
            .planet(5, 9, 9)  // no ships
            .owner(0).currentPlayer(0)
            .build();
        // clang-format on
        st().SelectedPlanet = 0;
    }
    GameState& st() { return t.st(); }

    // Everything Send may change.
    struct Snapshot {
        std::array<Int16, 6> ships;
        Int16 last;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot() {
        Snapshot s{};
        for (int i = 0; i < 6; ++i) s.ships[static_cast<std::size_t>(i)] = st().planet(i).Ships;
        s.last = st().TaskForceLast;
        return s;
    }
    const TaskForceRecord& lastTaskForce() {
        return st().TaskForceList[static_cast<std::size_t>(st().TaskForceLast)];
    }
    testing::TestGame t;
};

TEST_F(SendShipsTest, OnlyOwnedPlanetsMaySend) {
    EXPECT_EQ(CheckSendFrom(st()), std::nullopt);  // capital
    st().SelectedPlanet = 2;
    EXPECT_EQ(CheckSendFrom(st()), std::nullopt);  // owned
    for (int planet : {1, 3}) {
        st().SelectedPlanet = static_cast<Int16>(planet);
        EXPECT_EQ(CheckSendFrom(st()),
                  "You don't own this planet. You can't send any ships from here.");
    }
    st().SelectedPlanet = 1;
    st().planet(1).Scouted = "1000";  // scouted is not owned
    EXPECT_NE(CheckSendFrom(st()), std::nullopt);
    st().CurrentPlTurn = 1;
    st().SelectedPlanet = 3;
    EXPECT_EQ(CheckSendFrom(st()), std::nullopt);
    st().SelectedPlanet = 40;  // beyond the galaxy
    EXPECT_NE(CheckSendFrom(st()), std::nullopt);
    // A planet with no ships still opens the dialog.
    st().CurrentPlTurn = 0;
    st().SelectedPlanet = 5;
    EXPECT_EQ(CheckSendFrom(st()), std::nullopt);
}

TEST_F(SendShipsTest, DialogShowsEveryPlanetAndTheSourceShips) {
    std::vector<std::string> names = SendDestinations(st());
    ASSERT_EQ(names.size(), 6U);
    EXPECT_EQ(names[0], st().planet(0).Name.padded());
    EXPECT_EQ(names[5].size(), 40U);
    st().SelectedPlanet = 2;
    EXPECT_EQ(SourceShipsText(st()), "12");
}

TEST_F(SendShipsTest, LeavingTheBoxCapsAtThePlanetsShips) {
    st().SelectedPlanet = 2;
    auto cap = CapShipsTyped(st(), "20");
    ASSERT_TRUE(cap.has_value());
    EXPECT_EQ(cap->message, "No more than 12 ships, please.");
    EXPECT_EQ(cap->text, "12");
    EXPECT_EQ(CapShipsTyped(st(), "12"), std::nullopt);
    EXPECT_EQ(CapShipsTyped(st(), "12.0"), std::nullopt);
    EXPECT_TRUE(CapShipsTyped(st(), "12.5").has_value());
    EXPECT_TRUE(CapShipsTyped(st(), "99 ships").has_value());
    EXPECT_EQ(CapShipsTyped(st(), "lots"), std::nullopt);  // reads as 0
}

TEST_F(SendShipsTest, ChecksComeInTheirOrder) {
    // From the first planet the first entry of the list is the source itself.
    EXPECT_EQ(SendShips(st(), 0, "3"),
              "Should they make a trip? Destination Planet different from the source, please.");
    st().SelectedPlanet = 5;  // no ships, and the destination is the source itself
    const Snapshot before = snapshot();
    EXPECT_EQ(SendShips(st(), 5, "50"), "What should I send? You have no ships on this planet.");
    st().SelectedPlanet = 2;
    EXPECT_EQ(SendShips(st(), 2, "50"),
              "Should they make a trip? Destination Planet different from the source, please.");
    EXPECT_EQ(SendShips(st(), 1, "50"),
              "You haven't the amount of ships specified on this planet.");
    EXPECT_EQ(SendShips(st(), 1, "12.5"),
              "You haven't the amount of ships specified on this planet.");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(SendShips(st(), 1, "12"), std::nullopt);
    EXPECT_EQ(st().planet(2).Ships, 0);
}

TEST_F(SendShipsTest, CountsBelowOneAreRefused) {
    const Snapshot before = snapshot();
    for (const char* typed : {"0", "-3", "abc", "", "0.4", "0.5", "-0.7"})
        EXPECT_EQ(SendShips(st(), 1, typed),
                  "How many ships should go? Type a number of 1 or more, please.")
            << typed;
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(SendShips(st(), 1, "0.6"), std::nullopt);  // rounds to one ship
    EXPECT_EQ(lastTaskForce().NumOfShips, 1);
}

TEST_F(SendShipsTest, TaskForceFieldsAndArrival) {
    // (0,0) to (0,7): distance 7, four years.
    ASSERT_EQ(SendShips(st(), 1, "4"), std::nullopt);
    const TaskForceRecord& a = lastTaskForce();
    EXPECT_EQ(a.PlNum.padded(), "0");
    EXPECT_EQ(a.TFNum, 0);
    EXPECT_EQ(a.StartPl.padded(), "01");
    EXPECT_EQ(a.EndPl.padded(), "02");
    EXPECT_EQ(a.RemTurns, 4104);
    EXPECT_EQ(a.NumOfShips, 4);
    EXPECT_EQ(st().planet(0).Ships, 6);
    EXPECT_EQ(SourceShipsText(st()), "6");

    // (0,0) to (3,4): distance 5, three years; numbers follow on.
    ASSERT_EQ(SendShips(st(), 2, "1"), std::nullopt);
    EXPECT_EQ(lastTaskForce().TFNum, 1);
    EXPECT_EQ(lastTaskForce().EndPl.padded(), "03");
    EXPECT_EQ(lastTaskForce().RemTurns, 4103);

    // Same coordinates: distance 0, arrives this year.
    ASSERT_EQ(SendShips(st(), 4, "1"), std::nullopt);
    EXPECT_EQ(lastTaskForce().RemTurns, 4100);
    EXPECT_EQ(st().TaskForceLast, 2);

    // Player 1's task forces carry its digit.
    st().CurrentPlTurn = 1;
    st().SelectedPlanet = 3;
    ASSERT_EQ(SendShips(st(), 0, "30"), std::nullopt);
    EXPECT_EQ(lastTaskForce().PlNum.padded(), "1");
    EXPECT_EQ(lastTaskForce().StartPl.padded(), "04");
}

TEST_F(SendShipsTest, AllShipsSentThenNothingLeft) {
    ASSERT_EQ(SendShips(st(), 1, "10"), std::nullopt);
    EXPECT_EQ(st().planet(0).Ships, 0);
    EXPECT_EQ(SourceShipsText(st()), "0");
    EXPECT_EQ(SendShips(st(), 1, "0"), "What should I send? You have no ships on this planet.");
    EXPECT_EQ(st().TaskForceLast, 0);
}

TEST_F(SendShipsTest, FractionsRoundHalfToEvenAndNoShipIsLost) {
    ASSERT_EQ(SendShips(st(), 1, "3.5"), std::nullopt);
    EXPECT_EQ(lastTaskForce().NumOfShips, 4);
    EXPECT_EQ(st().planet(0).Ships, 6);
    st().planet(0).Ships = 10;
    ASSERT_EQ(SendShips(st(), 1, "2.5"), std::nullopt);
    EXPECT_EQ(lastTaskForce().NumOfShips, 2);
    EXPECT_EQ(st().planet(0).Ships, 8);
    // An odd garrison: the fleet and what stays add up to what there was.
    st().planet(0).Ships = 9;
    ASSERT_EQ(SendShips(st(), 1, "2.5"), std::nullopt);
    EXPECT_EQ(lastTaskForce().NumOfShips, 2);
    EXPECT_EQ(st().planet(0).Ships, 7);
}

TEST_F(SendShipsTest, AFullListRefusesTheLaunch) {
    st().TaskForceLast = kTaskForceSlots - 1;
    const Snapshot before = snapshot();
    EXPECT_EQ(SendShips(st(), 1, "3"),
              "No more task forces, please. You already have 1001 of them on their way.");
    EXPECT_EQ(snapshot(), before);
    st().TaskForceLast = kTaskForceSlots - 2;
    EXPECT_EQ(SendShips(st(), 1, "3"), std::nullopt);
    EXPECT_EQ(st().TaskForceLast, kTaskForceSlots - 1);
}

TEST_F(SendShipsTest, NoLaunchFromAPlanetNoLongerOwned) {
    st().planet(0).Scouted = "0000";
    const Snapshot before = snapshot();
    EXPECT_EQ(SendShips(st(), 1, "3"),
              "You don't own this planet. You can't send any ships from here.");
    EXPECT_EQ(SendShips(st(), -1, "3"),
              "You don't own this planet. You can't send any ships from here.");
    EXPECT_EQ(snapshot(), before);
    st().planet(0).Scouted = "3000";
    EXPECT_EQ(SendShips(st(), -1, "3"), "Choose a Destination Planet, please.");
    EXPECT_EQ(SendShips(st(), 6, "3"), "Choose a Destination Planet, please.");
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
}  // namespace zenthar
