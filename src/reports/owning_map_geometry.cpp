// Geometry of the Ownership Map.
#include "reports/owning_map_geometry.h"

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

}  // namespace zenthar
