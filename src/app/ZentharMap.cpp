// The main window's view of the galaxy: the View menu's zoom, Ctrl and the wheel, ships sent by
// pointing at the map, and the Fleets in Flight list. The rules (zoom steps, where to scroll,
// the tooltips, the list) are in the core; this only shows them.
#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <algorithm>

#include "app/GalaxyMap.h"
#include "app/Zenthar.h"
#include "app/planet_panel.h"
#include "options/map_zoom.h"
#include "orders/SendShipsFrm.h"
#include "orders/sendships.h"
#include "reports/FleetsFrm.h"
#include "ui/units.h"

namespace zenthar::ui {

namespace {

// Room for a mark round the farthest image, in pixels.
constexpr int kMarkSpare = 8;

}  // namespace

void Zenthar::createMapMenus(QMenu* reports) {
    addItem(reports, "FleetsInFlightItem", "Fleets &in Flight",
            QKeySequence(Qt::SHIFT | Qt::Key_F4), &Zenthar::FleetsInFlightItem_Click);

    // Under the menu bar like every other menu, so End Turn holds its items too.
    auto* view = new QMenu(QStringLiteral("&View"), menuBar());
    view->setObjectName(QStringLiteral("ViewItem"));
    view->menuAction()->setObjectName(QStringLiteral("ViewItemAction"));
    menuBar()->insertMenu(reports->menuAction(), view);
    QAction* in = addItem(view, "ZoomInItem", "Zoom &In", QKeySequence(Qt::CTRL | Qt::Key_Plus),
                          &Zenthar::ZoomInItem_Click);
    // Ctrl and the key with + on it, shifted or not.
    in->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    addItem(view, "ZoomOutItem", "Zoom &Out", QKeySequence(Qt::CTRL | Qt::Key_Minus),
            &Zenthar::ZoomOutItem_Click);
    addItem(view, "WholeGalaxyItem", "&Whole Galaxy", QKeySequence(Qt::CTRL | Qt::Key_0),
            &Zenthar::WholeGalaxyItem_Click);

    connect(map_, &GalaxyMap::sendRequested, this, [this](int destination) {
        runCommand([this, destination] { SendToPlanet(destination); });
    });
    connect(map_, &GalaxyMap::zoomRequested, this, [this](int steps, QPoint at) {
        runCommand([this, steps, at] {
            double scale = map_->scale();
            for (int k = 0; k < std::abs(steps); ++k)
                scale = steps > 0 ? ZoomedIn(scale) : ZoomedOut(scale);
            setMapScale(scale, at);
        });
    });
}

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
    if (!st.GameActive || st.PlanetsNum <= 0) return;
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

void Zenthar::SendToPlanet(int destination) {
    GameState& st = game_.st;
    if (!st.GameActive) return;
    if (auto refusal = CheckSendFrom(st)) {
        dialogs_.inform(*refusal);
        return;
    }
    {
        SendShipsFrm frm(game_, this);
        // Pointing at the planet the ships would leave chooses nothing: the list starts as F2's.
        if (destination != st.SelectedPlanet) frm.chooseDestination(destination);
        frm.exec();
    }
    ShowPlanetInfo(st.SelectedPlanet, false);
}

void Zenthar::FleetsInFlightItem_Click() {
    if (!game_.st.GameActive) return;
    int chosen = -1;
    {
        FleetsFrm frm(game_, this);
        frm.exec();
        chosen = frm.chosenPlanet();
    }
    // The chosen fleet's destination is shown; either way the map is drawn once.
    if (chosen >= 0) ShowPlanetInfo(chosen, false);
    if (chosen < 0 || !scrollToPlanet(chosen)) DrawGalaxyMap();
}

}  // namespace zenthar::ui
