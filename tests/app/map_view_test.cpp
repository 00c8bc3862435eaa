// The galaxy map as a player uses it in the main window: which planets are in view and where
// their images stand, redraws, scrolls and clicks, owner marks, zoom, tooltips, ships sent by
// pointing and the Fleets in Flight list.
#include <QMenu>
#include <QTreeWidget>
#include <QWheelEvent>

#include "app/app_fixture.h"
#include "options/map_zoom.h"
#include "reports/map_marks.h"
#include "ui/units.h"

namespace zenthar::testing {
namespace {

const char* const kNotOwned = "You don't own this planet. You can't send any ships from here.";

class MapViewTest : public AppTest {
  protected:
    // The map between the panel and the scroll bars.
    QRect view() {
        const int left = ui::ScreenUnits(map().logicalDpiX()).px(ui::GalaxyMap::kMapLeftCm);
        return QRect(left, 0, vert()->x() - left, horiz()->y());
    }
    bool inView(int planet) {
        const QRect r = map().imageRect(planet);
        return !r.isEmpty() && view().contains(r);
    }
    void trigger(const char* item) { child<QAction>(item)->trigger(); }
    QPoint at(int planet) { return map().imageRect(planet).center(); }
    void rightClick(int planet) { QTest::mouseClick(&map(), Qt::RightButton, {}, at(planet)); }
    // Everything in view: the map at its top-left corner.
    void showAll() {
        horiz()->setValue(0);
        vert()->setValue(0);
    }
    // Ann and Bob on a map wide enough to show every planet at once.
    void showTwoPlayers() {
        startShown(1200, 800);
        twoPlayers();
        showAll();
    }
    // Runs `open` and answers the Send Ships window it opens with what it shows: its source,
    // destination and forecast; closes it.
    std::string sendShipsShown(const std::function<void()>& open) {
        std::string shown = "(no window)";
        OnNextModal([&shown](QWidget* dlg) {
            shown = Text(dlg, "FromPlLbl") + " > " +
                    FindChild<QComboBox>(dlg, "PlSendCmb")->currentText().toStdString() + " | " +
                    Text(dlg, "ArrivalLbl");
            Click(dlg, "CancelBtn");
        });
        open();
        QApplication::processEvents();
        return shown;
    }
    std::string name(int p) { return st().planet(p).Name.trimmed(); }
    // The image of a planet at map distance (dx, dy) from the top-left corner of the map area.
    QPoint cornerAt(int dx, int dy) { return (QPointF(5 + dx, dy) * map().pxPerCm()).toPoint(); }
    QPoint corner(int planet) { return map().imageRect(planet).topLeft(); }
    QImage picture(const QRect& part = {}) { return map().grab(part).toImage(); }
    // The left button pressed on one planet, moved in `steps` even steps and let go on another.
    void drag(int from, int to, int steps) {
        QTest::mousePress(&map(), Qt::LeftButton, {}, at(from));
        for (int k = 1; k <= steps; ++k) {
            const QPoint p = at(from) + (at(to) - at(from)) * k / steps;
            QMouseEvent move(QEvent::MouseMove, p, map().mapToGlobal(p), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&map(), &move);
        }
        QTest::mouseRelease(&map(), Qt::LeftButton, {}, at(to));
    }
    // The wheel turned by `delta` eighths of a degree over the point.
    void wheel(QPointF over, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWheelEvent e(over, map().mapToGlobal(over), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&map(), &e);
    }
};

// The first start shows an empty star field: it says how to begin, with the keys the File
// menu's own commands have, in the map's text colour and inside the map's part of the window.
TEST_F(MapViewTest, AnEmptyGalaxySaysHowToBeginWithTheMenusOwnKeys) {
    startShown(1200, 800);
    const QString hint = map().startHint().join(' ');
    for (const char* command : {"NewGameItem", "LoadGameItem"}) {
        const QString key = child<QAction>(command)->shortcut().toString(QKeySequence::NativeText);
        ASSERT_FALSE(key.isEmpty()) << command;
        EXPECT_TRUE(hint.contains(child<QAction>(command)->text().remove('&') + " (" + key + ")"))
            << hint.toStdString();
    }
    const QRect box = map().startHintRect();
    EXPECT_TRUE(view().contains(box)) << box.x() << "," << box.y();
    const QImage picture = map().grab().toImage();
    const QColor ink = map().palette().color(QPalette::WindowText);
    int inked = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) inked += picture.pixelColor(x, y) == ink;
    EXPECT_GE(inked, 50) << "the hint is not drawn";

    twoPlayers();
    EXPECT_TRUE(map().startHint().isEmpty() && map().startHintRect().isEmpty());
}

TEST_F(MapViewTest, MarksFollowConquestsAndTheTurnAndWaitForTheCurtain) {
    showTwoPlayers();  // Ann: 0 (capital), 2; Bob: 1 (capital); the Empire: 3
    auto marks = [this] {
        std::vector<PlanetMark> m;
        for (int p = 0; p < 4; ++p) m.push_back(map().markOf(p).value_or(PlanetMark{-9}));
        return m;
    };
    // Which side's marks show whose planets is map_marks_test.cpp's; here the map asks for the
    // side at the screen.
    EXPECT_EQ(marks(), (std::vector<PlanetMark>{
                           {0, true, true}, {1, false, false}, {0, true, false}, {kEmpire}}));
    // Ann takes planet 3: marked hers at the next redraw.
    st().planet(3).Scouted = "2000";
    window->DrawGalaxyMap();
    EXPECT_EQ(map().markOf(3), (PlanetMark{0, true, false}));
    // Bob's turn: his planets are the ones that stand out now, and the picture shows it.
    map().clearFocus();
    const QRect bobsCapital = map().imageRect(1).adjusted(-4, -4, 4, 4);
    const QImage annsTurn = map().grab(bobsCapital).toImage();
    window->EndTurnItem_Click();
    ASSERT_EQ(st().CurrentPlTurn, 1);
    showAll();
    // Under the curtain no side's own marks, until Bob has come to the screen.
    EXPECT_EQ(marks(), (std::vector<PlanetMark>{
                           {0, false, false}, {1, false, false}, {0, false, false}, {0}}));
    QTest::keyClick(child<QWidget>("HandOverScreen"), Qt::Key_Space);
    showAll();
    map().clearFocus();
    EXPECT_EQ(marks(), (std::vector<PlanetMark>{
                           {0, false, false}, {1, true, true}, {0, false, false}, {0}}));
    EXPECT_NE(map().grab(bobsCapital).toImage(), annsTurn);
}

TEST_F(MapViewTest, TooltipsTellOnlyWhatThePanelWouldAndTheSameForecastAsSendShips) {
    showTwoPlayers();
    st().planet(3).Scouted = "1000";  // Ann scouted the Empire's planet...
    st().planet(3).KnownShip[0] = 5;  // ...and saw 5 ships, not the 8 there now
    window->ShowPlanetInfo(0, false);
    // What a tip tells of a planet is map_marks_test.cpp's; here the map shows that tip.
    const std::string tip = map().toolTipAt(at(3)).toStdString();
    EXPECT_EQ(std::pair(tip, map().toolTipAt(at(1)).toStdString()),
              std::pair(PlanetTip(st(), 3), PlanetTip(st(), 1)));
    EXPECT_NE(tip.find("Ships: 5"), std::string::npos) << tip;
    EXPECT_EQ(map().toolTipAt(QPoint(view().right() - 5, view().bottom() - 5)), "");
    // The forecast is the one Send Ships shows for the same destination.
    const std::string dialog = sendShipsShown([this] { window->SendToPlanet(3); });
    const std::string forecast = dialog.substr(dialog.find("arrives in "));
    EXPECT_NE(tip.find(forecast), std::string::npos) << tip << "\n" << dialog;
}

TEST_F(MapViewTest, ARightClickOrADragOpensSendShipsWithTheDestinationChosenElseF2sMessage) {
    showTwoPlayers();
    window->ShowPlanetInfo(0, false);  // Ann's capital
    const std::string toThree = name(0) + " > " + name(3);
    EXPECT_EQ(sendShipsShown([&] { rightClick(3); }).substr(0, toThree.size()), toThree);
    // Dragged from the selected planet onto Bob's capital.
    const std::string toOne = name(0) + " > " + name(1);
    EXPECT_EQ(sendShipsShown([&] { drag(0, 1, 4); }).substr(0, toOne.size()), toOne);
    EXPECT_EQ(st().SelectedPlanet, 0) << "a drag selects nothing";
    // Pointing at the planet itself opens the dialog as F2 does, on the first entry.
    EXPECT_EQ(sendShipsShown([&] { rightClick(0); }),
              sendShipsShown([&] { window->SendItem_Click(); }));
    EXPECT_TRUE(asked.empty());

    // From a planet Ann does not own: F2's message, and no window.
    QTest::mouseClick(&map(), Qt::LeftButton, {}, at(3));
    ASSERT_EQ(st().SelectedPlanet, 3);
    rightClick(2);
    trigger("SendItem");  // F2
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(std::pair(asked[0].text, asked[1].text),
              std::pair(std::string(kNotOwned), std::string(kNotOwned)));
    EXPECT_EQ(std::tuple(asked[0].title, asked[0].buttons, asked[0].icon),
              std::tuple(asked[1].title, asked[1].buttons, asked[1].icon));
    // A drag from a planet that is not his own sends nothing either.
    drag(3, 2, 1);
    EXPECT_EQ(asked.size(), 2u);
}

TEST_F(MapViewTest, ZoomKeepsTheScrollToRulesTabAndFindPlanetAndOutlivesARestart) {
    startShown(700, 500);
    twoPlayers();
    // The default scale draws as the game always has: Ann's capital 6 cm right of the map edge.
    const ui::ScreenUnits u(map().logicalDpiX());
    EXPECT_EQ(std::pair(map().scale(), scroll()), std::pair(1.0, std::pair(14, 12)));
    EXPECT_EQ(map().imageRect(0).topLeft(), QPoint(u.px(5 + 6), 0));

    // Zooming in all the way and out again, at each scale the new turn's scroll to the capital,
    // the Tab walk and Find Planet bring their planet wholly into view.
    std::vector<double> scales;
    for (int step = 0; step < 13; ++step) {
        trigger(step < 4 ? "ZoomInItem" : "ZoomOutItem");
        scales.push_back(map().scale());
        SCOPED_TRACE(map().scale());
        window->TurnStatusShown();
        EXPECT_TRUE(inView(0));
        for (int k = 0; k < 4; ++k) {
            QTest::keyClick(&map(), Qt::Key_Tab);
            // (At the default scale the walk scrolls only to planets out of view, as always.)
            EXPECT_TRUE(map().scale() == 1 || inView(map().focusedPlanet()))
                << map().focusedPlanet();
        }
        OnNextModal([](QWidget* dlg) {
            FindChild<QComboBox>(dlg, "PlSearchCmb")->setCurrentIndex(1);
            Click(dlg, "OkBtn");
        });
        window->SearchItem_Click();
        EXPECT_EQ(st().SelectedPlanet, 1);
        EXPECT_TRUE(inView(1));
    }
    EXPECT_EQ(scales, (std::vector<double>{1.25, 1.5, 2, 2, 1.5, 1.25, 1, 0.8, 0.65, 0.5, 0.35,
                                           0.25, 0.25}));

    // Whole Galaxy: every planet in view at once; Ctrl and the wheel zoom in a step.
    trigger("WholeGalaxyItem");
    for (int p = 0; p < 4; ++p) EXPECT_TRUE(inView(p)) << p;
    const double whole = map().scale();
    wheel(QPointF(view().center()), 120, Qt::ControlModifier);
    EXPECT_EQ(map().scale(), ZoomedIn(whole));

    // The scale is kept for the next start, in its own file and not in the settings.
    const double kept = map().scale();
    EXPECT_EQ(ReadText(window->game().SettingsFile()).find("Scale"), std::string::npos);
    startAgain(700, 500);
    EXPECT_EQ(map().scale(), kept);
}

// Whose fleets the list holds and in which order is fleets_in_flight_test.cpp's, how one is chosen
// FleetsFrm_test.cpp's; here the destination chosen is selected and brought into view.
TEST_F(MapViewTest, FleetsInFlightShowsTheChosenDestination) {
    startShown(700, 500);
    twoPlayers();
    LaunchTaskForce(st(), 0, 1, 10);
    OnNextModal([](QWidget* dlg) {
        auto* list = FindChild<QTreeWidget>(dlg, "FleetLst");
        list->setCurrentItem(list->topLevelItem(0));
        QTest::keyClick(list, Qt::Key_Return);
    });
    window->FleetsInFlightItem_Click();
    EXPECT_EQ(std::pair(st().SelectedPlanet, inView(1)), std::pair(Int16{1}, true));
}

// ---- which planets are in view, where their images stand, redraws, scrolls and clicks -------

TEST_F(MapViewTest, VisibleOnlyInsideTheMapRectangleOfWholeCentimetres) {
    startShown(1200, 760);
    setMapSize(1200, static_cast<int>(20.4 * map().pxPerCm()));
    ASSERT_EQ(map().heightCm(), 20) << "20.4 cm high rounds to 20";
    const int lastX = static_cast<int>(std::ceil(map().widthCm() - 5)) - 1;  // dx < W - 5
    ASSERT_GT(lastX, 10);
    // clang-format off
    galaxy()
        .planet(0, 10, 10).owner(0).home()
        .planet(1, 10 + lastX, 10)      // last column in view
        .planet(2, 10 + lastX + 1, 10)  // at hv + W - 5 or beyond: hidden
        .planet(3, 9, 10)               // dx = -1
        .planet(4, 10, 9)               // dy = -1
        .planet(5, 10, 29)              // the last row
        .planet(6, 10, 30).build();
    // clang-format on
    window->ShowLoadedGame();
    horiz()->setValue(10);
    vert()->setValue(10);
    window->DrawGalaxyMap();
    // Per planet: its image shown (1) or not (0), then its OnMap mark (-1 on the map, 0 off it);
    // and how many the map counts.
    std::string shown;
    for (int i = 0; i < 7; ++i)
        shown.append(std::to_string(map().imageShown(i)))
            .append(std::to_string(st().planet(i).OnMap))
            .append(" ");
    EXPECT_EQ(shown + std::to_string(map().shownCount()), "1-1 1-1 00 00 00 1-1 00 3");
    // The image's corner stands five centimetres right of the map's left edge, plus dx.
    EXPECT_EQ(map().imageRect(0), QRect(cornerAt(0, 0), QSize(32, 32)));
    setMapSize(1200, static_cast<int>(20.6 * map().pxPerCm()) + 1);  // rounds to 21
    window->DrawGalaxyMap();
    EXPECT_TRUE(map().imageShown(6));
}

TEST_F(MapViewTest, ScrollBarsArrowKeysAndTheWheelMoveEveryPlanetOneCentimetreAStep) {
    startShown(900, 600);
    twoPlayers();  // Ann's planets at 20, 12 and 23, 14
    horiz()->setValue(15);
    vert()->setValue(1);
    EXPECT_EQ(corner(0), cornerAt(5, 11));
    horiz()->setValue(16);  // the scroll bar's change alone redraws
    EXPECT_EQ(corner(2), cornerAt(7, 13));
    QTest::keyClick(&map(), Qt::Key_Right);
    QTest::keyClick(&map(), Qt::Key_Down);
    EXPECT_EQ(std::pair(scroll(), corner(2)), std::pair(std::pair(17, 2), cornerAt(6, 12)));
    QTest::keyClick(&map(), Qt::Key_PageUp);
    EXPECT_EQ(vert()->value(), 0) << "never past the galaxy's edge";
    wheel(QPointF(300, 300), -240);
    EXPECT_EQ(vert()->value(), 2) << "two notches, two units";
}

TEST_F(MapViewTest, RedrawsGiveTheSamePictureAndTheStarsStayPutWhenTheMapScrolls) {
    startShown(900, 600);
    const QRect surface(0, 0, 800, 500);  // clear of the scroll bars
    const QImage empty = picture(surface);
    // The stars are there: the surface is not one flat colour.
    QImage flat = empty;
    flat.fill(empty.pixel(0, 0));
    EXPECT_NE(empty, flat);
    twoPlayers();        // scrolled to Ann's capital
    map().clearFocus();  // the keyboard's mark round the capital would pass for its name
    const QImage once = picture();
    window->DrawGalaxyMap();
    window->DrawGalaxyMap();
    EXPECT_EQ(picture(), once);
    // Where no planet is (all are above it), a scroll step leaves the picture as it was; the
    // band right below the capital's image loses what only its name put there.
    const QRect band(map().imageRect(0).bottomLeft() + QPoint(0, 2), QSize(40, 12));
    const QImage named = picture(band);
    const QRect starsOnly(500, 300, 200, 150);
    const QImage before = picture(starsOnly);
    vert()->setValue(vert()->value() + 1);  // the capital leaves the map's top edge
    EXPECT_EQ(picture(starsOnly), before);
    const QImage bare = picture(band);
    int ink = 0;
    for (int y = 0; y < named.height(); ++y)
        for (int x = 0; x < named.width(); ++x) ink += named.pixel(x, y) != bare.pixel(x, y);
    EXPECT_GT(ink, 10);
}

TEST_F(MapViewTest, ClickSelectsThePlanetEvenWithoutItsIconAndClickingSpaceDoesNothing) {
    fs::remove(folder.path() / "bad_pl.ico");
    fs::remove(folder.path() / "bad.ico");
    startShown(900, 600);
    twoPlayers();
    st().planet(3).Ico = "bad_pl.ico";  // the Empire's planet, drawn again without its icon
    window->DrawGalaxyMap();
    QTest::mouseClick(&map(), Qt::LeftButton, {}, map().imageRect(3).center());
    // Selected, with no picture of its kind but its owner's.
    EXPECT_EQ(std::tuple(st().SelectedPlanet, texts({"CurPlStatusLbl"}),
                         child<QLabel>("CurPlanetPct")->pixmap().isNull(),
                         child<QLabel>("CurPlayerSimPct")->pixmap().isNull()),
              std::tuple(3, "Status: Unknown", true, false));
    QTest::mouseClick(&map(), Qt::LeftButton, {}, QPoint(600, 500));
    EXPECT_EQ(st().SelectedPlanet, 3);
    QTest::mouseClick(&map(), Qt::LeftButton, {}, corner(0));
    EXPECT_EQ(std::tuple(texts({"CurShipsLbl"}), asked.size()), std::tuple("Ships: 30", 0u));
}

}  // namespace
}  // namespace zenthar::testing
