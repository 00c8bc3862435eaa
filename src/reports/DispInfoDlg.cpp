// The year end's message window.
#include "reports/DispInfoDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zenthar::ui {

DispInfoDlg::DispInfoDlg(QWidget* owner) : QDialog(owner) {
    setWindowTitle("Zenthar - End Of Turn Report");
    setModal(true);

    Label1_ = new QLabel("Report from the front", this);
    Label1_->setObjectName("Label1");
    QFont heading = Label1_->font();
    heading.setBold(true);
    Label1_->setFont(heading);

    MsgLbl_ = new QLabel(this);
    MsgLbl_->setObjectName("MsgLbl");
    MsgLbl_->setWordWrap(true);
    MsgLbl_->setMinimumSize(360, 48);
    MsgLbl_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    MsgLbl_->setTextFormat(Qt::PlainText);

    OKButton_ = new QPushButton("OK", this);
    OKButton_->setObjectName("OKButton");
    OKButton_->setDefault(true);
    OKButton_->setMinimumWidth(90);
    connect(OKButton_, &QPushButton::clicked, this, &DispInfoDlg::OKButton_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(Label1_);
    layout->addWidget(MsgLbl_, 1);
    layout->addLayout(buttons);
    setSizeGripEnabled(false);
}

void DispInfoDlg::showMessage(const QString& text) {
    MsgLbl_->setText(text);
    adjustSize();
    OKButton_->setFocus();
    exec();
}

// The window is only hidden: the year end reuses it for its next message.
void DispInfoDlg::OKButton_Click() {
    accept();
}

}  // namespace zenthar::ui
