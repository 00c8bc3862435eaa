// Where the Ownership Map puts things, in centimetres from the window's top-left corner: the
// planets' symbols scaled from their map positions, and the lines, dots and labels of the
// current player's task forces in fleets mode.
#pragma once

#include <optional>
#include <string>

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

// The drawing of one task force; nothing when its start or destination names no planet of
// this game (a damaged saved game must not bring the map down).
std::optional<FleetDrawing> FleetGeometry(const GameState& st, const OwningMapMetrics& m,
                                          const TaskForceRecord& tf);

}  // namespace zenthar
