// The one palette of the sides. Every window that tells the sides apart by colour takes the
// colour from here (map marks, the Ownership Map, charts and their legends, the story, the
// hand-over screen), so a side keeps one colour wherever the player looks.
#pragma once

#include <QColor>
#include <array>

namespace zenthar::ui {

// The players in the order of entry, then the Empire. Picked so that every pair stays well
// apart for the common colour-vision deficiencies (red-, green- and blue-weak sight) and
// stands out on the dark map; where colour alone is not enough, the side's symbol, or a chart
// line's pattern, goes with it.
inline constexpr std::array<QRgb, 5> kSideColours{
    qRgb(118, 110, 255),  // blue-violet
    qRgb(255, 255, 0),    // yellow
    qRgb(127, 255, 182),  // mint
    qRgb(168, 109, 157),  // mauve
    qRgb(212, 92, 20),    // the Empire's red-orange
};

// The darkest background a side's colour is drawn on: the galaxy map's night sky.
inline constexpr QRgb kDarkestBackground = qRgb(8, 10, 24);

inline QColor SideColour(int side) {
    const int last = static_cast<int>(kSideColours.size()) - 1;
    return QColor::fromRgb(
        kSideColours[static_cast<std::size_t>(side >= 0 && side < last ? side : last)]);
}

// The chart line of a side: one pattern each, so lines are told apart without their colour.
inline Qt::PenStyle SideLineStyle(int side) {
    switch (side) {
        case 0:
            return Qt::SolidLine;
        case 1:
            return Qt::DashLine;
        case 2:
            return Qt::DotLine;
        case 3:
            return Qt::DashDotLine;
        default:
            return Qt::SolidLine;  // the Empire: solid and thicker (SideLineWidth)
    }
}
inline double SideLineWidth(int side) {
    return side >= 0 && side < 4 ? 2.0 : 3.0;
}

}  // namespace zenthar::ui
