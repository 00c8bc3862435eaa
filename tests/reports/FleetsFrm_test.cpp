// The Fleets in Flight window: an empty list, its rows, and how it is left.
#include "reports/FleetsFrm.h"

#include <QPushButton>
#include <QTreeWidget>

#include "support/widgets.h"

namespace zenthar::testing {
namespace {

TEST(FleetsFrm, WithoutFleetsItSaysSoAndWithThemEnterOrADoubleClickChoosesTheDestination) {
    TestGame t;
    // clang-format off
    GalaxyBuilder(t.game).players({"Ann"})
        .planet(0, 0, 0).owner(0).home().ships(50)
        .planet(1, 0, 4)
        .planet(2, 0, 12).build();
    // clang-format on
    ui::FleetsFrm none(t.game, nullptr);
    ShowActive(&none);
    EXPECT_EQ(FindChild<QLabel>(&none, "NoneLbl")->isVisible(), true);
    EXPECT_EQ(FindChild<QPushButton>(&none, "ShowBtn")->isEnabled(), false);
    QTest::keyClick(&none, Qt::Key_Return);
    EXPECT_EQ(none.chosenPlanet(), -1);
    // How the window is left, and the planet to show then.
    const std::pair<std::string, int> cases[] = {
        {"Enter", 2}, {"double click", 1}, {"Show button", 1}, {"Close", -1}, {"Esc", -1}};
    LaunchTaskForce(t.st(), 0, 2, 7);
    LaunchTaskForce(t.st(), 0, 1, 3);
    for (const auto& [how, chosen] : cases) {
        SCOPED_TRACE(how);
        ui::FleetsFrm w(t.game, nullptr);
        ShowActive(&w);
        auto* list = FindChild<QTreeWidget>(&w, "FleetLst");
        ASSERT_EQ(list->topLevelItemCount(), 2);
        EXPECT_EQ(
            std::pair(list->topLevelItem(0)->text(1), list->topLevelItem(1)->text(3)),
            std::pair(QString::fromStdString(t.st().planet(1).Name.trimmed()), QString("4106")));
        EXPECT_EQ(std::pair(Text(&w, "NoneLbl"), FindChild<QLabel>(&w, "NoneLbl")->isVisible()),
                  std::pair(std::string("You have no fleets in flight."), false));
        if (how == "Enter") {
            list->setCurrentItem(list->topLevelItem(1));
            QTest::keyClick(list, Qt::Key_Return);
        }
        if (how == "double click") {
            // A double click is a click and then the second press.
            const QPoint row = list->visualItemRect(list->topLevelItem(0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
        }
        if (how == "Show button") Click(&w, "ShowBtn");
        if (how == "Close") Click(&w, "CloseBtn");
        if (how == "Esc") QTest::keyClick(list, Qt::Key_Escape);
        EXPECT_EQ(std::pair(w.isVisible(), w.chosenPlanet()), std::pair(false, chosen));
    }
}

}  // namespace
}  // namespace zenthar::testing
