// zenthar-play-driver: the game's main window as a program of its own, started up as the game
// starts and played through its commands as a player plays, for the test that kills it and
// starts it again.
//   zenthar-play-driver FOLDER yearend SEED YEARS STOP  starts a two-player game from SEED whose
//       players send what their planets hold beyond five ships at the nearest planet they do not
//       own, with every battle and message shown (each message closed as soon as it shows), and
//       plays YEARS years. Every time the last year end lets the window process events counts
//       one step: at step STOP the driver prints "stopped" and waits to be killed; after the
//       last End Turn it writes FOLDER/expected.txt and prints "steps N" (at STOP 0 it then
//       ends, at any STOP beyond the steps it waits to be killed).
//   zenthar-play-driver FOLDER resume      answers Yes to every question (closing the year
//       end's messages too), prints each question after "asked:", then "game:" and the game in
//       play, and ends.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "app/Zenthar.h"
#include "game/side_totals.h"
#include "orders/sendships.h"
#include "reports/DispInfoDlg.h"
#include "support/widgets.h"
#include "turn/lookups.h"

using namespace zenthar;

namespace {

std::string GameInPlay(Game& game) {
    return sim::DescribeSavedGame(game.st) + sim::ShipsTablePicture(game);
}

// What each planet of the player in turn holds beyond five ships goes to the nearest planet
// the player does not own.
void SendSpareShips(GameState& st) {
    const int me = st.CurrentPlTurn;
    for (int from = 0; from < st.PlanetsNum; ++from) {
        if (OwnerOf(st, from) != me || st.planet(from).Ships <= 5) continue;
        int target = -1;
        for (int t = 0; t < st.PlanetsNum; ++t)
            if (OwnerOf(st, t) != me &&
                (target == -1 || PlanetDistance(st, from, t) < PlanetDistance(st, from, target)))
                target = t;
        if (target != -1) SendShips(st, from, target, std::to_string(st.planet(from).Ships - 5));
    }
}

[[noreturn]] void WaitToBeKilled() {
    std::printf("stopped\n");
    std::fflush(stdout);
    for (;;) ::pause();
}

// Closes each year end message as it shows, and counts in `steps` the steps of the year end
// `counted` says is running; at step `stopAt` the program waits to be killed.
void WatchYearEnd(QTimer& timer, ui::Zenthar& window, std::function<bool()> counted, int stopAt,
                  int& steps) {
    QObject::connect(&timer, &QTimer::timeout, [&window, counted, stopAt, &steps] {
        if (!window.game().st.EndTurnRunning) return;
        if (counted && counted() && ++steps == stopAt) WaitToBeKilled();
        if (auto* message = qobject_cast<ui::DispInfoDlg*>(QApplication::activeModalWidget()))
            message->accept();
    });
    timer.start(0);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zenthar");
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER yearend SEED YEARS STOP | FOLDER resume\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    const std::string mode = argv[2];
    ui::Zenthar window(folder);
    window.dialogs().setAnswerer([](const MessageRequest& r) {
        std::printf("asked: %s\n", r.text.c_str());
        return r.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    });
    window.turnDisplay().setTimeScale(0);
    // As main() starts the game.
    if (!window.startUp()) return 1;
    window.show();

    if (mode == "yearend" && argc > 5) {
        window.randomSource() = SystemRandom(std::strtoull(argv[3], nullptr, 10));
        const int years = std::atoi(argv[4]);
        const int stopAt = std::atoi(argv[5]);
        zenthar::testing::OnNextNewGame({"Ann", "Bob"});
        window.NewGameItem_Click();
        GameState& st = window.game().st;
        if (!st.GameActive) return 4;
        const int lastYear = st.CurrentYear + years;
        QTimer watch;
        int steps = 0;
        WatchYearEnd(
            watch, window, [&] { return st.CurrentYear == lastYear; }, stopAt, steps);
        while (st.GameActive && st.CurrentYear < lastYear) {
            SendSpareShips(st);
            window.findChild<QAction*>("EndTurnItem")->trigger();
            if (window.playerHidden())
                QTest::keyClick(window.findChild<QWidget*>("HandOverScreen"), Qt::Key_Space);
        }
        std::ofstream(folder / "expected.txt") << GameInPlay(window.game());
        std::printf("steps %d\n", steps);
        std::fflush(stdout);
        if (stopAt > steps) WaitToBeKilled();
        return 0;
    }
    if (mode == "resume") {
        QTimer closesMessages;
        int steps = 0;
        WatchYearEnd(closesMessages, window, {}, 0, steps);
        window.offerRecoveredGame();
        std::printf("game:\n%s", GameInPlay(window.game()).c_str());
        std::fflush(stdout);
        return window.game().st.GameActive ? 0 : 3;
    }
    return 2;
}
