// The exact-name search behind Find Planet and the scroll positions it asks for.
#include "options/planet_search.h"

#include "options/two_vorns.h"

namespace zenthar::testing {
namespace {

TEST(PlanetSearchTest, EveryExactMatchIsShownInTurnAndScrolledToButNotPastTheLeftEdge) {
    TestGame t;
    const std::string vorn = BuildTwoVorns(t.game);
    // A name, and each planet shown with its horizontal and vertical scroll.
    const std::pair<std::string, std::vector<std::array<int, 3>>> cases[] = {
        {vorn, {{1, 0, 30}, {3, 27, 40}}},  // XPos 6 and 33; the later one stays
        {t.st().planet(2).Name.padded(), {{2, 0, 8}}},
        {t.st().planet(0).Name.padded(), {{0, 14, 11}}},
        {"Vorn", {}},  // names match exactly, blanks and letter case included
        {FixedText<40>("VORN").padded(), {}}};
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
