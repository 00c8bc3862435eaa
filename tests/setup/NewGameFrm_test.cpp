// The New Game dialog driven through its widgets: defaults and layout, the player count, the
// symbol cycle, the planets field, the OK checks in their order, Cancel and a successful OK.
#include "setup/NewGameFrm.h"

#include <QPushButton>
#include <QRadioButton>

#include "support/widgets.h"

namespace zenthar::testing {
namespace {

class NewGameFrmTest : public DialogTest<ui::NewGameFrm> {
  protected:
    void SetUp() override { open(); }
    QLineEdit* name(int k) { return child<QLineEdit>(QString("PlayerEdt%1").arg(k)); }
    QComboBox* home(int k) { return child<QComboBox>(QString("HomePlanet%1").arg(k)); }
    QLabel* symbol(int k) { return child<QLabel>(QString("PlayerSimbol%1").arg(k)); }
    QComboBox* seat(int k) { return child<QComboBox>(QString("SeatCmb%1").arg(k)); }
    QLineEdit* stars() { return child<QLineEdit>("StarsNumberEdt"); }
    QComboBox* count() { return child<QComboBox>("PlayerNumCmb"); }
    void chooseCount(int n) {
        count()->setFocus(Qt::MouseFocusReason);
        count()->setCurrentIndex(n - 1);
        name(0)->setFocus(Qt::TabFocusReason);  // leave the list
    }
    // Four player counts with one chosen, 26 planets, no name, the simple game, the first home.
    void expectDefaults() {
        EXPECT_EQ(
            std::tuple(count()->count(), count()->currentText(), stars()->text(), name(0)->text(),
                       child<QRadioButton>("SimpleOpt")->isChecked(), home(0)->currentIndex()),
            std::tuple(4, "1", "26", "", true, 0));
    }
};

TEST_F(NewGameFrmTest, OpensWithTheDefaultsAndThePlayerCountEnablesTheNameBoxesOnly) {
    QComboBox* skill = child<QComboBox>("SkillCmb");
    EXPECT_EQ(std::tuple(frm->windowTitle(), child<QPushButton>("OkBtn")->isDefault(),
                         skill->count(), skill->currentText()),
              std::tuple("New Game", true, 3, "Beginner"));
    expectDefaults();
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(std::tuple(home(k)->count(), frm->symbols()[k]),
                  std::tuple(t.st().PlanetNamesLast + 1, kPlayerSymbols[k]));
    // The list shows the trimmed names; the dialog hands on the padded stored ones.
    EXPECT_EQ(home(2)->currentText().toStdString(), t.st().planet(2).Name.trimmed());
    EXPECT_EQ(frm->settings().homePlanets[2], t.st().planet(2).Name.padded());

    for (int n : {1, 3, 4, 1}) {
        chooseCount(n);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(name(k)->isEnabled(), k < n) << n << " players, row " << k;
            EXPECT_TRUE(home(k)->isEnabled() && symbol(k)->isEnabled());
        }
    }
}

// The first thing a new player does is type a name: the box has the focus. Every column has its
// own heading, whole and above it.
TEST_F(NewGameFrmTest, OpensOnTheFirstNameBoxAndEveryColumnHasItsOwnHeading) {
    const std::vector<std::pair<const char*, QWidget*>> columns{
        {"Label3", name(0)}, {"Label4", home(0)}, {"Label6", symbol(0)}, {"SeatLbl", seat(0)}};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        auto* heading = child<QLabel>(columns[c].first);
        const QRect r = heading->geometry();
        const QRect column = columns[c].second->geometry();
        EXPECT_FALSE(heading->text().isEmpty()) << columns[c].first;
        // Over its column, and clear of the next column's heading.
        EXPECT_TRUE(r.left() < column.right() && r.right() > column.left()) << columns[c].first;
        EXPECT_LT(r.bottom(), column.top()) << columns[c].first;
        EXPECT_TRUE(c + 1 == columns.size() || r.right() < child<QLabel>(columns[c + 1].first)->x())
            << columns[c].first;
        // Whole: the text fits the label's width, on as many lines as its height holds.
        const int needed =
            heading->wordWrap() ? heading->heightForWidth(r.width()) : heading->sizeHint().height();
        EXPECT_LE(needed, r.height()) << columns[c].first;
        EXPECT_TRUE(heading->wordWrap() || heading->sizeHint().width() <= r.width())
            << columns[c].first;
    }
    EXPECT_EQ(child<QLabel>("SeatLbl")->text(), "Played by:");

    EXPECT_EQ(QApplication::focusWidget(), name(0));
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
    // Space and Enter step on (Enter does not press the default Ok button); other keys do not.
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_A, Qt::Key_Return}) QTest::keyClick(symbol(0), key);
    EXPECT_EQ(frm->symbols()[0], "shiporiz.ico");
    EXPECT_TRUE(frm->isVisible());
    EXPECT_TRUE(t.dialogs.asked.empty()) << lastMessage();
    // On to who plays the row, then the next row: its name box is off for a one-player game,
    // so its list.
    QTest::keyClick(symbol(0), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), seat(0));
    QTest::keyClick(seat(0), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), home(1));
}

// What counts as a number of planets belongs to the core's tests; here the field is checked when
// left, the refusal shown and the field reset.
TEST_F(NewGameFrmTest, PlanetsFieldIsCheckedWhenLeft) {
    for (const auto& [typed, kept] : {std::pair{"51", "5"}, {"50", "50"}}) {
        Type(stars(), typed);
        QTest::keyClick(stars(), Qt::Key_Tab);
        EXPECT_EQ(stars()->text(), kept);
    }
    ASSERT_EQ(t.dialogs.asked.size(), 1u);
    EXPECT_EQ(lastMessage(), "The number of stars must be between 5 and 50");
}

// The checks and their order belong to CheckNewGame's tests; here only that OK reads every
// row's controls, shows the answer and keeps the dialog open, also on Enter in the planets
// field, and that Cancel after a refusal keeps every entry for the next showing.
TEST_F(NewGameFrmTest, OkShowsTheRefusalAndCancelKeepsEveryEntry) {
    chooseCount(2);
    Type(name(0), "Ann");
    Type(name(1), " Ann ");  // shown as the same name
    Click(frm.get(), "OkBtn");
    EXPECT_EQ(std::tuple(lastMessage(), frm->isVisible(), name(1)->text()),
              std::tuple("Multiple players can't have the same Name.", true, QString(" Ann ")));
    Type(name(1), " Bob ");
    // Enter in the planets field reaches OK without leaving the field.
    Type(stars(), "6");
    home(1)->setCurrentIndex(20);
    QTest::keyClick(stars(), Qt::Key_Return);
    EXPECT_EQ(lastMessage(),
              "The Home Planet of Bob must be one of the first 6 planets of the list, please.");
    // Still open, and nothing was generated.
    EXPECT_EQ(std::tuple(frm->isVisible(), t.st().PlanetsNum), std::tuple(true, 0));

    QTest::mouseClick(symbol(1), Qt::LeftButton);
    Click(frm.get(), "CancelBtn");
    EXPECT_EQ(frm->result(), QDialog::Rejected);
    frm->show();
    EXPECT_EQ(
        std::tuple(count()->currentText(), name(1)->text(), stars()->text(),
                   home(1)->currentIndex(), frm->symbols()[1]),
        std::tuple(QString("2"), QString(" Bob "), QString("6"), 20, std::string("shiporiz.ico")));
}

// Who plays each row is chosen after its symbol, by keyboard as everything else; what each
// control carries reaches the new game, and the next showing starts afresh, all human.
TEST_F(NewGameFrmTest, SuccessfulOkCreatesTheGameFromEveryControlAndResetsTheDialog) {
    EXPECT_EQ(std::tuple(seat(0)->count(), seat(0)->itemText(0), seat(0)->itemText(3),
                         seat(0)->accessibleName(), seat(1)->isEnabled()),
              std::tuple(4, "Human", "Computer - Hard", "Played by 1", false));
    count()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(count(), Qt::Key_Down);
    QTest::keyClick(count(), Qt::Key_Down);  // three players
    name(0)->setFocus(Qt::TabFocusReason);
    // Row by row: the name, then Tab past the home planet and the symbol to the seat, which
    // that many presses of Down choose.
    const std::pair<const char*, int> rows[] = {{"Ann", 3}, {"Bob", 0}, {"Cy", 1}};
    for (int k = 0; k < 3; ++k) {
        QWidget* typed = QApplication::focusWidget();
        ASSERT_EQ(typed, name(k));
        QTest::keyClicks(typed, rows[k].first);
        for (int tab = 0; tab < 3; ++tab) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), seat(k));
        for (int d = 0; d < rows[k].second; ++d) QTest::keyClick(seat(k), Qt::Key_Down);
        QTest::keyClick(seat(k), Qt::Key_Tab);
    }
    home(0)->setCurrentIndex(4);
    home(1)->setCurrentIndex(0);
    // The fourth row is not in play: its home and symbol may be Ann's.
    home(3)->setCurrentIndex(4);
    QTest::mouseClick(symbol(3), Qt::LeftButton);
    ASSERT_EQ(frm->symbols()[3], frm->symbols()[0]);
    Type(stars(), "12");
    QTest::mouseClick(child<QRadioButton>("AdvancedOpt"), Qt::LeftButton);
    child<QComboBox>("SkillCmb")->setCurrentIndex(2);
    t.random.setFallback(0.37);
    QTest::keyClick(name(2), Qt::Key_Return);  // the default button
    ASSERT_TRUE(t.dialogs.asked.empty()) << lastMessage();
    EXPECT_EQ(frm->result(), QDialog::Accepted);
    const GameState& st = t.st();
    EXPECT_EQ(std::tuple(st.PlanetsNum, st.GameType, st.EmpireSkill, st.PlHome[0], st.PlHome[1],
                         st.PlName[1].trimmed()),
              std::tuple(12, 0, 2, 4, 0, "Bob"));
    EXPECT_EQ(st.Seats,
              (std::array{SeatKind::Hard, SeatKind::Human, SeatKind::Easy, SeatKind::Human}));

    // The next showing starts afresh, on the first name box.
    frm->show();
    QApplication::processEvents();
    expectDefaults();
    EXPECT_EQ(std::tuple(seat(0)->currentIndex(), seat(2)->currentIndex(), frm->focusWidget()),
              std::tuple(0, 0, static_cast<QWidget*>(name(0))));
}

// Until one side holds the galaxy by default; a length from the list, or typed in the field the
// last choice opens, reaches the new game, and a number the game cannot take is refused at OK.
TEST_F(NewGameFrmTest, GameLengthIsUntilConquestByDefaultOrAChosenOrTypedNumberOfYears) {
    auto* length = child<QComboBox>("LengthCmb");
    auto* years = child<QLineEdit>("LengthEdt");
    EXPECT_EQ(std::tuple(length->count(), length->currentText(), length->itemText(2),
                         years->isEnabled(), frm->settings().gameLength),
              std::tuple(6, "Until one side holds the galaxy", "50 years", false, 0));
    length->setCurrentIndex(4);
    EXPECT_EQ(std::pair(frm->settings().gameLength, years->isEnabled()), std::pair(150, false));
    length->setCurrentIndex(5);
    ASSERT_TRUE(years->isEnabled());
    Type(name(0), "Ann");
    Type(years, "forty");
    Click(frm.get(), "OkBtn");
    EXPECT_EQ(
        std::tuple(lastMessage(), frm->isVisible(), t.st().PlanetsNum),
        std::tuple("The game length must be a whole number of years from 1 to 1000.", true, 0));
    Type(years, "40");
    t.random.setFallback(0.37);
    Click(frm.get(), "OkBtn");
    EXPECT_EQ(std::pair(frm->result(), int{t.st().GameLength}),
              std::pair(int{QDialog::Accepted}, 40));
    frm->show();
    EXPECT_EQ(std::pair(length->currentIndex(), years->isEnabled()), std::pair(0, false));
}

TEST_F(NewGameFrmTest, AStorageFailureIsReportedAndTheDialogStays) {
    EditWorkingFile(t.game, "ALTER TABLE Planets RENAME COLUMN Ico TO Icon");
    t.random.setFallback(0.5);
    Type(name(0), "Ann");
    Click(frm.get(), "OkBtn");
    ASSERT_EQ(t.dialogs.asked.size(), 1U);
    EXPECT_EQ(lastMessage().rfind("The new game could not be written to the game database", 0), 0U);
    EXPECT_TRUE(frm->isVisible());
    EXPECT_NE(frm->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace zenthar::testing
