// Geometry of the Ownership Map.
#include "reports/owning_map_geometry.h"

#include <algorithm>
#include <initializer_list>

#include "game/numbers.h"
#include "turn/lookups.h"

namespace zenthar {

OwningMapMetrics MakeOwningMapMetrics(double innerWidthCm, double innerHeightCm, double symbolWCm,
                                      double symbolHCm) {
    OwningMapMetrics m;
    m.MW = innerWidthCm - 2.0;
    m.MH = static_cast<int>(Round(innerHeightCm - 2.0));
    m.symbolW = symbolWCm;
    m.symbolH = symbolHCm;
    return m;
}

CmPoint SymbolPosition(const OwningMapMetrics& m, int xPos, int yPos) {
    // The height is scaled through a whole-number product, the width through a fraction; the
    // map keeps that difference so planets sit where players are used to seeing them.
    const long long yProduct = static_cast<long long>(yPos) * m.MH;
    return {m.MW * xPos / 45.0, static_cast<double>(yProduct) / 45.0};
}

CmPoint NamePosition(const OwningMapMetrics& m, int xPos, int yPos) {
    CmPoint p = SymbolPosition(m, xPos, yPos);
    p.y += m.symbolH;
    return p;
}

std::optional<FleetDrawing> FleetGeometry(const GameState& st, const OwningMapMetrics& m,
                                          const TaskForceRecord& tf) {
    const int s = FindPlanetIndex(st, tf.StartPl.padded());
    const int d = FindPlanetIndex(st, tf.EndPl.padded());
    if (s < 0 || d < 0) return std::nullopt;

    const CmPoint from = SymbolPosition(m, st.planet(s).XPos, st.planet(s).YPos);
    const CmPoint to = SymbolPosition(m, st.planet(d).XPos, st.planet(d).YPos);
    const double x1 = from.x;
    const double y1 = from.y;
    double x2 = to.x;
    const double y2 = to.y;
    // Going left, the line ends at the right edge of the destination's symbol.
    if (x2 < x1) x2 += m.symbolW;

    FleetDrawing f;
    f.lineFrom = {x1, y1 + m.symbolH / 2};
    f.lineTo = {x2, y2 + m.symbolH / 2};
    const double dotX = x2 > x1 ? x2 - kFleetDotOffset : x2 + kFleetDotOffset;
    f.dot = {dotX, y2 + kFleetDotDrop + m.symbolH / 2};
    f.label = {x1 + kFleetLabelFraction * (x2 - x1), y1 + kFleetLabelFraction * (y2 - y1)};
    f.text = FormatPlain(tf.NumOfShips) + "/" + FormatPlain(tf.RemTurns);
    return f;
}

namespace {

// A box of the given size with its corner at (x, y), moved the least needed to lie inside.
CmRect Within(double x, double y, const CmPoint& size, double width, double height) {
    return {std::clamp(x, 0.0, std::max(0.0, width - size.x)),
            std::clamp(y, 0.0, std::max(0.0, height - size.y)), size.x, size.y};
}

bool Free(const CmRect& r, const std::vector<CmRect>& taken) {
    for (const CmRect& t : taken)
        if (r.intersects(t)) return false;
    return true;
}

}  // namespace

std::vector<CmRect> SymbolBoxes(const GameState& st, const OwningMapMetrics& m) {
    std::vector<CmRect> boxes;
    const int planets = std::clamp(st.PlanetsNum, 0, kPlanetSlots);
    for (int i = 0; i < planets; ++i) {
        const CmPoint at = SymbolPosition(m, st.planet(i).XPos, st.planet(i).YPos);
        boxes.push_back({at.x, at.y, m.symbolW, m.symbolH});
    }
    return boxes;
}

std::vector<CmRect> PlaceNames(const std::vector<CmRect>& symbols,
                               const std::vector<CmPoint>& sizes, double width, double height) {
    std::vector<CmRect> names;
    for (std::size_t i = 0; i < symbols.size() && i < sizes.size(); ++i) {
        const CmRect& s = symbols[i];
        const CmPoint& n = sizes[i];
        const double below = s.y + s.h, above = s.y - n.y, beside = s.y + (s.h - n.y) / 2;
        const double left = s.x, centred = s.x + (s.w - n.x) / 2, right = s.x + s.w - n.x;
        std::vector<CmRect> candidates;
        for (const auto& [x, y] :
             std::initializer_list<std::pair<double, double>>{{left, below},
                                                              {centred, below},
                                                              {right, below},
                                                              {left, above},
                                                              {centred, above},
                                                              {right, above},
                                                              {s.x + s.w, beside},
                                                              {s.x - n.x, beside}})
            candidates.push_back(Within(x, y, n, width, height));
        // Clear of every symbol and of the names before; failing that, of the
        // symbols alone; failing that, where it always went.
        CmRect chosen = candidates.front();
        bool found = false;
        for (const CmRect& c : candidates)
            if (Free(c, symbols) && Free(c, names)) {
                chosen = c;
                found = true;
                break;
            }
        if (!found)
            for (const CmRect& c : candidates)
                if (Free(c, symbols)) {
                    chosen = c;
                    break;
                }
        names.push_back(chosen);
    }
    return names;
}

std::vector<CmRect> PlaceFleetLabels(const std::vector<FleetDrawing>& fleets,
                                     const std::vector<CmPoint>& sizes, std::vector<CmRect> taken,
                                     double width, double height) {
    std::vector<CmRect> labels;
    for (std::size_t k = 0; k < fleets.size() && k < sizes.size(); ++k) {
        const FleetDrawing& f = fleets[k];
        const CmPoint& n = sizes[k];
        CmRect chosen = Within(f.label.x, f.label.y, n, width, height);
        bool found = Free(chosen, taken);
        for (double t : {0.5, 0.65, 0.43, 0.72, 0.35, 0.8, 0.28, 0.87, 0.2, 0.93, 0.13}) {
            if (found) break;
            const double x = f.lineFrom.x + t * (f.lineTo.x - f.lineFrom.x);
            const double y = f.lineFrom.y + t * (f.lineTo.y - f.lineFrom.y);
            for (const auto& [dx, dy] : std::initializer_list<std::pair<double, double>>{
                     {0, 0}, {0, -n.y}, {-n.x, 0}, {-n.x, -n.y}}) {
                const CmRect c = Within(x + dx, y + dy, n, width, height);
                if (Free(c, taken)) {
                    chosen = c;
                    found = true;
                    break;
                }
            }
        }
        labels.push_back(chosen);
        taken.push_back(chosen);
    }
    return labels;
}

}  // namespace zenthar
