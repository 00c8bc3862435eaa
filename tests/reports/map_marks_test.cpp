// The galaxy map's marks and tooltips: each planet's owner as the panel tells it, the current
// player's own planets and capital, nothing of what the panel hides, and the forecast of Send
// Ships from the selected planet.
#include "reports/map_marks.h"

#include "orders/sendships.h"
#include "support/galaxy_builder.h"
#include "turn/lookups.h"

namespace zenthar::testing {
namespace {

class MapMarksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"}).year(4100)
            .planet(0, 0, 0).owner(0).home().ships(30).production(10, 20)
            .planet(1, 3, 4).owner(0).ships(7).production(3, 8).hostility(4)
            .planet(2, 0, 7).ships(25).production(6, 9).hostility(7).scouted("1000")
            .planet(3, 20, 20).owner(1).home().ships(12345).production(9, 9)
            .planet(4, 9, 9).ships(4321).hostility(8).build();
        // clang-format on
        PlanetRecord& p = t.st().planet(2);
        std::tie(p.KnownShip[0], p.KnownProd[0], p.KnownHost[0], p.YearScouted[0]) =
            std::tuple(11, 2, 9, 4097);
        t.st().SelectedPlanet = 0;
    }
    std::string name(int p) { return t.st().planet(p).Name.trimmed(); }
    TestGame t;
};

TEST_F(MapMarksTest, EveryPlanetShowsItsOwnerAndOnlyTheSideToMoveSeesItsOwnAndItsCapital) {
    // side, then per planet: owner, mine, capital
    using M = PlanetMark;
    // clang-format off
    const std::pair<int, std::vector<M>> cases[] = {
        {0, {{0, true, true}, {0, true, false}, {kEmpire, false, false}, {1, false, false}, {kEmpire, false, false}}},
        {1, {{0, false, false}, {0, false, false}, {kEmpire, false, false}, {1, true, true}, {kEmpire, false, false}}},
        {kEmpire, {{0, false, false}, {0, false, false}, {kEmpire, false, false}, {1, false, false}, {kEmpire, false, false}}},
        {-1, {{0, false, false}, {0, false, false}, {kEmpire, false, false}, {1, false, false}, {kEmpire, false, false}}},
    };
    // clang-format on
    for (const auto& [side, marks] : cases)
        for (int p = 0; p < 5; ++p) {
            EXPECT_EQ(MarkOf(t.st(), side, p), marks[static_cast<std::size_t>(p)])
                << "side " << side << ", planet " << p;
            EXPECT_EQ(MarkOf(t.st(), side, p).owner, OwnerOf(t.st(), p));
        }
    // A conquest shows at once: Bob takes planet 1.
    t.st().planet(1).Scouted = "1200";
    EXPECT_EQ(MarkOf(t.st(), 0, 1), (PlanetMark{1, false, false}));
    EXPECT_EQ(MarkOf(t.st(), 1, 1), (PlanetMark{1, true, false}));
}

TEST_F(MapMarksTest, TooltipsTellWhatThePanelWouldAndTheSendShipsForecastFromTheSelectedPlanet) {
    const std::string from0 = "\nFrom " + name(0) + ": distance ";
    const std::string unknown = "\nNot scouted: ships, production and hostility unknown";
    const std::string annsSecond =
        name(1) + "\nOwner: Ann (yours)\nShips: 7\nProduction: 3\nHostility: 4";
    // side to move, selected planet, hovered planet, tooltip
    // clang-format off
    const std::tuple<int, int, int, std::string> cases[] = {
        {0, 0, 0, name(0) + "\nOwner: Ann (your capital)\nShips: 30\nProduction: 10\nHostility: "},
        {0, 0, 1, annsSecond + from0 + "5, arrives in 4103 (3 years)"},
        {0, 0, 2, name(2) + "\nOwner: the Empire\nScouted in 4097\nShips: 11\nProduction: 2\n"
                  "Hostility: 9" + from0 + "7, arrives in 4104 (4 years)"},
        {0, 0, 3, name(3) + "\nOwner: Bob" + unknown + from0 + "28, arrives in 4114 (14 years)"},
        // No forecast from a planet the player does not own, nor for Bob from Ann's capital.
        {0, 4, 1, annsSecond},
        {1, 0, 2, name(2) + "\nOwner: the Empire" + unknown},
        {1, 0, 0, name(0) + "\nOwner: Ann" + unknown},
        {kEmpire, 0, 4, name(4) + "\nOwner: the Empire" + unknown}};
    // clang-format on
    for (const auto& [side, selected, planet, tip] : cases) {
        t.st().CurrentPlTurn = static_cast<Int16>(side);
        t.st().SelectedPlanet = static_cast<Int16>(selected);
        const std::string shown = PlanetTip(t.st(), planet);
        EXPECT_EQ(shown, tip) << "side " << side << ", planet " << planet;
        // What only the planet's owner or a scout knows never shows.
        for (const char* hidden : {"12345", "4321", "25"})
            EXPECT_EQ(shown.find(hidden), std::string::npos) << hidden;
        // The forecast is the one Send Ships shows for that destination.
        if (const auto a = ArrivalFor(t.st(), planet); a && shown.find("From ") != shown.npos) {
            const std::string text = ArrivalText(t.st(), planet);
            EXPECT_NE(text.find("arrives in " + std::to_string(a->year)), std::string::npos);
            EXPECT_NE(shown.find("arrives in " + std::to_string(a->year)), std::string::npos);
        }
    }
    EXPECT_EQ(PlanetTip(t.st(), 7), "") << "beyond the galaxy";
}

}  // namespace
}  // namespace zenthar::testing
