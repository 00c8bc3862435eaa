// Increase Production: who may give it, the price, the once-a-year flag and the three refusals
// in their order. The order asks nothing; the window's question is tested with the window.
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
            .planet(2, 25, 5).ships(50).production(1, 10).scouted("1000").currentPlayer(0).build();
        // clang-format on
    }
    GameState& st() { return t.st(); }
    PlanetRecord& p(int i) { return st().planet(i); }
    // Everything an increase changes on planet i: production, ships and the flag.
    std::tuple<int, int, int> planet(int i) { return {p(i).Production, p(i).Ships, p(i).WillProd}; }
    testing::TestGame t;
};

// Only the owner's order counts; it pays the production before the increase, once a year.
TEST_F(IncreaseProductionTest, TheOwnerBuysOneStepOnceAYear) {
    for (int planet : {1, 2, 45})  // Bob's, only scouted, no planet at all
        EXPECT_EQ(IncreaseProduction(st(), planet), ProductionCheck::NotOwned) << planet;
    EXPECT_EQ(std::tuple(planet(1), planet(2)),
              std::tuple(std::tuple(1, 50, -1), std::tuple(1, 50, -1)));

    p(0).Ships = 3;  // exactly the price: the production before the increase
    EXPECT_EQ(IncreaseProduction(st(), 0), ProductionCheck::Allowed);
    EXPECT_EQ(planet(0), std::tuple(4, 0, 0));
    p(0).Ships = 10;
    EXPECT_EQ(IncreaseProduction(st(), 0), ProductionCheck::AlreadyRaised);
    EXPECT_EQ(planet(0), std::tuple(4, 10, 0));
    st().CurrentPlTurn = 1;  // Bob may buy on his own planet
    EXPECT_EQ(IncreaseProduction(st(), 1), ProductionCheck::Allowed);
    EXPECT_EQ(planet(1), std::tuple(2, 49, 0));
    EXPECT_EQ(
        IncreaseProductionQuestion(st(), 0),
        "Are you sure that you want to increase the production for " + p(0).Name.trimmed() + "?");
}

TEST_F(IncreaseProductionTest, RefusalsComeInTheirOrderAndChangeNothing) {
    // clang-format off
    const std::tuple<int, int, int, ProductionCheck, const char*> cases[] = {
        {6, -1, 10, ProductionCheck::AtLimit, "You have reached the Production limit for this planet."},
        {6, 0, 10, ProductionCheck::AlreadyRaised, "Production already increased for this turn."},  // the flag comes first
        {6, -1, 2, ProductionCheck::AtLimit, "You have reached the Production limit for this planet."},
        {5, -1, 4, ProductionCheck::TooFewShips, "You don't have enough ships to increase the Production on this planet."},
        {8, -1, 40, ProductionCheck::AboveLimit, ""}};  // above the limit: nothing to say
    // clang-format on
    for (const auto& [production, willProd, ships, check, message] : cases) {
        SCOPED_TRACE(production);
        p(0).Production = static_cast<Int16>(production);
        p(0).WillProd = static_cast<Int16>(willProd);
        p(0).Ships = static_cast<Int16>(ships);
        EXPECT_EQ(IncreaseProduction(st(), 0), check);
        EXPECT_EQ(planet(0), std::tuple(production, ships, willProd));
        EXPECT_EQ(ProductionRefusalText(check), message);
    }
    EXPECT_EQ(ProductionRefusalText(ProductionCheck::NotOwned), "");
}

}  // namespace
}  // namespace zenthar
