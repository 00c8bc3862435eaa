// The Empire's year as a whole and its book-keeping steps: the wiped-out message, the safe
// list, the production purchase and unknown skill levels. The staging planet and a full
// task-force list are pinned step by step in empire_fleet_test.cpp.
#include "turn/empire_fixture.h"

namespace zenthar::testing {
namespace {

using empire::EmpireYear;

using EmpireTurnTest = EmpireTest;

TEST_F(EmpireTurnTest, TheWipedOutMessageWaitsForTheLastFleetAndComesOnce) {
    // clang-format off
    galaxy().players({"Ann"})
        .planet(0, 1, 1).owner(0).home().ships(10)
        .planet(1, 20, 20).owner(0).ships(10).build();
    // clang-format on
    turn_support::AddTaskForce(game, kEmpire, 1, 0, 12, 4105);
    empireToMove();
    EmpireTurn(game);
    EXPECT_EQ(std::tuple(tg.dialogs.asked.size(), st.EmpireOut, storedEmpireFleets().size()),
              std::tuple(0u, false, 1u));

    // The fleet has landed and lost.
    EditWorkingFile(game, "DELETE FROM Ships");
    empireToMove();
    EmpireTurn(game);
    const std::vector<std::string> wipedOut = {
        "You wiped out the Empire. Should you carry on? Your call..."};
    EXPECT_EQ(std::tuple(tg.dialogs.texts(), st.EmpireOut), std::tuple(wipedOut, true));

    empireToMove();
    EmpireTurn(game);
    EXPECT_EQ(tg.dialogs.texts(), wipedOut) << "the message comes once";

    // Rebels hand a planet back: the Empire is in the game again.
    st.planet(1).Scouted = "1000";
    tg.random.setFallback(0.0);
    empireToMove();
    EmpireTurn(game);
    EXPECT_EQ(std::tuple(tg.dialogs.texts(), st.EmpireOut), std::tuple(wipedOut, false));
}

// One safe planet drawn a year buys a step at the players' price: once a year, never at the
// limit, never without the ships to pay, never under more ships heading there than one per other
// player.
TEST_F(EmpireTurnTest, ProductionIsBoughtAtThePlayersPrice) {
    // clang-format off
    galaxy().players({"Ann", "Bob"})
        .planet(0, 1, 1).owner(0).home()
        .planet(1, 40, 40).ships(10).production(4, 10)
        .planet(2, 40, 30).ships(10).production(4, 10)
        .planet(3, 1, 40).owner(1).home()
        .planet(4, 30, 40).ships(10).production(4, 4).build();
    // clang-format on
    empireToMove();
    EmpireYear year;
    auto buy = [&](std::vector<int> safe, double draw) {
        year.safeList = std::move(safe);
        tg.random.push(draw);
        empire::BuyProduction(game, year);
    };
    // Ships and production of a planet.
    auto of = [&](int i) {
        return std::pair<int, int>(st.planet(i).Ships, st.planet(i).Production);
    };
    buy({1, 2}, 0.6);  // the second of two
    EXPECT_EQ(std::tuple(of(2), st.planet(2).WillProd, of(1)),
              std::tuple(std::pair(6, 5), 0, std::pair(10, 4)));
    buy({1, 2}, 0.6);
    EXPECT_EQ(of(2), std::pair(6, 5));
    st.planet(1).Ships = 3;  // cannot pay 4
    buy({1}, 0.0);
    buy({4}, 0.0);
    EXPECT_EQ(std::pair(of(1), of(4)), std::pair(std::pair(3, 4), std::pair(10, 4)));

    st.planet(1).Ships = 4;                        // exactly the price
    turn_support::AddTaskForce(game, 1, 3, 1, 1);  // one ship with two players is no threat
    buy({1}, 0.0);
    EXPECT_EQ(of(1), std::pair(0, 5));
    st.planet(2).WillProd = -1;
    turn_support::AddTaskForce(game, 0, 0, 2, 2);  // two are
    buy({2}, 0.0);
    EXPECT_EQ(of(2), std::pair(6, 5));

    year.safeList = {};
    empire::BuyProduction(game, year);
    EXPECT_EQ(tg.random.draws, 6);  // an empty list draws nothing

    // A draw at the very top of the range (which no real source gives) still names a planet of
    // the list: the last one.
    st.planet(1).Ships = 10;
    st.planet(1).WillProd = -1;
    buy({4, 1}, 1.0);
    EXPECT_EQ(std::pair(of(1), of(4)), std::pair(std::pair(5, 6), std::pair(10, 4)));
}

TEST_F(EmpireTurnTest, AnUnknownSkillLevelOnlyProduces) {
    // clang-format off
    galaxy().players({"Ann"}).skill(7)
        .planet(0, 1, 1).owner(0).home().ships(10)
        .planet(1, 40, 40).ships(500).production(1, 20)
        .planet(2, 40, 30).ships(500).production(1, 10).build();
    // clang-format on
    empireToMove();
    tg.random.push(0.0);
    EmpireTurn(game);
    EXPECT_EQ(std::tuple(st.TaskForceLast, storedEmpireFleets().size(), st.planet(1).Production,
                         st.planet(1).Ships, st.StartPl.blank()),
              std::tuple(-1, 0u, 2, 499, true));
}

}  // namespace
}  // namespace zenthar::testing
