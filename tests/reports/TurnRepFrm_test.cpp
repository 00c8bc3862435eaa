// The battle report window as the turn engine drives it: layout, skip buttons and the close box,
// the landing run, the laser of each round, the rebels' explosions, the message window, and the
// length of a sound file. (How long a sound is waited for can only be seen with an audio
// output, which the test machines have not.)
#include "reports/TurnRepFrm.h"

#include <QElapsedTimer>
#include <fstream>

#include "reports/wav_length.h"
#include "support/widgets.h"

namespace zenthar::testing {
namespace {

using ui::QtTurnDisplay;
using ui::TurnRepFrm;

const std::filesystem::path kProgramDir(ZENTHAR_PROGRAM_DIR);

class BattleWindowTest : public ::testing::Test {
  protected:
    BattleWindowTest() : display(nullptr, st, kProgramDir) { display.setTimeScale(0); }
    // The window, shown as the engine shows it.
    TurnRepFrm& shown() {
        display.showWindow();
        return display.window();
    }
    QWidget* part(const char* name) { return FindChild<QWidget>(&display.window(), name); }
    GameState st;
    QtTurnDisplay display;
};

// The buttons must answer while a round waits, or "Skip Battle" could never cut a battle short.
TEST_F(BattleWindowTest, SkipButtonsSetTheirFlagsWhileARoundIsWaiting) {
    display.skipBattle();
    display.setTimeScale(0.2);  // one round waits 200 ms
    TurnRepFrm& w = shown();
    EXPECT_TRUE(display.roundsShown()) << "loading the window clears the skip of a battle";
    QTimer::singleShot(40, [&w] { Click(&w, "SkipBtn"); });
    QElapsedTimer clock;
    clock.start();
    display.battleRound(0, 9, 4);
    EXPECT_GE(clock.elapsed(), 190);
    EXPECT_FALSE(display.roundsShown());
    EXPECT_TRUE(display.messagesShown());
    Click(&w, "SkipAllBtn");
    EXPECT_FALSE(display.messagesShown());
    display.hideWindow();
    EXPECT_FALSE(w.isVisible());
}

// The rest of such a year end runs as if it were skipped (tests/turn/endturn_test.cpp).
TEST_F(BattleWindowTest, ClosingTheWindowByItsFrameIsThePlayersWishToSeeNoMore) {
    shown().close();
    EXPECT_TRUE(display.windowClosed());
    EXPECT_FALSE(display.messagesShown());
    display.showWindow();  // the window outlives its closing: the next year end shows it again
    EXPECT_TRUE(display.window().isVisible());
}

TEST_F(BattleWindowTest, TheLandingRunTakesTwentyOneStepsDownRightAndTheSoundParksTheShip) {
    display.setTimeScale(0.05);  // 21 steps of 10 ms instead of 200 ms
    TurnRepFrm& w = shown();
    QWidget* ship = part("TrackerImg");
    const QPoint home = ship->pos();
    QElapsedTimer clock;
    clock.start();
    display.landingAnimation();
    EXPECT_GE(clock.elapsed(), 21 * 10 - 5);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_TRUE(ship->isVisible());
    // 2000 left and 3000 up, then 100 + 110 + ... + 300 = 4200 twips along each axis.
    EXPECT_EQ(ship->pos(), home + QPoint(w.twips(2200), w.twips(1200)));
    display.playSound(Sound::Landing);
    EXPECT_FALSE(ship->isVisible());
    EXPECT_EQ(ship->pos(), home);
}

TEST_F(BattleWindowTest, RoundsAlternateABlueAndARedLaserThatTheNextStepErases) {
    TurnRepFrm& w = shown();
    const QPoint skimmer = part("SkimmerImg")->pos() + QPoint(w.twips(400), w.twips(400));
    const QPoint tracker = part("TrackerImg")->pos() + QPoint(w.twips(500), w.twips(500));
    const QPoint middle = (skimmer + tracker) / 2;

    display.battleRound(0, 12, 7);
    EXPECT_EQ(Text(&w, "AttShipsLbl") + "/" + Text(&w, "DefShipsLbl"), "12/7");
    ASSERT_TRUE(w.laserShown());
    EXPECT_EQ(w.laser().colour, QColor(0, 0, 255));
    EXPECT_EQ(std::pair(w.laser().from, w.laser().to), std::pair(skimmer, tracker));
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
    EXPECT_FALSE(part("SkimmerImg")->isVisible());
    EXPECT_FALSE(part("TrackerImg")->isVisible());
}

TEST_F(BattleWindowTest, RebelRoundsShowTheExplosionEveryOtherRound) {
    TurnRepFrm& w = shown();
    QWidget* skimmer = part("SkimmerImg");
    QWidget* explosion = part("ShipBlownUpImg");
    const QPoint skimmerHome = skimmer->pos();
    display.beginRebelPhase();
    EXPECT_EQ(skimmer->pos(), explosion->pos());

    display.setTimeScale(0.1);  // 100 ms a round
    std::vector<bool> explosionDuringWait;
    for (int round = 1; round <= 3; ++round) {
        QTimer::singleShot(30, [&] { explosionDuringWait.push_back(explosion->isVisible()); });
        display.rebelRound(round, 9 - round);
        EXPECT_EQ(Text(&w, "DefShipsLbl"), std::to_string(9 - round));
        EXPECT_FALSE(explosion->isVisible());
    }
    EXPECT_EQ(explosionDuringWait, (std::vector<bool>{true, false, true}));

    display.endRebelPhase();
    EXPECT_FALSE(skimmer->isVisibleTo(&w));
    EXPECT_EQ(skimmer->pos(), skimmerHome);
    EXPECT_FALSE(w.isVisible());
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
    EXPECT_EQ(&display.messageWindow(), &dlg) << "the same window comes back";
    EXPECT_FALSE(dlg.isVisible());
}

// ---- sound files --------------------------------------------------------------------------------

TEST(BattleSounds, TheLengthComesFromTheHeader) {
    EXPECT_FALSE(WavLengthMs(kProgramDir / "crt.dat"));
    EXPECT_FALSE(WavLengthMs(kProgramDir / "no-such.wav"));
    // Each field little-endian in the number of bytes given.
    auto le = [](std::initializer_list<std::pair<std::uint32_t, int>> fields) {
        std::string bytes;
        for (auto [v, n] : fields)
            for (int i = 0; i < n; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
        return bytes;
    };
    TempProgramFolder folder;
    const auto file = folder.path() / "tone.wav";
    // PCM, mono, 22050 samples and 44100 bytes a second, 2 bytes a frame of 16 bits; the
    // odd-sized chunk before the audio is skipped with its pad byte.
    std::ofstream(file, std::ios::binary)
        << "RIFF" << le({{4 + 8 + 16 + 8 + 3 + 1 + 8 + 44100, 4}}) << "WAVEfmt "
        << le({{16, 4}, {1, 2}, {1, 2}, {22050, 4}, {44100, 4}, {2, 2}, {16, 2}}) << "LIST"
        << le({{3, 4}}) << std::string("abc\0data", 8) << le({{44100 * 3 / 2, 4}});
    EXPECT_EQ(WavLengthMs(file), 1500);
    for (const char* game : {"laserfr3.wav", "spcshlnd.wav", "explode.wav"}) {
        const int length = WavLengthMs(kProgramDir / game).value_or(0);
        EXPECT_TRUE(length > 50 && length < 10000) << game;
    }
}

}  // namespace
}  // namespace zenthar::testing
