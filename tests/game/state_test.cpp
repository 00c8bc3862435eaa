// The production ranking and the scouting digits of the game state.
#include <gtest/gtest.h>

#include "game/state.h"

namespace zenthar {
namespace {

TEST(BuildProdOrder, HighestLimitFirstTiesInListOrder) {
    GameState st;
    st.PlanetsNum = 4;
    const int limits[] = {20, 5, 20, 1};
    for (int i = 0; i < 4; ++i) {
        st.planet(i).PlanetId = FormatTwoDigits(i + 1);
        st.planet(i).MaxProd = static_cast<Int16>(limits[i]);
    }
    st.ProdOrder[4] = "xx";
    BuildProdOrder(st);
    EXPECT_EQ(st.ProdOrder[0].padded(), "01");
    EXPECT_EQ(st.ProdOrder[1].padded(), "03");
    EXPECT_EQ(st.ProdOrder[2].padded(), "02");
    EXPECT_EQ(st.ProdOrder[3].padded(), "04");
    EXPECT_EQ(st.ProdOrder[4].padded(), "xx");  // slots past the galaxy keep what they held
}

TEST(BuildProdOrder, LimitsOutsideTheRangeAreNotListed) {
    GameState st;
    st.PlanetsNum = 3;
    const int limits[] = {0, 21, 7};
    for (int i = 0; i < 3; ++i) {
        st.planet(i).PlanetId = FormatTwoDigits(i + 1);
        st.planet(i).MaxProd = static_cast<Int16>(limits[i]);
    }
    BuildProdOrder(st);
    EXPECT_EQ(st.ProdOrder[0].padded(), "03");
    EXPECT_TRUE(st.ProdOrder[1].blank());
}

TEST(ScoutingDigits, ReadPerPlayerAndNonDigitsAsZero) {
    PlanetRecord p;
    p.Scouted = "12x3";
    EXPECT_EQ(p.digit(0), 1);
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
