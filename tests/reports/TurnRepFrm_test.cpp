// The battle report window as the turn engine drives it: layout, skip buttons, the landing
// run, the laser of each round, the rebels' explosions, the message window and the sounds.
#include "reports/TurnRepFrm.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "reports/event_wait.h"
#include "reports/wav_length.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

using ui::QtTurnDisplay;
using ui::TurnRepFrm;

const std::filesystem::path kProgramDir(ZENTHAR_PROGRAM_DIR);

class BattleWindowTest : public ::testing::Test {
  protected:
    BattleWindowTest() : display(nullptr, st, kProgramDir) { display.setTimeScale(0); }
    GameState st;
    QtTurnDisplay display;
};

TEST_F(BattleWindowTest, TheWindowIsLaidOutFromTheScreenAndItsEdges) {
    display.SkipBattleFlag = 1;
    TurnRepFrm& w = display.window();
    EXPECT_EQ(display.SkipBattleFlag, 0);  // loading the window clears it
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w.y(), w.twips(500));
    EXPECT_EQ(w.width(), screen.width() - w.twips(500));
    EXPECT_EQ(w.height(), screen.height() - w.twips(900));
    EXPECT_EQ(w.DefLbl->geometry().right(), w.DefShipsLbl->geometry().right());
    EXPECT_NEAR(w.PlanetLbl->geometry().center().x(), w.width() / 2, 1);
    for (QPushButton* b : {w.SkipBtn, w.SkipAllBtn})
        EXPECT_EQ(w.height() - (b->y() + b->height()), w.twips(50));
    EXPECT_FALSE(w.TrackerImg->isVisibleTo(&w));
    EXPECT_FALSE(w.ShipBlownUpImg->isVisibleTo(&w));
}

// The buttons must answer while a round waits, or "Skip Battle" could never cut a battle short.
TEST_F(BattleWindowTest, SkipButtonsSetTheirFlagsWhileARoundIsWaiting) {
    display.setTimeScale(0.2);  // one round waits 200 ms
    display.showWindow();
    TurnRepFrm& w = display.window();
    QTimer::singleShot(40, [&w] { QTest::mouseClick(w.SkipBtn, Qt::LeftButton); });
    QElapsedTimer clock;
    clock.start();
    display.battleRound(0, 9, 4);
    EXPECT_GE(clock.elapsed(), 190);
    EXPECT_EQ(display.SkipBattleFlag, 1);
    EXPECT_EQ(display.SkipAllFlag, 0);
    QTest::mouseClick(w.SkipAllBtn, Qt::LeftButton);
    EXPECT_EQ(display.SkipAllFlag, 1);
    display.hideWindow();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(BattleWindowTest, TheLandingRunTakesTwentyOneStepsDownRightAndTheSoundParksTheShip) {
    display.setTimeScale(0.05);  // 21 steps of 10 ms instead of 200 ms
    display.showWindow();
    TurnRepFrm& w = display.window();
    const QPoint home = w.TrackerImg->pos();
    QElapsedTimer clock;
    clock.start();
    display.landingAnimation();
    EXPECT_GE(clock.elapsed(), 21 * 10 - 5);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_TRUE(w.TrackerImg->isVisible());
    // 2000 left and 3000 up, then 100 + 110 + ... + 300 = 4200 twips along each axis.
    EXPECT_EQ(w.TrackerImg->pos(), home + QPoint(w.twips(2200), w.twips(1200)));
    display.playSound(Sound::Landing);
    EXPECT_FALSE(w.TrackerImg->isVisible());
    EXPECT_EQ(w.TrackerImg->pos(), home);
}

TEST_F(BattleWindowTest, RoundsAlternateABlueAndARedLaserThatTheSoundErases) {
    display.showWindow();
    TurnRepFrm& w = display.window();
    const QPoint skimmer = w.SkimmerImg->pos() + QPoint(w.twips(400), w.twips(400));
    const QPoint tracker = w.TrackerImg->pos() + QPoint(w.twips(500), w.twips(500));
    const QPoint middle = (skimmer + tracker) / 2;

    display.battleRound(0, 12, 7);
    EXPECT_EQ(w.AttShipsLbl->text().toStdString(), "12");
    EXPECT_EQ(w.DefShipsLbl->text().toStdString(), "7");
    ASSERT_TRUE(w.laserShown());
    EXPECT_EQ(w.laser().colour, QColor(0, 0, 255));
    EXPECT_EQ(w.laser().from, skimmer);
    EXPECT_EQ(w.laser().to, tracker);
    EXPECT_GT(w.grab().toImage().pixelColor(middle).blue(), 150);
    display.playSound(Sound::Laser);
    EXPECT_FALSE(w.laserShown());
    EXPECT_LT(w.grab().toImage().pixelColor(middle).blue(), 100);

    display.battleRound(1, 11, 5);
    ASSERT_TRUE(w.laserShown());
    EXPECT_EQ(w.laser().colour, QColor(255, 0, 0));
    EXPECT_EQ(w.laser().from, tracker);
    // With "Sounds Off" no sound comes; the next step erases the laser.
    display.setCounts("11", "5");
    EXPECT_FALSE(w.laserShown());

    display.battleFinished();
    EXPECT_FALSE(w.SkimmerImg->isVisible());
    EXPECT_FALSE(w.TrackerImg->isVisible());
}

TEST_F(BattleWindowTest, RebelRoundsShowTheExplosionEveryOtherRound) {
    display.showWindow();
    TurnRepFrm& w = display.window();
    const QPoint skimmerHome = w.SkimmerImg->pos();
    display.beginRebelPhase();
    EXPECT_EQ(w.SkimmerImg->pos(), w.ShipBlownUpImg->pos());

    display.setTimeScale(0.1);  // 100 ms a round
    std::vector<bool> explosionDuringWait;
    for (int round = 1; round <= 3; ++round) {
        QTimer::singleShot(30,
                           [&] { explosionDuringWait.push_back(w.ShipBlownUpImg->isVisible()); });
        display.rebelRound(round, 9 - round);
        EXPECT_EQ(w.DefShipsLbl->text().toStdString(), std::to_string(9 - round));
        EXPECT_FALSE(w.ShipBlownUpImg->isVisible());
    }
    EXPECT_EQ(explosionDuringWait, (std::vector<bool>{true, false, true}));

    display.endRebelPhase();
    EXPECT_FALSE(w.SkimmerImg->isVisibleTo(&w));
    EXPECT_EQ(w.SkimmerImg->pos(), skimmerHome);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(BattleWindowTest, TheMessageWindowShowsTheTextAndClosesOnOkOrReturn) {
    display.showWindow();
    std::string shown;
    QTimer::singleShot(0, [&] {
        ui::DispInfoDlg& dlg = display.messageWindow();
        shown = dlg.MsgLbl->text().toStdString();
        QTest::mouseClick(dlg.OKButton, Qt::LeftButton);
    });
    display.showMessage("Ann conquered the planet Vorn");
    EXPECT_EQ(shown, "Ann conquered the planet Vorn");
    ui::DispInfoDlg& dlg = display.messageWindow();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Zenthar - End Of Turn Report");
    QTimer::singleShot(0, [&] { QTest::keyClick(&display.messageWindow(), Qt::Key_Return); });
    display.showMessage("The Empire lost the battle of Vorn");
    EXPECT_EQ(&display.messageWindow(), &dlg) << "the same window comes back";
    EXPECT_FALSE(dlg.isVisible());
}

// ---- sounds --------------------------------------------------------------------------------

TEST(BattleSounds, TheLengthComesFromTheHeader) {
    EXPECT_FALSE(WavLengthMs(kProgramDir / "crt.dat"));
    EXPECT_FALSE(WavLengthMs(kProgramDir / "no-such.wav"));

    TempProgramFolder folder;
    const auto file = folder.path() / "tone.wav";
    {
        std::ofstream o(file, std::ios::binary);
        auto le = [&o](std::uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i) o.put(static_cast<char>((v >> (8 * i)) & 0xFF));
        };
        o << "RIFF";
        le(4 + 8 + 16 + 8 + 3 + 1 + 8 + 44100, 4);
        o << "WAVEfmt ";
        le(16, 4);
        le(1, 2);      // PCM
        le(1, 2);      // mono
        le(22050, 4);  // samples a second
        le(44100, 4);  // bytes a second
        le(2, 2);
        le(16, 2);
        o << "LIST";  // an odd-sized chunk before the audio is skipped with its pad byte
        le(3, 4);
        o << "abc" << '\0' << "data";
        le(44100 * 3 / 2, 4);
    }
    EXPECT_EQ(WavLengthMs(file), 1500);
}

TEST(BattleSounds, ASoundRequestReturnsWithinItsLengthAndSoundsOffSpendsNoTime) {
    ui::SoundPlayer player(kProgramDir);
    for (const char* file : {"laserfr3.wav", "spcshlnd.wav", "explode.wav", "missing.wav"}) {
        const int length = WavLengthMs(kProgramDir / file).value_or(0);
        EXPECT_EQ(length > 50 && length < 10000, file != std::string("missing.wav")) << file;
        QElapsedTimer clock;
        clock.start();
        player.play(file);
        EXPECT_LE(clock.elapsed(), length + ui::SoundPlayer::kMarginMs + 100) << file;
        // Without audio output nothing can be heard, so nothing is waited for.
        if (!ui::HasAudioOutput() || length == 0) {
            EXPECT_LT(clock.elapsed(), 100) << file;
        }
    }
    GameState st;
    st.SoundsOff = true;
    QtTurnDisplay display(nullptr, st, kProgramDir);
    display.setTimeScale(1);
    QElapsedTimer clock;
    clock.start();
    display.playSound(Sound::Landing);
    display.playSound(Sound::Explosion);
    EXPECT_LT(clock.elapsed(), 100);
}

}  // namespace
}  // namespace zenthar::testing
