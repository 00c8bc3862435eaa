// The battle report window as the turn engine drives it: layout, skip buttons and the close box,
// the landing run, the laser of each round, the rebels' explosions, the message window, and the
// length of a sound file. (How long a sound is waited for can only be seen with an audio
// output, which the test machines have not.)
#include "reports/TurnRepFrm.h"
#include "reports/DispInfoDlg.h"
#include "reports/QtTurnDisplay.h"

#include <QElapsedTimer>

#include "support/widgets.h"

namespace zenthar::testing {
namespace {

const fs::path kProgramDir(ZENTHAR_PROGRAM_DIR);

class BattleWindowTest : public ::testing::Test {
  protected:
    BattleWindowTest() : display(nullptr, st, kProgramDir) { display.setTimeScale(0); }
    // The window, shown as the engine shows it.
    ui::TurnRepFrm& shown() {
        display.showWindow();
        return display.window();
    }
    QWidget* part(const char* name) { return FindChild<QWidget>(&display.window(), name); }
    GameState st;
    ui::QtTurnDisplay display;
};

// The buttons must answer while a round waits, or "Skip Battle" could never cut a battle short.
TEST_F(BattleWindowTest, SkipButtonsSetTheirFlagsWhileARoundIsWaiting) {
    display.skipBattle();
    display.setTimeScale(0.2);  // one round waits 200 ms
    ui::TurnRepFrm& w = shown();
    EXPECT_TRUE(display.roundsShown()) << "loading the window clears the skip of a battle";
    QTimer::singleShot(40, [&w] { Click(&w, "SkipBtn"); });
    QElapsedTimer clock;
    clock.start();
    display.battleRound(0, 9, 4);
    // The round waited its time; Skip Battle left the battle's messages to be shown.
    EXPECT_EQ(std::tuple(clock.elapsed() >= 190, display.roundsShown(), display.messagesShown()),
              std::tuple(true, false, true))
        << clock.elapsed();
    Click(&w, "SkipAllBtn");
    display.hideWindow();
    EXPECT_EQ(std::pair(display.messagesShown(), w.isVisible()), std::pair(false, false));
}

// The rest of such a year end runs as if it were skipped (tests/turn/endturn_test.cpp).
TEST_F(BattleWindowTest, ClosingTheWindowByItsFrameIsThePlayersWishToSeeNoMore) {
    shown().close();
    EXPECT_EQ(std::pair(display.windowClosed(), display.messagesShown()), std::pair(true, false));
    // The window outlives its closing: the next year end shows it again.
    EXPECT_TRUE(shown().isVisible());
}

TEST_F(BattleWindowTest, TheLandingRunTakesTwentyOneStepsDownRightAndTheSoundParksTheShip) {
    display.setTimeScale(0.05);  // 21 steps of 10 ms instead of 200 ms
    ui::TurnRepFrm& w = shown();
    QWidget* ship = part("TrackerImg");
    const QPoint home = ship->pos();
    QElapsedTimer clock;
    clock.start();
    display.landingAnimation();
    const qint64 took = clock.elapsed();
    EXPECT_TRUE(took >= 21 * 10 - 5 && took < 2000) << took;
    // 2000 left and 3000 up, then 100 + 110 + ... + 300 = 4200 twips along each axis.
    EXPECT_EQ(std::pair(ship->isVisible(), ship->pos()),
              std::pair(true, home + QPoint(w.twips(2200), w.twips(1200))));
    display.playSound(Sound::Landing);
    EXPECT_EQ(std::pair(ship->isVisible(), ship->pos()), std::pair(false, home));
}

TEST_F(BattleWindowTest, RoundsAlternateABlueAndARedLaserThatTheNextStepErases) {
    ui::TurnRepFrm& w = shown();
    const QPoint skimmer = part("SkimmerImg")->pos() + QPoint(w.twips(400), w.twips(400));
    const QPoint tracker = part("TrackerImg")->pos() + QPoint(w.twips(500), w.twips(500));
    // The laser's colour and ends while it is up, and how blue the picture is half-way.
    auto laser = [&w] {
        return std::tuple(w.laserShown(), w.laser().colour, w.laser().from, w.laser().to);
    };
    auto blue = [&w, middle = (skimmer + tracker) / 2] {
        return w.grab().toImage().pixelColor(middle).blue();
    };

    display.battleRound(0, 12, 7);
    EXPECT_EQ(Texts(&w, {"AttShipsLbl", "DefShipsLbl"}), "12 | 7");
    EXPECT_EQ(laser(), std::tuple(true, QColor(0, 0, 255), skimmer, tracker));
    EXPECT_GT(blue(), 150);
    display.playSound(Sound::Laser);
    EXPECT_TRUE(!w.laserShown() && blue() < 100) << blue();

    display.battleRound(1, 11, 5);
    EXPECT_EQ(laser(), std::tuple(true, QColor(255, 0, 0), tracker, skimmer));
    // With "Sounds Off" no sound comes; the next step erases the laser.
    display.setCounts("11", "5");
    EXPECT_FALSE(w.laserShown());
    display.battleFinished();
    EXPECT_FALSE(part("SkimmerImg")->isVisible() || part("TrackerImg")->isVisible());
}

TEST_F(BattleWindowTest, RebelRoundsShowTheExplosionEveryOtherRound) {
    ui::TurnRepFrm& w = shown();
    QWidget* skimmer = part("SkimmerImg");
    QWidget* explosion = part("ShipBlownUpImg");
    const QPoint skimmerHome = skimmer->pos();
    display.beginRebelPhase();
    EXPECT_EQ(skimmer->pos(), explosion->pos());

    display.setTimeScale(0.1);  // 100 ms a round
    // Each round: the explosion while it waits, the defenders left and the explosion after it.
    std::string seen;
    for (int round = 1; round <= 3; ++round) {
        QTimer::singleShot(30, [&] { seen += explosion->isVisible() ? "boom " : "- "; });
        display.rebelRound(round, 9 - round);
        seen += Text(&w, "DefShipsLbl") + (explosion->isVisible() ? " boom, " : ", ");
    }
    EXPECT_EQ(seen, "boom 8, - 7, boom 6, ");

    display.endRebelPhase();
    EXPECT_EQ(std::tuple(skimmer->isVisibleTo(&w), skimmer->pos(), w.isVisible()),
              std::tuple(false, skimmerHome, false));
}

TEST_F(BattleWindowTest, TheMessageWindowShowsTheTextAndClosesOnOkOrReturn) {
    display.showWindow();
    ui::DispInfoDlg& dlg = display.messageWindow();
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Zenthar - End Of Turn Report");
    std::string shown;
    QTimer::singleShot(0, [&] {
        shown = Text(&dlg, "MsgLbl");
        Click(&dlg, "OKButton");
    });
    display.showMessage("Ann conquered the planet Vorn");
    EXPECT_EQ(shown, "Ann conquered the planet Vorn");
    EXPECT_FALSE(dlg.isVisible());
    QTimer::singleShot(0, [&] { QTest::keyClick(&display.messageWindow(), Qt::Key_Return); });
    display.showMessage("The Empire lost the battle of Vorn");
    // The same window comes back, and Return closed it.
    EXPECT_EQ(std::pair(&display.messageWindow(), dlg.isVisible()), std::pair(&dlg, false));
}

}  // namespace
}  // namespace zenthar::testing
