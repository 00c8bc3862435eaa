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

    Label1 = new QLabel("Report from the front", this);
    Label1->setObjectName("Label1");
    QFont heading = Label1->font();
    heading.setBold(true);
    Label1->setFont(heading);

    MsgLbl = new QLabel(this);
    MsgLbl->setObjectName("MsgLbl");
    MsgLbl->setWordWrap(true);
    MsgLbl->setMinimumSize(360, 48);
    MsgLbl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    MsgLbl->setTextFormat(Qt::PlainText);

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    OKButton->setMinimumWidth(90);
    connect(OKButton, &QPushButton::clicked, this, &DispInfoDlg::OKButton_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(Label1);
    layout->addWidget(MsgLbl, 1);
    layout->addLayout(buttons);
    setSizeGripEnabled(false);
}

void DispInfoDlg::showMessage(const QString& text) {
    MsgLbl->setText(text);
    adjustSize();
    OKButton->setFocus();
    exec();
}

// The window is only hidden: the year end reuses it for its next message.
void DispInfoDlg::OKButton_Click() {
    accept();
}

}  // namespace zenthar::ui
