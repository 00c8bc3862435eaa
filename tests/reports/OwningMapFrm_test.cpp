// The Ownership Map: where symbols, fleet lines and dots land, which symbol each owner gets,
// and how the map is closed with or without choosing a planet.
#include "reports/OwningMapFrm.h"

#include "support/widgets.h"
#include "ui/units.h"

namespace zenthar::testing {
namespace {

using ui::OwningMapFrm;

// A point to a millionth of a centimetre, readable when a check fails.
std::string Cm(CmPoint p) {
    return QString("%1, %2").arg(p.x, 0, 'f', 6).arg(p.y, 0, 'f', 6).toStdString();
}

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
    static QLabel* symbol(const OwningMapFrm& w, int planet) {
        return FindChild<QLabel>(&w, QString("PlayerSimPct_%1").arg(planet));
    }
    static TaskForceRecord fleet(const char* from, const char* to) {
        TaskForceRecord tf;
        tf.StartPl = from;
        tf.EndPl = to;
        tf.NumOfShips = 12;
        tf.RemTurns = 4105;
        return tf;
    }
    TestGame t;
};

// The line of a fleet ends at the near edge of the target's symbol, the dot sits just outside it.
TEST_F(OwningMapTest, SymbolsScaleFromTheMapPositionsAndFleetLinesStopAtTheTargetsSymbol) {
    // MW = 45 cm, MH = round(30.4) = 30 cm, symbols 0.8 cm square.
    const OwningMapMetrics m = MakeOwningMapMetrics(47.0, 32.4, 0.8, 0.8);
    EXPECT_DOUBLE_EQ(m.MW, 45.0);
    EXPECT_EQ(m.MH, 30);
    for (const auto& [x, y, cmX, cmY] : {std::tuple{9, 18, 9.0, 12.0}, {45, 45, 45.0, 30.0}}) {
        EXPECT_EQ(Cm(SymbolPosition(m, x, y)), Cm({cmX, cmY}));
        EXPECT_EQ(Cm(NamePosition(m, x, y)), Cm({cmX, cmY + 0.8}));
    }
    // Halves of the height round to even: 30.5 cm of map height become 30, 31.5 become 32.
    EXPECT_EQ(MakeOwningMapMetrics(40, 32.5, 1, 1).MH, 30);
    EXPECT_EQ(MakeOwningMapMetrics(40, 33.5, 1, 1).MH, 32);

    const double row = 30.0 / 45;  // centimetres per map unit downwards
    const double from = 20 * row + 0.4;
    // Going left and straight up: the target, the line's end, the dot and the label's left edge.
    const std::tuple<const char*, CmPoint, CmPoint, double> cases[] = {
        {"02", {10.8, from}, {10.86, from + 0.02}, 20.0 + 0.57 * (10.8 - 20.0)},
        {"04", {20.0, 5 * row + 0.4}, {20.06, 5 * row + 0.42}, 20.0},
    };
    for (const auto& [to, lineTo, dot, labelX] : cases) {
        SCOPED_TRACE(to);
        const auto f = FleetGeometry(t.st(), m, fleet("01", to));
        ASSERT_TRUE(f);
        EXPECT_EQ(Cm(f->lineFrom), Cm({20.0, from}));
        EXPECT_EQ(Cm(f->lineTo), Cm(lineTo));
        EXPECT_EQ(Cm(f->dot), Cm(dot));
        EXPECT_NEAR(f->label.x, labelX, 1e-9);
        EXPECT_EQ(f->text, "12/4105");
    }
    EXPECT_FALSE(FleetGeometry(t.st(), m, fleet("  ", "02"))) << "names no planet";
}

TEST_F(OwningMapTest, SymbolsStandScaledAndShowTheirOwners) {
    OwningMapFrm w(t.game, nullptr);
    // The planet at 45, 45 lands two centimetres from the right and bottom.
    const QPoint corner = symbol(w, 2)->pos();
    EXPECT_NEAR(ui::PixelsToCm(w.width() - corner.x(), w.dpi()), 2.0, 0.05);
    EXPECT_NEAR(ui::PixelsToCm(w.height() - corner.y(), w.dpi()), 2.0, 0.55);  // whole centimetres
    EXPECT_EQ(symbol(w, 0)->pos(), w.toPixels(SymbolPosition(w.metrics(), 20, 20)).toPoint());
    ASSERT_NE(iconImage("empire.ico"), iconImage("mac.ico"));
    const char* owners[] = {"shipvert.ico", "mac.ico", "empire.ico", "mac.ico", "empire.ico"};
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(symbol(w, p)->pixmap().toImage(), iconImage(owners[p])) << p;
}

TEST_F(OwningMapTest, EscAndABackgroundClickKeepTheSelectionASymbolClickOrEnterSelects) {
    // How the map is left, and the planet selected then; 2 was selected before.
    const std::pair<std::string, int> cases[] = {
        {"Esc", 2}, {"click on space", 2}, {"click on a symbol", 3}, {"Enter", 1}};
    int draws = 0;
    for (const auto& [how, selected] : cases) {
        SCOPED_TRACE(how);
        t.st().SelectedPlanet = 2;
        OwningMapFrm w(t.game, nullptr);
        ShowActive(&w);
        QTest::keyClick(&w, Qt::Key_A);
        ASSERT_TRUE(w.isVisible()) << "other keys change nothing";
        if (how == "Esc") QTest::keyClick(&w, Qt::Key_Escape);
        if (how == "click on space") QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(3, 3));
        if (how == "click on a symbol")
            QTest::mouseClick(symbol(w, 3), Qt::LeftButton, {}, {10, 10});
        if (how == "Enter") {
            symbol(w, 0)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(symbol(w, 0), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), symbol(w, 1));
            QTest::keyClick(symbol(w, 1), Qt::Key_Return);
        }
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(w.result(), selected == 2 ? QDialog::Rejected : QDialog::Accepted);
        EXPECT_EQ(t.st().SelectedPlanet, selected);
        // Without a choice the map is drawn again here; after one, by the main window.
        EXPECT_EQ(t.view.mapDraws, draws += selected == 2 ? 1 : 0);
        EXPECT_EQ(symbol(w, 1)->accessibleName().toStdString(), t.st().planet(1).Name.trimmed());
    }
}

TEST_F(OwningMapTest, FleetsModeDrawsTheCurrentPlayersTaskForcesAndTurnsTheNamesGreen) {
    t.st().ShowFleetsMode = true;
    t.st().TaskForceLast = 1;
    t.st().TaskForceList[0] = fleet("01", "02");
    t.st().TaskForceList[1] = fleet("01", "99");  // names no planet
    OwningMapFrm w(t.game, nullptr);
    const auto fleets = w.fleets();
    ASSERT_EQ(fleets.size(), 1u);
    EXPECT_EQ(fleets[0].text, "12/4105");
    const QPoint dot = w.toPixels(fleets[0].dot).toPoint();
    EXPECT_EQ(w.grab().toImage().pixelColor(dot), QColor(255, 0, 0));
    EXPECT_EQ(w.textColour(), QColor(0, 255, 0));

    t.st().ShowFleetsMode = false;
    OwningMapFrm plain(t.game, nullptr);
    EXPECT_EQ(plain.grab().toImage().pixelColor(dot), QColor(0, 0, 0));
    EXPECT_EQ(plain.textColour(), QColor(255, 255, 255));
}

}  // namespace
}  // namespace zenthar::testing
