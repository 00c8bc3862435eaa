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
    std::string said() { return t.dialogs.texts().back(); }
    testing::TestGame t;
};

TEST_F(IncreaseProductionTest, AsksFirstThenBuysOneStepOnceAYear) {
    t.dialogs.answer(Answer::No);
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_EQ(p(0).Production, 3);
    EXPECT_EQ(p(0).WillProd, -1);
    const MessageRequest q = t.dialogs.asked[0];
    EXPECT_EQ(q.text, "Are you sure that you want to increase the production for " +
                          p(0).Name.trimmed() + "?");
    EXPECT_EQ(q.buttons, Buttons::YesNo);
    EXPECT_EQ(q.icon, Icon::Critical);
    EXPECT_EQ(q.defaultButton, Answer::No);

    p(0).Ships = 3;  // exactly the price: the production before the increase
    t.dialogs.answer(Answer::Yes);
    EXPECT_TRUE(IncreaseProduction(t.game));
    EXPECT_EQ(p(0).Production, 4);
    EXPECT_EQ(p(0).Ships, 0);
    EXPECT_EQ(p(0).WillProd, 0);
    p(0).Ships = 10;
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_EQ(said(), "Production already increased for this turn.");
    EXPECT_EQ(p(0).Production, 4);
    EXPECT_EQ(p(0).Ships, 10);
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
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        p(0).Production = static_cast<Int16>(c.production);
        p(0).WillProd = static_cast<Int16>(c.willProd);
        p(0).Ships = static_cast<Int16>(c.ships);
        EXPECT_FALSE(IncreaseProduction(t.game));
        EXPECT_EQ(said(), c.message);
        EXPECT_EQ(t.dialogs.asked.back().buttons, Buttons::Ok);
        EXPECT_EQ(p(0).Production, c.production);
        EXPECT_EQ(p(0).Ships, c.ships);
    }
    // Above the limit: nothing to say.
    p(0).Production = 8;
    p(0).Ships = 40;
    const std::size_t asked = t.dialogs.asked.size();
    EXPECT_FALSE(IncreaseProduction(t.game));
    EXPECT_EQ(t.dialogs.asked.size(), asked);
    EXPECT_EQ(p(0).Production, 8);
}

TEST_F(IncreaseProductionTest, OtherPlayersPlanetsAreIgnoredSilently) {
    for (int planet : {1, 2, 45}) {  // Bob's, only scouted, no planet at all
        st().SelectedPlanet = static_cast<Int16>(planet);
        EXPECT_FALSE(IncreaseProduction(t.game));
    }
    EXPECT_TRUE(t.dialogs.asked.empty());
    EXPECT_EQ(p(1).Production, 1);
    EXPECT_EQ(p(2).Ships, 50);
    st().CurrentPlTurn = 1;  // Bob may buy on his own planet
    st().SelectedPlanet = 1;
    t.dialogs.answer(Answer::Yes);
    EXPECT_TRUE(IncreaseProduction(t.game));
    EXPECT_EQ(p(1).Production, 2);
    EXPECT_EQ(p(1).Ships, 49);
}

}  // namespace
}  // namespace zenthar
