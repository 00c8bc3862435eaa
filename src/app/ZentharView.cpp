// The View menu: the map's zoom (also Ctrl and the wheel) and Whole Galaxy. The rules (zoom
// steps, where to scroll) are pure functions of options/map_zoom; this only shows them.
#include <QFontMetrics>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "app/GalaxyMap.h"
#include "app/Zenthar.h"
#include "options/map_zoom.h"
#include "ui/units.h"

namespace zenthar::ui {

namespace {

// Room for a mark round the farthest image, in pixels.
constexpr int kMarkSpare = 8;

}  // namespace

// The part of the map between the panel and the scroll bars, in the map's pixels.
QRect Zenthar::mapView() const {
    const int left = ScreenUnits(map_->logicalDpiX()).px(GalaxyMap::kMapLeftCm);
    return QRect(left, 0, std::max(0, VertScrl_->x() - left), std::max(0, HorizScrl_->y()));
}

// The image and one line of its name inside the view.
bool Zenthar::fullyInView(int planet) const {
    const PlanetRecord& p = game_.st.planet(planet);
    QRect r = map_->imageRectAt(p.XPos, p.YPos, HorizScrl_->value(), VertScrl_->value());
    r.setBottom(r.bottom() + QFontMetrics(map_->font()).height());
    return mapView().contains(r);
}

void Zenthar::readMapScale() {
    map_->setScale(ReadMapScale(game_.SettingsFolder / kStateFileName));
}

// A new scale keeps the galaxy point under `about` (map pixels) where it is, and is kept for
// the next start. A state file that cannot be written only means the next start forgets it.
void Zenthar::setMapScale(double scale, QPoint about) {
    scale = ClampMapScale(scale);
    const double old = map_->scale();
    if (scale == old) return;
    const QRect view = mapView();
    const double cm = ScreenUnits(map_->logicalDpiX()).pxPerCm();
    const QPoint at = about - view.topLeft();
    const MapScroll next = KeepPointAt({HorizScrl_->value(), VertScrl_->value()}, at.x() / cm,
                                       at.y() / cm, old, scale);
    map_->setScale(scale);
    WriteMapScale(game_.SettingsFolder / kStateFileName, scale);
    {
        const QSignalBlocker h(HorizScrl_), v(VertScrl_);
        HorizScrl_->setValue(next.h);
        VertScrl_->setValue(next.v);
    }
    DrawGalaxyMap();
}

void Zenthar::ZoomInItem_Click() {
    setMapScale(ZoomedIn(map_->scale()), mapView().center());
}

void Zenthar::ZoomOutItem_Click() {
    setMapScale(ZoomedOut(map_->scale()), mapView().center());
}

// The scale at which the farthest planet, its image and its name still fit the view.
void Zenthar::WholeGalaxyItem_Click() {
    const GameState& st = game_.st;
    if (st.PlanetsNum <= 0) return;
    int maxX = 0, maxY = 0;
    double widest = 0;
    const QFontMetrics names(map_->font());
    for (int i = 0; i < std::min(st.PlanetsNum, kPlanetSlots); ++i) {
        maxX = std::max<int>(maxX, st.planet(i).XPos);
        maxY = std::max<int>(maxY, st.planet(i).YPos);
        widest = std::max<double>(
            widest, names.horizontalAdvance(QString::fromStdString(st.planet(i).Name.trimmed())));
    }
    const ScreenUnits u(map_->logicalDpiX());
    const QRect view = mapView();
    const double scale =
        WholeGalaxyScale(u.cm(view.width()), u.cm(view.height()), maxX, maxY,
                         u.cm(std::max<double>(widest, GalaxyMap::kImageSize) + kMarkSpare),
                         u.cm(GalaxyMap::kImageSize + names.height() + kMarkSpare));
    map_->setScale(scale);
    WriteMapScale(game_.SettingsFolder / kStateFileName, scale);
    {
        const QSignalBlocker h(HorizScrl_), v(VertScrl_);
        HorizScrl_->setValue(0);
        VertScrl_->setValue(0);
    }
    DrawGalaxyMap();
}

}  // namespace zenthar::ui
