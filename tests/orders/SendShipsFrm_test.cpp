// The Send Ships dialog driven through its widgets: what it shows, the arrival line, the
// selection on entering the box, the cap on leaving it, Send and its messages, and Close
// redrawing the map.
#include "orders/SendShipsFrm.h"

#include "support/widgets.h"

namespace zenthar::testing {
namespace {

class SendShipsFrmTest : public DialogTest<ui::SendShipsFrm> {
  protected:
    void SetUp() override {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann"}).year(4100)
            .planet(0, 0, 0).owner(0).home().ships(10)
            .planet(1, 0, 7)
            .planet(2, 3, 4).owner(0).ships(12)
            .planet(3, 1, 1).owner(0)   // one step away
            .planet(4, 0, 0).build();  // on the same spot as planet 0
        // clang-format on
    }
    void open(int source) {
        t.st().SelectedPlanet = static_cast<Int16>(source);
        DialogTest::open();
    }
    QLineEdit* ships() { return child<QLineEdit>("SendShipsEdt"); }
    QComboBox* to() { return child<QComboBox>("PlSendCmb"); }
};

TEST_F(SendShipsFrmTest, ShowsTheSourceEveryDestinationAndWhenTheShipsWouldArrive) {
    open(0);
    // Every planet a destination, the source first; all its ships offered.
    EXPECT_EQ(std::tuple(frm->windowTitle(), Text(frm.get(), "FromPlLbl"), to()->count(),
                         to()->currentIndex(), to()->itemText(3).toStdString(), ships()->text()),
              std::tuple("Send Ships", t.st().planet(0).Name.trimmed(), 5, 0,
                         t.st().planet(3).Name.trimmed(), "10"));
    // The arrival line follows the destination, here chosen by the keyboard.
    EXPECT_EQ(Text(frm.get(), "ArrivalLbl"), "This is the planet the ships would leave.");
    to()->setFocus(Qt::TabFocusReason);
    for (const char* line :
         {"Distance 7: arrives in 4104 (4 years)", "Distance 5: arrives in 4103 (3 years)",
          "Distance 1: arrives in 4101 (1 year)", "Distance 0: arrives in 4100 (this year)"}) {
        QTest::keyClick(to(), Qt::Key_Down);
        EXPECT_EQ(Text(frm.get(), "ArrivalLbl"), line);
    }
    EXPECT_EQ(frm->height(), frm->sizeHint().height()) << "the line fits the dialog";
    // Typing picks no planet the list does not hold.
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
// tests/app/commands_test.cpp; here Send shows the answer and keeps the dialog open, and Close
// and Escape redraw the map.
TEST_F(SendShipsFrmTest, SendLaunchesOrShowsTheRefusalAndStaysOpenAndClosingRedrawsTheMap) {
    open(0);
    Click(frm.get(), "SendBtn");  // the first entry is the source itself
    EXPECT_EQ(lastMessage(),
              "Should they make a trip? Destination Planet different from the source, please.");
    EXPECT_EQ(t.st().TaskForceLast, -1);
    const std::size_t refusals = t.dialogs.asked.size();
    to()->setCurrentIndex(2);
    Type(ships(), "4");
    Click(frm.get(), "SendBtn");
    ASSERT_EQ(std::tuple(t.dialogs.asked.size(), t.st().TaskForceLast), std::tuple(refusals, 0))
        << lastMessage();
    // To planet 3, arriving in the year the arrival line tells; the rest stay, and so does the
    // dialog, without a redraw yet.
    const TaskForceRecord& sent = t.st().TaskForceList[0];
    EXPECT_EQ(std::tuple(sent.EndPl.padded(), sent.RemTurns, ships()->text(), frm->isVisible(),
                         t.view.mapDraws),
              std::tuple("03", 4103, "6", true, 0));

    Click(frm.get(), "CancelBtn");
    open(0);
    QTest::keyClick(frm.get(), Qt::Key_Escape);
    EXPECT_EQ(std::pair(frm->isVisible(), t.view.mapDraws), std::pair(false, 2));
}

}  // namespace
}  // namespace zenthar::testing
