// Find Planet's window: the list of stored names, and OK showing every match in turn (the
// search itself is tested with the core).
#include "options/PlanetSearchFrm.h"

#include "options/two_vorns.h"
#include "support/widgets.h"

namespace zenthar::testing {
namespace {

TEST(FindPlanet, TheListHoldsTheStoredNamesOkShowsEveryMatchCancelNone) {
    TestGame t;
    const std::string vorn = BuildTwoVorns(t.game);
    // Runs the command, letting `act` work the dialog; returns the planets shown.
    auto run = [&t](std::function<void(QWidget*)> act) {
        OnNextModal(act);
        std::vector<int> shown;
        const int n = ui::PlanetSearchFrm::run(
            t.game, nullptr, [&](const PlanetSearchMatch& m) { shown.push_back(m.planet); });
        EXPECT_EQ(n, static_cast<int>(shown.size()));
        return shown;
    };
    const auto shown = run([&t](QWidget* dlg) {
        auto* list = FindChild<QComboBox>(dlg, "PlSearchCmb");
        EXPECT_EQ(list->count(), 4);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(list->itemText(i).toStdString(), t.st().planet(i).Name.padded()) << i;
        list->setCurrentIndex(1);
        Click(dlg, "OkBtn");
    });
    EXPECT_EQ(std::tuple(shown, t.st().SearchPlanetName), std::tuple(std::vector<int>{1, 3}, vorn));

    // Cancel and the close box neither search the name of the last search (which would be
    // found again) nor the one chosen, nor keep it. That nothing opens without a game is
    // checked with the other commands in commands_test.cpp.
    EXPECT_TRUE(run([](QWidget* dlg) {
                    FindChild<QComboBox>(dlg, "PlSearchCmb")->setCurrentIndex(2);
                    Click(dlg, "CancelBtn");
                }).empty());
    EXPECT_TRUE(run([](QWidget* dlg) { dlg->close(); }).empty());
    EXPECT_EQ(t.st().SearchPlanetName, vorn);
}

}  // namespace
}  // namespace zenthar::testing
