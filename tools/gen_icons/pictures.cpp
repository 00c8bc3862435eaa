// The pictures of the game: planets, emblems, ships, the battle pictures and the app emblem,
// drawn with QPainter in a logical square and scaled to each size.
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace icons {

QImage render(const DrawFn& fn, int w, int h, double logicalW, double logicalH) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.scale(w / logicalW, h / logicalH);
    fn(p, Ctx{logicalW / w});
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

namespace {

// ---------------------------------------------------------------- helpers --

QColor rgb(quint32 hex, int alpha = 255) {
    return QColor((hex >> 16) & 0xff, (hex >> 8) & 0xff, hex & 0xff, alpha);
}

struct Stop {
    double at;
    QColor colour;
};

// A gradient with its colour stops, written where it is used as one expression.
template <class Gradient>
Gradient withStops(Gradient g, std::initializer_list<Stop> stops) {
    for (const Stop& s : stops) g.setColorAt(s.at, s.colour);
    return g;
}

// Raster clipping is not antialiased, so surface detail is painted into its
// own layer and cut out with an antialiased mask instead of setClipPath().
void maskedLayer(QPainter& p, const QPainterPath& mask,
                 const std::function<void(QPainter&)>& draw) {
    QImage layer(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter lp(&layer);
    lp.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    lp.setTransform(p.transform());
    draw(lp);
    lp.end();
    // DestinationIn only touches the pixels a fill covers, so the mask has to
    // be a full-size image for everything outside the path to be cleared.
    QImage alpha(layer.size(), QImage::Format_ARGB32_Premultiplied);
    alpha.fill(Qt::transparent);
    QPainter mp(&alpha);
    mp.setRenderHint(QPainter::Antialiasing);
    mp.setTransform(p.transform());
    mp.fillPath(mask, Qt::black);
    mp.end();
    QPainter cp(&layer);
    cp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    cp.drawImage(0, 0, alpha);
    cp.end();
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
}

// A closed outline of straight edges through the corners in order: hulls, fins, wings.
QPainterPath polygon(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

QPainterPath circle(QPointF c, double r) {
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

// Closed smooth blob through jittered points around a centre: continents,
// clouds, smoke.
QPainterPath blob(QPointF c, double r, int n, double jag, Rng& rng, double sx = 1.0,
                  double sy = 1.0) {
    std::vector<QPointF> pts;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * M_PI * i / n + rng.range(-0.25, 0.25) * (2 * M_PI / n);
        const double rr = r * (1.0 - jag + 2.0 * jag * rng.next());
        pts.push_back(c + QPointF(std::cos(a) * rr * sx, std::sin(a) * rr * sy));
    }
    auto mid = [](QPointF a, QPointF b) { return (a + b) / 2.0; };
    QPainterPath path;
    path.moveTo(mid(pts.back(), pts.front()));
    for (int i = 0; i < n; ++i) path.quadTo(pts[i], mid(pts[i], pts[(i + 1) % n]));
    path.closeSubpath();
    return path;
}

// Soft halo outside a body: makes dark planets visible on the black map.
void glow(QPainter& p, QPointF c, double r, double width, QColor col) {
    QRadialGradient g(c, r + width);
    QColor clear = col;
    clear.setAlpha(0);
    g.setColorAt(0.0, col);
    g.setColorAt(r / (r + width), col);
    g.setColorAt(1.0, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r + width, r + width);
}

// Light comes from the upper left for every object in the game.
QRadialGradient sphereGradient(QPointF c, double r, QColor light, QColor mid, QColor dark) {
    return withStops(QRadialGradient(c + QPointF(-0.3 * r, -0.35 * r), 1.35 * r,
                                     c + QPointF(-0.45 * r, -0.5 * r)),
                     {{0.0, light}, {0.5, mid}, {1.0, dark}});
}

void terminator(QPainter& p, QPointF c, double r, int strength) {
    const auto g = withStops(QRadialGradient(c + QPointF(-0.35 * r, -0.38 * r), 1.5 * r),
                             {{0.0, QColor(0, 0, 0, 0)},
                              {0.45, QColor(0, 0, 0, 0)},
                              {0.8, QColor(0, 0, 0, strength * 6 / 10)},
                              {1.0, QColor(0, 0, 0, strength)}});
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void rimLight(QPainter& p, QPointF c, double r, QColor col) {
    QRadialGradient g(c, r);
    QColor clear = col;
    clear.setAlpha(0);
    g.setColorAt(0.0, clear);
    g.setColorAt(0.78, clear);
    g.setColorAt(1.0, col);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void specular(QPainter& p, QPointF c, double r, int alpha) {
    const QPointF hc = c + QPointF(-0.42 * r, -0.45 * r);
    const auto g = withStops(QRadialGradient(hc, 0.32 * r), {{0.0, QColor(255, 255, 255, alpha)},
                                                             {1.0, QColor(255, 255, 255, 0)}});
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(hc, 0.32 * r, 0.32 * r);
}

void outline(QPainter& p, const Ctx& cx, const QPainterPath& path, QColor col,
             double pixels = 1.0) {
    p.setBrush(Qt::NoBrush);
    QPen pen(col, pixels * cx.px);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.drawPath(path);
}

void sparkle(QPainter& p, QPointF c, double r, QColor col) {
    QRadialGradient g(c, r);
    QColor clear = col;
    clear.setAlpha(0);
    g.setColorAt(0.0, Qt::white);
    g.setColorAt(0.25, col);
    g.setColorAt(1.0, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    QPen pen(QColor(255, 255, 255, 170), r * 0.12);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(c - QPointF(r * 1.3, 0), c + QPointF(r * 1.3, 0));
    p.drawLine(c - QPointF(0, r * 1.3), c + QPointF(0, r * 1.3));
}

// ---------------------------------------------------------------- planets --

}  // namespace

void drawMoon(QPainter& p, const Ctx& cx, QPointF c, double r) {
    glow(p, c, r, r * 0.25, QColor(200, 210, 230, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(sphereGradient(c, r, rgb(0xf2f2ee), rgb(0x9a9aa6), rgb(0x2e2e3a)));
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(40, 40, 60, 70));
    p.drawEllipse(c + QPointF(0.25 * r, 0.1 * r), 0.22 * r, 0.2 * r);
    p.drawEllipse(c + QPointF(-0.3 * r, 0.35 * r), 0.15 * r, 0.13 * r);
    outline(p, cx, circle(c, r), QColor(20, 20, 40, 200));
}

// Blue ocean world with green continents and weather.
void drawLush(QPainter& p, const Ctx& cx, QPointF c, double r, bool rich) {
    glow(p, c, r, r * 0.16, QColor(110, 200, 255, 130));
    const QPainterPath disk = circle(c, r);
    maskedLayer(p, disk, [&](QPainter& lp) {
        lp.setPen(Qt::NoPen);
        lp.setBrush(sphereGradient(c, r, rgb(0x8fe0ff), rgb(0x1f74d4), rgb(0x0b2c78)));
        lp.drawEllipse(c, r, r);

        Rng rng(rich ? 31 : 7);
        struct Land {
            double x, y, s;
        };
        std::vector<Land> lands = {
            {-0.38, -0.18, 0.40}, {0.32, 0.28, 0.36}, {0.22, -0.52, 0.2}, {-0.15, 0.6, 0.22}};
        if (rich) {
            lands.push_back({0.62, -0.12, 0.14});
            lands.push_back({-0.62, 0.32, 0.12});
            lands.push_back({0.0, 0.05, 0.08});
        }
        const auto land = withStops(QLinearGradient(c - QPointF(r, r), c + QPointF(r, r)),
                                    {{0.0, rgb(0x9cf07a)}, {1.0, rgb(0x2c8a38)}});
        for (const Land& l : lands) {
            const QPointF lc = c + QPointF(l.x * r, l.y * r);
            lp.setBrush(land);
            lp.drawPath(blob(lc, l.s * r, 9, 0.32, rng, 1.2, 0.9));
            if (rich && l.s > 0.15) {
                // Forests and deserts so the panel picture rewards a closer look.
                lp.setBrush(QColor(20, 100, 40, 150));
                lp.drawPath(blob(lc + QPointF(-0.05 * r, 0.03 * r), l.s * r * 0.5, 7, 0.35, rng));
                lp.setBrush(QColor(225, 200, 120, 140));
                lp.drawPath(blob(lc + QPointF(0.08 * r, -0.06 * r), l.s * r * 0.25, 6, 0.3, rng));
            }
        }
        // Polar caps.
        lp.setBrush(QColor(245, 250, 255, 230));
        lp.drawEllipse(QPointF(c.x(), c.y() - r * 0.97), r * 0.42, r * 0.16);
        lp.drawEllipse(QPointF(c.x(), c.y() + r * 0.99), r * 0.3, r * 0.1);
        // Cloud streaks.
        lp.setBrush(QColor(255, 255, 255, rich ? 150 : 170));
        const int clouds = rich ? 7 : 4;
        for (int i = 0; i < clouds; ++i) {
            const QPointF cc = c + QPointF(rng.range(-0.6, 0.5) * r, rng.range(-0.7, 0.7) * r);
            lp.drawPath(blob(cc, r * rng.range(0.12, 0.2), 8, 0.3, rng, 2.0, 0.4));
        }
        rimLight(lp, c, r, QColor(170, 230, 255, 200));
        terminator(lp, c, r, 215);
    });
    specular(p, c, r, 130);
    outline(p, cx, disk, QColor(4, 18, 60, 235));
}

namespace {

void drawRing(QPainter& p, const Ctx& cx, const Ring& ring, bool rich) {
    p.save();
    p.setTransform(ring.frame(), true);
    QRadialGradient g(QPointF(0, 0), ring.outer);
    const double a = ring.inner / ring.outer;
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(a, rgb(0xf6dca0, 230));
    g.setColorAt(a + (1 - a) * 0.25, rgb(0xc88a3a, 210));
    if (rich) {
        g.setColorAt(a + (1 - a) * 0.45, rgb(0x6a4020, 90));  // the gap
        g.setColorAt(a + (1 - a) * 0.55, rgb(0xe8c080, 220));
    }
    g.setColorAt(a + (1 - a) * 0.8, rgb(0xb87838, 200));
    g.setColorAt(1.0, rgb(0xf0d090, 160));
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), ring.outer, ring.outer);
    path.addEllipse(QPointF(0, 0), ring.inner, ring.inner);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
    outline(p, cx, ring.annulus(), QColor(60, 30, 5, 200), 0.9);
}

}  // namespace

// Ochre desert world with a bright ring: its wide silhouette alone tells it
// apart from the other two kinds.
void drawDesert(QPainter& p, const Ctx& cx, QPointF c, double r, bool rich) {
    const Ring ring{c, r * 1.28, r * (rich ? 1.8 : 1.72), 0.3, -18.0};
    glow(p, c, r, r * 0.14, QColor(255, 190, 90, 120));
    drawRing(p, cx, ring, rich);

    const QPainterPath disk = circle(c, r).subtracted(ring.front());
    maskedLayer(p, disk, [&](QPainter& lp) {
        lp.setPen(Qt::NoPen);
        lp.setBrush(sphereGradient(c, r, rgb(0xffe2a0), rgb(0xdc8a2c), rgb(0x5a2606)));
        lp.drawEllipse(c, r, r);
        // Latitude bands follow the ring plane.
        lp.save();
        lp.translate(c);
        lp.rotate(-18.0);
        Rng rng(rich ? 5 : 3);
        const int bands = rich ? 9 : 5;
        for (int i = 0; i < bands; ++i) {
            const double y = -r + (i + 0.5) * 2 * r / bands + rng.range(-0.05, 0.05) * r;
            const QColor col = (i % 2) ? QColor(120, 50, 10, 80) : QColor(255, 230, 170, 70);
            lp.setBrush(col);
            lp.drawEllipse(QPointF(0, y), r * 1.2, r / bands * rng.range(0.45, 0.7));
        }
        if (rich) {
            // A great dust storm.
            lp.setBrush(rgb(0xa84a18, 200));
            lp.drawEllipse(QPointF(r * 0.28, r * 0.3), r * 0.2, r * 0.1);
            lp.setBrush(rgb(0xffc070, 160));
            lp.drawEllipse(QPointF(r * 0.26, r * 0.28), r * 0.1, r * 0.045);
        }
        lp.restore();
        rimLight(lp, c, r, QColor(255, 220, 150, 170));
        terminator(lp, c, r, 220);
    });
    specular(p, c, r, 120);
    outline(p, cx, circle(c, r).subtracted(ring.front()), QColor(70, 28, 0, 235));
    // Re-stroke the front ring edge over the planet so it stays crisp.
    outline(p, cx, ring.annulus().intersected(circle(c, r + 2)), QColor(60, 30, 5, 140), 0.8);
}

// Scorched volcanic world: dark crust split by glowing lava.
void drawVolcanic(QPainter& p, const Ctx& cx, QPointF c, double r, bool rich) {
    glow(p, c, r, r * 0.18, QColor(255, 70, 20, 150));
    const QPainterPath disk = circle(c, r);
    maskedLayer(p, disk, [&](QPainter& lp) {
        lp.setPen(Qt::NoPen);
        lp.setBrush(sphereGradient(c, r, rgb(0xcc5a34), rgb(0x6a1a0e), rgb(0x1c0404)));
        lp.drawEllipse(c, r, r);
        Rng rng(rich ? 77 : 13);
        // Craters.
        const int craters = rich ? 11 : 6;
        for (int i = 0; i < craters; ++i) {
            const QPointF cc = c + QPointF(rng.range(-0.7, 0.7) * r, rng.range(-0.7, 0.7) * r);
            const double cr = r * rng.range(0.07, rich ? 0.17 : 0.15);
            lp.setPen(Qt::NoPen);
            lp.setBrush(QColor(20, 0, 0, 120));
            lp.drawEllipse(cc, cr, cr * 0.85);
            lp.setBrush(Qt::NoBrush);
            lp.setPen(QPen(QColor(255, 150, 110, 70), cr * 0.22));
            lp.drawArc(QRectF(cc.x() - cr, cc.y() - cr * 0.85, 2 * cr, 1.7 * cr), -30 * 16,
                       -150 * 16);
        }
        terminator(lp, c, r, 200);
        // Lava is its own light source, so it goes over the shading.
        const int cracks = rich ? 7 : 4;
        for (int i = 0; i < cracks; ++i) {
            QPainterPath crack;
            QPointF pt = c + QPointF(rng.range(-0.6, 0.6) * r, rng.range(-0.6, 0.6) * r);
            double ang = rng.range(0, 2 * M_PI);
            crack.moveTo(pt);
            const int steps = rich ? 7 : 5;
            for (int s = 0; s < steps; ++s) {
                ang += rng.range(-0.9, 0.9);
                pt += QPointF(std::cos(ang), std::sin(ang)) * r * rng.range(0.1, 0.2);
                crack.lineTo(pt);
            }
            QPen wide(QColor(255, 80, 0, 120), std::max(r * 0.12, 2.6 * cx.px), Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin);
            lp.strokePath(crack, wide);
            QPen core(rgb(0xffc040, 240), std::max(r * 0.04, 1.1 * cx.px), Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin);
            lp.strokePath(crack, core);
        }
        if (rich) {
            // Erupting vents.
            for (int i = 0; i < 3; ++i) {
                const QPointF vc = c + QPointF(rng.range(-0.5, 0.5) * r, rng.range(-0.5, 0.5) * r);
                sparkle(lp, vc, r * 0.13, QColor(255, 140, 30, 220));
            }
        }
        rimLight(lp, c, r, QColor(255, 110, 60, 150));
    });
    specular(p, c, r, 60);
    outline(p, cx, disk, QColor(25, 0, 0, 240));
}

namespace {

// ---------------------------------------------------------------- emblems --

QPainterPath starPath(QPointF c, double outer, double inner, int points = 5) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double a = -M_PI / 2 + i * M_PI / points;
        const double rr = (i % 2) ? inner : outer;
        const QPointF pt = c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath hexagon(QPointF c, double r) {
    QPainterPath path;
    for (int i = 0; i < 6; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 3;
        const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

}  // namespace

// The Empire: a black hexagonal shield, blood-red star, golden crown.
void drawEmpire(QPainter& p, const Ctx& cx) {
    const QPointF c(50, 50);
    QPainterPath outer = hexagon(c, 48);
    const auto rim = withStops(QLinearGradient(0, 0, 100, 100),
                               {{0.0, rgb(0xff4a3a)}, {0.5, rgb(0xa00010)}, {1.0, rgb(0x400004)}});
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawPath(outer);

    QPainterPath inner = hexagon(c, 40);
    const auto face = withStops(QRadialGradient(QPointF(40, 35), 60),
                                {{0.0, rgb(0x3a3a44)}, {1.0, rgb(0x050508)}});
    p.setBrush(face);
    p.drawPath(inner);
    outline(p, cx, inner, rgb(0xff5a4a, 200), 0.8);

    const QPainterPath star = starPath(QPointF(50, 58), 26, 10.5);
    const auto sg = withStops(QRadialGradient(QPointF(44, 48), 34),
                              {{0.0, rgb(0xff8a70)}, {0.45, rgb(0xe01020)}, {1.0, rgb(0x600008)}});
    p.setBrush(sg);
    p.setPen(Qt::NoPen);
    p.drawPath(star);
    outline(p, cx, star, rgb(0x1a0000), 1.0);

    // Crown resting on the star's top point.
    QPainterPath crown =
        polygon({{37, 33}, {34, 18}, {42, 25}, {50, 13}, {58, 25}, {66, 18}, {63, 33}});
    const auto cg = withStops(QLinearGradient(0, 13, 0, 33),
                              {{0.0, rgb(0xfff0a0)}, {0.5, rgb(0xf0b020)}, {1.0, rgb(0x905000)}});
    p.setBrush(cg);
    p.setPen(Qt::NoPen);
    p.drawPath(crown);
    outline(p, cx, crown, rgb(0x2a1400), 1.0);
    p.setBrush(rgb(0xff2030));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(50, 28), 2.6, 2.6);

    outline(p, cx, outer, rgb(0x120000), 1.0);
}

namespace {

// ---------------------------------------------------------- player ships --

void flame(QPainter& p, QPointF base, QPointF tip, double halfWidth, QColor mid) {
    const QPointF dir = tip - base;
    const QPointF n(-dir.y(), dir.x());
    const double len = std::hypot(dir.x(), dir.y());
    const QPointF nn = n / len * halfWidth;
    QPainterPath path;
    path.moveTo(base + nn);
    path.quadTo(base + nn + dir * 0.5, tip);
    path.quadTo(base - nn + dir * 0.5, base - nn);
    path.closeSubpath();
    QRadialGradient g(base, len);
    QColor clear = mid;
    clear.setAlpha(0);
    g.setColorAt(0.0, Qt::white);
    g.setColorAt(0.25, rgb(0xfff4a0));
    g.setColorAt(0.55, mid);
    g.setColorAt(1.0, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
}

void glass(QPainter& p, const Ctx& cx, QPointF c, double rx, double ry, QColor tint) {
    const auto g =
        withStops(QRadialGradient(c + QPointF(-rx * 0.35, -ry * 0.4), std::max(rx, ry) * 1.2),
                  {{0.0, Qt::white}, {0.3, tint.lighter(140)}, {1.0, tint.darker(260)}});
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, rx, ry);
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    outline(p, cx, path, QColor(10, 10, 30, 220), 0.8);
}

}  // namespace

// Player symbol: golden rocket standing upright.
void drawShipVert(QPainter& p, const Ctx& cx) {
    flame(p, QPointF(50, 77), QPointF(50, 99), 8, rgb(0xff7a10, 230));

    QPainterPath finL = polygon({{39, 48}, {22, 74}, {23, 86}, {39, 73}});
    QPainterPath finR = QTransform(-1, 0, 0, 1, 100, 0).map(finL);
    const auto fg =
        withStops(QLinearGradient(20, 0, 80, 0), {{0.0, rgb(0xe05a10)}, {1.0, rgb(0x7a2000)}});
    p.setPen(Qt::NoPen);
    p.setBrush(fg);
    p.drawPath(finL);
    p.drawPath(finR);
    outline(p, cx, finL, rgb(0x3a1000));
    outline(p, cx, finR, rgb(0x3a1000));

    QPainterPath nozzle = polygon({{42, 71}, {58, 71}, {61, 79}, {39, 79}});
    const auto ng = withStops(QLinearGradient(39, 0, 61, 0),
                              {{0.0, rgb(0x9a9aa8)}, {0.4, rgb(0xe0e0e8)}, {1.0, rgb(0x34343c)}});
    p.setBrush(ng);
    p.drawPath(nozzle);
    outline(p, cx, nozzle, rgb(0x15151a));

    QPainterPath body;
    body.moveTo(50, 3);
    body.cubicTo(58, 12, 63, 24, 63, 38);
    body.lineTo(61, 73);
    body.lineTo(39, 73);
    body.lineTo(37, 38);
    body.cubicTo(37, 24, 42, 12, 50, 3);
    body.closeSubpath();
    const auto bg = withStops(
        QLinearGradient(37, 0, 63, 0),
        {{0.0, rgb(0xb07808)}, {0.3, rgb(0xfff2a8)}, {0.55, rgb(0xf2c02a)}, {1.0, rgb(0x6a4000)}});
    p.setBrush(bg);
    p.drawPath(body);

    // Red nose cone and belly band.
    QPainterPath nose = body.intersected([] {
        QPainterPath r;
        r.addRect(0, 0, 100, 18);
        return r;
    }());
    const auto noseg =
        withStops(QLinearGradient(40, 0, 60, 0),
                  {{0.0, rgb(0xa01010)}, {0.35, rgb(0xff6a50)}, {1.0, rgb(0x500000)}});
    p.setBrush(noseg);
    p.drawPath(nose);
    p.setBrush(noseg);
    p.drawRect(QRectF(38.2, 58, 23.4, 5));

    // Central fin seen edge-on.
    p.setBrush(rgb(0x8a2800));
    p.drawRect(QRectF(48.6, 62, 2.8, 20));

    glass(p, cx, QPointF(50, 35), 6.5, 6.5, rgb(0x30a0ff));
    outline(p, cx, body, rgb(0x3a2200));
}

// Player symbol: round green flying saucer.
void drawSaucer(QPainter& p, const Ctx& cx) {
    // Tractor glow under the hull.
    const auto beam =
        withStops(QRadialGradient(QPointF(50, 78), 22),
                  {{0.0, QColor(160, 255, 120, 170)}, {1.0, QColor(160, 255, 120, 0)}});
    p.setPen(Qt::NoPen);
    p.setBrush(beam);
    p.drawEllipse(QPointF(50, 78), 26, 12);

    // Underside.
    QPainterPath under;
    under.addEllipse(QPointF(50, 66), 22, 9);
    const auto ug =
        withStops(QLinearGradient(0, 58, 0, 75), {{0.0, rgb(0x506a50)}, {1.0, rgb(0x142014)}});
    p.setBrush(ug);
    p.drawPath(under);
    outline(p, cx, under, rgb(0x051005));

    // Dome.
    QPainterPath dome;
    dome.moveTo(28, 56);
    dome.cubicTo(28, 28, 72, 28, 72, 56);
    dome.closeSubpath();
    const auto dg = withStops(
        QRadialGradient(QPointF(42, 36), 30),
        {{0.0, rgb(0xf0fff0)}, {0.25, rgb(0x9cff8a)}, {0.7, rgb(0x1fae3a)}, {1.0, rgb(0x0a4a18)}});
    p.setBrush(dg);
    p.drawPath(dome);
    outline(p, cx, dome, rgb(0x043010));

    // Disc.
    QPainterPath disc;
    disc.addEllipse(QPointF(50, 58), 47, 15);
    const auto sg = withStops(
        QLinearGradient(0, 43, 0, 73),
        {{0.0, rgb(0xf4fff0)}, {0.35, rgb(0xa8c8a0)}, {0.6, rgb(0x4a7a48)}, {1.0, rgb(0x1a301a)}});
    p.setBrush(sg);
    p.drawPath(disc);
    // Panel seam.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 50, 20, 150), 1.2));
    p.drawArc(QRectF(10, 47, 80, 20), 200 * 16, 140 * 16);
    outline(p, cx, disc, rgb(0x0a200a));

    // Dome again over the disc so it sits on top, lower edge hidden.
    QPainterPath domeTop = dome.subtracted([] {
        QPainterPath r;
        r.addEllipse(QPointF(50, 58), 47, 8);
        return r;
    }());
    p.setPen(Qt::NoPen);
    p.setBrush(dg);
    p.drawPath(domeTop);
    outline(p, cx, domeTop, rgb(0x043010));
    p.setBrush(QColor(255, 255, 255, 180));
    p.drawEllipse(QPointF(41, 40), 5, 3);

    // Running lights.
    const double xs[] = {16, 32, 50, 68, 84};
    for (double x : xs) {
        const double y = 58 + 15 * std::sqrt(std::max(0.0, 1 - std::pow((x - 50) / 47, 2))) * 0.55;
        const auto lg =
            withStops(QRadialGradient(QPointF(x, y), 5),
                      {{0.0, Qt::white}, {0.4, rgb(0xd8ff40)}, {1.0, QColor(200, 255, 60, 0)}});
        p.setBrush(lg);
        p.drawEllipse(QPointF(x, y), 5, 5);
    }
}

// Player symbol: blue cruiser flying to the right.
void drawShipHoriz(QPainter& p, const Ctx& cx) {
    flame(p, QPointF(14, 50), QPointF(-2, 50), 7, rgb(0x30b0ff, 230));

    QPainterPath wingT = polygon({{58, 42}, {30, 14}, {20, 14}, {30, 42}});
    QPainterPath wingB = QTransform(1, 0, 0, -1, 0, 100).map(wingT);
    const auto wg =
        withStops(QLinearGradient(20, 14, 58, 42), {{0.0, rgb(0x9ac8ff)}, {1.0, rgb(0x1a3a8a)}});
    p.setPen(Qt::NoPen);
    p.setBrush(wg);
    p.drawPath(wingT);
    const auto wgb =
        withStops(QLinearGradient(20, 86, 58, 58), {{0.0, rgb(0x3a6ab0)}, {1.0, rgb(0x0a1a50)}});
    p.setBrush(wgb);
    p.drawPath(wingB);
    outline(p, cx, wingT, rgb(0x040c30));
    outline(p, cx, wingB, rgb(0x040c30));
    // Wing-tip lights.
    p.setBrush(rgb(0xffffff));
    p.drawEllipse(QPointF(24, 16), 2.2, 2.2);
    p.drawEllipse(QPointF(24, 84), 2.2, 2.2);

    QPainterPath body;
    body.moveTo(12, 40);
    body.lineTo(62, 38);
    body.cubicTo(80, 39, 92, 45, 97, 50);
    body.cubicTo(92, 55, 80, 61, 62, 62);
    body.lineTo(12, 60);
    body.closeSubpath();
    const auto bg = withStops(
        QLinearGradient(0, 38, 0, 62),
        {{0.0, rgb(0xd8ecff)}, {0.35, rgb(0x5a9aee)}, {0.75, rgb(0x1a4aa8)}, {1.0, rgb(0x081a50)}});
    p.setBrush(bg);
    p.drawPath(body);
    // White racing stripe.
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRect(QRectF(16, 47.6, 50, 2.6));
    outline(p, cx, body, rgb(0x040c30));

    // Engine block.
    QPainterPath engine;
    engine.addRoundedRect(QRectF(8, 42, 10, 16), 2, 2);
    const auto eg =
        withStops(QLinearGradient(0, 42, 0, 58), {{0.0, rgb(0xc0c4d0)}, {1.0, rgb(0x30343c)}});
    p.setBrush(eg);
    p.drawPath(engine);
    outline(p, cx, engine, rgb(0x101018));

    glass(p, cx, QPointF(76, 46), 9, 4.2, rgb(0x40e0ff));
}

// Player symbol: magenta delta-wing darting up and to the right.
void drawDelta(QPainter& p, const Ctx& cx) {
    p.save();
    p.translate(50, 52);
    p.rotate(45);
    p.scale(0.92, 0.92);

    flame(p, QPointF(-9, 24), QPointF(-9, 44), 4.5, rgb(0xff40d0, 220));
    flame(p, QPointF(9, 24), QPointF(9, 44), 4.5, rgb(0xff40d0, 220));

    QPainterPath wing = polygon({{0, -50}, {36, 30}, {0, 18}, {-36, 30}});
    const auto wg = withStops(QLinearGradient(-36, -20, 36, 30),
                              {{0.0, rgb(0xffb8ff)}, {0.4, rgb(0xd02ad0)}, {1.0, rgb(0x3a0048)}});
    p.setPen(Qt::NoPen);
    p.setBrush(wg);
    p.drawPath(wing);

    // Raised spine catches the light.
    QPainterPath spine = polygon({{0, -46}, {8, 22}, {0, 18}, {-8, 22}});
    const auto sg =
        withStops(QLinearGradient(-8, 0, 8, 0), {{0.0, rgb(0xffe0ff)}, {1.0, rgb(0x801080)}});
    p.setBrush(sg);
    p.drawPath(spine);

    // Leading-edge accents.
    p.setPen(QPen(rgb(0xffe060), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-3, -40), QPointF(-30, 23));
    p.drawLine(QPointF(3, -40), QPointF(30, 23));
    outline(p, cx, wing, rgb(0x200028));

    glass(p, cx, QPointF(0, -18), 3.6, 8, rgb(0x50f0ff));
    p.restore();
}

// ---------------------------------------------------------- app emblem --

QPainterPath zGlyph() {
    QPainterPath z = polygon({{30, 30},
                              {72, 30},
                              {72, 39},
                              {44, 63},
                              {72, 63},
                              {70, 72},
                              {28, 72},
                              {28, 63},
                              {56, 39},
                              {32, 39}});
    // A slight slant makes the letter feel fast.
    return QTransform()
        .translate(50, 51)
        .shear(-0.18, 0)
        .scale(0.88, 0.88)
        .translate(-50, -51)
        .map(z);
}

void drawZenthar(QPainter& p, const Ctx& cx) {
    const QPointF c(50, 50);
    // Night-sky badge.
    const auto sky = withStops(QRadialGradient(QPointF(40, 35), 62),
                               {{0.0, rgb(0x2c1a7a)}, {0.6, rgb(0x120a40)}, {1.0, rgb(0x04020e)}});
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawEllipse(c, 48, 48);
    Rng rng(99);
    for (int i = 0; i < 14; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const double d = rng.range(30, 44);
        const double s = rng.range(0.5, 1.2);
        p.setBrush(QColor(255, 255, 255, int(rng.range(140, 255))));
        p.drawEllipse(c + QPointF(std::cos(a) * d, std::sin(a) * d), s, s);
    }
    sparkle(p, QPointF(78, 24), 4, QColor(180, 220, 255, 200));

    const QPointF pc(50, 52);
    const double r = 24;
    const Ring orbit{pc, 40.5, 43.5, 0.32, -22.0};
    // The whole orbit is drawn first; the planet below is cut away where the
    // near half of the orbit passes in front of it.
    p.save();
    p.setTransform(orbit.frame(), true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 20, 0, 200), 4.2));
    p.drawEllipse(QPointF(0, 0), 42, 42);
    p.setPen(QPen(rgb(0xffd870), 2.6));
    p.drawEllipse(QPointF(0, 0), 42, 42);
    p.restore();

    const QPainterPath disk = circle(pc, r).subtracted(orbit.front());
    maskedLayer(p, disk, [&](QPainter& lp) {
        lp.setPen(Qt::NoPen);
        lp.setBrush(sphereGradient(pc, r, rgb(0x9af0ff), rgb(0x3a6ae0), rgb(0x16084a)));
        lp.drawEllipse(pc, r, r);
        lp.setBrush(QColor(140, 90, 255, 90));
        lp.drawEllipse(pc + QPointF(-4, 8), r * 0.9, r * 0.22);
        rimLight(lp, pc, r, QColor(160, 240, 255, 200));
        terminator(lp, pc, r, 200);
    });
    outline(p, cx, circle(pc, r).subtracted(orbit.front()), rgb(0x080420));

    // Moon riding the front of the orbit.
    const QPointF moonPos =
        orbit.frame().map(QPointF(42 * std::cos(M_PI * 0.15), 42 * std::sin(M_PI * 0.15)));
    sparkle(p, moonPos, 5, QColor(255, 220, 120, 230));

    const QPainterPath z = zGlyph();
    p.setPen(QPen(QColor(10, 4, 30, 200), 5.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(z);
    const auto zg = withStops(QLinearGradient(0, 30, 0, 72),
                              {{0.0, rgb(0xffffff)}, {0.45, rgb(0xffe070)}, {1.0, rgb(0xe07a10)}});
    p.setPen(Qt::NoPen);
    p.setBrush(zg);
    p.drawPath(z);

    outline(p, cx, circle(c, 48), rgb(0x8ab8ff), 1.2);
}

namespace {

// ---------------------------------------------------------- battle window --
// These are drawn in a 150x100 (or 100x100) logical space.

}  // namespace

// The attacker swooping in towards the defender, nose right and slightly down.
void drawTracker(QPainter& p, const Ctx& cx) {
    p.save();
    p.translate(75, 50);
    p.rotate(12);
    p.translate(-75, -50);

    flame(p, QPointF(24, 44), QPointF(2, 44), 5, rgb(0xff6010, 230));
    flame(p, QPointF(24, 56), QPointF(2, 56), 5, rgb(0xff6010, 230));

    QPainterPath wingT = polygon({{70, 42}, {40, 12}, {30, 12}, {38, 42}});
    QPainterPath wingB = QTransform(1, 0, 0, -1, 0, 100).map(wingT);
    const auto wg =
        withStops(QLinearGradient(30, 12, 70, 42), {{0.0, rgb(0xb8bcc8)}, {1.0, rgb(0x3a3e4a)}});
    p.setPen(Qt::NoPen);
    p.setBrush(wg);
    p.drawPath(wingT);
    p.setBrush(rgb(0x2a2c34));
    p.drawPath(wingB);
    // Red wing flashes.
    p.setBrush(rgb(0xd81818));
    p.drawPath(QPainterPath(wingT).intersected([] {
        QPainterPath r;
        r.addRect(0, 12, 150, 8);
        return r;
    }()));
    p.drawPath(QPainterPath(wingB).intersected([] {
        QPainterPath r;
        r.addRect(0, 80, 150, 8);
        return r;
    }()));
    outline(p, cx, wingT, rgb(0x0a0a10));
    outline(p, cx, wingB, rgb(0x0a0a10));
    // Wing cannons.
    p.setBrush(rgb(0x8a8e98));
    p.drawRect(QRectF(36, 13, 28, 2.4));
    p.drawRect(QRectF(36, 84.6, 28, 2.4));

    QPainterPath body;
    body.moveTo(22, 38);
    body.lineTo(90, 40);
    body.cubicTo(115, 42, 135, 46, 146, 50);
    body.cubicTo(135, 54, 115, 58, 90, 60);
    body.lineTo(22, 62);
    body.closeSubpath();
    const auto bg = withStops(QLinearGradient(0, 38, 0, 62),
                              {{0.0, rgb(0xeef0f6)}, {0.4, rgb(0x8a90a0)}, {1.0, rgb(0x1e2028)}});
    p.setBrush(bg);
    p.drawPath(body);
    p.setBrush(rgb(0xc81010));
    p.drawPath(body.intersected([] {
        QPainterPath r;
        r.addRect(118, 0, 40, 100);
        return r;
    }()));
    outline(p, cx, body, rgb(0x08080c));
    glass(p, cx, QPointF(100, 46), 13, 4.2, rgb(0xff6040));

    QPainterPath engine;
    engine.addRoundedRect(QRectF(18, 40, 12, 20), 3, 3);
    const auto eg =
        withStops(QLinearGradient(0, 40, 0, 60), {{0.0, rgb(0xc0c0c8)}, {1.0, rgb(0x202024)}});
    p.setBrush(eg);
    p.drawPath(engine);
    outline(p, cx, engine, rgb(0x08080c));
    p.restore();
}

// The defender: a broad, armoured skimmer facing left to meet the attack.
void drawSkimmer(QPainter& p, const Ctx& cx) {
    flame(p, QPointF(134, 46), QPointF(150, 46), 4.5, rgb(0x40a0ff, 220));
    flame(p, QPointF(134, 58), QPointF(150, 58), 4.5, rgb(0x40a0ff, 220));

    QPainterPath hull;
    hull.moveTo(4, 56);
    hull.cubicTo(20, 40, 60, 30, 120, 32);
    hull.lineTo(138, 38);
    hull.lineTo(138, 66);
    hull.lineTo(118, 72);
    hull.cubicTo(70, 74, 25, 68, 4, 56);
    hull.closeSubpath();
    const auto hg = withStops(
        QLinearGradient(0, 30, 0, 74),
        {{0.0, rgb(0xf0fbff)}, {0.35, rgb(0x8cc4d8)}, {0.7, rgb(0x2a6078)}, {1.0, rgb(0x0a1e2a)}});
    p.setPen(Qt::NoPen);
    p.setBrush(hg);
    p.drawPath(hull);
    // Armour plates.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(10, 40, 60, 160), 1.0));
    for (double x : {40.0, 70.0, 100.0})
        p.drawLine(QPointF(x, 35 - (x < 60 ? 2 : 0)), QPointF(x + 4, 72));
    p.setPen(QPen(QColor(10, 40, 60, 160), 1.2));
    p.drawLine(QPointF(12, 58), QPointF(136, 58));
    outline(p, cx, hull, rgb(0x04121a));

    // Bridge tower.
    QPainterPath bridge = polygon({{78, 34}, {86, 20}, {112, 20}, {118, 33}});
    const auto brg =
        withStops(QLinearGradient(0, 20, 0, 34), {{0.0, rgb(0xe8f6ff)}, {1.0, rgb(0x4a7a90)}});
    p.setPen(Qt::NoPen);
    p.setBrush(brg);
    p.drawPath(bridge);
    outline(p, cx, bridge, rgb(0x04121a));
    p.setBrush(rgb(0x60f0ff));
    for (int i = 0; i < 4; ++i) p.drawRect(QRectF(90 + i * 5.5, 24, 3.4, 2.6));

    // Forward turret with twin barrels pointing at the attacker.
    p.setBrush(rgb(0x5a6a78));
    p.drawRect(QRectF(22, 37.5, 22, 2.2));
    p.drawRect(QRectF(22, 41.5, 22, 2.2));
    QPainterPath turret;
    turret.addEllipse(QPointF(48, 42), 8, 5.5);
    const auto tg = withStops(QRadialGradient(QPointF(45, 39), 10),
                              {{0.0, rgb(0xffffff)}, {1.0, rgb(0x3a5a6a)}});
    p.setBrush(tg);
    p.drawPath(turret);
    outline(p, cx, turret, rgb(0x04121a));

    // Hull lights.
    for (int i = 0; i < 6; ++i) {
        const QPointF lc(30 + i * 17, 64 + (i == 0 ? -2 : 0));
        const auto lg =
            withStops(QRadialGradient(lc, 3.5),
                      {{0.0, Qt::white}, {0.4, rgb(0x40c0ff)}, {1.0, QColor(64, 192, 255, 0)}});
        p.setPen(Qt::NoPen);
        p.setBrush(lg);
        p.drawEllipse(lc, 3.5, 3.5);
    }
}

// A ship coming apart in a fireball.
void drawBlownUp(QPainter& p, const Ctx&) {
    const QPointF c(50, 52);
    Rng rng(2024);

    // Shock rays.
    for (int i = 0; i < 16; ++i) {
        const double a = i * 2 * M_PI / 16 + rng.range(-0.12, 0.12);
        const double len = rng.range(34, 48);
        const double w = rng.range(0.06, 0.12);
        QPainterPath ray = polygon({{c + QPointF(std::cos(a - w), std::sin(a - w)) * 12},
                                    {c + QPointF(std::cos(a), std::sin(a)) * len},
                                    {c + QPointF(std::cos(a + w), std::sin(a + w)) * 12}});
        const auto rg = withStops(
            QRadialGradient(c, len),
            {{0.0, rgb(0xffffe0, 230)}, {0.5, rgb(0xffa020, 180)}, {1.0, QColor(255, 60, 0, 0)}});
        p.setPen(Qt::NoPen);
        p.setBrush(rg);
        p.drawPath(ray);
    }

    // Smoke first, then flame puffs over it.
    for (int i = 0; i < 9; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const QPointF sc = c + QPointF(std::cos(a), std::sin(a)) * rng.range(16, 24);
        const double sr = rng.range(10, 15);
        const auto sg = withStops(QRadialGradient(sc, sr), {{0.0, QColor(90, 60, 50, 200)},
                                                            {0.7, QColor(50, 30, 28, 150)},
                                                            {1.0, QColor(30, 20, 20, 0)}});
        p.setBrush(sg);
        p.drawPath(blob(sc, sr, 8, 0.2, rng));
    }
    for (int i = 0; i < 12; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const double d = rng.range(0, 18);
        const QPointF fc = c + QPointF(std::cos(a), std::sin(a)) * d;
        const double fr = rng.range(9, 15) * (1.0 - d / 40.0);
        const auto fg = withStops(QRadialGradient(fc, fr), {{0.0, rgb(0xfff6c0, 240)},
                                                            {0.35, rgb(0xffc030, 230)},
                                                            {0.75, rgb(0xf05010, 200)},
                                                            {1.0, QColor(160, 20, 0, 0)}});
        p.setBrush(fg);
        p.drawPath(blob(fc, fr, 8, 0.25, rng));
    }
    // White-hot core.
    const auto core = withStops(QRadialGradient(c, 14), {{0.0, QColor(255, 255, 255, 255)},
                                                         {0.5, QColor(255, 250, 200, 200)},
                                                         {1.0, QColor(255, 220, 120, 0)}});
    p.setBrush(core);
    p.drawEllipse(c, 14, 14);

    // Hull fragments flung outward.
    for (int i = 0; i < 9; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const QPointF dc = c + QPointF(std::cos(a), std::sin(a)) * rng.range(30, 42);
        QPainterPath shard;
        const double s = rng.range(2.5, 5);
        shard.moveTo(dc + QPointF(rng.range(-1, 1), -s));
        shard.lineTo(dc + QPointF(s, rng.range(-1, 1)));
        shard.lineTo(dc + QPointF(rng.range(-1, 1), s * 0.6));
        shard.lineTo(dc + QPointF(-s * 0.8, rng.range(-1, 1)));
        shard.closeSubpath();
        p.setBrush(rgb(0x5a5e68));
        p.setPen(QPen(rgb(0xff9a30), 0.8));
        p.drawPath(shard);
    }
    // Sparks.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 22; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const QPointF sc = c + QPointF(std::cos(a), std::sin(a)) * rng.range(22, 46);
        const double sr = rng.range(0.8, 1.8);
        p.setBrush(i % 3 ? rgb(0xffe080) : rgb(0xffffff));
        p.drawEllipse(sc, sr, sr);
    }
}

// Decorative banner: dawn over a planet's rim, a gas giant hanging in the sky.
void drawBanner(QPainter& p, const Ctx& cx) {
    Rng rng(314);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const QPointF s(rng.range(0, 300), rng.range(0, 95));
        const double r = rng.range(0.4, 1.1);
        const int tint = int(rng.range(0, 3));
        const QColor col = tint == 0   ? QColor(255, 255, 255)
                           : tint == 1 ? QColor(200, 220, 255)
                                       : QColor(255, 235, 200);
        p.setBrush(QColor(col.red(), col.green(), col.blue(), int(rng.range(120, 255))));
        p.drawEllipse(s, r, r);
    }
    sparkle(p, QPointF(232, 18), 3, QColor(200, 220, 255, 200));
    sparkle(p, QPointF(120, 12), 2.4, QColor(255, 230, 200, 200));

    // Ringed giant, upper left.
    Ctx small{cx.px};
    drawDesert(p, small, QPointF(56, 38), 17, false);
    // Small moon, right.
    drawMoon(p, cx, QPointF(268, 46), 7);
    p.setPen(Qt::NoPen);

    // The planet's rim across the bottom.
    const QPointF pc(150, 540);
    const double pr = 455;
    const auto atmo = withStops(
        QRadialGradient(pc, pr + 22),
        {{pr / (pr + 22) - 0.002, QColor(120, 200, 255, 210)}, {1.0, QColor(60, 120, 255, 0)}});
    p.setBrush(atmo);
    p.drawEllipse(pc, pr + 22, pr + 22);

    const QPainterPath ground = circle(pc, pr);
    maskedLayer(p, ground, [&](QPainter& lp) {
        const auto g =
            withStops(QLinearGradient(0, 85, 0, 120),
                      {{0.0, rgb(0x5aa0e0)}, {0.25, rgb(0x2a5ab0)}, {1.0, rgb(0x060c30)}});
        lp.setPen(Qt::NoPen);
        lp.setBrush(g);
        lp.drawEllipse(pc, pr, pr);
        Rng lr(8);
        for (int i = 0; i < 9; ++i) {
            const QPointF lc(lr.range(0, 300), lr.range(92, 118));
            lp.setBrush(QColor(60, 150, 80, 170));
            lp.drawPath(blob(lc, lr.range(8, 18), 9, 0.3, lr, 2.2, 0.35));
        }
        for (int i = 0; i < 7; ++i) {
            const QPointF cc(lr.range(0, 300), lr.range(88, 110));
            lp.setBrush(QColor(255, 255, 255, 120));
            lp.drawPath(blob(cc, lr.range(6, 14), 8, 0.3, lr, 2.6, 0.3));
        }
        // Night creeps in from the left.
        const auto night = withStops(QLinearGradient(0, 0, 300, 0),
                                     {{0.0, QColor(0, 0, 20, 170)}, {0.55, QColor(0, 0, 20, 0)}});
        lp.setBrush(night);
        lp.drawRect(QRectF(0, 0, 300, 120));
    });
    // Sunrise flare on the horizon.
    const QPointF sun(222, 540 - std::sqrt(pr * pr - 72.0 * 72.0) - 1);
    const auto flare = withStops(QRadialGradient(sun, 40), {{0.0, QColor(255, 255, 255, 255)},
                                                            {0.12, QColor(255, 250, 210, 230)},
                                                            {0.4, QColor(255, 200, 120, 90)},
                                                            {1.0, QColor(255, 160, 80, 0)}});
    p.setBrush(flare);
    p.drawEllipse(sun, 40, 40);
    const auto streak = withStops(QLinearGradient(sun.x() - 90, 0, sun.x() + 90, 0),
                                  {{0.0, QColor(255, 240, 200, 0)},
                                   {0.5, QColor(255, 250, 230, 220)},
                                   {1.0, QColor(255, 240, 200, 0)}});
    p.setBrush(streak);
    p.drawEllipse(sun, 90, 1.4);
}

}  // namespace icons
