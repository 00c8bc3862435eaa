// How an owner's mark looks on the galaxy map: a small badge in the owner's colour with his
// symbol at the image's corner, a ring round the planets of the player whose turn it is and a
// gold star on his capital.
#pragma once

#include <QPixmap>
#include <QRect>

#include "reports/map_marks.h"

class QPainter;

namespace zenthar::ui {

// How far a mark reaches beyond the planet's image, in logical pixels.
inline constexpr int kMarkReach = 4;
// The symbol inside the badge.
inline constexpr int kBadgeSymbolSize = 12;

void PaintMark(QPainter& p, const QRect& image, const zenthar::PlanetMark& mark,
               const QPixmap& symbol);

}  // namespace zenthar::ui
