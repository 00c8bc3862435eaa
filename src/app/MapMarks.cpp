// The owner marks of the galaxy map.
#include "app/MapMarks.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

#include "ui/side_colours.h"

namespace zenthar::ui {

namespace {

QPainterPath Star(QPointF centre, double outer) {
    QPainterPath path;
    for (int k = 0; k < 10; ++k) {
        const double r = k % 2 == 0 ? outer : outer * 0.45;
        const double a = -M_PI / 2 + k * M_PI / 5;
        const QPointF at = centre + QPointF(r * std::cos(a), r * std::sin(a));
        if (k == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

}  // namespace

void PaintMark(QPainter& p, const QRect& image, const zenthar::PlanetMark& mark,
               const QPixmap& symbol) {
    const QColor colour = SideColour(mark.owner);
    const QRectF box(image);
    const QPointF centre = box.center();
    p.setRenderHint(QPainter::Antialiasing);
    if (mark.mine) {
        // The player's own planets are ringed, so they stand out at a glance.
        const double r = box.width() / 2 + 0.5;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 160), 4));
        p.drawEllipse(centre, r, r);
        p.setPen(QPen(colour, 2));
        p.drawEllipse(centre, r, r);
    }
    // The badge: the owner's colour round a hint of his symbol.
    const double badge = kBadgeSymbolSize / 2.0 + 2;
    // In the image's corner, so a planet scrolled to the map's top edge keeps its whole badge.
    const QPointF at(box.right() - badge + 1, box.top() + badge);
    p.setPen(QPen(colour, 1.5));
    p.setBrush(QColor::fromRgb(kDarkestBackground));
    p.drawEllipse(at, badge, badge);
    if (!symbol.isNull())
        p.drawPixmap(QRectF(at.x() - kBadgeSymbolSize / 2.0, at.y() - kBadgeSymbolSize / 2.0,
                            kBadgeSymbolSize, kBadgeSymbolSize),
                     symbol, QRectF(symbol.rect()));
    else {
        p.setBrush(colour);
        p.drawEllipse(at, badge / 2, badge / 2);
    }
    if (mark.capital) {
        p.setPen(QPen(QColor(60, 40, 0), 1));
        p.setBrush(QColor(255, 215, 60));
        p.drawPath(Star(QPointF(box.left() + 5.5, box.top() + 5.5), 6));
    }
}

}  // namespace zenthar::ui
