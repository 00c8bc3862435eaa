// The main window's commands: the turn status and the panel, orders from the map, End Turn,
// saving and loading through the file dialog, and the report windows.
#include <QTest>
#include <QTimer>
#include <tuple>

#include "app/app_fixture.h"
#include "app/planet_panel.h"
#include "game/sqlite.h"
#include "reports/TurnRepFrm.h"
#include "support/savegame_tools.h"
#include "turn/taskforces.h"

namespace zenthar::testing {
namespace {

class CommandsTest : public AppTest {
  protected:
    // The file dialog is answered with nextPath; what was asked for is kept.
    void SetUp() override {
        AppTest::SetUp();
        window->setFileChooser([this](ui::Zenthar::FileDialogKind kind, const QString& folder) {
            choices.push_back(kind);
            folders.push_back(folder);
            return nextPath;
        });
    }
    // Two players: Ann's capital at x 20, Bob's at x 4.
    void twoPlayers() {
        // clang-format off
        galaxy().players({"Ann", "Bob"})
            .planet(0, 20, 12).owner(0).home().ships(30).production(3, 6)
            .planet(1, 4, 7).owner(1).home().ships(25)
            .planet(2, 23, 14).owner(0).ships(10).production(3, 6)
            .planet(3, 25, 15).ships(8)
            .build();
        // clang-format on
        window->ShowLoadedGame();
    }
    // Closes the modal window a command opens, once it is up.
    void closeNextModal(QString* seen = nullptr) {
        QTimer::singleShot(0, window.get(), [seen] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            if (seen) *seen = modal->metaObject()->className();
            modal->close();
        });
    }
    QString nextPath;
    std::vector<ui::Zenthar::FileDialogKind> choices;
    std::vector<QString> folders;
};

TEST_F(CommandsTest, TurnStatusScrollsHomeAndShowsTurnYearAndCapital) {
    startShown();
    twoPlayers();
    EXPECT_EQ(horiz()->value(), 14) << "home at x 20";
    EXPECT_EQ(vert()->value(), 12);
    EXPECT_EQ(text("PlTurnLbl").trimmed(), "Player's Turn: Ann");
    EXPECT_EQ(text("YearLbl"), "Year: 4100");
    EXPECT_EQ(text("CurShipsLbl"), "Ships: 30");
    EXPECT_TRUE(child<QLabel>("CurPlayerSimPct")->isVisible());
    EXPECT_FALSE(child<QLabel>("CurPlanetPct")->pixmap().isNull());

    // End Turn passes to Bob, whose home is at x 4.
    window->EndTurnItem_Click();
    EXPECT_EQ(st().CurrentPlTurn, 1);
    EXPECT_EQ(horiz()->value(), 0);
    EXPECT_EQ(vert()->value(), 7);
    EXPECT_EQ(text("PlTurnLbl").trimmed(), "Player's Turn: Bob");
    EXPECT_EQ(st().SelectedPlanet, 1);
    EXPECT_FALSE(window->commandRunning());
}

TEST_F(CommandsTest, DoubleClickAsksToIncreaseProduction) {
    startShown();
    twoPlayers();
    answers.push_back(Answer::Yes);
    QTest::mouseDClick(&map(), Qt::LeftButton, {}, map().imageRect(2).center());
    // The question and the price are the core's; the click reaches it and the panel follows.
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(st().SelectedPlanet, 2);
    EXPECT_EQ(st().planet(2).Production, 4);
    EXPECT_EQ(text("CurProdLbl"), "Production: 4");
    EXPECT_EQ(text("CurShipsLbl"), "Ships: 7");

    // Not the player's planet: nothing is asked and nothing changes.
    QTest::mouseDClick(&map(), Qt::LeftButton, {}, map().imageRect(3).center());
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(st().planet(3).Production, 1);
}

TEST_F(CommandsTest, WithoutAGameOrFromAPlanetNotOwnedNothingIsSentOrEnded) {
    startShown();
    window->SendItem_Click();
    window->EndTurnItem_Click();
    EXPECT_TRUE(asked.empty()) << "no game: nothing";
    EXPECT_EQ(st().CurrentPlTurn, 0);
    twoPlayers();
    window->ShowPlanetInfo(3, false);
    window->SendItem_Click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "You don't own this planet. You can't send any ships from here.");
    EXPECT_EQ(st().TaskForceLast, -1);
}

TEST_F(CommandsTest, AnEndTurnTheDiskRefusesIsToldAndUndone) {
    startShown();
    twoPlayers();
    st().CurrentPlTurn = 1;  // Bob ends the year
    ShowTurnStatus(window->game(), true);
    closeYearEndMessages();  // rebels or battles may have something to say
    const std::string before = DescribeWholeState(st());
    {
        // Another program reads the working file all the while: the year cannot be stored.
        sqlite::Database reader(window->game().WorkingFile(), sqlite::Database::Mode::ReadWrite);
        reader.exec("BEGIN; SELECT count(*) FROM Ships;");
        window->EndTurnItem_Click();
    }
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().text.rfind("ERROR ", 0), 0u) << asked.back().text;
    EXPECT_NE(asked.back().text.find("The turn was not ended"), std::string::npos);
    EXPECT_EQ(DescribeWholeState(st()), before);
    EXPECT_FALSE(window->commandRunning());
    EXPECT_TRUE(child<QAction>("EndTurnItem")->isEnabled());
    EXPECT_FALSE(window->turnDisplay().window().isVisible());

    window->EndTurnItem_Click();
    EXPECT_EQ(st().CurrentYear, 4101);
    EXPECT_EQ(text("YearLbl"), "Year: 4101");
}

TEST_F(CommandsTest, NoCommandCanStartWhileEndTurnRuns) {
    startShown();
    // Ann has nothing left: the year ends and the Empire's victory is announced from inside
    // End Turn, which is where the test looks at the window.
    galaxy().players({"Ann"}).planet(0, 3, 3).planet(1, 6, 6).build();
    window->ShowLoadedGame();
    bool running = false;
    std::vector<QString> enabled;
    std::size_t askedInside = 0;
    window->dialogs().setAnswerer([&](const MessageRequest& r) {
        asked.push_back(r);
        if (r.text.find("The Empire has won") != std::string::npos) {
            running = window->commandRunning();
            for (QAction* a : window->findChildren<QAction*>())
                if (a->isEnabled() && !a->objectName().isEmpty())
                    enabled.push_back(a->objectName());
            askedInside = asked.size();
            window->System1_DblClick(0);
            window->ExitItem_Click();
            EXPECT_FALSE(window->close());
            child<QAction>("EndTurnItem")->trigger();
        }
        return Answer::Ok;
    });
    const int year = st().CurrentYear;
    window->EndTurnItem_Click();
    EXPECT_TRUE(running);
    EXPECT_TRUE(enabled.empty()) << enabled.front().toStdString();
    EXPECT_EQ(asked.size(), askedInside) << "nothing asked by commands started inside";
    EXPECT_EQ(st().CurrentYear, year + 1) << "exactly one year end";
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(child<QAction>("NewGameItem")->isEnabled()) << "commands come back afterwards";
}

// ---- save and load -----------------------------------------------------------------------

TEST_F(CommandsTest, SaveAndLoadBringTheGameBack) {
    startShown();
    MakeSampleGame(window->game(), 7, SampleShape{2, 12, 2});
    st().SkipEndTurnScreen = true;
    st().SoundsOff = true;
    window->ShowLoadedGame();
    const std::string before = DescribeSavedGame(st());
    const std::filesystem::path saved = folder.path() / "GAMES" / "mine.mdb";
    nextPath = QString::fromStdString(saved.string());
    window->SaveGameItem_Click();
    ASSERT_TRUE(std::filesystem::exists(saved)) << (asked.empty() ? "" : asked.back().text);
    EXPECT_EQ(choices.back(), ui::Zenthar::FileDialogKind::Save);
    EXPECT_EQ(folders.back().toStdString(), window->game().GamesFolder().string());

    // Play on a little, switch the options off, then load the saved game over it.
    st().planet(0).Ships = static_cast<Int16>(st().planet(0).Ships + 5);
    window->SkipETDispItem_Click();
    window->SoundsOffItem_Click();
    horiz()->setValue(30);
    answers.push_back(Answer::Yes);
    window->LoadGameItem_Click();
    ASSERT_EQ(asked.size(), 1u) << asked.back().text;
    EXPECT_EQ(asked[0].text, "You will loose the current game.\r Do you want to continue?");
    EXPECT_EQ(asked[0].title, "Zenthar: Load Game");
    EXPECT_EQ(asked[0].defaultButton, Answer::No);
    EXPECT_EQ(DescribeSavedGame(st()), before);
    EXPECT_TRUE(child<QAction>("SkipETDispItem")->isChecked()) << "the saved game's switch";
    EXPECT_TRUE(child<QAction>("SoundsOffItem")->isChecked());
    const int home = st().PlHome[static_cast<std::size_t>(st().CurrentPlTurn)];
    EXPECT_EQ(text("PlTurnLbl").toStdString(), TurnCaption(st()));
    EXPECT_EQ(horiz()->value(), HorizScrollFor(st().planet(home).XPos));
}

TEST_F(CommandsTest, LoadRefusesTheWorkingFileAndReportsMissingFiles) {
    startShown();
    window->LoadGameItem_Click();  // cancelled: no game, no question, nothing happens
    EXPECT_TRUE(asked.empty());
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0], ui::Zenthar::FileDialogKind::Open);

    nextPath = QString::fromStdString((folder.path() / "games" / "NEWGAME.MDB").string());
    window->LoadGameItem_Click();
    nextPath = QString::fromStdString((folder.path() / "GAMES" / "nothing.mdb").string());
    window->LoadGameItem_Click();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, "Invalid File Name.");
    EXPECT_EQ(asked[1].text, "ERROR 53: That file doesn't exist.");
    EXPECT_FALSE(st().GameActive);
    EXPECT_FALSE(child<QLabel>("YearLbl")->isVisible());

    // A game runs now: No to the question keeps it and opens no file dialog.
    twoPlayers();
    st().planet(0).Ships = 77;
    answers.push_back(Answer::No);
    window->LoadGameItem_Click();
    EXPECT_EQ(choices.size(), 3u);
    EXPECT_EQ(st().planet(0).Ships, 77);
}

TEST_F(CommandsTest, SaveWithoutAGameShowsNoDialogAndAFailedSaveIsTold) {
    startShown();
    window->SaveGameItem_Click();
    EXPECT_TRUE(choices.empty());
    EXPECT_TRUE(asked.empty());
    twoPlayers();
    nextPath = QString::fromStdString((folder.path() / "no-such-folder" / "x.mdb").string());
    window->SaveGameItem_Click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "ERROR 76: That path doesn't exist.");
    EXPECT_TRUE(st().GameActive);
}

// ---- report windows ----------------------------------------------------------------------

TEST_F(CommandsTest, ReportCommandsNeedAGame) {
    startShown();
    QString opened;
    for (auto handler : {&ui::Zenthar::OwningMapItem_Click, &ui::Zenthar::ShowFleetsItem_Click,
                         &ui::Zenthar::ProductionSumItem_Click, &ui::Zenthar::SearchItem_Click}) {
        closeNextModal(&opened);
        (window.get()->*handler)();
        QApplication::processEvents();
        EXPECT_TRUE(opened.isEmpty()) << opened.toStdString();
    }
}

TEST_F(CommandsTest, OwnershipMapAndShowFleetsSetTheModeAndScrollToTheSelection) {
    startShown();
    twoPlayers();
    window->ShowPlanetInfo(3, false);
    horiz()->setValue(0);
    QString opened;
    closeNextModal(&opened);
    window->ShowFleetsItem_Click();
    EXPECT_EQ(opened, "zenthar::ui::OwningMapFrm");
    EXPECT_TRUE(st().ShowFleetsMode);
    EXPECT_EQ(horiz()->value(), 19) << "the selected planet is brought into view";
    closeNextModal();
    window->OwningMapItem_Click();
    EXPECT_FALSE(st().ShowFleetsMode);
    closeNextModal(&opened);
    window->ProductionSumItem_Click();
    EXPECT_EQ(opened, "zenthar::ui::ProdSumFrm");
}

TEST_F(CommandsTest, EndTurnReportOpensOneFreshSummaryWindow) {
    startShown();
    twoPlayers();
    window->LastYearReportItem_Click();
    window->ShowEndTurnSummary();
    QApplication::processEvents();
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("zenthar::ui::DispTurnSumFrm") && w->isVisible()) ++open;
    EXPECT_EQ(open, 1);
}

TEST_F(CommandsTest, ClosingTheBattleWindowByItsFrameSkipsTheRestOfTheYearEnd) {
    startShown();
    twoPlayers();
    // Three of Ann's fleets land at the coming year end: two battles at planet 3, one landing.
    for (const auto& [from, to, ships] : {std::tuple{0, 3, 6}, {2, 3, 2}, {0, 2, 5}}) {
        ASSERT_EQ(LaunchTaskForce(st(), from, to, ships), LaunchResult::Launched);
        st().TaskForceList[static_cast<std::size_t>(st().TaskForceLast)].RemTurns =
            static_cast<Int16>(st().CurrentYear + 1);
    }
    const int year = st().CurrentYear;
    window->turnDisplay().setTimeScale(0.01);
    ui::TurnRepFrm& battle = window->turnDisplay().window();

    int closes = 0, messagesBefore = 0, messagesAfter = 0, shownAfter = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        const bool closed = window->turnDisplay().ClosedFlag != 0;
        if (auto* dlg = qobject_cast<ui::DispInfoDlg*>(QApplication::activeModalWidget())) {
            ++(closed ? messagesAfter : messagesBefore);
            dlg->OKButton->click();
        } else if (battle.isVisible()) {
            if (closed) ++shownAfter;
            // The first round is on the screen: the player closes the window by its frame.
            if (!closed && battle.AttShipsLbl->isVisible()) {
                ++closes;
                battle.close();
            }
        }
    });
    watcher.start(1);
    window->EndTurnItem_Click();  // Ann
    window->EndTurnItem_Click();  // Bob: the year ends
    watcher.stop();

    EXPECT_EQ(closes, 1);
    EXPECT_EQ(messagesAfter, 0) << "no message after the window was closed";
    EXPECT_EQ(shownAfter, 0) << "the window did not come back this year end";
    EXPECT_FALSE(battle.isVisible());
    EXPECT_EQ(st().CurrentYear, year + 1);
    EXPECT_EQ(st().CurrentPlTurn, 0) << "the year end went on to its end";
    EXPECT_FALSE(st().SkipEndTurnScreen);
    EXPECT_FALSE(child<QAction>("SkipETDispItem")->isChecked());
    int summaries = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("zenthar::ui::DispTurnSumFrm") && w->isVisible()) ++summaries;
    EXPECT_EQ(summaries, 1) << "the summary shows what the closed window did not";
}

TEST_F(CommandsTest, TheKeyboardWalksThePlanetsAndItsChoiceReachesThePanelAndTheOrders) {
    startShown();
    twoPlayers();
    window->activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(map().hasFocus()) << "a game starts with the keyboard on the map";
    EXPECT_EQ(map().focusedPlanet(), 0) << "on the player's capital";

    // Reading order: Bob's capital (y 7), Ann's capital (12), her second planet (14), planet 3.
    QTest::keyClick(&map(), Qt::Key_Tab);
    EXPECT_EQ(map().focusedPlanet(), 2);
    EXPECT_EQ(st().SelectedPlanet, 0) << "moving the mark selects nothing yet";
    QTest::keyClick(&map(), Qt::Key_Return);
    EXPECT_EQ(st().SelectedPlanet, 2);
    EXPECT_EQ(text("CurShipsLbl"), "Ships: 10");

    // F2 and Ctrl+I act on the planet chosen by the keyboard.
    QString from;
    onNextModal([&from](QWidget* dlg) {
        from = in<QLabel>(dlg, "FromPlLbl")->text();
        in<QPushButton>(dlg, "CancelBtn")->click();
    });
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(opened, (std::vector<QString>{"SendShipsFrm"}));
    EXPECT_EQ(from.toStdString(), st().planet(2).Name.trimmed());
    window->activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(map().hasFocus()) << "back on the map after the dialog";
    answers.push_back(Answer::Yes);
    QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(st().planet(2).Production, 4);

    // Shift+Tab goes back and round; a planet out of view is scrolled to.
    QTest::keyClick(&map(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(map().focusedPlanet(), 0);
    QTest::keyClick(&map(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(map().focusedPlanet(), 1);
    EXPECT_EQ(horiz()->value(), 0) << "Bob's capital at x 4 came into view";
    EXPECT_TRUE(map().imageShown(1));
    QTest::keyClick(&map(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(map().focusedPlanet(), 3) << "from the first planet back to the last";
    QTest::keyClick(&map(), Qt::Key_Tab);
    EXPECT_EQ(map().focusedPlanet(), 1) << "and forward round to the first";
    QTest::keyClick(&map(), Qt::Key_Space);
    EXPECT_EQ(st().SelectedPlanet, 1);
    EXPECT_TRUE(map().hasFocus()) << "Tab never left the map";

    // The mark is drawn round the planet while the map has the keyboard.
    const QRect image = map().imageRect(1);
    const QImage marked = map().grab().toImage();
    map().clearFocus();
    QApplication::processEvents();
    const QImage plain = map().grab().toImage();
    const qreal r = marked.devicePixelRatio();
    int changed = 0;
    for (int y = image.top(); y <= image.bottom(); ++y)
        for (int x = image.left() - 6; x < image.left(); ++x) {
            const QPoint at = QPointF(x * r, y * r).toPoint();
            if (marked.pixel(at) != plain.pixel(at)) ++changed;
        }
    EXPECT_GT(changed, 8) << "a dashed ring left of the image";
}

}  // namespace
}  // namespace zenthar::testing
