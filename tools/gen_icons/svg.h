// The app emblem as SVG, for the scalable size of the desktop's icon theme.
#pragma once

#include <QByteArray>

namespace icons {

// The same badge, stars, orbit, planet and letter as drawZenthar, from the same geometry.
QByteArray zentharSvg();

}  // namespace icons
