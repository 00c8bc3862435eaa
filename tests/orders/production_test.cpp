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
    testing::TestGame t;
};

TEST_F(IncreaseProductionTest, BuysOneStepAndAsksFirst) {
    t.dialogs.answer(Answer::Yes);
    EXPECT_TRUE(IncreaseProduction(t.game));
    EXPECT_EQ(p(0).Production, 4);
    EXPECT_EQ(p(0).Ships, 7);  // the price is the production before the increase
    EXPECT_EQ(p(0).WillProd, 0);
    ASSERT_EQ(t.dialogs.asked.size(), 1U);
    const MessageRequest& q = t.dialogs.asked[0];
    EXPECT_EQ(q.text, "Are you sure that you want to increase the production for " +
                          p(0).Name.trimmed() + "?");
    EXPECT_EQ(q.title, "Zenthar");
    EXPECT_EQ(q.buttons, Buttons::YesNo);
    EXPECT_EQ(q.icon, Icon::Critical);
    EXPECT_EQ(q.defaultButton, Answer::No);

    // Once a year only.
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_EQ(t.dialogs.texts().back(), "Production already increased for this turn.");
    EXPECT_EQ(p(0).Production, 4);
    EXPECT_EQ(p(0).Ships, 7);
}

TEST_F(IncreaseProductionTest, NoLeavesEverythingAndMayBeAskedAgain) {
    t.dialogs.answer(Answer::No);
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_EQ(p(0).Production, 3);
    EXPECT_EQ(p(0).Ships, 10);
    EXPECT_EQ(p(0).WillProd, -1);
    t.dialogs.answer(Answer::Yes);
    EXPECT_TRUE(IncreaseProduction(t.game));
    EXPECT_EQ(t.dialogs.asked.size(), 2U);
}

TEST_F(IncreaseProductionTest, ShipsEqualToTheProductionAreEnough) {
    p(0).Ships = 3;
    t.dialogs.answer(Answer::Yes);
    EXPECT_TRUE(IncreaseProduction(t.game));
    EXPECT_EQ(p(0).Ships, 0);
    EXPECT_EQ(p(0).Production, 4);
}

TEST_F(IncreaseProductionTest, MessagesComeInTheirOrder) {
    // Limit reached, enough ships, flag set.
    p(0).Production = 6;
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_EQ(t.dialogs.texts().back(), "You have reached the Production limit for this planet.");
    // Limit reached and already increased: the flag is tested first.
    p(0).WillProd = 0;
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_EQ(t.dialogs.texts().back(), "Production already increased for this turn.");
    // Limit reached and too few ships: the limit comes first.
    p(0).WillProd = -1;
    p(0).Ships = 2;
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_EQ(t.dialogs.texts().back(), "You have reached the Production limit for this planet.");
    // Below the limit with too few ships.
    p(0).Production = 5;
    p(0).Ships = 4;
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_EQ(t.dialogs.texts().back(),
              "You don't have enough ships to increase the Production on this planet.");
    for (const MessageRequest& r : t.dialogs.asked) {
        EXPECT_EQ(r.buttons, Buttons::Ok);
        EXPECT_EQ(r.icon, Icon::None);
        EXPECT_EQ(r.title, "Zenthar");
    }
    // Above the limit: nothing to say.
    p(0).Production = 8;
    p(0).Ships = 40;
    const std::size_t asked = t.dialogs.asked.size();
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_EQ(t.dialogs.asked.size(), asked);
    EXPECT_EQ(p(0).Production, 8);
    EXPECT_EQ(p(0).Ships, 40);
}

TEST_F(IncreaseProductionTest, OtherPlayersPlanetsAreIgnoredSilently) {
    for (int planet : {1, 2}) {
        st().SelectedPlanet = static_cast<Int16>(planet);
        EXPECT_FALSE(IncreaseProduction(t.game));
        EXPECT_EQ(p(planet).Production, 1);
        EXPECT_EQ(p(planet).Ships, 50);
    }
    st().SelectedPlanet = 45;  // no planet at all
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_TRUE(t.dialogs.asked.empty());
    // Player 1 may buy on its own planet.
    st().CurrentPlTurn = 1;
    st().SelectedPlanet = 1;
    t.dialogs.answer(Answer::Yes);
    EXPECT_TRUE(IncreaseProduction(t.game));
    EXPECT_EQ(p(1).Production, 2);
    EXPECT_EQ(p(1).Ships, 49);
}

}  // namespace
}  // namespace zenthar
