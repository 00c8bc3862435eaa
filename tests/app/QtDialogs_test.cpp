// Message boxes: how a request of the game becomes a QMessageBox, and what its buttons answer.
#include "app/QtDialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace zenthar::testing {
namespace {

using ui::QtDialogs;

TEST(QtDialogs, AMessageBecomesABoxWithItsButtonsIconAndDefault) {
    auto plain = QtDialogs::buildBox(MessageRequest{"Invalid File Name."}, nullptr);
    EXPECT_EQ(plain->windowTitle(), "Zenthar");
    EXPECT_EQ(plain->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(plain->standardButtons(), QMessageBox::Ok);

    MessageRequest r{"You will loose the current game.\r Do you still want to quit?",
                     "Zenthar: Exit Program", Buttons::YesNo, Icon::Critical, Answer::No};
    auto box = QtDialogs::buildBox(r, nullptr);
    EXPECT_EQ(box->windowTitle(), "Zenthar: Exit Program");
    // The carriage return breaks the line on screen.
    EXPECT_EQ(box->text(), "You will loose the current game.\n Do you still want to quit?");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
    r.defaultButton = Answer::Yes;
    box = QtDialogs::buildBox(r, nullptr);
    EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Yes));
}

// Without an answerer a real box is shown; clicking its buttons gives the matching answers, and
// closing it by Esc means No.
TEST(QtDialogs, RealBoxAnswersWhatWasClicked) {
    QtDialogs dialogs;
    auto press = [](QMessageBox::StandardButton which) {
        QTimer::singleShot(0, [which] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            if (which == QMessageBox::NoButton)
                box->reject();
            else
                box->button(which)->click();
        });
    };
    press(QMessageBox::Yes);
    EXPECT_TRUE(dialogs.confirm("Go on?", "Zenthar: Load Game"));
    press(QMessageBox::No);
    EXPECT_FALSE(dialogs.confirm("Go on?", "Zenthar: Load Game"));
    press(QMessageBox::NoButton);
    EXPECT_FALSE(dialogs.confirm("Go on?", "Zenthar: Load Game"));
    press(QMessageBox::Ok);
    EXPECT_EQ(dialogs.ask(MessageRequest{"Fine."}), Answer::Ok);
}

}  // namespace
}  // namespace zenthar::testing
