// The main window's commands: the turn status and the panel, orders from the map and the
// keyboard, New Game and Send Ships, End Turn, saving and loading through the file dialog,
// and the report windows. What a battle window closed by its frame leaves out of the year end
// is the core's (tests/turn/endturn_test.cpp); that the frame tells it is TurnRepFrm_test.cpp's.

#include <QMenu>

#include "app/app_fixture.h"
#include "app/planet_panel.h"
#include "reports/TurnRepFrm.h"

namespace zenthar::testing {
namespace {

using CommandsTest = ShownAppTest;

TEST_F(CommandsTest, TurnStatusScrollsHomeAndShowsTurnYearAndCapital) {
    twoPlayers();
    EXPECT_EQ(scroll(), std::pair(14, 12)) << "home 20, 12";
    EXPECT_EQ(texts({"PlTurnLbl", "YearLbl", "CurShipsLbl"}),
              "Player's Turn: Ann | Year: 4100 | Ships: 30");
    EXPECT_FALSE(child<QLabel>("CurPlayerSimPct")->pixmap().isNull() ||
                 child<QLabel>("CurPlanetPct")->pixmap().isNull());

    // A double click on one of Ann's planets asks the core; the panel follows the answer.
    answers.push_back(Answer::Yes);
    QTest::mouseDClick(&map(), Qt::LeftButton, {}, map().imageRect(2).center());
    EXPECT_EQ(std::tuple(asked.size(), st().SelectedPlanet, texts({"CurProdLbl"})),
              std::tuple(1u, 2, "Production: 4"));

    window->EndTurnItem_Click();  // to Bob, whose home is at 4, 7
    EXPECT_EQ(std::tuple(scroll(), texts({"PlTurnLbl"}), st().SelectedPlanet),
              std::tuple(std::pair(0, 7), "Player's Turn: Bob", 1));
}

// Increase Production asks before the core buys; No, a refusal and a planet not the player's
// change nothing.
TEST_F(CommandsTest, IncreaseProductionAsksFirstAndTellsWhyNot) {
    twoPlayers();
    const auto production = [&](int i) { return static_cast<int>(st().planet(i).Production); };
    // The planet, the answer to the question, the beginning of what is said, the production then.
    const std::tuple<int, Answer, std::vector<std::string>, int> cases[] = {
        {1, Answer::Yes, {}, 1},  // Bob's: silent
        {2, Answer::No, {"Are you sure that you want to increase the production for "}, 3},
        {2, Answer::Yes, {"Are you sure that you want to increase the production for "}, 4},
        {2, Answer::Yes, {"Production already increased for this turn."}, 4}};
    for (const auto& [planet, answer, said, after] : cases) {
        asked.clear();
        answers = {answer};
        st().SelectedPlanet = static_cast<Int16>(planet);
        window->IncreaseProdItem_Click();
        std::vector<std::string> texts;
        for (const MessageRequest& r : asked)
            texts.push_back(r.text.substr(0, said.empty() ? 0 : said[0].size()));
        EXPECT_EQ(std::tuple(texts, production(planet)), std::tuple(said, after)) << planet;
    }
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
    const int home = st().PlHome[0];
    // The capital is selected, scrolled to and drawn.
    EXPECT_EQ(std::tuple(texts({"PlTurnLbl"}), st().SelectedPlanet, horiz()->value(),
                         map().imageShown(home)),
              std::tuple("Player's Turn: Zed", home, HorizScrollFor(st().planet(home).XPos), true));

    // A game runs now: No keeps it and opens nothing; Yes opens a fresh dialog (the OK threw the
    // old one away), whose Cancel leaves the game running.
    answers = {Answer::No, Answer::Yes};
    window->NewGameItem_Click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, "Zenthar: New Game");
    show("Kim", "CancelBtn");
    EXPECT_EQ(found, (std::vector<std::string>{"", "Zed", ""}));
    EXPECT_EQ(std::tuple(st().GameActive, st().PlHome[0]), std::tuple(true, home));
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
    const std::string& told = asked.back().text;
    EXPECT_TRUE(told.rfind("ERROR ", 0) == 0 && told.find("The turn was not ended") != told.npos)
        << told;
    // What the core undid is shown undone (tests/turn checks the undoing itself), and the
    // commands are back with the battle window gone.
    EXPECT_EQ(std::tuple(texts({"YearLbl", "PlTurnLbl"}), window->commandRunning(),
                         child<QAction>("EndTurnItem")->isEnabled(),
                         window->turnDisplay().window().isVisible()),
              std::tuple("Year: 4100 | Player's Turn: Bob", false, true, false));

    window->EndTurnItem_Click();
    EXPECT_EQ(texts({"YearLbl"}), "Year: 4101");
}

// ---- save and load -----------------------------------------------------------------------

TEST_F(CommandsTest, SaveAndLoadBringTheGameAndItsSwitchesBack) {
    MakeSampleGame(window->game(), 7, SampleShape{2, 12, 2});
    st().SkipEndTurnScreen = st().SoundsOff = true;
    window->ShowLoadedGame();
    const std::string before = DescribeSavedGame(st());
    nextPath = gamesPath("mine.mdb");
    window->SaveGameItem_Click();  // the load below reads it back
    EXPECT_EQ(folders.back().toStdString(), window->game().GamesFolder().string());

    // Play on a little, switch the options off, then load the saved game over it.
    st().planet(0).Ships = static_cast<Int16>(st().planet(0).Ships + 5);
    window->SkipETDispItem_Click();
    window->SoundsOffItem_Click();
    horiz()->setValue(30);
    answers.push_back(Answer::Yes);
    nextPath = gamesPath("mine");  // typed without its extension
    window->LoadGameItem_Click();
    ASSERT_EQ(asked.size(), 1u) << asked.back().text;
    EXPECT_EQ(asked[0].text, "You will loose the current game.\r Do you want to continue?");
    EXPECT_EQ(asked[0].title, "Zenthar: Load Game");
    EXPECT_EQ(choices,
              (std::vector{ui::Zenthar::FileDialogKind::Save, ui::Zenthar::FileDialogKind::Open}));
    EXPECT_EQ(std::pair(DescribeSavedGame(st()), window->windowTitle()),
              std::pair(before, QString("mine.mdb[*] - Zenthar")));
    // The saved game's switches, its player's turn and capital in view.
    const int home = st().PlHome[static_cast<std::size_t>(st().CurrentPlTurn)];
    EXPECT_EQ(std::tuple(child<QAction>("SkipETDispItem")->isChecked(),
                         child<QAction>("SoundsOffItem")->isChecked(),
                         Text(window.get(), "PlTurnLbl"), horiz()->value()),
              std::tuple(true, true, TurnCaption(st()), HorizScrollFor(st().planet(home).XPos)));

    // After a change, No to the question keeps the game and opens no file dialog.
    window->SoundsOffItem_Click();
    answers.push_back(Answer::No);
    window->LoadGameItem_Click();
    EXPECT_EQ(choices.size(), 2u);
}

TEST_F(CommandsTest, CancelledOrFailingSavesAndLoadsChangeNothingAndAreTold) {
    give("SaveGameItem");          // no game: no dialog
    window->LoadGameItem_Click();  // cancelled: no question, nothing happens
    EXPECT_EQ(std::pair(choices.size(), asked.size()), std::pair(1ul, 0ul));
    // The working file itself is refused here; a missing file or folder by the core, whose
    // message is shown as it comes.
    nextPath = QString::fromStdString((folder.path() / "games/NEWGAME.MDB").string());
    window->LoadGameItem_Click();
    EXPECT_FALSE(st().GameActive || child<QLabel>("YearLbl")->isVisible());
    twoPlayers();
    nextPath = QString::fromStdString((folder.path() / "no-such-folder/x.mdb").string());
    window->SaveGameItem_Click();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(std::tuple(asked[0].text, asked[1].text, st().GameActive),
              std::tuple("Invalid File Name.", "ERROR 76: That path doesn't exist.", true));
}

// ---- report windows ----------------------------------------------------------------------

// Which window each command opens, and only with a game, is command_table_test.cpp's.
TEST_F(CommandsTest, TheMapsSetTheirModeAndTheSummaryOpensOnce) {
    twoPlayers();
    window->ShowPlanetInfo(3, false);
    horiz()->setValue(0);
    const auto closeMap = [](QWidget* map) { map->close(); };
    OnNextModal(closeMap);
    give("ShowFleetsItem");
    // In fleets mode, and the selected planet is brought into view.
    EXPECT_EQ(std::pair(st().ShowFleetsMode, horiz()->value()), std::pair(true, 19));
    OnNextModal(closeMap);
    give("OwningMapItem");
    EXPECT_FALSE(st().ShowFleetsMode);
    window->LastYearReportItem_Click();
    window->ShowEndTurnSummary();
    QApplication::processEvents();
    QStringList open;  // one fresh summary window
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != window.get()) open << w->metaObject()->className();
    EXPECT_EQ(open.join(" "), "zenthar::ui::DispTurnSumFrm");
}

TEST_F(CommandsTest, TheKeyboardWalksThePlanetsAndItsChoiceReachesThePanelAndTheOrders) {
    twoPlayers();
    window->activateWindow();
    QApplication::processEvents();
    // A game starts with the keyboard on the map, on the player's capital.
    EXPECT_EQ(std::pair(map().hasFocus(), map().focusedPlanet()), std::pair(true, 0));

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
        EXPECT_EQ(std::tuple(map().focusedPlanet(), st().SelectedPlanet),
                  std::tuple(focused, selected));
        EXPECT_TRUE(focused != 1 || horiz()->value() == 0) << horiz()->value();
    }
    EXPECT_EQ(texts({"CurShipsLbl"}), "Ships: 10");

    // F2 sends from the planet chosen by the keyboard (what Send launches is the dialog's test).
    OnNextModal([this](QWidget* dlg) {
        EXPECT_EQ(Text(dlg, "FromPlLbl"), st().planet(2).Name.trimmed());
        FindChild<QComboBox>(dlg, "PlSendCmb")->setCurrentIndex(3);
        FindChild<QLineEdit>(dlg, "SendShipsEdt")->setText("6");
        Click(dlg, "SendBtn");
        Click(dlg, "CancelBtn");
    });
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(texts({"CurShipsLbl"}), "Ships: 4") << "the panel shows what the launch left";
    window->activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(map().hasFocus()) << "back on the map after the dialog";

    // The mark is drawn round the planet while the map has the keyboard: a dashed ring left of
    // the image.
    const QRect image = map().imageRect(2);
    const QRect strip(image.left() - 6, image.top(), 6, image.height());
    const QImage marked = map().grab(strip).toImage();
    map().clearFocus();
    QApplication::processEvents();
    const QImage plain = map().grab(strip).toImage();
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) changed += marked.pixel(x, y) != plain.pixel(x, y);
    EXPECT_GT(changed, 8);
}

}  // namespace
}  // namespace zenthar::testing
