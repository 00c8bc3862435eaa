// Find Planet: the list of stored names, the exact-name search that shows every match in turn,
// the scroll positions it asks for, and the command without a game.
#include "options/PlanetSearchFrm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

using ui::PlanetSearchFrm;

class FindPlanetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann"})
            .planet(0, 20, 11).owner(0).home()
            .planet(1, 6, 30).planet(2, 3, 8).planet(3, 33, 40)
            .build();
        // clang-format on
        t.st().planet(1).Name = "Vorn";
        t.st().planet(3).Name = "Vorn";
    }
    std::vector<PlanetSearchMatch> search(const std::string& name) {
        std::vector<PlanetSearchMatch> shown;
        SearchPlanet(t.st(), name, [&](const PlanetSearchMatch& m) { shown.push_back(m); });
        return shown;
    }
    // Runs the command, letting `act` work the dialog; returns the planets shown.
    std::vector<int> run(std::function<void(PlanetSearchFrm*)> act) {
        QTimer::singleShot(0, [act] {
            auto* dlg = qobject_cast<PlanetSearchFrm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dlg);
            act(dlg);
        });
        std::vector<int> shown;
        const int n = PlanetSearchFrm::run(
            t.game, nullptr, [&](const PlanetSearchMatch& m) { shown.push_back(m.planet); });
        EXPECT_EQ(n, static_cast<int>(shown.size()));
        return shown;
    }
    TestGame t;
};

TEST_F(FindPlanetTest, EveryMatchIsShownInTurnAndNearTheLeftEdgeTheMapScrollsFullyLeft) {
    const auto vorn = search(FixedText<40>("Vorn").padded());
    ASSERT_EQ(vorn.size(), 2u);  // the later one is shown last and stays
    EXPECT_EQ(vorn[0].planet, 1);
    EXPECT_EQ(vorn[0].horizScroll, 0);  // XPos 6
    EXPECT_EQ(vorn[0].vertScroll, 30);
    EXPECT_EQ(vorn[1].planet, 3);
    EXPECT_EQ(vorn[1].horizScroll, 27);
    EXPECT_EQ(vorn[1].vertScroll, 40);
    for (const auto& [planet, scroll] : {std::pair{2, 0}, std::pair{0, 14}}) {  // XPos 3 and 20
        const auto one = search(t.st().planet(planet).Name.padded());
        ASSERT_EQ(one.size(), 1u);
        EXPECT_EQ(one[0].horizScroll, scroll) << planet;
    }
    // Names match exactly, blanks and letter case included.
    EXPECT_TRUE(search("Vorn").empty());
    EXPECT_TRUE(search(FixedText<40>("VORN").padded()).empty());
}

TEST_F(FindPlanetTest, TheListHoldsTheStoredNamesAndOkShowsEveryMatch) {
    std::vector<std::string> names;
    const auto shown = run([&names](PlanetSearchFrm* dlg) {
        for (int i = 0; i < dlg->PlSearchCmb->count(); ++i)
            names.push_back(dlg->PlSearchCmb->itemText(i).toStdString());
        dlg->PlSearchCmb->setCurrentIndex(1);
        QTest::mouseClick(dlg->OkBtn, Qt::LeftButton);
    });
    ASSERT_EQ(names.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(names[i], t.st().planet(static_cast<int>(i)).Name.padded());
    EXPECT_EQ(shown, (std::vector<int>{1, 3}));
    EXPECT_EQ(t.st().SearchPlanetName, FixedText<40>("Vorn").padded());
}

TEST_F(FindPlanetTest, CancelOrTheCloseBoxChoosesNothing) {
    t.st().SearchPlanetName = "before";
    EXPECT_TRUE(run([](PlanetSearchFrm* dlg) {
                    QTest::mouseClick(dlg->CancelBtn, Qt::LeftButton);
                }).empty());
    EXPECT_TRUE(run([](PlanetSearchFrm* dlg) { dlg->close(); }).empty());
    EXPECT_EQ(t.st().SearchPlanetName, "before");
}

TEST(FindPlanetWithoutAGame, TheCommandDoesNothing) {
    TestGame t;  // started up, no game
    bool dialogShown = false;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            dialogShown = true;
            w->close();
        }
    });
    guard.start(10);
    int calls = 0;
    EXPECT_EQ(PlanetSearchFrm::run(t.game, nullptr, [&](const PlanetSearchMatch&) { ++calls; }), 0);
    EXPECT_FALSE(dialogShown);
    EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace zenthar::testing
