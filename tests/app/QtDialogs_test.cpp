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
    for (Answer first : {Answer::No, Answer::Yes}) {
        r.defaultButton = first;
        auto box = QtDialogs::buildBox(r, nullptr);
        EXPECT_EQ(box->windowTitle(), "Zenthar: Exit Program");
        // The carriage return breaks the line on screen.
        EXPECT_EQ(box->text(), "You will loose the current game.\n Do you still want to quit?");
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QAbstractButton* expected =
            box->button(first == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), expected);
        EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
    }
}

// Without an answerer a real box is shown; clicking its buttons gives the matching answers, and
// closing it by Esc means No.
TEST(QtDialogs, RealBoxAnswersWhatWasClicked) {
    QtDialogs dialogs;
    for (auto [press, yes] : {std::pair{QMessageBox::Yes, true},
                              {QMessageBox::No, false},
                              {QMessageBox::NoButton, false}}) {
        QTimer::singleShot(0, [press] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            if (press == QMessageBox::NoButton)
                box->reject();
            else
                box->button(press)->click();
        });
        EXPECT_EQ(dialogs.confirm("Go on?", "Zenthar: Load Game"), yes) << press;
    }
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(dialogs.ask(MessageRequest{"Fine."}), Answer::Ok);
}

}  // namespace
}  // namespace zenthar::testing
