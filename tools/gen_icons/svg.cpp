// The scalable app emblem for desktops that scale icons freely.
#include "svg.h"

#include <QString>

#include <cmath>

#include "pictures.h"

namespace icons {
namespace {

QString svgNumber(double v) {
    return QString::number(v, 'f', 3);
}

QString svgPath(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo())
            d += QStringLiteral("M%1 %2 ").arg(svgNumber(e.x), svgNumber(e.y));
        else if (e.isLineTo())
            d += QStringLiteral("L%1 %2 ").arg(svgNumber(e.x), svgNumber(e.y));
        else if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
            const QPainterPath::Element b = path.elementAt(i + 1), c = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6 ")
                     .arg(svgNumber(e.x), svgNumber(e.y), svgNumber(b.x), svgNumber(b.y),
                          svgNumber(c.x), svgNumber(c.y));
            i += 2;
        }
    }
    return d + QLatin1Char('Z');
}

}  // namespace

// The application emblem for desktops that scale icons freely: the same badge, stars, orbit,
// planet and letter as drawZenthar, from the same geometry, without its raster-only shading.
QByteArray zentharSvg() {
    const QPointF c(50, 50), pc(50, 52);
    const double r = 24;
    const Ring orbit{pc, 40.5, 43.5, 0.32, -22.0};
    const QTransform f = orbit.frame();
    const QString matrix = QStringLiteral("matrix(%1 %2 %3 %4 %5 %6)")
                               .arg(svgNumber(f.m11()), svgNumber(f.m12()), svgNumber(f.m21()),
                                    svgNumber(f.m22()), svgNumber(f.dx()), svgNumber(f.dy()));
    QString out;
    out += QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 100 100\">\n<defs>\n"
        "<radialGradient id=\"sky\" cx=\"40\" cy=\"35\" r=\"62\" "
        "gradientUnits=\"userSpaceOnUse\">"
        "<stop offset=\"0\" stop-color=\"#2c1a7a\"/>"
        "<stop offset=\"0.6\" stop-color=\"#120a40\"/>"
        "<stop offset=\"1\" stop-color=\"#04020e\"/></radialGradient>\n"
        "<radialGradient id=\"planet\" cx=\"42\" cy=\"44\" r=\"30\" "
        "gradientUnits=\"userSpaceOnUse\">"
        "<stop offset=\"0\" stop-color=\"#9af0ff\"/>"
        "<stop offset=\"0.55\" stop-color=\"#3a6ae0\"/>"
        "<stop offset=\"1\" stop-color=\"#16084a\"/></radialGradient>\n"
        "<linearGradient id=\"letter\" x1=\"0\" y1=\"30\" x2=\"0\" y2=\"72\" "
        "gradientUnits=\"userSpaceOnUse\">"
        "<stop offset=\"0\" stop-color=\"#ffffff\"/>"
        "<stop offset=\"0.45\" stop-color=\"#ffe070\"/>"
        "<stop offset=\"1\" stop-color=\"#e07a10\"/></linearGradient>\n"
        "<clipPath id=\"behind\"><path clip-rule=\"evenodd\" d=\"M0 0 L100 0 "
        "L100 100 L0 100 Z ");
    out += svgPath(orbit.front()) + QStringLiteral("\"/></clipPath>\n</defs>\n");
    out += QStringLiteral("<circle cx=\"50\" cy=\"50\" r=\"48\" fill=\"url(#sky)\"/>\n");
    Rng rng(99);
    for (int i = 0; i < 14; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const double d = rng.range(30, 44);
        const double s = rng.range(0.5, 1.2);
        const double alpha = rng.range(140, 255) / 255.0;
        out += QStringLiteral(
                   "<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#ffffff\" "
                   "fill-opacity=\"%4\"/>\n")
                   .arg(svgNumber(c.x() + std::cos(a) * d), svgNumber(c.y() + std::sin(a) * d),
                        svgNumber(s), svgNumber(alpha));
    }
    out += QStringLiteral(
               "<g transform=\"%1\" fill=\"none\">"
               "<circle r=\"42\" stroke=\"#281400\" stroke-opacity=\"0.78\" "
               "stroke-width=\"4.2\"/>"
               "<circle r=\"42\" stroke=\"#ffd870\" stroke-width=\"2.6\"/></g>\n")
               .arg(matrix);
    out += QStringLiteral(
               "<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#planet)\" "
               "stroke=\"#080420\" stroke-width=\"0.8\" clip-path=\"url(#behind)\"/>\n")
               .arg(svgNumber(pc.x()), svgNumber(pc.y()), svgNumber(r));
    const QString z = svgPath(zGlyph());
    out += QStringLiteral(
               "<path d=\"%1\" fill=\"none\" stroke=\"#0a041e\" stroke-opacity=\"0.78\" "
               "stroke-width=\"5\" stroke-linejoin=\"miter\"/>\n"
               "<path d=\"%1\" fill=\"url(#letter)\"/>\n")
               .arg(z);
    out += QStringLiteral(
        "<circle cx=\"50\" cy=\"50\" r=\"48\" fill=\"none\" stroke=\"#8ab8ff\" "
        "stroke-width=\"1.2\"/>\n</svg>\n");
    return out.toUtf8();
}

}  // namespace icons
