// Send Ships: the ownership check, what the dialog shows, the cap on the number typed, the
// checks of Send in their order, and what a launch takes from the planet. Rounding, numbering
// and the arrival year of a launch are pinned in tests/turn/taskforces_test.cpp.
#include "orders/sendships.h"
#include "support/galaxy_builder.h"

namespace zenthar {
namespace {

const char* const kNotOwned = "You don't own this planet. You can't send any ships from here.";
const char* const kNoShips = "What should I send? You have no ships on this planet.";
const char* const kSameSource =
    "Should they make a trip? Destination Planet different from the source, please.";

class SendShipsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // clang-format off
        testing::GalaxyBuilder(t.game).players({"Ann", "Bob"}).year(4100)
            .planet(0, 0, 0).owner(0).home().ships(10)
            .planet(1, 0, 7)
            .planet(2, 3, 4).owner(0).ships(12)
            .planet(3, 20, 20).owner(1).home().ships(30)
            .planet(4, 0, 0).owner(0).ships(5)  // same place as planet 0
            .planet(5, 9, 9).owner(0).currentPlayer(0).build();  // no ships
        // clang-format on
        st().SelectedPlanet = 0;
    }
    GameState& st() { return t.st(); }
    const TaskForceRecord& lastTaskForce() {
        return st().TaskForceList[static_cast<std::size_t>(st().TaskForceLast)];
    }
    // The ships of the last launch and those left on the source.
    std::pair<int, int> launched() {
        return {lastTaskForce().NumOfShips, st().planet(st().SelectedPlanet).Ships};
    }
    testing::TestGame t;
};

TEST_F(SendShipsTest, OnlyOwnedPlanetsMaySend) {
    // planet, side to move, refused; 1 is scouted only, 5 has no ships, 40 lies beyond the galaxy
    const std::vector<std::tuple<int, int, bool>> cases = {
        {0, 0, false}, {2, 0, false}, {5, 0, false}, {1, 0, true},
        {3, 0, true},  {3, 1, false}, {40, 1, true}};
    st().planet(1).Scouted = "1000";
    for (const auto& [planet, side, refused] : cases) {
        SCOPED_TRACE(planet);
        st().SelectedPlanet = static_cast<Int16>(planet);
        st().CurrentPlTurn = static_cast<Int16>(side);
        EXPECT_EQ(CheckSendFrom(st()),
                  refused ? std::optional<std::string>(kNotOwned) : std::nullopt);
    }
}

TEST_F(SendShipsTest, DialogShowsThePlanetsTheShipsAndTheArrivalAndCapsTheShipsTyped) {
    std::vector<std::string> names = SendDestinations(st());
    ASSERT_EQ(names.size(), 6U);
    EXPECT_EQ(names[0], st().planet(0).Name.padded());
    EXPECT_EQ(ArrivalText(st(), 0), "This is the planet the ships would leave.");
    EXPECT_EQ(ArrivalText(st(), 1), "Distance 7: arrives in 4104 (4 years)");
    EXPECT_EQ(ArrivalText(st(), 4), "Distance 0: arrives in 4100 (this year)");
    EXPECT_EQ(ArrivalText(st(), 40), "");
    st().SelectedPlanet = 45;
    EXPECT_EQ(std::tuple(SourceShipsText(st()), ArrivalText(st(), 1)), std::tuple("0", ""));
    st().SelectedPlanet = 2;
    EXPECT_EQ(SourceShipsText(st()), "12");
    // Leaving the ships box with more than the planet has.
    auto cap = CapShipsTyped(st(), "20");
    ASSERT_TRUE(cap.has_value());
    EXPECT_EQ(std::tuple(cap->message, cap->text),
              std::tuple("No more than 12 ships, please.", "12"));
    for (const char* typed : {"12", "12.0", "lots"})  // "lots" reads as 0
        EXPECT_EQ(CapShipsTyped(st(), typed), std::nullopt) << typed;
    for (const char* typed : {"12.5", "99 ships"})
        EXPECT_TRUE(CapShipsTyped(st(), typed).has_value()) << typed;
}

TEST_F(SendShipsTest, RefusalsComeInTheirOrderAndChangeNothing) {
    const std::string before = sim::DescribeWholeState(st());
    // From the first planet the first entry of the list is the source itself.
    EXPECT_EQ(SendShips(st(), 0, "3"), kSameSource);
    st().SelectedPlanet = 5;  // no ships, and the destination is the source itself
    EXPECT_EQ(SendShips(st(), 5, "50"), kNoShips);
    st().SelectedPlanet = 2;
    EXPECT_EQ(SendShips(st(), 2, "50"), kSameSource);
    for (const char* typed : {"50", "12.5"})
        EXPECT_EQ(SendShips(st(), 1, typed),
                  "You haven't the amount of ships specified on this planet.");
    for (const char* typed : {"0", "-3", "abc", "", "0.4", "0.5", "-0.7"})
        EXPECT_EQ(SendShips(st(), 1, typed),
                  "How many ships should go? Type a number of 1 or more, please.")
            << typed;
    st().SelectedPlanet = 0;
    // Lost since the dialog opened: a planet taken stays scouted by its old owner.
    for (const char* lost : {"0000", "1000"}) {
        st().planet(0).Scouted = lost;
        for (int to : {1, -1}) EXPECT_EQ(SendShips(st(), to, "3"), kNotOwned) << lost << to;
    }
    st().planet(0).Scouted = "3000";
    for (int to : {-1, 6})
        EXPECT_EQ(SendShips(st(), to, "3"), "Choose a Destination Planet, please.");
    EXPECT_EQ(sim::DescribeWholeState(st()), before);
    st().TaskForceLast = kTaskForceSlots - 1;
    const std::string full = sim::DescribeWholeState(st());
    EXPECT_EQ(SendShips(st(), 1, "3"),
              "No more task forces, please. You already have 1001 of them on their way.");
    EXPECT_EQ(sim::DescribeWholeState(st()), full);
}

TEST_F(SendShipsTest, ALaunchTakesTheShipsUntilNoneAreLeft) {
    // An odd garrison and a fraction: the fleet and what stays add up to what there was.
    st().planet(0).Ships = 9;
    ASSERT_EQ(SendShips(st(), 1, "2.5"), std::nullopt);
    EXPECT_EQ(launched(), std::pair(2, 7));
    st().planet(0).Ships = 10;
    ASSERT_EQ(SendShips(st(), 1, "0.6"), std::nullopt);  // rounds to one ship
    EXPECT_EQ(launched(), std::pair(1, 9));
    ASSERT_EQ(SendShips(st(), 4, "8"), std::nullopt);
    EXPECT_EQ(lastTaskForce().EndPl.padded(), "05");
    ASSERT_EQ(SendShips(st(), 1, "1"), std::nullopt);  // the last ship may go too
    EXPECT_EQ(launched(), std::pair(1, 0));
    EXPECT_EQ(SendShips(st(), 1, "0"), kNoShips);
    // Player 1's task forces carry its digit.
    st().CurrentPlTurn = 1;
    st().SelectedPlanet = 3;
    ASSERT_EQ(SendShips(st(), 0, "30"), std::nullopt);
    EXPECT_EQ(std::tuple(lastTaskForce().PlNum.padded(), lastTaskForce().StartPl.padded()),
              std::tuple("1", "04"));
}

}  // namespace
}  // namespace zenthar
