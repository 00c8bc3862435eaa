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
    IntBrowserTxt_ = new QLineEdit(this);
    IntBrowserTxt_->setObjectName("IntBrowserTxt");
    IntBrowserTxt_->setAccessibleName("Internet Browser Location");
    IntBrowserTxt_->setMinimumWidth(380);
    IntBrowserTxt_->setPlaceholderText(QString("not set: %1 is used").arg(kDefaultBrowser));
    auto* hint = new QLabel(
        "The full path of a web browser, for example /usr/bin/firefox. Left empty, Help says "
        "that it is not set and opens the page with xdg-open, the desktop's default browser. "
        "When the browser cannot show the page, the game shows it in its own help window.",
        this);
    hint->setWordWrap(true);
    QFont small = hint->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    hint->setFont(small);

    ResetCmd_ = new QPushButton("Reset To Default", this);
    ResetCmd_->setObjectName("ResetCmd");
    OKButton_ = new QPushButton("OK", this);
    OKButton_->setObjectName("OKButton");
    OKButton_->setDefault(true);
    CancelButton_ = new QPushButton("Cancel", this);
    CancelButton_->setObjectName("CancelButton");
    connect(ResetCmd_, &QPushButton::clicked, this, &IntBrowserDlg::ResetCmd_Click);
    connect(OKButton_, &QPushButton::clicked, this, &IntBrowserDlg::OKButton_Click);
    connect(CancelButton_, &QPushButton::clicked, this, &IntBrowserDlg::CancelButton_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ResetCmd_);
    buttons->addStretch();
    buttons->addWidget(OKButton_);
    buttons->addWidget(CancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(prompt);
    layout->addWidget(IntBrowserTxt_);
    layout->addWidget(hint);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setFixedHeight(sizeHint().height());

    Form_Load();
}

void IntBrowserDlg::Form_Load() {
    const std::string value = ReadIniValue(iniFile_, kOptionsSection, kBrowserKey);
    if (value != kIniUnknown) IntBrowserTxt_->setText(QString::fromStdString(value));
}

void IntBrowserDlg::ResetCmd_Click() {
    IntBrowserTxt_->setText(kDefaultBrowser);
}

void IntBrowserDlg::OKButton_Click() {
    if (!WriteIniValue(iniFile_, kOptionsSection, kBrowserKey,
                       IntBrowserTxt_->text().toStdString())) {
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
