// The galaxy map: which planets are in view, where their images stand, what a redraw and a
// scroll step do to the picture, and clicks on the images.
#include <QTest>
#include <QWheelEvent>

#include "app/app_fixture.h"

namespace zenthar::testing {
namespace {

class GalaxyMapTest : public AppTest {
  protected:
    // The image of a plant at map distance (dx, dy) from the top-left corner of the map area.
    QPoint expectedCorner(int dx, int dy) {
        const double cm = map().pxPerCm();
        return QPoint(static_cast<int>(std::lround((5 + dx) * cm)),
                      static_cast<int>(std::lround(dy * cm)));
    }
    void scrollTo(int hv, int vv) {
        horiz()->setValue(hv);
        vert()->setValue(vv);
    }
    QImage picture() { return map().grab().toImage(); }
};

TEST_F(GalaxyMapTest, VisibleOnlyInsideTheMapRectangle) {
    startShown(1200, 760);
    const double w = map().widthCm();
    const long long h = map().heightCm();
    const int lastX = static_cast<int>(std::ceil(w - 5)) - 1;  // dx < W - 5
    ASSERT_GT(lastX, 10);
    ASSERT_GT(h, 10);
    // clang-format off
    galaxy()
        .planet(0, 10, 10).owner(0).home()
        .planet(1, 10 + lastX, 10)      // last column in view
        .planet(2, 10 + lastX + 1, 10)  // at hv + W - 5 or beyond: hidden
        .planet(3, 9, 10)               // dx = -1
        .planet(4, 10, 9)               // dy = -1
        .planet(5, 10, 10 + static_cast<int>(h) - 1)
        .planet(6, 10, 10 + static_cast<int>(h))
        .build();
    // clang-format on
    window->ShowLoadedGame();
    scrollTo(10, 10);
    window->DrawGalaxyMap();
    const bool expected[] = {true, true, false, false, false, true, false};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(map().imageShown(i), expected[i]);
        EXPECT_EQ(st().planet(i).OnMap, expected[i] ? -1 : 0);
    }
    EXPECT_EQ(map().shownCount(), 3);
    // The image's corner stands five centimetres right of the map's left edge, plus dx.
    EXPECT_EQ(map().imageRect(0), QRect(expectedCorner(0, 0), QSize(32, 32)));
    EXPECT_EQ(map().imageRect(5).topLeft(), expectedCorner(0, static_cast<int>(h) - 1));
}

TEST_F(GalaxyMapTest, HeightIsRoundedToWholeCentimetres) {
    startShown();
    const double cm = map().pxPerCm();
    galaxy().planet(0, 0, 0).owner(0).home().planet(1, 2, 20).build();
    window->ShowLoadedGame();
    scrollTo(0, 0);
    // 20.4 cm high rounds to 20: row 20 is out of view; 20.6 rounds to 21: it is in view.
    setMapSize(1000, static_cast<int>(20.4 * cm));
    EXPECT_EQ(map().heightCm(), 20);
    window->DrawGalaxyMap();
    EXPECT_FALSE(map().imageShown(1));
    setMapSize(1000, static_cast<int>(20.6 * cm) + 1);
    EXPECT_EQ(map().heightCm(), 21);
    window->DrawGalaxyMap();
    EXPECT_TRUE(map().imageShown(1));
}

TEST_F(GalaxyMapTest, ScrollingOneUnitMovesEveryPlanetOneCentimetre) {
    startShown();
    galaxy().planet(0, 8, 6).owner(0).home().planet(1, 12, 9).build();
    window->ShowLoadedGame();
    scrollTo(2, 1);
    EXPECT_EQ(map().imageRect(0).topLeft(), expectedCorner(6, 5));
    horiz()->setValue(3);  // the scroll bar's change alone redraws
    EXPECT_EQ(map().imageRect(0).topLeft(), expectedCorner(5, 5));
    EXPECT_EQ(map().imageRect(1).topLeft(), expectedCorner(9, 8));
    vert()->setValue(2);
    EXPECT_EQ(map().imageRect(1).topLeft(), expectedCorner(9, 7));
    // Scrolled past it, the planet leaves the map.
    horiz()->setValue(9);
    EXPECT_FALSE(map().imageShown(0));
    EXPECT_EQ(st().planet(0).OnMap, 0);
}

TEST_F(GalaxyMapTest, RedrawingTwiceGivesTheSamePictureWithNamesBelowTheImages) {
    startShown(900, 600);
    galaxy().planet(0, 4, 3).owner(0).home().planet(1, 9, 5).planet(2, 6, 8).build();
    window->ShowLoadedGame();
    scrollTo(0, 0);
    const QImage once = picture();
    window->DrawGalaxyMap();
    window->DrawGalaxyMap();
    EXPECT_EQ(picture(), once);
    EXPECT_EQ(map().shownCount(), 3);
    // Something other than the background sits in the band right below an icon.
    const QRect image = map().imageRect(0);
    const QColor space = map().palette().color(QPalette::Window);
    int ink = 0;
    for (int y = image.bottom() + 2; y < image.bottom() + 14; ++y)
        for (int x = image.left(); x < image.left() + 40; ++x)
            if (once.pixelColor(x, y) != space) ++ink;
    EXPECT_GT(ink, 10);
}

TEST_F(GalaxyMapTest, StarsStayPutWhenTheMapScrollsWithOrWithoutAGame) {
    startShown(900, 600);
    const QRect surface(0, 0, 800, 500);  // clear of the scroll bars
    const QImage empty = map().grab(surface).toImage();
    horiz()->setValue(7);
    EXPECT_EQ(map().grab(surface).toImage(), empty);
    EXPECT_EQ(map().shownCount(), 0);
    // The only planet lies outside the view at both scroll positions.
    galaxy().planet(0, 44, 44).owner(0).home().build();
    window->ShowLoadedGame();
    scrollTo(0, 0);
    const QImage before = map().grab(surface).toImage();
    horiz()->setValue(1);
    EXPECT_EQ(map().grab(surface).toImage(), before);
    // The stars are there: the surface is not one flat colour.
    const QRgb first = before.pixel(0, before.height() - 1);
    bool varied = false;
    for (int y = before.height() / 2; y < before.height() && !varied; ++y)
        for (int x = 0; x < before.width() && !varied; ++x) varied = before.pixel(x, y) != first;
    EXPECT_TRUE(varied);
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
    EXPECT_EQ(st().SelectedPlanet, 0);
    EXPECT_EQ(text("CurShipsLbl"), "Ships: 30");
    EXPECT_TRUE(asked.empty());
}

TEST_F(GalaxyMapTest, ArrowKeysAndTheWheelMoveTheScrollBars) {
    startShown(900, 600);
    galaxy().planet(0, 10, 10).owner(0).home().build();
    window->ShowLoadedGame();
    scrollTo(4, 4);
    QTest::keyClick(&map(), Qt::Key_Right);
    QTest::keyClick(&map(), Qt::Key_Down);
    QTest::keyClick(&map(), Qt::Key_Down);
    EXPECT_EQ(horiz()->value(), 5);
    EXPECT_EQ(vert()->value(), 6);
    EXPECT_EQ(map().imageRect(0).topLeft(), expectedCorner(5, 4));
    QTest::keyClick(&map(), Qt::Key_PageUp);
    QTest::keyClick(&map(), Qt::Key_PageUp);
    EXPECT_EQ(vert()->value(), 0) << "never past the galaxy's edge";

    QWheelEvent down(QPointF(300, 300), map().mapToGlobal(QPointF(300, 300)), QPoint(),
                     QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&map(), &down);
    EXPECT_EQ(vert()->value(), 2) << "two notches, two units";
}

}  // namespace
}  // namespace zenthar::testing
