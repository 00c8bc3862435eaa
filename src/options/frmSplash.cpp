// The About window.
#include "options/frmSplash.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSysInfo>
#include <QVBoxLayout>

#include "ui/units.h"

namespace zenthar::ui {

namespace {

constexpr std::array<const char*, 5> kCredits{
    "Galactic conquest for one to four players against the Empire.",
    "Game design and programming: the Zenthar team.",
    "Pictures and sounds were made for this game.",
    "Built with Qt and SQLite.",
    "Press any key to go back to the galaxy.",
};

QLabel* textLabel(QWidget* parent, const char* name, int pointSize, bool bold,
                  const QString& colour) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    QFont f("Arial");
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(pointSize);
    f.setBold(bold);
    l->setFont(f);
    l->setStyleSheet(QString("color: %1; background: transparent;").arg(colour));
    l->setTextFormat(Qt::PlainText);
    // A click on a text belongs to the text, not to the frame behind it.
    l->setAttribute(Qt::WA_NoMousePropagation);
    return l;
}

}  // namespace

frmSplash::frmSplash(const std::filesystem::path& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Dialog) {
    setObjectName("frmSplash");
    setAccessibleName("About Zenthar");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    setFocusPolicy(Qt::StrongFocus);
    const double dpi = logicalDpiX();
    setFixedSize(TwipsToPixels(7380, dpi), TwipsToPixels(4245, dpi));
    setStyleSheet("frmSplash { background: #0b1026; }");
    setAttribute(Qt::WA_StyledBackground);

    Frame1_ = new QFrame(this);
    Frame1_->setObjectName("Frame1");
    Frame1_->setStyleSheet(
        "QFrame#Frame1 { border: 1px solid #5a6fb0; border-radius: 6px;"
        " background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #141b3d, stop:1 #050714); }");
    Frame1_->installEventFilter(this);

    imgLogo_ = new QLabel(Frame1_);
    imgLogo_->setObjectName("imgLogo");
    imgLogo_->setAccessibleName("Zenthar");
    imgLogo_->setFixedSize(64, 64);
    imgLogo_->setStyleSheet("background: transparent;");
    imgLogo_->setAttribute(Qt::WA_NoMousePropagation);
    const QPixmap logo = PictureAt(programFolder / "logo.png", QSize(64, 64), devicePixelRatioF());
    if (!logo.isNull()) imgLogo_->setPixmap(logo);

    lblProductName_ = textLabel(Frame1_, "lblProductName", 26, true, "#ffe27a");
    lblVersion_ = textLabel(Frame1_, "lblVersion", 11, true, "#d8e0ff");
    lblPlatform_ = textLabel(Frame1_, "lblPlatform", 9, false, "#9fb0e0");
    for (std::size_t i = 0; i < lblCredits_.size(); ++i) {
        lblCredits_[i] = textLabel(Frame1_, qPrintable(QString("lblCredit%1").arg(i + 1)), 9, false,
                                   i + 1 == lblCredits_.size() ? "#7f8fc0" : "#e6e9f5");
        lblCredits_[i]->setText(kCredits[i]);
        lblCredits_[i]->setWordWrap(true);
    }

    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addWidget(lblProductName_);
    titles->addWidget(lblVersion_);
    titles->addWidget(lblPlatform_);
    auto* head = new QHBoxLayout;
    head->setSpacing(16);
    head->addWidget(imgLogo_, 0, Qt::AlignTop);
    head->addLayout(titles, 1);

    auto* inside = new QVBoxLayout(Frame1_);
    inside->setContentsMargins(22, 18, 22, 16);
    inside->setSpacing(6);
    inside->addLayout(head);
    inside->addSpacing(10);
    for (QLabel* l : lblCredits_) inside->addWidget(l);
    inside->addStretch();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->addWidget(Frame1_);

    Form_Load();
}

void frmSplash::Form_Load() {
    // The project's one version number, as the build gives it.
    lblVersion_->setText(QStringLiteral("Version " ZENTHAR_VERSION));
    lblProductName_->setText(kAppTitle);
    lblPlatform_->setText(QSysInfo::prettyProductName());
}

frmSplash* frmSplash::showAbout(QPointer<frmSplash>& open,
                                const std::filesystem::path& programFolder, QWidget* parent) {
    if (!open) {
        open = new frmSplash(programFolder, parent);
        // A dialog centres itself over its owner; this plain window has to be placed by hand.
        if (parent != nullptr) {
            const QRect owner = parent->window()->frameGeometry();
            open->move(owner.center() - QPoint(open->width() / 2, open->height() / 2));
        }
    }
    open->show();
    open->raise();
    open->activateWindow();
    open->setFocus();
    return open.data();
}

// Any key that types a character closes the window; Esc and Enter type one too.
void frmSplash::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty())
        close();
    else
        QWidget::keyPressEvent(event);
}

void frmSplash::Frame1_Click() {
    close();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Frame1_ && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Frame1_->rect().contains(mouse->position().toPoint())) {
            Frame1_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zenthar::ui
