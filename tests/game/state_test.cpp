// The production ranking and the scouting digits of the game state.
#include <gtest/gtest.h>

#include "game/state.h"
#include "sim/state_picture.h"

namespace zenthar {
namespace {

TEST(BuildProdOrder, HighestLimitFirstTiesInListOrderAndLimitsOutOfRangeLeftOut) {
    GameState st;
    st.PlanetsNum = 6;
    const int limits[] = {20, 5, 20, 0, 1, 21};
    for (int i = 0; i < 6; ++i) {
        st.planet(i).PlanetId = FormatTwoDigits(i + 1);
        st.planet(i).MaxProd = static_cast<Int16>(limits[i]);
    }
    st.ProdOrder[6] = "xx";
    st.planet(6).MaxProd = 15;  // a slot past the galaxy is not ranked
    BuildProdOrder(st);
    std::string order;
    for (int i = 0; i < 5; ++i) order += st.ProdOrder[static_cast<std::size_t>(i)].padded() + " ";
    EXPECT_EQ(order, "01 03 02 05    ");
    EXPECT_EQ(st.ProdOrder[6].padded(), "xx");  // slots past the galaxy keep what they held
}

TEST(ScoutingDigits, ReadPerPlayerAndNonDigitsAsZero) {
    PlanetRecord p;
    p.Scouted = "12x3";
    EXPECT_EQ(std::tuple(p.digit(1), p.digit(2), p.digit(3), p.digit(4)), std::tuple(2, 0, 3, 0));
    p.setDigit(2, '1');
    EXPECT_EQ(p.Scouted.padded(), "1213");
}

// Assigning one list of task-force slots to another copies only the slots ever written; the
// result must still be the same list slot for slot, whichever of the two reached further.
TEST(TaskForceSlots, AnAssignedListIsTheSameSlotForSlot) {
    auto filled = [](int to, int ships) {
        GameState st;
        for (int i = 0; i <= to; ++i)
            st.TaskForceList[static_cast<std::size_t>(i)] = {
                "2", static_cast<Int16>(i), {}, "07", 0, static_cast<Int16>(ships)};
        return st;
    };
    const GameState shorter = filled(9, 3), blank;
    GameState longer = filled(499, 8), walked;
    longer.TaskForceList.at(700).NumOfShips = 1;  // written through at(), out past the rest
    // Slots reached through writable iterators count as written too.
    for (TaskForceRecord& tf : walked.TaskForceList) tf.RemTurns = 4105;
    GameState target;
    const GameState* const order[] = {&longer, &shorter, &longer, &walked, &blank};
    for (const GameState* from : order) {
        target.TaskForceList = from->TaskForceList;
        EXPECT_EQ(sim::DescribeWholeState(target), sim::DescribeWholeState(*from));
    }
    // A whole game copies its slots the same way, self-assignment included.
    target = longer;
    target = target;
    EXPECT_EQ(sim::DescribeWholeState(target), sim::DescribeWholeState(longer));
}

}  // namespace
}  // namespace zenthar
