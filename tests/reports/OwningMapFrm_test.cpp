// The Ownership Map: where symbols, fleet lines and dots land, which symbol each owner gets,
// and how the map is closed with or without choosing a planet.
#include "reports/OwningMapFrm.h"

#include "game/datafiles.h"
#include "game/random.h"
#include "setup/galaxy.h"
#include "setup/newgame.h"
#include "support/widgets.h"
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
            .planet(4, 30, 26).build();         // right of it and lower
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
    // Going left and straight up: the target, the line's end and the dot (where the label
    // stands along the line is owning_map_labels_test.cpp's).
    const std::tuple<const char*, CmPoint, CmPoint> cases[] = {
        {"02", {10.8, from}, {10.86, from + 0.02}},
        {"04", {20.0, 5 * row + 0.4}, {20.06, 5 * row + 0.42}}};
    for (const auto& [to, lineTo, dot] : cases) {
        SCOPED_TRACE(to);
        const auto f = FleetGeometry(t.st(), m, fleet("01", to));
        ASSERT_TRUE(f);
        EXPECT_EQ(std::tuple(Cm(f->lineFrom), Cm(f->lineTo), Cm(f->dot)),
                  std::tuple(Cm({20.0, from}), Cm(lineTo), Cm(dot)));
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

    // Without fleets no dot is drawn (the owner's ring round the symbol may pass there).
    t.st().ShowFleetsMode = false;
    ui::OwningMapFrm plain(t.game, nullptr);
    const auto [atDot, text] = colours(plain);
    EXPECT_NE(atDot, QColor(255, 0, 0));
    EXPECT_EQ(text, QColor(255, 255, 255));
}

// Galaxies as the game makes them, fifty planets most of them, with a fleet out of almost every
// planet: at a full-HD screen, a small laptop's and a full-HD screen at twice the scale, no name or
// fleet label is cut at an edge or lies over a symbol, a name or another label.
TEST(OwningMapGeometry, NoLabelIsCutOrCoveredAtTheThreeScreenSizes) {
    TestGame t;
    CopyPictures(t.game.ProgramFolder);
    GameState& st = t.st();
    ReadPlanetsFile(fs::path(ZENTHAR_PROGRAM_DIR) / "planets.dat", st);
    HomePlanetTexts homes;
    for (std::size_t k = 0; k < 4; ++k) {
        st.PlName[k] = "Player " + std::to_string(k + 1);
        st.PlSymbol[k] = kPlayerSymbols[k];
        homes[k] = st.planet(static_cast<int>(k)).Name.padded();
    }
    for (unsigned seed = 1; seed <= 14; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        const int planets = seed == 13 ? 38 : seed == 14 ? 5 : 50;
        st.PlanetsNum = planets;
        st.PlayesNum = 4;
        st.EmpireSkill = static_cast<int>(seed % 3);
        SystemRandom random(seed);
        GenerateGalaxy(st, random, homes);
        st.ShowFleetsMode = true;
        st.TaskForceLast = -1;
        for (int i = 0; i < planets; ++i)
            LaunchTaskForce(st, i, (i * 7 + 3) % planets, 9 + i * 37 % 500);
        ui::OwningMapFrm w(t.game, nullptr);
        ShowActive(&w);
        for (const QSize size : {QSize(1920, 1080), QSize(1366, 768), QSize(960, 540)}) {
            SCOPED_TRACE(size.width());
            w.resize(size);
            QApplication::processEvents();
            ASSERT_EQ(w.size(), size);
            const double width = ui::PixelsToCm(size.width(), w.dpi());
            const double height = ui::PixelsToCm(size.height(), w.dpi());
            ASSERT_EQ(std::pair(w.nameBoxes().size(), w.labelBoxes().size()),
                      std::pair(std::size_t(planets), w.fleets().size()));
            // Symbols may touch each other; nothing else may touch anything.
            std::vector<CmRect> placed = w.symbolBoxes();
            for (const auto* boxes : {&w.nameBoxes(), &w.labelBoxes()})
                for (const CmRect& r : *boxes) {
                    const auto n = placed.size();
                    EXPECT_TRUE(r.inside(width, height)) << "box " << n << " cut";
                    for (std::size_t i = 0; i < n; ++i)
                        EXPECT_FALSE(r.intersects(placed[i])) << "box " << n << " over " << i;
                    placed.push_back(r);
                }
        }
    }
}

}  // namespace
}  // namespace zenthar::testing
