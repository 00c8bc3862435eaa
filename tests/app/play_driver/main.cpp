// zenthar-play-driver: the game's main window as a program of its own, started up as the game
// starts and played through its commands as a player plays, for the test that kills it and
// starts it again.
//   zenthar-play-driver FOLDER play TURNS  starts a two-player game, ends TURNS turns (lifting
//       the hand-over screen with a key), writes the game as it stands after the last hand-over
//       to FOLDER/expected.txt, prints "played TURNS" and waits to be killed.
//   zenthar-play-driver FOLDER resume      answers Yes to every question, prints each question
//       after "asked:", then "game:" and the game in play, and ends.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/Zenthar.h"
#include "sim/state_picture.h"

namespace {

std::string GameInPlay(zenthar::Game& game) {
    return zenthar::sim::DescribeSavedGame(game.st) + zenthar::sim::ShipsTablePicture(game);
}

void NewTwoPlayerGame(zenthar::ui::Zenthar& window) {
    QTimer::singleShot(0, [] {
        QWidget* dlg = QApplication::activeModalWidget();
        if (dlg == nullptr) return;
        dlg->findChild<QComboBox*>("PlayerNumCmb")->setCurrentIndex(1);
        dlg->findChild<QLineEdit*>("PlayerEdt0")->setText("Ann");
        dlg->findChild<QLineEdit*>("PlayerEdt1")->setText("Bob");
        dlg->findChild<QPushButton*>("OkBtn")->click();
    });
    window.NewGameItem_Click();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zenthar");
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER play TURNS | FOLDER resume\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    const std::string mode = argv[2];
    zenthar::ui::Zenthar window(folder);
    window.dialogs().setAnswerer([](const zenthar::MessageRequest& r) {
        std::printf("asked: %s\n", r.text.c_str());
        return r.buttons == zenthar::Buttons::Ok ? zenthar::Answer::Ok : zenthar::Answer::Yes;
    });
    window.turnDisplay().setTimeScale(0);
    // As main() starts the game.
    if (!window.startUp()) return 1;
    window.show();
    window.offerRecoveredGame();

    if (mode == "resume") {
        std::printf("game:\n%s", GameInPlay(window.game()).c_str());
        std::fflush(stdout);
        return window.game().st.GameActive ? 0 : 3;
    }
    const int turns = argc > 3 ? std::atoi(argv[3]) : 3;
    NewTwoPlayerGame(window);
    if (!window.game().st.GameActive) return 4;
    // The year ends quietly: no battle window waits for a click.
    window.findChild<QAction*>("SkipETDispItem")->trigger();
    for (int t = 0; t < turns; ++t) {
        window.findChild<QAction*>("EndTurnItem")->trigger();
        if (window.playerHidden())
            QTest::keyClick(window.findChild<QWidget*>("HandOverScreen"), Qt::Key_Space);
    }
    std::ofstream(folder / "expected.txt") << GameInPlay(window.game());
    std::printf("played %d\n", turns);
    std::fflush(stdout);
    return QApplication::exec();
}
