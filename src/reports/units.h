// The game's windows were laid out in twips (1/1440 inch) and drew in centimetres; these turn
// both into screen pixels for a given dots-per-inch, so layouts keep their proportions.
#pragma once

#include <QFont>
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

}  // namespace zenthar::ui
