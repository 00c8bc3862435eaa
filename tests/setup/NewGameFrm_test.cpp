// The New Game dialog driven through its widgets: defaults and layout, the player count, the
// symbol cycle, the planets field, the OK checks in their order, Cancel and a successful OK.
#include "setup/NewGameFrm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "game/sqlite.h"
#include "support/galaxy_builder.h"
#include "support/widgets.h"

namespace zenthar::testing {
namespace {

using ui::NewGameFrm;

class NewGameFrmTest : public ::testing::Test {
  protected:
    void SetUp() override { open(); }
    void open() {
        frm = std::make_unique<NewGameFrm>(t.game);
        ShowActive(frm.get());
    }
    template <class W>
    W* child(const QString& name) {
        return FindChild<W>(frm.get(), name);
    }
    QLineEdit* name(int k) { return child<QLineEdit>(QString("PlayerEdt%1").arg(k)); }
    QComboBox* home(int k) { return child<QComboBox>(QString("HomePlanet%1").arg(k)); }
    QLabel* symbol(int k) { return child<QLabel>(QString("PlayerSimbol%1").arg(k)); }
    QLineEdit* stars() { return child<QLineEdit>("StarsNumberEdt"); }
    QComboBox* count() { return child<QComboBox>("PlayerNumCmb"); }
    void type(QLineEdit* edit, const QString& text) {
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void chooseCount(int n) {
        count()->setFocus(Qt::MouseFocusReason);
        count()->setCurrentIndex(n - 1);
        name(0)->setFocus(Qt::TabFocusReason);  // leave the list
    }
    void clickOk() { QTest::mouseClick(child<QPushButton>("OkBtn"), Qt::LeftButton); }
    std::string lastMessage() { return t.dialogs.asked.empty() ? "" : t.dialogs.asked.back().text; }

    TestGame t;
    std::unique_ptr<NewGameFrm> frm;
};

TEST_F(NewGameFrmTest, OpensWithTheDefaults) {
    EXPECT_EQ(frm->windowTitle(), "New Game");
    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "Number of Players:"}, {"Label2", "Number of Planets:"},
        {"Label3", "Players' Names:"},    {"Label4", "Home Planet:"},
        {"Label6", "Player's Symbol"},    {"Label5", "Empire Skill Level:"}};
    for (const auto& [control, caption] : labels)
        EXPECT_EQ(child<QLabel>(control)->text(), caption);
    EXPECT_EQ(child<QGroupBox>("Frame1")->title(), "Game Type");
    EXPECT_EQ(child<QPushButton>("OkBtn")->text(), "Ok");
    EXPECT_TRUE(child<QPushButton>("OkBtn")->isDefault());
    EXPECT_EQ(child<QPushButton>("CancelBtn")->text(), "Cancel");

    ASSERT_EQ(count()->count(), 4);
    EXPECT_EQ(count()->currentText(), "1");
    EXPECT_EQ(stars()->text(), "26");
    EXPECT_TRUE(child<QRadioButton>("SimpleOpt")->isChecked());
    QComboBox* skill = child<QComboBox>("SkillCmb");
    ASSERT_EQ(skill->count(), 3);
    EXPECT_EQ(skill->itemText(1), "Intermidiate");
    EXPECT_EQ(skill->currentText(), "Beginner");
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(home(k)->count(), t.st().PlanetNamesLast + 1);
        EXPECT_EQ(home(k)->currentText().toStdString(), t.st().planet(k).Name.trimmed());
        EXPECT_EQ(frm->symbols()[static_cast<std::size_t>(k)],
                  kPlayerSymbols[static_cast<std::size_t>(k)]);
    }
    // The old layout's size: 7950 x 5820 twips.
    EXPECT_EQ(frm->width(), qRound(7950 * frm->logicalDpiX() / 1440.0));
    EXPECT_EQ(frm->height(), qRound(5820 * frm->logicalDpiY() / 1440.0));
    // The padded stored names are what the dialog hands on.
    EXPECT_EQ(frm->settings().homePlanets[2], t.st().planet(2).Name.padded());
}

TEST_F(NewGameFrmTest, PlayerCountEnablesTheNameBoxesOnly) {
    for (int n : {1, 3, 4, 1}) {
        chooseCount(n);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(name(k)->isEnabled(), k < n) << n << " players, row " << k;
            EXPECT_TRUE(home(k)->isEnabled() && symbol(k)->isEnabled());
        }
    }
}

TEST_F(NewGameFrmTest, SymbolClicksStepRoundTheCycle) {
    QTest::mouseClick(symbol(0), Qt::LeftButton);
    EXPECT_EQ(frm->symbols()[0], "mac.ico");
    type(name(0), "Ann");
    clickOk();
    EXPECT_EQ(lastMessage(), "More players can't have the same Symbol.");
    EXPECT_TRUE(frm->isVisible());
    for (int n = 0; n < 3; ++n) QTest::mouseClick(symbol(0), Qt::LeftButton);
    EXPECT_EQ(frm->symbols()[0], "shipvert.ico");
    QTest::mouseClick(symbol(3), Qt::LeftButton);
    EXPECT_EQ(frm->symbols()[3], "shipvert.ico");
    EXPECT_EQ(symbol(3)->accessibleDescription(), "shipvert.ico");
}

TEST_F(NewGameFrmTest, TheSymbolsAreReachedWithTabAndChangedWithSpaceOrEnter) {
    name(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(name(0), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), home(0));
    QTest::keyClick(home(0), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), symbol(0));
    EXPECT_EQ(symbol(0)->accessibleName(), "Player's Symbol 1");

    QTest::keyClick(symbol(0), Qt::Key_Space);
    EXPECT_EQ(frm->symbols()[0], "mac.ico");
    EXPECT_EQ(symbol(0)->accessibleDescription(), "mac.ico");
    // Enter changes the symbol and does not press the default Ok button.
    QTest::keyClick(symbol(0), Qt::Key_Return);
    EXPECT_NE(frm->symbols()[0], "mac.ico");
    EXPECT_TRUE(frm->isVisible());
    EXPECT_TRUE(t.dialogs.asked.empty()) << lastMessage();
    const std::string before = frm->symbols()[0];
    QTest::keyClick(symbol(0), Qt::Key_A);
    EXPECT_EQ(frm->symbols()[0], before) << "other keys change nothing";

    // On to the next row: its name box is off for a one-player game, so its list.
    QTest::keyClick(symbol(0), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), home(1));
}

TEST_F(NewGameFrmTest, PlanetsFieldIsCheckedWhenLeft) {
    for (const char* typed : {"4", "51", "abc"}) {
        type(stars(), typed);
        QTest::keyClick(stars(), Qt::Key_Tab);
        EXPECT_EQ(lastMessage(), "The number of stars must be between 5 and 50") << typed;
        EXPECT_EQ(stars()->text(), "5") << typed;
    }
    const std::size_t asked = t.dialogs.asked.size();
    type(stars(), "50");
    QTest::keyClick(stars(), Qt::Key_Tab);
    EXPECT_EQ(stars()->text(), "50");
    EXPECT_EQ(t.dialogs.asked.size(), asked);
}

// The checks and their order belong to CheckNewGame's tests; here only that OK reads every
// row's controls, shows the answer and keeps the dialog open, also on Enter in the planets field.
TEST_F(NewGameFrmTest, OkShowsTheRefusalAndKeepsTheDialogOpen) {
    chooseCount(2);
    type(name(0), "Ann");
    type(name(1), "   ");
    clickOk();
    EXPECT_EQ(lastMessage(), "Fill in Players' Names, please.");
    type(name(1), " Bob ");
    home(3)->setCurrentIndex(0);  // row 3 takes row 0's capital
    clickOk();
    EXPECT_EQ(lastMessage(), "Multiple players can't have the same Home Planet.");
    home(3)->setCurrentIndex(3);
    // Enter in the planets field reaches OK without leaving the field.
    type(stars(), "6");
    home(1)->setCurrentIndex(20);
    QTest::keyClick(stars(), Qt::Key_Return);
    EXPECT_EQ(lastMessage(),
              "The Home Planet of Bob must be one of the first 6 planets of the list, please.");
    EXPECT_TRUE(frm->isVisible());
    EXPECT_NE(frm->result(), QDialog::Accepted);
    EXPECT_EQ(t.st().PlanetsNum, 0);  // nothing was generated
}

// That Cancel leaves the running game is pinned in tests/app/newgame_send_test.cpp.
TEST_F(NewGameFrmTest, CancelKeepsEveryEntry) {
    chooseCount(3);
    type(name(0), "Ann");
    type(stars(), "30");
    QTest::mouseClick(symbol(1), Qt::LeftButton);
    clickOk();  // fails: names of rows 1 and 2 are missing
    QTest::mouseClick(child<QPushButton>("CancelBtn"), Qt::LeftButton);
    EXPECT_EQ(frm->result(), QDialog::Rejected);
    EXPECT_EQ(t.st().PlanetsNum, 0);
    frm->show();
    EXPECT_EQ(count()->currentText(), "3");
    EXPECT_EQ(name(0)->text(), "Ann");
    EXPECT_TRUE(name(2)->isEnabled());
    EXPECT_EQ(stars()->text(), "30");
    EXPECT_EQ(frm->symbols()[1], "shiporiz.ico");
}

TEST_F(NewGameFrmTest, SuccessfulOkCreatesTheGameAndResetsTheDialog) {
    chooseCount(2);
    type(name(0), "Ann");
    type(name(1), "Bob");
    home(0)->setCurrentIndex(4);
    home(1)->setCurrentIndex(0);
    home(2)->setCurrentIndex(5);
    type(stars(), "12");
    QTest::mouseClick(child<QRadioButton>("AdvancedOpt"), Qt::LeftButton);
    child<QComboBox>("SkillCmb")->setCurrentIndex(2);
    t.random.setFallback(0.37);
    clickOk();
    EXPECT_TRUE(t.dialogs.asked.empty()) << lastMessage();
    EXPECT_EQ(frm->result(), QDialog::Accepted);

    // What each control carries reaches the new game.
    const GameState& st = t.st();
    EXPECT_EQ(st.PlanetsNum, 12);
    EXPECT_EQ(st.GameType, 0);
    EXPECT_EQ(st.EmpireSkill, 2);
    EXPECT_EQ(st.PlHome[0], 4);
    EXPECT_EQ(st.PlHome[1], 0);
    EXPECT_EQ(st.PlName[1].trimmed(), "Bob");

    // The next showing starts from the defaults.
    frm->show();
    EXPECT_EQ(count()->currentText(), "1");
    EXPECT_EQ(stars()->text(), "26");
    EXPECT_TRUE(name(0)->text().isEmpty());
    EXPECT_TRUE(child<QRadioButton>("SimpleOpt")->isChecked());
    EXPECT_EQ(home(0)->currentIndex(), 0);
}

TEST_F(NewGameFrmTest, AStorageFailureIsReportedAndTheDialogStays) {
    t.game.FileDta1.release();  // the game holds its working file alone
    {
        sqlite::Database other(t.game.WorkingFile(), sqlite::Database::Mode::ReadWrite);
        other.exec("ALTER TABLE Planets RENAME COLUMN Ico TO Icon");
    }
    t.game.FileDta1.rebind(t.game.WorkingFile(), "Ships");
    t.random.setFallback(0.5);
    type(name(0), "Ann");
    clickOk();
    ASSERT_EQ(t.dialogs.asked.size(), 1U);
    EXPECT_EQ(lastMessage().rfind("The new game could not be written to the game database", 0), 0U);
    EXPECT_TRUE(frm->isVisible());
    EXPECT_NE(frm->result(), QDialog::Accepted);
    EXPECT_EQ(t.st().PlanetsNum, 0);
}

}  // namespace
}  // namespace zenthar::testing
