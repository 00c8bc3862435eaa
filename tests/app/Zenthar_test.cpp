// The main window itself: start-up, layout in centimetres, Exit and the close box. Its menus and
// keys and what each command needs are command_table_test.cpp's.
#include <QStyle>

#include "app/app_fixture.h"
#include "ui/units.h"

namespace zenthar::testing {
namespace {

class MainWindowTest : public AppTest {
  protected:
    ui::ScreenUnits units() { return ui::ScreenUnits(map().logicalDpiX()); }
    // The separator at 5 cm, the vertical bar on the right edge (above the horizontal one
    // unless fullHeight), the horizontal one on the bottom from 5.06 cm to half a centimetre
    // before the right edge, or of no width at all when the window is narrower.
    void expectLaidOut(bool fullHeight) {
        const int w = map().width(), h = map().height();
        const int e = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, vert());
        const long across = std::max(0L, std::lround(w - units().pxPerCm() * 5.5));
        EXPECT_EQ(
            std::tuple(child<QFrame>("Line1")->geometry(), vert()->geometry(), horiz()->geometry()),
            std::tuple(QRect(units().px(5), 0, 1, h), QRect(w - e, 0, e, fullHeight ? h : h - e),
                       QRect(units().px(5.06), h - e, across, e)));
    }
    // Exit and the close box ask the same question during a game and nothing without one.
    void expectAskedOnlyDuringAGame(const std::function<bool()>& leave) {
        EXPECT_TRUE(leave() && asked.empty()) << "without a game the window closes without asking";

        window->show();
        galaxy().planet(0, 3, 3).owner(0).home().build();
        answers = {Answer::No, Answer::Yes};
        EXPECT_FALSE(leave());
        ASSERT_EQ(std::tuple(window->isVisible(), st().GameActive, asked.size()),
                  std::tuple(true, true, 1u));
        EXPECT_EQ(std::tuple(asked[0].text, asked[0].title, asked[0].buttons, asked[0].icon,
                             asked[0].defaultButton),
                  std::tuple("You will loose the current game.\r Do you still want to quit?",
                             "Zenthar: Exit Program", Buttons::YesNo, Icon::Critical, Answer::No));
        EXPECT_TRUE(leave());
        // Yes ends the program without a second question.
        EXPECT_EQ(std::tuple(window->isVisible(), asked.size()), std::tuple(false, 2u));
    }
};

TEST_F(MainWindowTest, StartUpPlacesTheWindowByTheScreenAndLeavesNoGameAndAHiddenPanel) {
    ASSERT_TRUE(window->startUp());
    const ui::ScreenUnits screen(window->screen()->logicalDotsPerInch());
    const QRect s = window->screen()->geometry();
    EXPECT_EQ(window->pos(), QPoint(s.x() + screen.twips(5), s.y() + screen.twips(500)));
    EXPECT_EQ(window->size(), QSize(s.width() - screen.twips(500), s.height() - screen.twips(900)));
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(std::tuple(st().GameActive, horiz()->maximum(), vert()->maximum()),
              std::tuple(false, 45, 45));
    // Every label of the panel is hidden, and none reaches over the separator into the map.
    const ui::ScreenUnits u = units();
    for (QLabel* l : window->findChildren<QLabel*>())
        EXPECT_TRUE(!l->isVisible() && l->geometry().right() <= u.px(5))
            << l->objectName().toStdString();

    EXPECT_EQ(child<QLabel>("CurShipsLbl")->geometry().topLeft(), QPoint(0, u.twips(2160)));
    // The owner's symbol and the name right of the planet's picture, the name clear of it.
    const int pct = child<QLabel>("CurPlanetPct")->width();
    const QRect name = child<QLabel>("CurPlNameLbl")->geometry();
    const QRect symbol = child<QLabel>("CurPlayerSimPct")->geometry();
    EXPECT_EQ(std::pair(symbol.left(), name.left()), std::pair(pct + u.px(0.1), pct + u.px(0.7)));
    EXPECT_LE(symbol.right(), name.left()) << "the owner's symbol must not hide the name";
}

TEST_F(MainWindowTest, ThePanelShowsAFortyLetterNameWholeAndMovesTheRowsBelowIt) {
    startShown();
    galaxy().planet(0, 3, 3).owner(0).home().planet(1, 6, 3).planet(2, 9, 3).build();
    st().planet(1).Name = "Aldebra Prime of the Outer Coreward Reach";  // 41: cut to 40
    st().planet(2).Name = std::string(40, 'W');
    QLabel* name = child<QLabel>("CurPlNameLbl");
    auto rows = [&] {
        return std::tuple(name->geometry(), child<QLabel>("CurPlStatusLbl")->pos(),
                          child<QLabel>("CurShipsLbl")->pos());
    };
    window->ShowPlanetInfo(0, false);
    const auto [shortName, statusAt, shipsAt] = rows();
    for (int planet : {1, 2}) {
        SCOPED_TRACE(planet);
        window->ShowPlanetInfo(planet, false);
        const QString whole =
            "Planet: " + QString::fromStdString(st().planet(planet).Name.trimmed());
        // Broken into lines that together hold the whole name, which a screen reader says.
        const QStringList lines = name->text().split(QLatin1Char('\n'));
        EXPECT_EQ(std::tuple(lines.size() > 1, lines.join("").remove(' '), name->accessibleName()),
                  std::tuple(true, QString(whole).remove(' '), whole));
        const QFontMetrics metrics(name->font());
        for (const QString& line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), name->width()) << line.toStdString();
        EXPECT_GE(name->height(), static_cast<int>(lines.size()) * metrics.height());
        EXPECT_LE(name->x() + name->width(), units().px(ui::GalaxyMap::kMapLeftCm));
        const QPoint down(0, name->height() - shortName.height());
        EXPECT_EQ(rows(), std::tuple(name->geometry(), statusAt + down, shipsAt + down));
    }
    window->ShowPlanetInfo(0, false);
    EXPECT_EQ(rows(), std::tuple(shortName, statusAt, shipsAt)) << "every row back where it was";
}

TEST_F(MainWindowTest, StartUpWithAMissingFileOrOnAFolderInUseSaysWhyAndFails) {
    // Start-up on `program` fails with one message, which it gives.
    auto failedStartUp = [](const fs::path& program) {
        ui::Zenthar w(program);
        std::vector<std::string> said;
        w.dialogs().setAnswerer([&said](const MessageRequest& r) {
            said.push_back(r.text);
            return Answer::Ok;
        });
        EXPECT_FALSE(w.startUp());
        EXPECT_EQ(std::tuple(w.MainFormState(), said.size()), std::tuple(0, 1u));
        return said.empty() ? std::string() : said[0];
    };
    for (const char* file : {"backgrnd.dat", "crt.dat", "planets.dat", "zenthar.mdb"}) {
        TempProgramFolder other;
        CopyPictures(other.path());
        fs::remove(other.path() / file);
        const std::string said = failedStartUp(other.path());
        EXPECT_TRUE(said.find(file) != said.npos && said.find(other.path().string()) != said.npos)
            << said;
    }
    ASSERT_TRUE(window->startUp());  // holds its folder now
    const std::string said = failedStartUp(folder.path());
    EXPECT_NE(said.find("Zenthar is already running in this folder"), std::string::npos) << said;
}

// ---- layout ------------------------------------------------------------------------------

TEST_F(MainWindowTest, ResizeLaysOutOnlyOnceTheWindowWasActivatedDownToAVeryNarrowWindow) {
    // Shown without a screen window, so nothing activates it behind the test's back.
    window->setAttribute(Qt::WA_DontShowOnScreen);
    ASSERT_TRUE(window->startUp());
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(window->MainFormState(), ui::Zenthar::kFormStarted);
    expectLaidOut(true);

    const auto before = std::pair(vert()->geometry(), horiz()->geometry());
    setMapSize(900, 500);
    ASSERT_EQ(map().size(), QSize(900, 500));
    EXPECT_EQ(std::pair(vert()->geometry(), horiz()->geometry()), before) << "nothing moves yet";

    window->Form_Activate();
    EXPECT_EQ(window->MainFormState(), ui::Zenthar::kFormActivated);
    expectLaidOut(false);  // caught up with the size the window has now
    for (int width : {640, 200, 40, 1}) {
        SCOPED_TRACE(width);
        setMapSize(width, 300);
        expectLaidOut(false);
    }
    // The map still draws on a window this small.
    galaxy().planet(0, 0, 0).owner(0).home().build();
    window->ShowLoadedGame();
    EXPECT_FALSE(map().imageShown(0));
}

// ---- leaving -----------------------------------------------------------------------------

TEST_F(MainWindowTest, ExitAndTheCloseBoxAskOnlyDuringAGame) {
    startShown();
    expectAskedOnlyDuringAGame([this] {
        child<QAction>("ExitItem")->trigger();
        return !window->isVisible();
    });
    startAgain();
    asked.clear();
    expectAskedOnlyDuringAGame([this] { return window->close(); });
}

}  // namespace
}  // namespace zenthar::testing
