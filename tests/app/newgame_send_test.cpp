// New Game and Send Ships as the main window runs them: the question, the dialog kept across
// Cancel, the first turn after OK, and a task force sent from the panel's planet.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/app_fixture.h"
#include "app/planet_panel.h"

namespace zenthar::testing {
namespace {

using NewGameSendTest = AppTest;

TEST_F(NewGameSendTest, NewGameKeepsEntriesAcrossCancelAndStartsTheFirstTurnAfterOk) {
    startShown();
    onNextModal([](QWidget* dlg) {
        in<QLineEdit>(dlg, "PlayerEdt0")->setText("Zed");
        in<QPushButton>(dlg, "CancelBtn")->click();
    });
    window->NewGameItem_Click();
    EXPECT_TRUE(asked.empty()) << "no game yet: no question";
    EXPECT_FALSE(st().GameActive);

    QString kept;
    onNextModal([&kept](QWidget* dlg) {
        kept = in<QLineEdit>(dlg, "PlayerEdt0")->text();
        in<QPushButton>(dlg, "OkBtn")->click();
    });
    window->NewGameItem_Click();
    EXPECT_EQ(kept, "Zed");
    ASSERT_TRUE(st().GameActive) << (asked.empty() ? "" : asked.back().text);
    EXPECT_EQ(Trim(text("PlTurnLbl").toStdString()), "Player's Turn: Zed");
    const int home = st().PlHome[0];
    EXPECT_EQ(st().SelectedPlanet, home);
    EXPECT_EQ(horiz()->value(), HorizScrollFor(st().planet(home).XPos));
    EXPECT_TRUE(map().imageShown(home));

    // A game runs now: No keeps it, and no dialog opens.
    const std::string before = st().planet(home).Name.padded();
    answers.push_back(Answer::No);
    window->NewGameItem_Click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "You will loose the current game.\r Do you want to continue?");
    EXPECT_EQ(asked[0].title, "Zenthar: New Game");
    EXPECT_EQ(opened.size(), 2u);

    // Yes opens a fresh dialog: the successful OK threw the old one away.
    answers.push_back(Answer::Yes);
    onNextModal([&kept](QWidget* dlg) {
        kept = in<QLineEdit>(dlg, "PlayerEdt0")->text();
        in<QPushButton>(dlg, "CancelBtn")->click();
    });
    window->NewGameItem_Click();
    EXPECT_EQ(opened.size(), 3u);
    EXPECT_EQ(kept, "");
    EXPECT_TRUE(st().GameActive) << "Cancel leaves the running game";
    EXPECT_EQ(st().planet(home).Name.padded(), before);
}

TEST_F(NewGameSendTest, SendShipsLaunchesFromTheSelectedPlanetAndUpdatesThePanel) {
    startShown();
    galaxy().players({"Ann"}).planet(0, 4, 4).owner(0).home().ships(20).planet(1, 7, 8).build();
    window->ShowLoadedGame();
    onNextModal([](QWidget* dlg) {
        in<QComboBox>(dlg, "PlSendCmb")->setCurrentIndex(1);
        in<QLineEdit>(dlg, "SendShipsEdt")->setText("6");
        in<QPushButton>(dlg, "SendBtn")->click();
        in<QPushButton>(dlg, "CancelBtn")->click();
    });
    window->SendItem_Click();
    EXPECT_EQ(opened, (std::vector<QString>{"SendShipsFrm"}));
    EXPECT_TRUE(asked.empty()) << asked.front().text;
    ASSERT_EQ(st().TaskForceLast, 0);
    EXPECT_EQ(st().TaskForceList[0].NumOfShips, 6);
    EXPECT_EQ(st().TaskForceList[0].EndPl.padded(), "02");
    EXPECT_EQ(text("CurShipsLbl"), "Ships: 14");
}

}  // namespace
}  // namespace zenthar::testing
