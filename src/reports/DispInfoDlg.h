// The small message window of the year end ("Zenthar - End Of Turn Report"): the engine puts
// the text of a landing, battle or rebel outcome in it and waits until the player presses OK.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zenthar::ui {

class DispInfoDlg : public QDialog {
    Q_OBJECT

  public:
    explicit DispInfoDlg(QWidget* owner);

    // Shows the text modally; returns when the player closed the window.
    void showMessage(const QString& text);

  private slots:
    void OKButton_Click();

  private:
    QPushButton* OKButton_ = nullptr;
    QLabel* MsgLbl_ = nullptr;
    QLabel* Label1_ = nullptr;
};

}  // namespace zenthar::ui
