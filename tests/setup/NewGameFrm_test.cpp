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
    void expectDefaults() {
        EXPECT_EQ(count()->count(), 4);
        EXPECT_EQ(count()->currentText(), "1");
        EXPECT_EQ(stars()->text(), "26");
        EXPECT_TRUE(name(0)->text().isEmpty());
        EXPECT_TRUE(child<QRadioButton>("SimpleOpt")->isChecked());
        EXPECT_EQ(home(0)->currentIndex(), 0);
    }

    TestGame t;
    std::unique_ptr<NewGameFrm> frm;
};

TEST_F(NewGameFrmTest, OpensWithTheDefaults) {
    EXPECT_EQ(frm->windowTitle(), "New Game");
    // clang-format off
    const std::pair<const char*, const char*> captions[] = {
        {"Label1", "Number of Players:"}, {"Label2", "Number of Planets:"}, {"Label3", "Players' Names:"},
        {"Label4", "Home Planet:"}, {"Label6", "Player's Symbol"}, {"Label5", "Empire Skill Level:"},
        {"OkBtn", "Ok"}, {"CancelBtn", "Cancel"}};
    // clang-format on
    for (const auto& [control, caption] : captions) EXPECT_EQ(Text(frm.get(), control), caption);
    EXPECT_EQ(child<QGroupBox>("Frame1")->title(), "Game Type");
    EXPECT_TRUE(child<QPushButton>("OkBtn")->isDefault());
    expectDefaults();
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

TEST_F(NewGameFrmTest, SymbolsStepRoundTheCycleByClickSpaceOrEnterAndTabReachesThem) {
    QTest::mouseClick(symbol(3), Qt::LeftButton);
    EXPECT_EQ(frm->symbols()[3], "shipvert.ico");
    EXPECT_EQ(symbol(3)->accessibleDescription(), "shipvert.ico");
    name(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(name(0), Qt::Key_Tab);
    QTest::keyClick(home(0), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), symbol(0));
    EXPECT_EQ(symbol(0)->accessibleName(), "Player's Symbol 1");
    QTest::keyClick(symbol(0), Qt::Key_Space);
    EXPECT_EQ(frm->symbols()[0], "mac.ico");
    QTest::keyClick(symbol(0), Qt::Key_A);
    EXPECT_EQ(frm->symbols()[0], "mac.ico") << "other keys change nothing";
    // Enter changes the symbol and does not press the default Ok button.
    QTest::keyClick(symbol(0), Qt::Key_Return);
    EXPECT_TRUE(frm->isVisible());
    EXPECT_TRUE(t.dialogs.asked.empty()) << lastMessage();
    type(name(0), "Ann");
    for (int n = 0; n < 2; ++n) QTest::mouseClick(symbol(0), Qt::LeftButton);
    clickOk();  // all the way round to Ann's first symbol, now also row 3's
    EXPECT_EQ(frm->symbols()[0], "shipvert.ico");
    EXPECT_EQ(lastMessage(), "More players can't have the same Symbol.");
    EXPECT_TRUE(frm->isVisible());
    // On to the next row: its name box is off for a one-player game, so its list.
    symbol(0)->setFocus(Qt::TabFocusReason);
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
    type(stars(), "50");
    QTest::keyClick(stars(), Qt::Key_Tab);
    EXPECT_EQ(stars()->text(), "50");
    EXPECT_EQ(t.dialogs.asked.size(), 3u);
}

// The checks and their order belong to CheckNewGame's tests; here only that OK reads every
// row's controls, shows the answer and keeps the dialog open, also on Enter in the planets
// field, and that Cancel after a refusal keeps every entry for the next showing.
TEST_F(NewGameFrmTest, OkShowsTheRefusalAndCancelKeepsEveryEntry) {
    chooseCount(2);
    type(name(0), "Ann");
    type(name(1), "   ");
    clickOk();
    EXPECT_EQ(lastMessage(), "Fill in Players' Names, please.");
    type(name(1), " Bob ");
    // Enter in the planets field reaches OK without leaving the field.
    type(stars(), "6");
    home(1)->setCurrentIndex(20);
    QTest::keyClick(stars(), Qt::Key_Return);
    EXPECT_EQ(lastMessage(),
              "The Home Planet of Bob must be one of the first 6 planets of the list, please.");
    EXPECT_TRUE(frm->isVisible());
    EXPECT_EQ(t.st().PlanetsNum, 0);  // nothing was generated

    QTest::mouseClick(symbol(1), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("CancelBtn"), Qt::LeftButton);
    EXPECT_EQ(frm->result(), QDialog::Rejected);
    frm->show();
    EXPECT_EQ(count()->currentText(), "2");
    EXPECT_EQ(name(1)->text(), " Bob ");
    EXPECT_EQ(stars()->text(), "6");
    EXPECT_EQ(home(1)->currentIndex(), 20);
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
    EXPECT_EQ(std::tuple(st.PlanetsNum, st.GameType, st.EmpireSkill, st.PlHome[0], st.PlHome[1]),
              std::tuple(12, 0, 2, 4, 0));
    EXPECT_EQ(st.PlName[1].trimmed(), "Bob");

    frm->show();
    expectDefaults();  // the next showing starts afresh
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
}

}  // namespace
}  // namespace zenthar::testing
