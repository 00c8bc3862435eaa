// The game's windows were laid out in twips (1/1440 inch) and drew in centimetres; these turn
// both into screen pixels for a given dots-per-inch, so layouts keep their proportions.
#pragma once

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>
#include <cmath>

namespace zenthar::ui {

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kCmPerInch = 2.54;

inline int TwipsToPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}
inline double CmToPixels(double cm, double dpi) {
    return cm * dpi / kCmPerInch;
}
inline double PixelsToCm(double px, double dpi) {
    return px * kCmPerInch / dpi;
}

// The small plain face the dialogs were laid out for ("MS Sans Serif" 8 points where it exists,
// the system's sans-serif face elsewhere).
inline void UseDialogFont(QWidget* dialog) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    dialog->setFont(font);
}

// A picture the player clicks is a control as well: Tab reaches it, a ring shows where the
// keyboard is, and Space or Enter count as its click (see IsKeyClick).
inline void MakeKeyboardPicture(QLabel* picture, const QString& name) {
    picture->setFocusPolicy(Qt::StrongFocus);
    picture->setAccessibleName(name);
    picture->setStyleSheet(QStringLiteral(
        "QLabel:focus { border: 2px solid palette(highlight); border-radius: 3px; }"));
}

// Space, Enter or Return pressed on a keyboard picture.
inline bool IsKeyClick(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace zenthar::ui
