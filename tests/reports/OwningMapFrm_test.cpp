// The Ownership Map: where symbols, fleet lines and dots land, which symbol each owner gets,
// and how the map is closed with or without choosing a planet.
#include "reports/OwningMapFrm.h"

#include "support/widgets.h"
#include "turn/taskforces.h"
#include "ui/units.h"

namespace zenthar::testing {
namespace {

// A point to a millionth of a centimetre, readable when a check fails.
std::string Cm(CmPoint p) {
    return QString("%1, %2").arg(p.x, 0, 'f', 6).arg(p.y, 0, 'f', 6).toStdString();
}

class OwningMapTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CopyPictures(t.game.ProgramFolder);
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
            .pixmap(QSize(ui::OwningMapFrm::kSymbolPixels, ui::OwningMapFrm::kSymbolPixels))
            .toImage();
    }
    static QLabel* symbol(const ui::OwningMapFrm& w, int planet) {
        return FindChild<QLabel>(&w, QString("PlayerSimPct_%1").arg(planet));
    }
    static TaskForceRecord fleet(const char* from, const char* to) {
        return {{}, 0, from, to, 4105, 12};  // 12 ships arriving in 4105
    }
    TestGame t;
};

// The line of a fleet ends at the near edge of the target's symbol, the dot sits just outside it.
TEST_F(OwningMapTest, SymbolsScaleFromTheMapPositionsAndFleetLinesStopAtTheTargetsSymbol) {
    // MW = 45 cm, MH = round(30.4) = 30 cm, symbols 0.8 cm square.
    const OwningMapMetrics m = MakeOwningMapMetrics(47.0, 32.4, 0.8, 0.8);
    EXPECT_EQ(std::tuple(m.MW, m.MH), std::tuple(45.0, 30));
    for (const auto& [x, y, cmX, cmY] : {std::tuple{9, 18, 9.0, 12.0}, {45, 45, 45.0, 30.0}})
        EXPECT_EQ(std::pair(Cm(SymbolPosition(m, x, y)), Cm(NamePosition(m, x, y))),
                  std::pair(Cm({cmX, cmY}), Cm({cmX, cmY + 0.8})));
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
        EXPECT_EQ(
            std::tuple(Cm(f->lineFrom), Cm(f->lineTo), Cm(f->dot), Cm({f->label.x, 0}), f->text),
            std::tuple(Cm({20.0, from}), Cm(lineTo), Cm(dot), Cm({labelX, 0}), "12/4105"));
    }
    EXPECT_FALSE(FleetGeometry(t.st(), m, fleet("  ", "02"))) << "names no planet";
}

TEST_F(OwningMapTest, SymbolsStandScaledAndShowTheirOwners) {
    ui::OwningMapFrm w(t.game, nullptr);
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
        {"Esc", 2}, {"space click", 2}, {"symbol click", 3}, {"Enter", 1}};
    int draws = 0;
    for (const auto& [how, selected] : cases) {
        SCOPED_TRACE(how);
        t.st().SelectedPlanet = 2;
        ui::OwningMapFrm w(t.game, nullptr);
        ShowActive(&w);
        QTest::keyClick(&w, Qt::Key_A);
        ASSERT_TRUE(w.isVisible()) << "other keys change nothing";
        if (how == "Esc") QTest::keyClick(&w, Qt::Key_Escape);
        if (how == "space click") QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(3, 3));
        if (how == "symbol click") QTest::mouseClick(symbol(w, 3), Qt::LeftButton, {}, {10, 10});
        if (how == "Enter") {
            symbol(w, 0)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(symbol(w, 0), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), symbol(w, 1));
            QTest::keyClick(symbol(w, 1), Qt::Key_Return);
        }
        // Without a choice the map is drawn again here; after one, by the main window.
        const bool kept = selected == 2;
        draws += kept ? 1 : 0;
        EXPECT_EQ(std::tuple(w.isVisible(), w.result(), t.st().SelectedPlanet, t.view.mapDraws),
                  std::tuple(false, kept ? QDialog::Rejected : QDialog::Accepted, selected, draws));
        EXPECT_EQ(symbol(w, 1)->accessibleName().toStdString(), t.st().planet(1).Name.trimmed());
    }
}

TEST_F(OwningMapTest, FleetsModeDrawsTheCurrentPlayersTaskForcesAndTurnsTheNamesGreen) {
    t.st().ShowFleetsMode = true;
    t.st().TaskForceLast = 1;
    t.st().TaskForceList[0] = fleet("01", "02");
    t.st().TaskForceList[1] = fleet("01", "99");  // names no planet
    ui::OwningMapFrm w(t.game, nullptr);
    const auto fleets = w.fleets();
    ASSERT_EQ(fleets.size(), 1u);
    EXPECT_EQ(fleets[0].text, "12/4105");
    // The colour where the fleet's dot goes, and that of the names once the map is drawn.
    auto colours = [dot = w.toPixels(fleets[0].dot).toPoint()](ui::OwningMapFrm& map) {
        const QColor atDot = map.grab().toImage().pixelColor(dot);
        return std::pair(atDot, map.textColour());
    };
    EXPECT_EQ(colours(w), std::pair(QColor(255, 0, 0), QColor(0, 255, 0)));

    t.st().ShowFleetsMode = false;
    ui::OwningMapFrm plain(t.game, nullptr);
    EXPECT_EQ(colours(plain), std::pair(QColor(0, 0, 0), QColor(255, 255, 255)));
}

// Twenty planets as the pictures of the game show them, with fleets across the galaxy: at a
// full-HD screen, a small laptop's and a full-HD screen at twice the scale, no name is cut at an
// edge, and no name or fleet label lies over a symbol, a name or another label.
TEST(OwningMapGeometry, NoLabelIsCutOrCoveredAtTheThreeScreenSizes) {
    TestGame t;
    CopyPictures(t.game.ProgramFolder);
    // clang-format off
    const std::pair<int, int> places[] = {
        {3, 2}, {9, 4}, {7, 8}, {12, 6}, {15, 10}, {5, 13}, {10, 15}, {18, 3}, {21, 8}, {14, 17},
        {24, 13}, {27, 5}, {19, 18}, {3, 19}, {29, 17}, {31, 10}, {8, 21}, {23, 21}, {34, 3},
        {45, 45}};
    // clang-format on
    GalaxyBuilder b(t.game);
    b.players({"Ann", "Bob"});
    for (int i = 0; i < 20; ++i) b.planet(i, places[i].first, places[i].second).owner(i % 2);
    b.build();
    t.st().ShowFleetsMode = true;
    for (const auto& [from, to] : std::initializer_list<std::pair<int, int>>{
             {2, 8}, {3, 1}, {5, 13}, {0, 19}, {18, 13}, {11, 6}, {9, 7}, {2, 8}})
        LaunchTaskForce(t.st(), from, to, 12);
    for (const QSize size : {QSize(1920, 1080), QSize(1366, 768), QSize(960, 540)}) {
        SCOPED_TRACE(size.width());
        ui::OwningMapFrm w(t.game, nullptr);
        w.resize(size);
        ShowActive(&w);
        w.resize(size);
        QApplication::processEvents();
        ASSERT_EQ(w.size(), size);
        const double width = ui::PixelsToCm(size.width(), w.dpi());
        const double height = ui::PixelsToCm(size.height(), w.dpi());
        const auto& names = w.nameBoxes();
        const auto& labels = w.labelBoxes();
        const auto& symbols = w.symbolBoxes();
        ASSERT_EQ(std::pair(names.size(), labels.size()),
                  std::pair(std::size_t{20}, std::size_t{8}));
        std::vector<CmRect> placed = symbols;
        auto clear = [&placed](const CmRect& r) {
            for (const CmRect& p : placed)
                if (r.intersects(p)) return false;
            return true;
        };
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_TRUE(names[i].inside(width, height)) << "name " << i;
            EXPECT_TRUE(clear(names[i])) << "name " << i;
            placed.push_back(names[i]);
        }
        for (std::size_t k = 0; k < labels.size(); ++k) {
            EXPECT_TRUE(labels[k].inside(width, height)) << "label " << k;
            EXPECT_TRUE(clear(labels[k])) << "label " << k;
            placed.push_back(labels[k]);
        }
    }
}

}  // namespace
}  // namespace zenthar::testing
