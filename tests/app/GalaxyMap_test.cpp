// The galaxy map: which planets are in view, where their images stand, what a redraw and a
// scroll step do to the picture, and clicks on the images.
#include <QWheelEvent>

#include "app/app_fixture.h"

namespace zenthar::testing {
namespace {

class GalaxyMapTest : public AppTest {
  protected:
    // The image of a planet at map distance (dx, dy) from the top-left corner of the map area.
    QPoint cornerAt(int dx, int dy) { return (QPointF(5 + dx, dy) * map().pxPerCm()).toPoint(); }
    QPoint corner(int planet) { return map().imageRect(planet).topLeft(); }
    QImage picture(const QRect& part = {}) { return map().grab(part).toImage(); }
};

TEST_F(GalaxyMapTest, VisibleOnlyInsideTheMapRectangleOfWholeCentimetres) {
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
        .planet(6, 10, 30)
        .build();
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

TEST_F(GalaxyMapTest, ScrollBarsArrowKeysAndTheWheelMoveEveryPlanetOneCentimetreAStep) {
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
    QWheelEvent down(QPointF(300, 300), map().mapToGlobal(QPointF(300, 300)), QPoint(),
                     QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&map(), &down);
    EXPECT_EQ(vert()->value(), 2) << "two notches, two units";
}

TEST_F(GalaxyMapTest, RedrawsGiveTheSamePictureAndTheStarsStayPutWhenTheMapScrolls) {
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

TEST_F(GalaxyMapTest, ClickSelectsThePlanetEvenWithoutItsIconAndClickingSpaceDoesNothing) {
    std::filesystem::remove(folder.path() / "bad_pl.ico");
    std::filesystem::remove(folder.path() / "bad.ico");
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
