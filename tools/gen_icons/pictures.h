// The pictures of the game, drawn in a logical square (wider for the battle pictures) and
// scaled to the size asked for, so every size of one picture is the same drawing.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <functional>

namespace icons {

// Small LCG rather than <random> distributions, whose output is allowed to
// differ between standard libraries; the art must not change with the compiler.
struct Rng {
    quint32 s;
    explicit Rng(quint32 seed) : s(seed * 2654435761u + 12345u) {}
    double next() {
        s = s * 1664525u + 1013904223u;
        return double(s >> 8) / 16777216.0;
    }
    double range(double a, double b) { return a + (b - a) * next(); }
};

// Logical units per output pixel, so outlines can stay about one pixel wide
// whatever the target size.
struct Ctx {
    double px;
};

using DrawFn = std::function<void(QPainter&, const Ctx&)>;

QImage render(const DrawFn& fn, int w, int h, double logicalW = 100, double logicalH = 100);

// Ring as a flat annulus in its own tilted frame.
struct Ring {
    QPointF c;
    double inner, outer, squash, tilt;

    QTransform frame() const {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(tilt);
        t.scale(1.0, squash);
        return t;
    }
    QPainterPath annulus() const {
        QPainterPath path;
        path.addEllipse(QPointF(0, 0), outer, outer);
        path.addEllipse(QPointF(0, 0), inner, inner);
        return frame().map(path);
    }
    // The half of the ring that passes in front of the planet.
    QPainterPath front() const {
        QPainterPath ring;
        ring.addEllipse(QPointF(0, 0), outer + 1, outer + 1);
        ring.addEllipse(QPointF(0, 0), inner - 1, inner - 1);
        QPainterPath half;
        half.addRect(-outer - 2, 0, 2 * outer + 4, outer + 2);
        return frame().map(ring.intersected(half));
    }
};

// The letter Z of the app emblem, shared with its scalable form.
QPainterPath zGlyph();

void drawMoon(QPainter& p, const Ctx& cx, QPointF c, double r);
void drawLush(QPainter& p, const Ctx& cx, QPointF c, double r, bool rich);
void drawDesert(QPainter& p, const Ctx& cx, QPointF c, double r, bool rich);
void drawVolcanic(QPainter& p, const Ctx& cx, QPointF c, double r, bool rich);
void drawEmpire(QPainter& p, const Ctx& cx);
void drawShipVert(QPainter& p, const Ctx& cx);
void drawSaucer(QPainter& p, const Ctx& cx);
void drawShipHoriz(QPainter& p, const Ctx& cx);
void drawDelta(QPainter& p, const Ctx& cx);
void drawZenthar(QPainter& p, const Ctx& cx);
void drawTracker(QPainter& p, const Ctx& cx);
void drawSkimmer(QPainter& p, const Ctx& cx);
void drawBlownUp(QPainter& p, const Ctx& cx);
void drawBanner(QPainter& p, const Ctx& cx);

}  // namespace icons
