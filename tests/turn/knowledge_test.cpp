// What a side is shown of a planet: the owner always, the garrison only of its own planets or
// as its scouting saw it, and nothing of another player's scouting.
#include "turn/knowledge.h"

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

TEST(KnowledgeTest, EachSideSeesItsOwnPlanetsTrulyAndOthersAsItScoutedThem) {
    TestGame t;
    // clang-format off
    GalaxyBuilder(t.game).players({"Ann", "Bob"})
        .planet(0, 5, 5).owner(0).home().ships(30).production(10, 20)
        .planet(1, 9, 5).owner(1).ships(7).production(3, 8).hostility(4).scouted("1200")
        .planet(2, 12, 7).ships(25).production(6, 9).hostility(7).icon("bad_pl.ico").build();
    // clang-format on
    PlanetRecord& seen = t.st().planet(1);
    std::tie(seen.KnownShip[0], seen.KnownProd[0], seen.KnownHost[0], seen.YearScouted[0]) =
        std::tuple(2, 1, 9, 4101);

    auto line = [&](int side, int p) {
        const PlanetShown s = PlanetShownTo(t.st(), side, p);
        auto v = [](const std::optional<Int16>& x) { return x ? std::to_string(*x) : "-"; };
        return std::to_string(s.owner) + s.kind + std::to_string(static_cast<int>(s.knowledge)) +
               " " + v(s.ships) + "/" + v(s.production) + "/" + v(s.hostility) + "/" +
               v(s.yearScouted);
    };
    // clang-format off
    const std::tuple<int, int, std::string> cases[] = {
        {0, 0, "0g3 30/10/0/-"},     // her capital: the true values
        {0, 1, "1m1 2/1/9/4101"},    // Bob's planet as she scouted it, not as it is
        {1, 1, "1m2 7/3/4/-"},       // Bob's own planet: the truth
        {1, 0, "0g0 -/-/-/-"},       // never scouted: owner and kind only
        {0, 2, "4b0 -/-/-/-"},
        {kEmpire, 1, "1m0 -/-/-/-"},  // no side but the players scouts
        {-1, 0, "0g0 -/-/-/-"}};
    // clang-format on
    for (const auto& [side, planet, shown] : cases)
        EXPECT_EQ(line(side, planet), shown) << "side " << side << ", planet " << planet;
}

}  // namespace
}  // namespace zenthar::testing
