// Message boxes: how a request of the game becomes a QMessageBox, and what its buttons answer.
#include "app/QtDialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include "support/widgets.h"

namespace zenthar::testing {
namespace {

TEST(QtDialogs, AMessageBecomesABoxWithItsButtonsIconAndDefault) {
    auto plain = ui::QtDialogs::buildBox(MessageRequest{"Invalid File Name."}, nullptr);
    EXPECT_EQ(std::tuple(plain->windowTitle(), plain->icon(), plain->standardButtons()),
              std::tuple("Zenthar", QMessageBox::NoIcon, QMessageBox::Ok));
    MessageRequest r{"You will loose the current game.\r Do you still want to quit?",
                     "Zenthar: Exit Program", Buttons::YesNo, Icon::Critical, Answer::No};
    for (Answer first : {Answer::No, Answer::Yes}) {
        r.defaultButton = first;
        auto box = ui::QtDialogs::buildBox(r, nullptr);
        // The carriage return breaks the line on screen; Escape means No.
        EXPECT_EQ(
            std::tuple(box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                       static_cast<QAbstractButton*>(box->defaultButton()), box->escapeButton()),
            std::tuple("Zenthar: Exit Program",
                       "You will loose the current game.\n Do you still want to quit?",
                       QMessageBox::Critical, QMessageBox::Yes | QMessageBox::No,
                       box->button(first == Answer::Yes ? QMessageBox::Yes : QMessageBox::No),
                       box->button(QMessageBox::No)));
    }
}

// Without an answerer a real box is shown; clicking its buttons gives the matching answers, and
// closing it by Esc means No.
TEST(QtDialogs, RealBoxAnswersWhatWasClicked) {
    ui::QtDialogs dialogs;
    for (auto press : {QMessageBox::Yes, QMessageBox::No, QMessageBox::NoButton}) {
        QTimer::singleShot(0, [press] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            press == QMessageBox::NoButton ? box->reject() : box->button(press)->click();
        });
        EXPECT_EQ(dialogs.confirm("Go on?", "Zenthar: Load Game"), press == QMessageBox::Yes)
            << press;
    }
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(dialogs.ask(MessageRequest{"Fine."}), Answer::Ok);
}

}  // namespace
}  // namespace zenthar::testing
