// The Production Summary window: who owns how much, which rows show, and that the cells are
// only for reading.
#include "reports/ProdSumFrm.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

using ui::ProdSumFrm;

std::string text(const QLineEdit* e) {
    return e->text().toStdString();
}

// Ann alone against the Empire, with a task force in flight.
class ProdSumTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann"})
            .planet(0, 5, 5).owner(0).home().ships(30).production(10, 20)
            .planet(1, 9, 5).ships(4).production(3, 8)
            .planet(2, 20, 30).ships(7).production(2, 5)
            .build();
        // clang-format on
        t.st().TaskForceLast = 0;
        t.st().TaskForceList[0].NumOfShips = 50;
    }
    TestGame t;
};

TEST_F(ProdSumTest, OnePlayerShowsOnlyTheEmpireAndPlayerZero) {
    ProdSumFrm w(t.game, nullptr);
    const std::vector<std::vector<std::string>> expected{
        {"Empire", "2", "5", "11"},
        {"Ann" + std::string(37, ' '), "1", "10", "30"}};  // ships in flight are not counted
    for (int r = 0; r < ProdSumFrm::kRows; ++r) {
        SCOPED_TRACE(r);
        const auto i = static_cast<std::size_t>(r);
        for (QLineEdit* cell :
             {w.PlNameLbl[i], w.PlOwnedLbl[i], w.TotProdLbLl[i], w.NumOfFleetfLbl[i]})
            EXPECT_EQ(cell->isVisibleTo(&w), r <= 1);
        if (r <= 1) {
            EXPECT_EQ((std::vector<std::string>{text(w.PlNameLbl[i]), text(w.PlOwnedLbl[i]),
                                                text(w.TotProdLbLl[i]), text(w.NumOfFleetfLbl[i])}),
                      expected[i]);
        }
    }
}

TEST(ProdSumFrm, PlanetsOwnedAddUpToThePlanetsOfTheGalaxy) {
    TestGame t;
    // clang-format off
    GalaxyBuilder(t.game).players({"Ann", "Bob", "Cy"})
        .planet(0, 5, 5).owner(0).home().ships(30).production(10, 20)
        .planet(1, 15, 5).owner(1).home().ships(20).production(12, 20)
        .planet(2, 25, 5).owner(2).home().ships(5).production(15, 20)
        .planet(3, 35, 5).owner(1).ships(6).production(4, 9)
        .planet(4, 5, 25).ships(8).production(2, 4)
        .planet(5, 15, 25).scouted("1100").ships(9).production(3, 4)
        .build();
    // clang-format on
    t.st().planet(2).Scouted = "0010";  // Cy lost his capital: listed with nothing
    ProdSumFrm w(t.game, nullptr);
    long long owned = 0;
    for (int r = 0; r < ProdSumFrm::kRows; ++r)
        if (w.PlOwnedLbl[static_cast<std::size_t>(r)]->isVisibleTo(&w))
            owned += w.PlOwnedLbl[static_cast<std::size_t>(r)]->text().toLongLong();
    EXPECT_EQ(owned, t.st().PlanetsNum);
    EXPECT_EQ(text(w.PlOwnedLbl[0]), "3");  // planets 2, 4 and 5
    EXPECT_EQ(text(w.NumOfFleetfLbl[0]), "22");
    EXPECT_EQ(text(w.PlOwnedLbl[2]), "2");  // Bob: 1 and 3
    EXPECT_EQ(text(w.TotProdLbLl[2]), "16");
    EXPECT_EQ(text(w.PlOwnedLbl[3]), "0");
    EXPECT_TRUE(w.PlNameLbl[3]->isVisibleTo(&w));
    EXPECT_FALSE(w.PlNameLbl[4]->isVisibleTo(&w));
}

TEST_F(ProdSumTest, TypingIntoTheCellsChangesNothing) {
    ProdSumFrm w(t.game, nullptr);
    w.show();
    for (QLineEdit* cell : {w.PlNameLbl[0], w.PlOwnedLbl[1], w.TotProdLbLl[0], w.NumOfFleetfLbl[1],
                            w.Text1, w.Text2, w.Text3}) {
        const QString before = cell->text();
        cell->setFocus();
        cell->selectAll();
        QTest::keyClicks(cell, "99x");
        QTest::keyClick(cell, Qt::Key_Backspace);
        QTest::keyClick(cell, Qt::Key_Delete);
        EXPECT_EQ(cell->text(), before) << cell->objectName().toStdString();
    }
}

TEST_F(ProdSumTest, CloseAndEscRedrawTheMapOnce) {
    {
        ProdSumFrm w(t.game, nullptr);
        w.show();
        QTest::mouseClick(w.CloseBtn, Qt::LeftButton);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(t.view.mapDraws, 1);
    }
    ProdSumFrm w(t.game, nullptr);
    w.show();
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    w.close();  // already closed: no second redraw
    EXPECT_EQ(t.view.mapDraws, 2);
}

}  // namespace
}  // namespace zenthar::testing
