// The Ownership Map: where symbols, fleet lines and dots land, which symbol each owner gets,
// and how the map is closed with or without choosing a planet.
#include "reports/OwningMapFrm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "ui/units.h"
#include "support/galaxy_builder.h"
#include "support/widgets.h"

namespace zenthar::testing {
namespace {

using ui::OwningMapFrm;
using ui::PixelsToCm;

class OwningMapTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* icon : {"empire.ico", "shipvert.ico", "mac.ico"})
            std::filesystem::copy_file(std::filesystem::path(ZENTHAR_PROGRAM_DIR) / icon,
                                       t.game.ProgramFolder / icon);
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann", "Bob"})
            .planet(0, 20, 20).owner(0).home()
            .planet(1, 10, 20).owner(1).home()  // left of Ann's capital
            .planet(2, 45, 45)                  // the far corner
            .planet(3, 20, 5).owner(1)          // straight above it
            .planet(4, 30, 26)                  // right of it and lower
            .build();
        // clang-format on
        t.st().SelectedPlanet = 2;
    }
    QImage iconImage(const char* file) {
        return QIcon(QString::fromStdString((t.game.ProgramFolder / file).string()))
            .pixmap(QSize(OwningMapFrm::kSymbolPixels, OwningMapFrm::kSymbolPixels))
            .toImage();
    }
    std::optional<FleetDrawing> fleet(const char* from, const char* to, int ships, int year) {
        TaskForceRecord tf;
        tf.StartPl = from;
        tf.EndPl = to;
        tf.NumOfShips = static_cast<Int16>(ships);
        tf.RemTurns = static_cast<Int16>(year);
        return FleetGeometry(t.st(), m, tf);
    }
    TestGame t;
    // MW = 45 cm, MH = round(30.4) = 30 cm, symbols 0.8 cm square.
    OwningMapMetrics m = MakeOwningMapMetrics(47.0, 32.4, 0.8, 0.8);
};

TEST_F(OwningMapTest, SymbolsScaleFromTheMapPositions) {
    EXPECT_DOUBLE_EQ(m.MW, 45.0);
    EXPECT_EQ(m.MH, 30);
    EXPECT_DOUBLE_EQ(SymbolPosition(m, 9, 18).x, 9.0);
    EXPECT_DOUBLE_EQ(SymbolPosition(m, 9, 18).y, 12.0);
    EXPECT_DOUBLE_EQ(SymbolPosition(m, 45, 45).x, 45.0);
    EXPECT_DOUBLE_EQ(SymbolPosition(m, 45, 45).y, 30.0);
    EXPECT_DOUBLE_EQ(NamePosition(m, 9, 18).y, 12.8);
    // Halves of the height round to even: 30.5 cm of map height become 30, 31.5 become 32.
    EXPECT_EQ(MakeOwningMapMetrics(40, 32.5, 1, 1).MH, 30);
    EXPECT_EQ(MakeOwningMapMetrics(40, 33.5, 1, 1).MH, 32);
}

// The line ends at the near edge of the target's symbol, the dot sits just outside it.
TEST_F(OwningMapTest, LineEndAndDotForAFleetGoingLeftRightAndStraightUp) {
    const double row = 30.0 / 45;  // centimetres per map unit downwards
    const auto left = fleet("01", "02", 12, 4105);
    ASSERT_TRUE(left);
    EXPECT_DOUBLE_EQ(left->lineFrom.x, 20.0);
    EXPECT_DOUBLE_EQ(left->lineFrom.y, 20 * row + 0.4);
    EXPECT_DOUBLE_EQ(left->lineTo.x, 10.0 + 0.8);
    EXPECT_DOUBLE_EQ(left->lineTo.y, left->lineFrom.y);
    EXPECT_DOUBLE_EQ(left->dot.x, 10.8 + 0.06);
    EXPECT_DOUBLE_EQ(left->dot.y, left->lineTo.y + 0.02);
    EXPECT_DOUBLE_EQ(left->label.x, 20.0 + 0.57 * (10.8 - 20.0));
    EXPECT_EQ(left->text, "12/4105");

    const auto right = fleet("01", "05", 7, 4102);
    ASSERT_TRUE(right);
    EXPECT_DOUBLE_EQ(right->lineTo.x, 30.0);
    EXPECT_DOUBLE_EQ(right->lineTo.y, 26 * row + 0.4);
    EXPECT_DOUBLE_EQ(right->dot.x, 30.0 - 0.06);
    EXPECT_DOUBLE_EQ(right->label.y, 20 * row + 0.57 * (26 * row - 20 * row));

    const auto up = fleet("01", "04", 3, 4101);
    ASSERT_TRUE(up);
    EXPECT_DOUBLE_EQ(up->lineTo.x, up->lineFrom.x);
    EXPECT_DOUBLE_EQ(up->lineTo.y, 5 * row + 0.4);
    EXPECT_DOUBLE_EQ(up->dot.x, 20.0 + 0.06);

    EXPECT_FALSE(fleet("  ", "02", 3, 4101)) << "names no planet";
}

TEST_F(OwningMapTest, SymbolsStandScaledAndShowTheirOwners) {
    OwningMapFrm w(t.game, nullptr);
    ASSERT_EQ(w.PlayerSimPct.size(), 5u);
    // The planet at 45, 45 lands two centimetres from the right and bottom.
    const QPoint corner = w.PlayerSimPct[2]->pos();
    EXPECT_NEAR(PixelsToCm(w.width() - corner.x(), w.dpi()), 2.0, 0.05);
    EXPECT_NEAR(PixelsToCm(w.height() - corner.y(), w.dpi()), 2.0, 0.55);  // whole centimetres
    EXPECT_EQ(w.PlayerSimPct[0]->pos(), w.toPixels(SymbolPosition(w.metrics(), 20, 20)).toPoint());

    const QImage bob = iconImage("mac.ico");
    ASSERT_NE(iconImage("empire.ico"), bob);
    EXPECT_EQ(w.PlayerSimPct[0]->pixmap().toImage(), iconImage("shipvert.ico"));  // a capital
    EXPECT_EQ(w.PlayerSimPct[1]->pixmap().toImage(), bob);
    EXPECT_EQ(w.PlayerSimPct[2]->pixmap().toImage(), iconImage("empire.ico"));
    EXPECT_EQ(w.PlayerSimPct[3]->pixmap().toImage(), bob);
}

TEST_F(OwningMapTest, EscAndABackgroundClickKeepTheSelectionASymbolClickSelects) {
    {
        OwningMapFrm w(t.game, nullptr);
        w.show();
        QTest::keyClick(&w, Qt::Key_A);
        EXPECT_TRUE(w.isVisible());
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(t.view.mapDraws, 1);
    }
    {
        OwningMapFrm w(t.game, nullptr);
        w.show();
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(w.result(), QDialog::Rejected);
        EXPECT_EQ(t.view.mapDraws, 2);
    }
    EXPECT_EQ(t.st().SelectedPlanet, 2);
    OwningMapFrm w(t.game, nullptr);
    w.show();
    QTest::mouseClick(w.PlayerSimPct[3], Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(t.st().SelectedPlanet, 3);
    EXPECT_EQ(t.view.mapDraws, 2) << "the main window redraws after the map has closed";
}

TEST_F(OwningMapTest, TheKeyboardPicksAPlanetWithTabAndEnter) {
    OwningMapFrm w(t.game, nullptr);
    ShowActive(&w);
    w.PlayerSimPct[0]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.PlayerSimPct[0], Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w.PlayerSimPct[1]);
    EXPECT_EQ(w.PlayerSimPct[1]->accessibleName().toStdString(), t.st().planet(1).Name.trimmed());
    QTest::keyClick(w.PlayerSimPct[1], Qt::Key_A);
    EXPECT_TRUE(w.isVisible()) << "other keys change nothing";
    QTest::keyClick(w.PlayerSimPct[1], Qt::Key_Return);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(t.st().SelectedPlanet, 1);
}

TEST_F(OwningMapTest, FleetsModeDrawsTheCurrentPlayersTaskForcesAndTurnsTheNamesGreen) {
    t.st().ShowFleetsMode = true;
    t.st().TaskForceLast = 1;
    auto& list = t.st().TaskForceList;
    list[0].StartPl = "01";
    list[0].EndPl = "02";
    list[0].NumOfShips = 12;
    list[0].RemTurns = 4105;
    list[1].StartPl = "01";
    list[1].EndPl = "99";  // names no planet
    OwningMapFrm w(t.game, nullptr);
    const auto fleets = w.fleets();
    ASSERT_EQ(fleets.size(), 1u);
    EXPECT_EQ(fleets[0].text, "12/4105");
    const QImage shot = w.grab().toImage();
    EXPECT_EQ(w.textColour(), QColor(0, 255, 0));
    const QPoint dot = w.toPixels(fleets[0].dot).toPoint();
    EXPECT_EQ(shot.pixelColor(dot), QColor(255, 0, 0));

    t.st().ShowFleetsMode = false;
    OwningMapFrm plain(t.game, nullptr);
    EXPECT_EQ(plain.grab().toImage().pixelColor(dot), QColor(0, 0, 0));
    EXPECT_EQ(plain.textColour(), QColor(255, 255, 255));
}

}  // namespace
}  // namespace zenthar::testing
