// The exact-name search behind Find Planet and the scroll positions it asks for.
#include "options/planet_search.h"

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

TEST(PlanetSearchTest, EveryExactMatchIsShownInTurnAndScrolledToButNotPastTheLeftEdge) {
    TestGame t;
    // clang-format off
    GalaxyBuilder(t.game).players({"Ann"})
        .planet(0, 20, 11).owner(0).home()
        .planet(1, 6, 30).planet(2, 3, 8).planet(3, 33, 40).build();
    // clang-format on
    const std::string vorn = FixedText<40>("Vorn").padded();
    t.st().planet(1).Name = t.st().planet(3).Name = vorn;
    // A name, and each planet shown with its horizontal and vertical scroll.
    const std::pair<std::string, std::vector<std::array<int, 3>>> cases[] = {
        {vorn, {{1, 0, 30}, {3, 27, 40}}},  // XPos 6 and 33; the later one stays
        {t.st().planet(2).Name.padded(), {{2, 0, 8}}},
        {t.st().planet(0).Name.padded(), {{0, 14, 11}}},
        {"Vorn", {}},  // names match exactly, blanks and letter case included
        {FixedText<40>("VORN").padded(), {}},
    };
    for (const auto& [name, expected] : cases) {
        std::vector<std::array<int, 3>> shown;
        const int n = SearchPlanet(t.st(), name, [&](const PlanetSearchMatch& m) {
            shown.push_back({m.planet, m.horizScroll, m.vertScroll});
        });
        EXPECT_EQ(shown, expected) << name;
        EXPECT_EQ(n, static_cast<int>(expected.size())) << name;
    }
    // A slot past the galaxy's last planet is not a planet, whatever name it still holds.
    t.st().planet(4).Name = FixedText<40>("Zed").padded();
    EXPECT_EQ(SearchPlanet(t.st(), t.st().planet(4).Name.padded(), nullptr), 0);
}

}  // namespace
}  // namespace zenthar::testing
