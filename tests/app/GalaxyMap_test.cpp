// The galaxy map: which planets are in view, where their images stand, what a redraw and a
// scroll step do to the picture, and clicks on the images.
#include <QWheelEvent>

#include "app/app_fixture.h"

namespace zenthar::testing {
namespace {

class GalaxyMapTest : public AppTest {
  protected:
    // The image of a planet at map distance (dx, dy) from the top-left corner of the map area.
    QPoint expectedCorner(int dx, int dy) {
        const double cm = map().pxPerCm();
        return QPoint(static_cast<int>(std::lround((5 + dx) * cm)),
                      static_cast<int>(std::lround(dy * cm)));
    }
    void scrollTo(int hv, int vv) {
        horiz()->setValue(hv);
        vert()->setValue(vv);
    }
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
    scrollTo(10, 10);
    window->DrawGalaxyMap();
    const bool expected[] = {true, true, false, false, false, true, false};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(map().imageShown(i), expected[i]) << i;
        EXPECT_EQ(st().planet(i).OnMap, expected[i] ? -1 : 0) << i;
    }
    EXPECT_EQ(map().shownCount(), 3);
    // The image's corner stands five centimetres right of the map's left edge, plus dx.
    EXPECT_EQ(map().imageRect(0), QRect(expectedCorner(0, 0), QSize(32, 32)));
    EXPECT_EQ(map().imageRect(5).topLeft(), expectedCorner(0, 19));
    setMapSize(1200, static_cast<int>(20.6 * map().pxPerCm()) + 1);  // rounds to 21
    window->DrawGalaxyMap();
    EXPECT_TRUE(map().imageShown(6));
}

TEST_F(GalaxyMapTest, ScrollBarsArrowKeysAndTheWheelMoveEveryPlanetOneCentimetreAStep) {
    startShown(900, 600);
    galaxy().planet(0, 8, 6).owner(0).home().planet(1, 12, 9).build();
    window->ShowLoadedGame();
    scrollTo(2, 1);
    EXPECT_EQ(map().imageRect(0).topLeft(), expectedCorner(6, 5));
    horiz()->setValue(3);  // the scroll bar's change alone redraws
    EXPECT_EQ(map().imageRect(1).topLeft(), expectedCorner(9, 8));
    QTest::keyClick(&map(), Qt::Key_Right);
    QTest::keyClick(&map(), Qt::Key_Down);
    EXPECT_EQ(std::pair(horiz()->value(), vert()->value()), std::pair(4, 2));
    EXPECT_EQ(map().imageRect(1).topLeft(), expectedCorner(8, 7));
    QTest::keyClick(&map(), Qt::Key_PageUp);
    EXPECT_EQ(vert()->value(), 0) << "never past the galaxy's edge";
    QWheelEvent down(QPointF(300, 300), map().mapToGlobal(QPointF(300, 300)), QPoint(),
                     QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&map(), &down);
    EXPECT_EQ(vert()->value(), 2) << "two notches, two units";
    // Scrolled past it, the planet leaves the map.
    horiz()->setValue(9);
    EXPECT_FALSE(map().imageShown(0));
    EXPECT_EQ(st().planet(0).OnMap, 0);
}

TEST_F(GalaxyMapTest, RedrawsGiveTheSamePictureAndTheStarsStayPutWhenTheMapScrolls) {
    startShown(900, 600);
    const QRect surface(0, 0, 800, 500);  // clear of the scroll bars
    const QImage empty = picture(surface);
    // The stars are there: the surface is not one flat colour.
    QImage flat = empty;
    flat.fill(empty.pixel(0, 0));
    EXPECT_NE(empty, flat);
    galaxy().planet(0, 4, 3).owner(0).home().planet(1, 9, 5).planet(2, 44, 44).build();
    window->ShowLoadedGame();
    scrollTo(0, 0);
    const QImage once = picture();
    window->DrawGalaxyMap();
    window->DrawGalaxyMap();
    EXPECT_EQ(picture(), once);
    // Something other than the background sits in the band right below an icon: the name.
    const QRect image = map().imageRect(0);
    const QColor space = map().palette().color(QPalette::Window);
    int ink = 0;
    for (int y = image.bottom() + 2; y < image.bottom() + 14; ++y)
        for (int x = image.left(); x < image.left() + 40; ++x)
            ink += once.pixelColor(x, y) != space ? 1 : 0;
    EXPECT_GT(ink, 10);
    // Where no planet is, a scroll step leaves the picture as it was.
    const QRect starsOnly(500, 300, 200, 150);
    const QImage before = picture(starsOnly);
    vert()->setValue(1);
    EXPECT_EQ(picture(starsOnly), before);
}

TEST_F(GalaxyMapTest, ClickSelectsThePlanetEvenWithoutItsIconAndClickingSpaceDoesNothing) {
    std::filesystem::remove(folder.path() / "bad_pl.ico");
    std::filesystem::remove(folder.path() / "bad.ico");
    startShown(900, 600);
    // clang-format off
    galaxy().players({"Ann"})
        .planet(0, 2, 2).owner(0).home().ships(30)
        .planet(1, 6, 4).ships(9).icon("bad_pl.ico")
        .build();
    // clang-format on
    window->ShowLoadedGame();
    scrollTo(0, 0);
    QTest::mouseClick(&map(), Qt::LeftButton, {}, map().imageRect(1).center());
    EXPECT_EQ(st().SelectedPlanet, 1);
    EXPECT_EQ(text("CurPlStatusLbl"), "Status: Unknown");
    EXPECT_TRUE(child<QLabel>("CurPlanetPct")->pixmap().isNull());
    EXPECT_FALSE(child<QLabel>("CurPlayerSimPct")->pixmap().isNull());
    QTest::mouseClick(&map(), Qt::LeftButton, {}, QPoint(600, 500));
    EXPECT_EQ(st().SelectedPlanet, 1);
    QTest::mouseClick(&map(), Qt::LeftButton, {}, map().imageRect(0).topLeft());
    EXPECT_EQ(text("CurShipsLbl"), "Ships: 30");
    EXPECT_TRUE(asked.empty());
}

}  // namespace
}  // namespace zenthar::testing
