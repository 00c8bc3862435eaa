// The Send Ships dialog driven through its widgets: what it shows, the selection on entering
// the box, the cap on leaving it, Send and its messages, and Close redrawing the map.
#include "orders/SendShipsFrm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/galaxy_builder.h"
#include "support/widgets.h"

namespace zenthar::testing {
namespace {

using ui::SendShipsFrm;

class SendShipsFrmTest : public DialogTest<SendShipsFrm> {
  protected:
    void SetUp() override {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann"}).year(4100)
            .planet(0, 0, 0).owner(0).home().ships(10)
            .planet(1, 0, 7)
            .planet(2, 3, 4).owner(0).ships(12)
            .planet(3, 20, 20).owner(0)
            .build();
        // clang-format on
    }
    void open(int source) {
        t.st().SelectedPlanet = static_cast<Int16>(source);
        DialogTest::open();
    }
    QLineEdit* ships() { return child<QLineEdit>("SendShipsEdt"); }
    QComboBox* to() { return child<QComboBox>("PlSendCmb"); }
    void send() { Click(frm.get(), "SendBtn"); }
};

TEST_F(SendShipsFrmTest, ShowsTheSourceAndEveryDestinationAndTakesNoTypedPlanet) {
    open(2);
    EXPECT_EQ(frm->windowTitle(), "Send Ships");
    EXPECT_EQ(Text(frm.get(), "FromPlLbl"), t.st().planet(2).Name.trimmed());
    ASSERT_EQ(to()->count(), 4);
    EXPECT_EQ(to()->currentIndex(), 0);
    EXPECT_EQ(to()->itemText(3).toStdString(), t.st().planet(3).Name.trimmed());
    EXPECT_EQ(ships()->text(), "12");
    to()->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(to(), "zzq");
    EXPECT_GE(to()->findText(to()->currentText()), 0);
}

TEST_F(SendShipsFrmTest, TheShipsBoxSelectsOnEntryAndCapsOnLeaving) {
    open(2);
    // A click into the box: the caret the click puts down does not undo the selection.
    to()->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(ships(), Qt::LeftButton, {}, QPoint(4, ships()->height() / 2));
    ASSERT_TRUE(ships()->hasFocus());
    QApplication::processEvents();
    EXPECT_EQ(ships()->selectedText(), "12");
    QTest::keyClicks(ships(), "20");  // typing replaces the number
    QTest::keyClick(ships(), Qt::Key_Tab);
    EXPECT_EQ(lastMessage(), "No more than 12 ships, please.");
    EXPECT_EQ(ships()->text(), "12");
}

// The wording and order of the refusals belong to the core's tests, the panel after a launch to
// tests/app/commands_test.cpp; here Send shows the answer and keeps the dialog open.
TEST_F(SendShipsFrmTest, SendLaunchesOrShowsTheRefusalAndStaysOpen) {
    open(0);
    send();  // the first entry is the source itself
    EXPECT_EQ(lastMessage(),
              "Should they make a trip? Destination Planet different from the source, please.");
    EXPECT_EQ(t.st().TaskForceLast, -1);
    const std::size_t refusals = t.dialogs.asked.size();
    to()->setCurrentIndex(2);
    Type(ships(), "4");
    send();
    EXPECT_EQ(t.dialogs.asked.size(), refusals) << lastMessage();
    ASSERT_EQ(t.st().TaskForceLast, 0);
    EXPECT_EQ(t.st().TaskForceList[0].EndPl.padded(), "03");
    EXPECT_EQ(t.st().TaskForceList[0].RemTurns, 4103) << "the year the arrival line tells";
    EXPECT_EQ(ships()->text(), "6");
    EXPECT_TRUE(frm->isVisible());
    EXPECT_EQ(t.view.mapDraws, 0);
}

TEST_F(SendShipsFrmTest, CloseAndEscapeRedrawTheMap) {
    open(0);
    Click(frm.get(), "CancelBtn");
    open(0);
    QTest::keyClick(frm.get(), Qt::Key_Escape);
    EXPECT_FALSE(frm->isVisible());
    EXPECT_EQ(t.view.mapDraws, 2);
}

TEST_F(SendShipsFrmTest, TheArrivalLineFollowsTheDestinationAndMatchesWhatSendLaunches) {
    open(0);
    auto arrival = [this] { return Text(frm.get(), "ArrivalLbl"); };
    EXPECT_EQ(arrival(), "This is the planet the ships would leave.");
    // Chosen by the keyboard, as a player without a mouse would.
    to()->setFocus();
    QTest::keyClick(to(), Qt::Key_Down);
    EXPECT_EQ(arrival(), "Distance 7: arrives in 4104 (4 years)");
    QTest::keyClick(to(), Qt::Key_Down);
    EXPECT_EQ(arrival(), "Distance 5: arrives in 4103 (3 years)");

    // One step away is one year; the same spot is this year.
    t.st().planet(3).XPos = 1;
    t.st().planet(3).YPos = 1;
    to()->setCurrentIndex(3);
    EXPECT_EQ(arrival(), "Distance 1: arrives in 4101 (1 year)");
    t.st().planet(3).XPos = 0;
    t.st().planet(3).YPos = 0;
    frm->PlSendCmb_Change();
    EXPECT_EQ(arrival(), "Distance 0: arrives in 4100 (this year)");
    EXPECT_EQ(frm->height(), frm->sizeHint().height()) << "the line fits the dialog";
}

}  // namespace
}  // namespace zenthar::testing
