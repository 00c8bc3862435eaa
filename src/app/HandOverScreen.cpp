// The curtain between two human players' turns. It takes the keyboard while it shows, so a key
// meant for the map (Tab, Enter, the arrows) only lifts it.
#include "app/HandOverScreen.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/side_colours.h"

namespace zenthar::ui {

namespace {

constexpr QColor kTextColour(200, 208, 224);

QLabel* CentredLabel(QWidget* parent, const char* name, const QColor& colour, qreal scale,
                     bool bold) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

bool IsModifierOnly(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
            return true;
        default:
            return false;
    }
}

}  // namespace

HandOverScreen::HandOverScreen(QWidget* covered) : QWidget(covered) {
    setObjectName(QStringLiteral("HandOverScreen"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    // The map's night sky, on which every side's colour is made to stand out.
    pal.setColor(QPalette::Window, QColor::fromRgb(kDarkestBackground));
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);

    symbol_ = new QLabel(this);
    symbol_->setObjectName(QStringLiteral("HandOverSymbol"));
    symbol_->setAlignment(Qt::AlignCenter);
    name_ = CentredLabel(this, "HandOverName", SideColour(0), 2.4, true);
    year_ = CentredLabel(this, "HandOverYear", QColor(0, 255, 0), 1.2, true);
    prompt_ = CentredLabel(this, "HandOverPrompt", kTextColour, 1.2, false);
    prompt_->setText(QStringLiteral("Press a key or click to begin."));

    auto* column = new QVBoxLayout(this);
    column->addStretch(3);
    column->addWidget(symbol_);
    column->addSpacing(12);
    column->addWidget(name_);
    column->addWidget(year_);
    column->addSpacing(24);
    column->addWidget(prompt_);
    column->addStretch(4);

    covered->installEventFilter(this);
    setGeometry(covered->rect());
    hide();
}

void HandOverScreen::showFor(int side, const QString& playerName, const QPixmap& symbol,
                             const QString& year) {
    // The player's name in his side's colour, as his marks on the map and his chart lines.
    QPalette namePal = name_->palette();
    namePal.setColor(QPalette::WindowText, SideColour(side));
    name_->setPalette(namePal);
    name_->setText(playerName);
    year_->setText(year);
    symbol_->setPixmap(symbol);
    symbol_->setVisible(!symbol.isNull());
    setAccessibleName(QStringLiteral("Player's turn: ") + playerName);
    setGeometry(parentWidget()->rect());
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void HandOverScreen::dismiss() {
    if (isHidden()) return;
    hide();
    emit dismissed();
}

bool HandOverScreen::event(QEvent* event) {
    // Tab and Backtab would otherwise move the focus instead of reaching the screen.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!IsModifierOnly(key->key()) && !key->isAutoRepeat()) dismiss();
        return true;
    }
    // The wheel would otherwise reach the map underneath and scroll it.
    if (event->type() == QEvent::Wheel) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void HandOverScreen::mousePressEvent(QMouseEvent* event) {
    event->accept();
    dismiss();
}

bool HandOverScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

}  // namespace zenthar::ui
