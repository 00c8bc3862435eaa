// A window never narrower than its title: the desktop would cut the title short, and an
// empty list's small window then reads "Fleets… Flight".
#pragma once

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

namespace zenthar::ui {

// The title in the desktop's own face, with room for the title bar's icon and buttons.
inline int TitleWidth(const QWidget* window) {
    const QFontMetrics metrics(QApplication::font());
    return metrics.horizontalAdvance(window->windowTitle()) + 8 * metrics.height();
}

inline void KeepTitleWhole(QWidget* window) {
    window->setMinimumWidth(std::max(window->minimumWidth(), TitleWidth(window)));
}

}  // namespace zenthar::ui
