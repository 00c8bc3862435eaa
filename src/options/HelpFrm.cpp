// The game's own help window.
#include "options/HelpFrm.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zenthar::ui {

HelpFrm::HelpFrm(const std::filesystem::path& page, QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("HelpFrm"));
    setWindowTitle(QStringLiteral("Zenthar Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    HelpTxt_ = new QTextBrowser(this);
    HelpTxt_->setObjectName(QStringLiteral("HelpTxt"));
    HelpTxt_->setAccessibleName(QStringLiteral("Help"));
    // Links within the page and to its neighbours open here; a web address goes to the desktop.
    HelpTxt_->setOpenExternalLinks(true);
    HelpTxt_->setSource(QUrl::fromLocalFile(QString::fromStdString(page.string())));

    BackBtn_ = new QPushButton(QStringLiteral("&Back"), this);
    BackBtn_->setObjectName(QStringLiteral("BackBtn"));
    BackBtn_->setEnabled(false);
    BackBtn_->setAutoDefault(false);
    CloseBtn_ = new QPushButton(QStringLiteral("Close"), this);
    CloseBtn_->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn_->setAutoDefault(false);
    connect(HelpTxt_, &QTextBrowser::backwardAvailable, BackBtn_, &QPushButton::setEnabled);
    connect(BackBtn_, &QPushButton::clicked, HelpTxt_, &QTextBrowser::backward);
    connect(CloseBtn_, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BackBtn_);
    buttons->addStretch();
    buttons->addWidget(CloseBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(HelpTxt_);
    layout->addLayout(buttons);

    // A page to read: most of the screen's height, at a comfortable line length.
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int width = std::min(room.width() * 9 / 10, fontMetrics().averageCharWidth() * 100);
    resize(width, room.height() * 8 / 10);
    HelpTxt_->setFocus();
}

HelpFrm* HelpFrm::showHelp(QPointer<HelpFrm>& open, const std::filesystem::path& page,
                           QWidget* owner) {
    if (!open) open = new HelpFrm(page, owner);
    open->show();
    open->raise();
    open->activateWindow();
    return open.data();
}

}  // namespace zenthar::ui
