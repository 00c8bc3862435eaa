// Increase Production: the question, the price, the once-a-year flag and the three messages in
// their order.
#include <gtest/gtest.h>

#include "orders/production.h"
#include "support/galaxy_builder.h"

namespace zenthar {
namespace {

class IncreaseProductionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // clang-format off
        testing::GalaxyBuilder(t.game).players({"Ann", "Bob"})
            .planet(0, 5, 5).owner(0).home().ships(10).production(3, 6)
            .planet(1, 15, 5).owner(1).ships(50).production(1, 10)
            .planet(2, 25, 5).ships(50).production(1, 10).scouted("1000").currentPlayer(0)
            .build();
        // clang-format on
        st().SelectedPlanet = 0;
    }
    GameState& st() { return t.st(); }
    PlanetRecord& p(int i) { return st().planet(i); }
    // Everything an increase changes on planet i: production, ships and the flag.
    std::tuple<int, int, int> planet(int i) { return {p(i).Production, p(i).Ships, p(i).WillProd}; }
    testing::TestGame t;
};

// Only the owner is asked, and pays the production before the increase, once a year.
TEST_F(IncreaseProductionTest, AsksTheOwnerFirstThenBuysOneStepOnceAYear) {
    for (int planet : {1, 2, 45}) {  // Bob's, only scouted, no planet at all
        st().SelectedPlanet = static_cast<Int16>(planet);
        EXPECT_FALSE(IncreaseProduction(t.game));
    }
    EXPECT_TRUE(t.dialogs.asked.empty());
    st().SelectedPlanet = 0;
    t.dialogs.answer(Answer::No);
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_EQ(planet(0), std::tuple(3, 10, -1));
    EXPECT_EQ(
        t.dialogs.asked[0].text,
        "Are you sure that you want to increase the production for " + p(0).Name.trimmed() + "?");

    p(0).Ships = 3;  // exactly the price: the production before the increase
    t.dialogs.answer(Answer::Yes);
    EXPECT_TRUE(IncreaseProduction(t.game));
    EXPECT_EQ(planet(0), std::tuple(4, 0, 0));
    p(0).Ships = 10;
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_EQ(t.dialogs.texts().back(), "Production already increased for this turn.");
    EXPECT_EQ(planet(0), std::tuple(4, 10, 0));
    st().CurrentPlTurn = 1;  // Bob may buy on his own planet
    st().SelectedPlanet = 1;
    t.dialogs.answer(Answer::Yes);
    EXPECT_TRUE(IncreaseProduction(t.game));
    EXPECT_EQ(planet(1), std::tuple(2, 49, 0));
}

TEST_F(IncreaseProductionTest, MessagesComeInTheirOrder) {
    // clang-format off
    const struct {
        int production, willProd, ships;
        const char* message;
    } cases[] = {
        {6, -1, 10, "You have reached the Production limit for this planet."},
        {6, 0, 10, "Production already increased for this turn."},  // the flag comes first
        {6, -1, 2, "You have reached the Production limit for this planet."},
        {5, -1, 4, "You don't have enough ships to increase the Production on this planet."},
        {8, -1, 40, nullptr},  // above the limit: nothing to say
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.production);
        p(0).Production = static_cast<Int16>(c.production);
        p(0).WillProd = static_cast<Int16>(c.willProd);
        p(0).Ships = static_cast<Int16>(c.ships);
        const std::size_t asked = t.dialogs.asked.size();
        EXPECT_FALSE(IncreaseProduction(t.game));
        EXPECT_EQ(planet(0), std::tuple(c.production, c.ships, c.willProd));
        ASSERT_EQ(t.dialogs.asked.size(), asked + (c.message ? 1 : 0));
        if (!c.message) continue;
        EXPECT_EQ(t.dialogs.texts().back(), c.message);
        EXPECT_EQ(t.dialogs.asked.back().buttons, Buttons::Ok);
    }
}

}  // namespace
}  // namespace zenthar
