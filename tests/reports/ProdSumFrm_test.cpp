// The Production Summary window: who owns how much, which rows show, and that the cells are
// only for reading.
#include "reports/ProdSumFrm.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "reports/production_totals.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

using ui::ProdSumFrm;

std::string text(const QLineEdit* e) {
    return e->text().toStdString();
}

TEST(ProdSumFrm, OnePlayerShowsOnlyTheEmpireAndPlayerZero) {
    TestGame t;
    // clang-format off
    GalaxyBuilder(t.game).players({"Ann"})
        .planet(0, 5, 5).owner(0).home().ships(30).production(10, 20)
        .planet(1, 9, 5).ships(4).production(3, 8)
        .planet(2, 20, 30).ships(7).production(2, 5)
        .build();
    // clang-format on
    ProdSumFrm w(t.game, nullptr);
    EXPECT_EQ(w.windowTitle().toStdString(), "Production Summary");
    EXPECT_EQ(text(w.PlNameLbl[0]), "Empire");
    EXPECT_EQ(text(w.PlOwnedLbl[0]), "2");
    EXPECT_EQ(text(w.TotProdLbLl[0]), "5");
    EXPECT_EQ(text(w.NumOfFleetfLbl[0]), "11");
    // The player's stored name, padded to its 40 characters.
    EXPECT_EQ(text(w.PlNameLbl[1]), std::string("Ann") + std::string(37, ' '));
    EXPECT_EQ(text(w.PlOwnedLbl[1]), "1");
    EXPECT_EQ(text(w.TotProdLbLl[1]), "10");
    EXPECT_EQ(text(w.NumOfFleetfLbl[1]), "30");
    for (int r = 0; r < ProdSumFrm::kRows; ++r) {
        const bool shown = r <= 1;
        const auto i = static_cast<std::size_t>(r);
        EXPECT_EQ(w.PlNameLbl[i]->isVisibleTo(&w), shown) << "row " << r;
        EXPECT_EQ(w.PlOwnedLbl[i]->isVisibleTo(&w), shown) << "row " << r;
        EXPECT_EQ(w.TotProdLbLl[i]->isVisibleTo(&w), shown) << "row " << r;
        EXPECT_EQ(w.NumOfFleetfLbl[i]->isVisibleTo(&w), shown) << "row " << r;
    }
    EXPECT_EQ(text(w.Text1), "Player");
    EXPECT_EQ(text(w.Text2), "Planets Owned");
    EXPECT_EQ(text(w.Text3), "Total Production");
    EXPECT_EQ(text(w.Text4), "Number of Fleets");
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
    // A player who has lost every planet is listed with nothing.
    t.st().planet(2).Scouted = "0010";
    ProdSumFrm w(t.game, nullptr);

    long long owned = 0;
    for (int r = 0; r < ProdSumFrm::kRows; ++r)
        if (w.PlOwnedLbl[static_cast<std::size_t>(r)]->isVisibleTo(&w))
            owned += w.PlOwnedLbl[static_cast<std::size_t>(r)]->text().toLongLong();
    EXPECT_EQ(owned, t.st().PlanetsNum);

    EXPECT_EQ(text(w.PlOwnedLbl[0]), "3");  // planets 2, 4 and 5
    EXPECT_EQ(text(w.TotProdLbLl[0]), "20");
    EXPECT_EQ(text(w.NumOfFleetfLbl[0]), "22");
    EXPECT_EQ(text(w.PlOwnedLbl[2]), "2");  // Bob: 1 and 3
    EXPECT_EQ(text(w.TotProdLbLl[2]), "16");
    EXPECT_EQ(text(w.NumOfFleetfLbl[2]), "26");
    EXPECT_EQ(text(w.PlOwnedLbl[3]), "0");  // Cy lost his capital
    EXPECT_EQ(text(w.TotProdLbLl[3]), "0");
    EXPECT_EQ(text(w.NumOfFleetfLbl[3]), "0");
    EXPECT_TRUE(w.PlNameLbl[3]->isVisibleTo(&w));
    EXPECT_FALSE(w.PlNameLbl[4]->isVisibleTo(&w));
}

TEST(ProdSumFrm, TaskForcesInFlightAreNotCountedAsShips) {
    TestGame t;
    // clang-format off
    GalaxyBuilder(t.game).players({"Ann"})
        .planet(0, 5, 5).owner(0).home().ships(30)
        .planet(1, 9, 5).ships(4)
        .build();
    // clang-format on
    t.st().TaskForceLast = 0;
    t.st().TaskForceList[0].NumOfShips = 50;
    const auto totals = ComputeProductionTotals(t.st());
    EXPECT_EQ(totals[0].ships, 30);
    EXPECT_EQ(totals[kEmpire].ships, 4);
}

TEST(ProdSumFrm, TypingIntoTheCellsChangesNothing) {
    TestGame t;
    // clang-format off
    GalaxyBuilder(t.game).players({"Ann"})
        .planet(0, 5, 5).owner(0).home().ships(3)
        .planet(1, 9, 5)
        .build();
    // clang-format on
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
        EXPECT_TRUE(cell->isReadOnly());
    }
}

TEST(ProdSumFrm, CloseAndEscRedrawTheMapOnce) {
    TestGame t;
    GalaxyBuilder(t.game).players({"Ann"}).planet(0, 5, 5).owner(0).home().build();
    {
        ProdSumFrm w(t.game, nullptr);
        w.show();
        QTest::mouseClick(w.CloseBtn, Qt::LeftButton);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(w.result(), QDialog::Rejected);
        EXPECT_EQ(t.view.mapDraws, 1);
    }
    {
        ProdSumFrm w(t.game, nullptr);
        w.show();
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(t.view.mapDraws, 2);
        w.close();  // already closed: no second redraw
        EXPECT_EQ(t.view.mapDraws, 2);
    }
}

}  // namespace
}  // namespace zenthar::testing
