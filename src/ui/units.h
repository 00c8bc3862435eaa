// What every window shares: the game's windows were laid out in twips (1/1440 inch) and draw
// in centimetres, turned here into screen pixels so layouts keep their proportions; the dialog
// face; pictures sharp at any pixel ratio; pictures the keyboard can click.
#pragma once

#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <cmath>
#include <filesystem>

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

// One screen's units, from its logical dots per inch (96 where the screen gives none).
class ScreenUnits {
  public:
    explicit ScreenUnits(double dpi) : dpi_(dpi > 0 ? dpi : 96.0) {}

    double dpi() const { return dpi_; }
    double pxPerCm() const { return CmToPixels(1.0, dpi_); }
    double cm(double px) const { return PixelsToCm(px, dpi_); }
    int px(double cm) const { return static_cast<int>(std::lround(CmToPixels(cm, dpi_))); }
    int twips(double tw) const { return TwipsToPixels(tw, dpi_); }

  private:
    double dpi_;
};

// The small plain face the dialogs were laid out for ("MS Sans Serif" 8 points where it exists,
// the system's sans-serif face elsewhere).
inline void UseDialogFont(QWidget* dialog) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    dialog->setFont(font);
}

// A picture file drawn at a logical size on a screen of the given pixel ratio: from its "@2x"
// twin where the screen scales and one exists, so it stays sharp. Null when the file is
// missing or broken.
inline QPixmap PictureAt(const std::filesystem::path& file, QSize logical, double ratio) {
    QPixmap source;
    if (ratio > 1.0) {
        std::filesystem::path twin = file;
        twin.replace_filename(file.stem().string() + "@2x" + file.extension().string());
        source.load(QString::fromStdString(twin.string()));
    }
    if (source.isNull()) source.load(QString::fromStdString(file.string()));
    if (source.isNull() || logical.isEmpty()) return {};
    QPixmap sized = source.scaled(logical * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    sized.setDevicePixelRatio(ratio);
    return sized;
}

// An icon file (which holds several sizes) at a logical size: the size that fits the screen best.
inline QPixmap IconAt(const std::filesystem::path& file, int logical, double ratio) {
    const QIcon icon(QString::fromStdString(file.string()));
    return icon.isNull() ? QPixmap() : icon.pixmap(QSize(logical, logical), ratio);
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
