// The Ownership Map: where symbols, fleet lines and dots land, which symbol each owner gets,
// and how the map is closed with or without choosing a planet.
#include "reports/OwningMapFrm.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "reports/units.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

using ui::OwningMapFrm;
using ui::PixelsToCm;

// ---- geometry, in centimetres --------------------------------------------------------------

class FleetGeometryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann"})
            .planet(0, 20, 20).owner(0).home()
            .planet(1, 10, 20)  // to the left
            .planet(2, 30, 26)  // to the right and lower
            .planet(3, 20, 5)   // straight up
            .build();
        // clang-format on
        // MW = 45 cm, MH = round(30.4) = 30 cm, symbols 0.8 cm square.
        m = MakeOwningMapMetrics(47.0, 32.4, 0.8, 0.8);
    }
    TaskForceRecord taskForce(const char* from, const char* to, int ships, int year) {
        TaskForceRecord tf;
        tf.StartPl = from;
        tf.EndPl = to;
        tf.NumOfShips = static_cast<Int16>(ships);
        tf.RemTurns = static_cast<Int16>(year);
        return tf;
    }
    TestGame t;
    OwningMapMetrics m;
};

TEST_F(FleetGeometryTest, SymbolsScaleFromTheMapPositions) {
    EXPECT_DOUBLE_EQ(m.MW, 45.0);
    EXPECT_EQ(m.MH, 30);
    const CmPoint p = SymbolPosition(m, 9, 18);
    EXPECT_DOUBLE_EQ(p.x, 9.0);
    EXPECT_DOUBLE_EQ(p.y, 12.0);
    const CmPoint corner = SymbolPosition(m, 45, 45);
    EXPECT_DOUBLE_EQ(corner.x, 45.0);
    EXPECT_DOUBLE_EQ(corner.y, 30.0);
    const CmPoint name = NamePosition(m, 9, 18);
    EXPECT_DOUBLE_EQ(name.y, 12.8);
    // Halves of the height round to even: 30.5 cm of map height become 30, 31.5 become 32.
    EXPECT_EQ(MakeOwningMapMetrics(40, 32.5, 1, 1).MH, 30);
    EXPECT_EQ(MakeOwningMapMetrics(40, 33.5, 1, 1).MH, 32);
}

TEST_F(FleetGeometryTest, AFleetGoingLeftEndsAtTheRightEdgeWithTheDotToTheRight) {
    const auto f = FleetGeometry(t.st(), m, taskForce("01", "02", 12, 4105));
    ASSERT_TRUE(f);
    EXPECT_DOUBLE_EQ(f->lineFrom.x, 20.0);
    EXPECT_DOUBLE_EQ(f->lineFrom.y, 13.3333333333333333 + 0.4);
    EXPECT_DOUBLE_EQ(f->lineTo.x, 10.0 + 0.8);
    EXPECT_DOUBLE_EQ(f->lineTo.y, f->lineFrom.y);
    EXPECT_DOUBLE_EQ(f->dot.x, 10.8 + 0.06);
    EXPECT_DOUBLE_EQ(f->dot.y, f->lineTo.y + 0.02);
    EXPECT_DOUBLE_EQ(f->label.x, 20.0 + 0.57 * (10.8 - 20.0));
    EXPECT_EQ(f->text, "12/4105");
}

TEST_F(FleetGeometryTest, AFleetGoingRightEndsAtTheLeftEdgeWithTheDotToTheLeft) {
    const auto f = FleetGeometry(t.st(), m, taskForce("01", "03", 7, 4102));
    ASSERT_TRUE(f);
    EXPECT_DOUBLE_EQ(f->lineTo.x, 30.0);
    EXPECT_DOUBLE_EQ(f->lineTo.y, 26.0 * 30 / 45 + 0.4);
    EXPECT_DOUBLE_EQ(f->dot.x, 30.0 - 0.06);
    EXPECT_DOUBLE_EQ(f->label.x, 20.0 + 0.57 * 10.0);
    EXPECT_DOUBLE_EQ(f->label.y, 20.0 * 30 / 45 + 0.57 * (26.0 * 30 / 45 - 20.0 * 30 / 45));
    EXPECT_EQ(f->text, "7/4102");
}

TEST_F(FleetGeometryTest, AFleetGoingStraightUpHasItsDotToTheRight) {
    const auto f = FleetGeometry(t.st(), m, taskForce("01", "04", 3, 4101));
    ASSERT_TRUE(f);
    EXPECT_DOUBLE_EQ(f->lineFrom.x, f->lineTo.x);
    EXPECT_DOUBLE_EQ(f->lineTo.y, 5.0 * 30 / 45 + 0.4);
    EXPECT_DOUBLE_EQ(f->dot.x, 20.0 + 0.06);
}

TEST_F(FleetGeometryTest, ATaskForceNamingNoPlanetIsLeftOut) {
    EXPECT_FALSE(FleetGeometry(t.st(), m, taskForce("01", "77", 3, 4101)));
    EXPECT_FALSE(FleetGeometry(t.st(), m, taskForce("  ", "02", 3, 4101)));
}

// ---- the window ----------------------------------------------------------------------------

class OwningMapTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* icon : {"empire.ico", "shipvert.ico", "mac.ico"})
            std::filesystem::copy_file(std::filesystem::path(ZENTHAR_PROGRAM_DIR) / icon,
                                       t.game.ProgramFolder / icon);
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"})
            .planet(0, 10, 10).owner(0).home()
            .planet(1, 30, 20).owner(1).home()
            .planet(2, 45, 45)
            .planet(3, 25, 30).owner(1)
            .build();
        // clang-format on
        t.st().SelectedPlanet = 2;
    }
    QImage iconImage(const char* file) {
        return QIcon(QString::fromStdString((t.game.ProgramFolder / file).string()))
            .pixmap(QSize(OwningMapFrm::kSymbolPixels, OwningMapFrm::kSymbolPixels))
            .toImage();
    }
    TestGame t;
};

TEST_F(OwningMapTest, ThePlanetAt45_45LandsTwoCentimetresFromTheRightAndBottom) {
    OwningMapFrm w(t.game, nullptr);
    EXPECT_EQ(w.windowTitle().toStdString(), "Owning Map");
    ASSERT_EQ(w.PlayerSimPct.size(), 4u);
    const QPoint corner = w.PlayerSimPct[2]->pos();
    const double rightCm = PixelsToCm(w.width() - corner.x(), w.dpi());
    const double bottomCm = PixelsToCm(w.height() - corner.y(), w.dpi());
    EXPECT_NEAR(rightCm, 2.0, 0.05);
    EXPECT_NEAR(bottomCm, 2.0, 0.5 + 0.05);  // the height is rounded to whole centimetres
    const QPointF first = w.toPixels(SymbolPosition(w.metrics(), 10, 10));
    EXPECT_EQ(w.PlayerSimPct[0]->pos(), first.toPoint());
}

TEST_F(OwningMapTest, EveryOwnerShowsItsOwnSymbol) {
    OwningMapFrm w(t.game, nullptr);
    const QImage empire = iconImage("empire.ico");
    const QImage ann = iconImage("shipvert.ico");
    const QImage bob = iconImage("mac.ico");
    ASSERT_FALSE(empire.isNull());
    ASSERT_NE(empire, bob);
    EXPECT_EQ(w.PlayerSimPct[0]->pixmap().toImage(), ann);  // a capital shows its owner's symbol
    EXPECT_EQ(w.PlayerSimPct[1]->pixmap().toImage(), bob);
    EXPECT_EQ(w.PlayerSimPct[2]->pixmap().toImage(), empire);
    EXPECT_EQ(w.PlayerSimPct[3]->pixmap().toImage(), bob);
}

TEST_F(OwningMapTest, EscAndABackgroundClickKeepTheSelection) {
    {
        OwningMapFrm w(t.game, nullptr);
        w.show();
        QTest::keyClick(&w, Qt::Key_A);
        EXPECT_TRUE(w.isVisible());
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(t.st().SelectedPlanet, 2);
        EXPECT_EQ(t.view.mapDraws, 1);
    }
    {
        OwningMapFrm w(t.game, nullptr);
        w.show();
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(w.result(), QDialog::Rejected);
        EXPECT_EQ(t.st().SelectedPlanet, 2);
        EXPECT_EQ(t.view.mapDraws, 2);
    }
}

TEST_F(OwningMapTest, ASymbolClickSelectsThatPlanet) {
    OwningMapFrm w(t.game, nullptr);
    w.show();
    QTest::mouseClick(w.PlayerSimPct[3], Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(t.st().SelectedPlanet, 3);
    EXPECT_EQ(t.view.mapDraws, 0);  // the main window redraws after the map has closed
}

TEST_F(OwningMapTest, FleetsModeDrawsTheCurrentPlayersTaskForcesAndTurnsTheNamesGreen) {
    t.st().ShowFleetsMode = true;
    {
        OwningMapFrm w(t.game, nullptr);
        EXPECT_TRUE(w.fleets().empty());
        w.grab();  // a paint with no task force changes nothing
        EXPECT_EQ(w.textColour(), QColor(255, 255, 255));
    }
    t.st().TaskForceLast = 1;
    t.st().TaskForceList[0].StartPl = "01";
    t.st().TaskForceList[0].EndPl = "02";
    t.st().TaskForceList[0].NumOfShips = 12;
    t.st().TaskForceList[0].RemTurns = 4105;
    t.st().TaskForceList[1].StartPl = "01";
    t.st().TaskForceList[1].EndPl = "99";  // names no planet
    OwningMapFrm w(t.game, nullptr);
    const auto fleets = w.fleets();
    ASSERT_EQ(fleets.size(), 1u);
    EXPECT_EQ(fleets[0].text, "12/4105");
    const QImage shot = w.grab().toImage();
    EXPECT_EQ(w.textColour(), QColor(0, 255, 0));
    // The red dot sits at its place on the drawn window.
    const QPoint dot = w.toPixels(fleets[0].dot).toPoint();
    EXPECT_EQ(shot.pixelColor(dot), QColor(255, 0, 0));

    t.st().ShowFleetsMode = false;
    OwningMapFrm plain(t.game, nullptr);
    EXPECT_EQ(plain.grab().toImage().pixelColor(dot), QColor(0, 0, 0));
}

}  // namespace
}  // namespace zenthar::testing
