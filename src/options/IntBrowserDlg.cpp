// The browser location dialog.
#include "options/IntBrowserDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "options/help.h"
#include "options/inifile.h"

namespace zenthar::ui {

IntBrowserDlg::IntBrowserDlg(const std::filesystem::path& iniFile, QWidget* parent,
                             zenthar::UserDialogs* dialogs)
    : QDialog(parent), iniFile_(iniFile), dialogs_(dialogs) {
    setObjectName("IntBrowserDlg");
    setWindowTitle("Internet Browser Location");
    setModal(true);

    auto* prompt = new QLabel("Program that shows the Help screen:", this);
    IntBrowserTxt = new QLineEdit(this);
    IntBrowserTxt->setObjectName("IntBrowserTxt");
    IntBrowserTxt->setAccessibleName("Internet Browser Location");
    IntBrowserTxt->setMinimumWidth(380);
    IntBrowserTxt->setPlaceholderText(QString("not set: %1 is used").arg(kDefaultBrowser));
    auto* hint = new QLabel(
        "The full path of a web browser, for example /usr/bin/firefox. Leave it empty to use "
        "the desktop's default browser.",
        this);
    hint->setWordWrap(true);
    QFont small = hint->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    hint->setFont(small);

    ResetCmd = new QPushButton("Reset To Default", this);
    ResetCmd->setObjectName("ResetCmd");
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    connect(ResetCmd, &QPushButton::clicked, this, &IntBrowserDlg::ResetCmd_Click);
    connect(OKButton, &QPushButton::clicked, this, &IntBrowserDlg::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &IntBrowserDlg::CancelButton_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ResetCmd);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(prompt);
    layout->addWidget(IntBrowserTxt);
    layout->addWidget(hint);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setFixedHeight(sizeHint().height());

    Form_Load();
}

void IntBrowserDlg::Form_Load() {
    const std::string value = ReadIniValue(iniFile_, kOptionsSection, kBrowserKey);
    if (value != kIniUnknown) IntBrowserTxt->setText(QString::fromStdString(value));
}

void IntBrowserDlg::ResetCmd_Click() {
    IntBrowserTxt->setText(kDefaultBrowser);
}

void IntBrowserDlg::OKButton_Click() {
    if (!WriteIniValue(iniFile_, kOptionsSection, kBrowserKey,
                       IntBrowserTxt->text().toStdString())) {
        const std::string message = "The browser location could not be stored in " +
                                    iniFile_.string() + ".\r\rNothing was changed.";
        if (dialogs_)
            dialogs_->inform(message);
        else
            QMessageBox(QMessageBox::NoIcon, "Zenthar",
                        QString::fromStdString(message).replace('\r', '\n'), QMessageBox::Ok, this)
                .exec();
        return;
    }
    accept();
}

void IntBrowserDlg::CancelButton_Click() {
    reject();
}

}  // namespace zenthar::ui
