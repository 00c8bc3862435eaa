// Where the Ownership Map puts things, in centimetres from the window's top-left corner: the
// planets' symbols scaled from their map positions, and the lines, dots and labels of the
// current player's task forces in fleets mode.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/state.h"

namespace zenthar {

struct CmPoint {
    double x = 0;
    double y = 0;
};

struct OwningMapMetrics {
    double MW = 0;       // inner width minus 2 cm
    int MH = 0;          // inner height minus 2 cm, rounded half to even
    double symbolW = 0;  // size of one owner symbol
    double symbolH = 0;
};

OwningMapMetrics MakeOwningMapMetrics(double innerWidthCm, double innerHeightCm, double symbolWCm,
                                      double symbolHCm);

// Top-left corner of a planet's symbol: x = MW * XPos / 45, y = YPos * MH / 45.
CmPoint SymbolPosition(const OwningMapMetrics& m, int xPos, int yPos);
// Where the planet's name is printed: under the symbol, at its left edge.
CmPoint NamePosition(const OwningMapMetrics& m, int xPos, int yPos);

inline constexpr double kFleetDotRadius = 0.08;
inline constexpr double kFleetDotOffset = 0.06;
inline constexpr double kFleetDotDrop = 0.02;
inline constexpr double kFleetLabelFraction = 0.57;

struct FleetDrawing {
    CmPoint lineFrom;
    CmPoint lineTo;
    CmPoint dot;       // centre of the red dot
    CmPoint label;     // top-left of the "ships/year" label
    std::string text;  // "12/4105"
};

// A box on the map, in centimetres.
struct CmRect {
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
    bool intersects(const CmRect& o) const {
        return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
    }
    // A box moved flush with an edge may end a rounding error beyond it: far less than a pixel.
    bool inside(double width, double height) const {
        constexpr double slack = 1e-9;
        return x >= 0 && y >= 0 && x + w <= width + slack && y + h <= height + slack;
    }
};

// The boxes of the planets' symbols, in planet order.
std::vector<CmRect> SymbolBoxes(const GameState& st, const OwningMapMetrics& m);

// Where each planet's name is printed, in planet order, given the size of each name: under the
// symbol at its left edge, as always, wherever that covers no symbol and no other name there.
// The rest are placed most crowded first, each on the first free one of a few places round its
// symbol (below, above, beside it), then of the same places further out, and failing those on
// the free place nearest its symbol anywhere on the map. A name covers no symbol and no other
// name as long as the window has room left for it anywhere, and lies wholly inside the window
// (width x height), so no name is cut at an edge.
std::vector<CmRect> PlaceNames(const std::vector<CmRect>& symbols,
                               const std::vector<CmPoint>& sizes, double width, double height);

// The drawing of one task force; nothing when its start or destination names no planet of
// this game (a damaged saved game must not bring the map down).
std::optional<FleetDrawing> FleetGeometry(const GameState& st, const OwningMapMetrics& m,
                                          const TaskForceRecord& tf);

// Where each fleet's "ships/year" label goes, given its size: at its point 57 % of the way as
// before where that is free; the rest most crowded first, moved along and beside the line, then
// further out round that point, and failing those to the free place nearest the line anywhere.
// Covers none of `taken` (symbols and names) and no other label while the window has room, and
// lies inside the window.
std::vector<CmRect> PlaceFleetLabels(const std::vector<FleetDrawing>& fleets,
                                     const std::vector<CmPoint>& sizes, std::vector<CmRect> taken,
                                     double width, double height);

struct CmLine {
    CmPoint from;
    CmPoint to;
};

// A label the crowd pushed away from what it names is tied to it by a thin line: from the
// symbol's edge, or from the fleet's line, to the label's near edge. Nothing for a label that
// sits against its symbol or on its line.
std::optional<CmLine> NameLeader(const CmRect& symbol, const CmRect& name);
std::optional<CmLine> FleetLeader(const FleetDrawing& f, const CmRect& label);

}  // namespace zenthar
