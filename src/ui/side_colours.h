// The colour each side is drawn in where sides are told apart by colour (the statistics'
// chart lines): the players in the order of entry, then the Empire in its own red.
#pragma once

#include <QColor>
#include <array>

namespace zenthar::ui {

inline QColor SideColour(int side) {
    static const std::array<QColor, 5> colours{QColor(250, 200, 50), QColor(70, 190, 255),
                                               QColor(225, 110, 235), QColor(120, 225, 120),
                                               QColor(235, 70, 55)};
    return colours.at(side >= 0 && side < 5 ? static_cast<std::size_t>(side) : 4);
}

}  // namespace zenthar::ui
