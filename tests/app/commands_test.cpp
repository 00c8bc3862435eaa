// The main window's commands: the turn status and the panel, orders from the map and the
// keyboard, New Game and Send Ships, End Turn, saving and loading through the file dialog,
// and the report windows. What a battle window closed by its frame leaves out of the year end
// is the core's (tests/turn/endturn_test.cpp); that the frame tells it is TurnRepFrm_test.cpp's.

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
        startShown();
    }
    void choose(const std::filesystem::path& file) {
        nextPath = QString::fromStdString((folder.path() / file).string());
    }
    // The class of the modal window `command` opens, which is closed at once; empty for none.
    QString opens(void (ui::Zenthar::*command)()) {
        QString seen;
        QTimer::singleShot(0, window.get(), [&seen] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen = modal->metaObject()->className();
                modal->close();
            }
        });
        (window.get()->*command)();
        QApplication::processEvents();
        return seen;
    }
    int summariesShown() {
        int open = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("zenthar::ui::DispTurnSumFrm") && w->isVisible()) ++open;
        return open;
    }
    QString nextPath;
    std::vector<ui::Zenthar::FileDialogKind> choices;
    std::vector<QString> folders;
};

TEST_F(CommandsTest, TurnStatusScrollsHomeAndShowsTurnYearAndCapital) {
    twoPlayers();
    EXPECT_EQ(std::pair(horiz()->value(), vert()->value()), std::pair(14, 12)) << "home 20, 12";
    EXPECT_EQ(text("PlTurnLbl").trimmed(), "Player's Turn: Ann");
    EXPECT_EQ(text("YearLbl"), "Year: 4100");
    EXPECT_EQ(text("CurShipsLbl"), "Ships: 30");
    EXPECT_FALSE(child<QLabel>("CurPlayerSimPct")->pixmap().isNull());
    EXPECT_FALSE(child<QLabel>("CurPlanetPct")->pixmap().isNull());

    // A double click on one of Ann's planets asks the core; the panel follows the answer.
    answers.push_back(Answer::Yes);
    QTest::mouseDClick(&map(), Qt::LeftButton, {}, map().imageRect(2).center());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(st().SelectedPlanet, 2);
    EXPECT_EQ(text("CurProdLbl"), "Production: 4");

    window->EndTurnItem_Click();  // to Bob, whose home is at 4, 7
    EXPECT_EQ(std::pair(horiz()->value(), vert()->value()), std::pair(0, 7));
    EXPECT_EQ(text("PlTurnLbl").trimmed(), "Player's Turn: Bob");
    EXPECT_EQ(st().SelectedPlanet, 1);
}

TEST_F(CommandsTest, NewGameKeepsEntriesAcrossCancelAndStartsTheFirstTurnAfterOk) {
    // Each showing types into the first name and records what it found there.
    std::vector<std::string> found;
    auto show = [&](const char* name, const char* button) {
        OnNextModal([&found, name, button](QWidget* dlg) {
            found.push_back(Text(dlg, "PlayerEdt0"));
            FindChild<QLineEdit>(dlg, "PlayerEdt0")->setText(name);
            Click(dlg, button);
        });
        window->NewGameItem_Click();
    };
    show("Zed", "CancelBtn");
    EXPECT_TRUE(asked.empty()) << "no game yet: no question";
    show("Zed", "OkBtn");
    ASSERT_TRUE(st().GameActive) << (asked.empty() ? "" : asked.back().text);
    EXPECT_EQ(text("PlTurnLbl").trimmed(), "Player's Turn: Zed");
    const int home = st().PlHome[0];
    EXPECT_EQ(st().SelectedPlanet, home);
    EXPECT_EQ(horiz()->value(), HorizScrollFor(st().planet(home).XPos));
    EXPECT_TRUE(map().imageShown(home));

    // A game runs now: No keeps it and opens nothing; Yes opens a fresh dialog (the OK threw the
    // old one away), whose Cancel leaves the game running.
    answers = {Answer::No, Answer::Yes};
    window->NewGameItem_Click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, "Zenthar: New Game");
    show("Kim", "CancelBtn");
    EXPECT_EQ(found, (std::vector<std::string>{"", "Zed", ""}));
    EXPECT_TRUE(st().GameActive);
    EXPECT_EQ(st().PlHome[0], home);
}

TEST_F(CommandsTest, AnEndTurnTheDiskRefusesIsToldAndUndone) {
    twoPlayers();
    st().CurrentPlTurn = 1;  // Bob ends the year
    ShowTurnStatus(window->game(), true);
    closeYearEndMessages();  // rebels or battles may have something to say
    {
        // Another program reads the working file all the while: the year cannot be stored.
        sqlite::Database reader(window->game().WorkingFile(), sqlite::Database::Mode::ReadWrite);
        reader.exec("BEGIN; SELECT count(*) FROM Ships;");
        window->EndTurnItem_Click();
    }
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back().text.rfind("ERROR ", 0), 0u) << asked.back().text;
    EXPECT_NE(asked.back().text.find("The turn was not ended"), std::string::npos);
    // What the core undid is shown undone (tests/turn checks the undoing itself).
    EXPECT_EQ((text("YearLbl") + " " + text("PlTurnLbl").trimmed()).toStdString(),
              "Year: 4100 Player's Turn: Bob");
    EXPECT_FALSE(window->commandRunning());
    EXPECT_TRUE(child<QAction>("EndTurnItem")->isEnabled());
    EXPECT_FALSE(window->turnDisplay().window().isVisible());

    window->EndTurnItem_Click();
    EXPECT_EQ(text("YearLbl"), "Year: 4101");
}

TEST_F(CommandsTest, NoCommandCanStartWhileEndTurnRuns) {
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

TEST_F(CommandsTest, SaveAndLoadBringTheGameAndItsSwitchesBack) {
    MakeSampleGame(window->game(), 7, SampleShape{2, 12, 2});
    st().SkipEndTurnScreen = true;
    st().SoundsOff = true;
    window->ShowLoadedGame();
    const std::string before = DescribeSavedGame(st());
    choose("GAMES/mine.mdb");
    window->SaveGameItem_Click();  // the load below reads it back
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
    EXPECT_EQ(choices,
              (std::vector{ui::Zenthar::FileDialogKind::Save, ui::Zenthar::FileDialogKind::Open}));
    EXPECT_EQ(DescribeSavedGame(st()), before);
    EXPECT_TRUE(child<QAction>("SkipETDispItem")->isChecked()) << "the saved game's switch";
    EXPECT_TRUE(child<QAction>("SoundsOffItem")->isChecked());
    const int home = st().PlHome[static_cast<std::size_t>(st().CurrentPlTurn)];
    EXPECT_EQ(text("PlTurnLbl").toStdString(), TurnCaption(st()));
    EXPECT_EQ(horiz()->value(), HorizScrollFor(st().planet(home).XPos));

    // No to the question keeps the game and opens no file dialog.
    answers.push_back(Answer::No);
    window->LoadGameItem_Click();
    EXPECT_EQ(choices.size(), 2u);
}

TEST_F(CommandsTest, CancelledOrFailingSavesAndLoadsChangeNothingAndAreTold) {
    window->SaveGameItem_Click();  // no game: no dialog
    window->LoadGameItem_Click();  // cancelled: no question, nothing happens
    EXPECT_EQ(choices.size(), 1u);
    EXPECT_TRUE(asked.empty());
    // The working file itself is refused here; a missing file or folder by the core, whose
    // message is shown as it comes.
    choose("games/NEWGAME.MDB");
    window->LoadGameItem_Click();
    EXPECT_FALSE(st().GameActive);
    EXPECT_FALSE(child<QLabel>("YearLbl")->isVisible());
    twoPlayers();
    choose("no-such-folder/x.mdb");
    window->SaveGameItem_Click();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, "Invalid File Name.");
    EXPECT_EQ(asked[1].text, "ERROR 76: That path doesn't exist.");
    EXPECT_TRUE(st().GameActive);
}

// ---- report windows ----------------------------------------------------------------------

TEST_F(CommandsTest, ReportWindowsOpenOnlyWithAGameAndTheMapsSetTheirMode) {
    using Z = ui::Zenthar;
    for (auto command : {&Z::OwningMapItem_Click, &Z::ShowFleetsItem_Click,
                         &Z::ProductionSumItem_Click, &Z::SearchItem_Click})
        EXPECT_EQ(opens(command), "");
    twoPlayers();
    window->ShowPlanetInfo(3, false);
    horiz()->setValue(0);
    EXPECT_EQ(opens(&Z::ShowFleetsItem_Click), "zenthar::ui::OwningMapFrm");
    EXPECT_TRUE(st().ShowFleetsMode);
    EXPECT_EQ(horiz()->value(), 19) << "the selected planet is brought into view";
    opens(&Z::OwningMapItem_Click);
    EXPECT_FALSE(st().ShowFleetsMode);
    window->LastYearReportItem_Click();
    window->ShowEndTurnSummary();
    QApplication::processEvents();
    EXPECT_EQ(summariesShown(), 1) << "one fresh summary window";
}

TEST_F(CommandsTest, TheKeyboardWalksThePlanetsAndItsChoiceReachesThePanelAndTheOrders) {
    twoPlayers();
    window->activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(map().hasFocus()) << "a game starts with the keyboard on the map";
    EXPECT_EQ(map().focusedPlanet(), 0) << "on the player's capital";

    // Reading order: Bob's capital (y 7), Ann's capital (12), her second planet (14), planet 3,
    // and round, Shift+Tab going back; only Space and Return select. Bob's capital at x 4 is
    // scrolled into view.
    const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier;
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int, int> steps[] = {
        {Qt::Key_Tab, none, 2, 0},   {Qt::Key_Tab, none, 3, 0},  {Qt::Key_Tab, none, 1, 0},
        {Qt::Key_Space, none, 1, 1}, {Qt::Key_Tab, shift, 3, 1}, {Qt::Key_Backtab, shift, 2, 1},
        {Qt::Key_Return, none, 2, 2}};
    for (const auto& [key, modifiers, focused, selected] : steps) {
        QTest::keyClick(&map(), key, modifiers);
        EXPECT_EQ(map().focusedPlanet(), focused);
        EXPECT_EQ(st().SelectedPlanet, selected);
        EXPECT_TRUE(focused != 1 || horiz()->value() == 0) << horiz()->value();
    }
    EXPECT_EQ(text("CurShipsLbl"), "Ships: 10");

    // F2 sends from the planet chosen by the keyboard (what Send launches is the dialog's test).
    OnNextModal([this](QWidget* dlg) {
        EXPECT_EQ(Text(dlg, "FromPlLbl"), st().planet(2).Name.trimmed());
        FindChild<QComboBox>(dlg, "PlSendCmb")->setCurrentIndex(3);
        FindChild<QLineEdit>(dlg, "SendShipsEdt")->setText("6");
        Click(dlg, "SendBtn");
        Click(dlg, "CancelBtn");
    });
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(text("CurShipsLbl"), "Ships: 4") << "the panel shows what the launch left";
    window->activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(map().hasFocus()) << "back on the map after the dialog";

    // The mark is drawn round the planet while the map has the keyboard: a dashed ring left of
    // the image.
    const QRect image = map().imageRect(2);
    const QImage marked = map().grab().toImage();
    map().clearFocus();
    QApplication::processEvents();
    const QImage plain = map().grab().toImage();
    const qreal r = marked.devicePixelRatio();
    int changed = 0;
    for (int y = image.top(); y <= image.bottom(); ++y)
        for (int x = image.left() - 6; x < image.left(); ++x)
            changed += marked.pixel(QPointF(x * r, y * r).toPoint()) !=
                       plain.pixel(QPointF(x * r, y * r).toPoint());
    EXPECT_GT(changed, 8);
}

}  // namespace
}  // namespace zenthar::testing
