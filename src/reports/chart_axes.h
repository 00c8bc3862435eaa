// How the charts of Statistics and of the story lay out their axes: ticks on whole numbers
// only (there is no half a year or half a ship), the year axis ending at the last recorded year,
// and a side whose figures dwarf everybody else's drawn against a scale of its own.
#pragma once

#include <optional>
#include <vector>

#include "reports/statistics.h"

namespace zenthar {

struct WholeAxis {
    long long lo = 0;
    long long hi = 1;
    long long step = 1;    // 1, 2 or 5 times a power of ten
    long long anchor = 0;  // the first tick: the first multiple of step from lo
};

// An axis for the values lo..hi with at most `most` steps between ticks. Years keep their
// ends exactly (the axis stops at the last year on record); counts start at lo and round hi up
// to a whole step, so the highest line has room above it. A single value gets one step.
WholeAxis YearAxis(long long first, long long last, int most);
WholeAxis CountAxis(long long lo, long long hi, int most);

// The side to draw against a scale of its own: the Empire, when its highest value on the
// chart is at least kApartRatio times every shown player's highest (which is above zero), so
// the players' lines are not flattened against the bottom of the chart.
inline constexpr int kApartRatio = 4;
std::optional<int> SideApart(const std::vector<ChartLine>& lines,
                             const std::vector<int>& hiddenSides);

}  // namespace zenthar
