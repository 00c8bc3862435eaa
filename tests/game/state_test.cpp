// The production ranking and the scouting digits of the game state.
#include <gtest/gtest.h>

#include "game/state.h"

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
    BuildProdOrder(st);
    std::string order;
    for (int i = 0; i < 5; ++i) order += st.ProdOrder[static_cast<std::size_t>(i)].padded() + " ";
    EXPECT_EQ(order, "01 03 02 05    ");
    EXPECT_EQ(st.ProdOrder[6].padded(), "xx");  // slots past the galaxy keep what they held
}

TEST(ScoutingDigits, ReadPerPlayerAndNonDigitsAsZero) {
    PlanetRecord p;
    p.Scouted = "12x3";
    EXPECT_EQ(p.digit(1), 2);
    EXPECT_EQ(p.digit(2), 0);
    EXPECT_EQ(p.digit(3), 3);
    EXPECT_EQ(p.digit(4), 0);
    p.setDigit(2, '1');
    EXPECT_EQ(p.Scouted.padded(), "1213");
}

TEST(ClearGame, KeepsNamesAndIdsDropsEverythingElse) {
    GameState st;
    st.planet(3).PlanetId = "04";
    st.planet(3).Name = "Vorn";
    st.planet(3).Ships = 40;
    st.planet(3).Scouted = "0300";
    st.TaskForceLast = 12;
    st.StartPl = "04";
    st.Hatest[1] = 3;
    ClearGame(st);
    EXPECT_EQ(st.planet(3).PlanetId.padded(), "04");
    EXPECT_EQ(st.planet(3).Name.trimmed(), "Vorn");
    EXPECT_EQ(st.planet(3).Ships, 0);
    EXPECT_EQ(st.planet(3).Scouted.padded(), "0000");
    EXPECT_EQ(st.TaskForceLast, -1);
    EXPECT_TRUE(st.StartPl.blank());
    EXPECT_EQ(st.Hatest[1], 0);
}

}  // namespace
}  // namespace zenthar
