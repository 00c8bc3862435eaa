// Axes of the charts.
#include "reports/chart_axes.h"

#include <algorithm>

namespace zenthar {
namespace {

// The smallest step of 1, 2 or 5 times a power of ten that covers `span` in `most` steps.
long long NiceStep(long long span, int most) {
    most = std::max(1, most);
    for (long long power = 1;; power *= 10)
        for (long long m : {1, 2, 5})
            if (m * power * most >= span || m * power > span) return m * power;
}

long long FloorTo(long long v, long long step) {
    const long long q = v / step;
    return (v % step != 0 && v < 0 ? q - 1 : q) * step;
}

long long CeilTo(long long v, long long step) {
    return -FloorTo(-v, step);
}

}  // namespace

WholeAxis YearAxis(long long first, long long last, int most) {
    if (last < first) std::swap(first, last);
    // One year alone: the axis runs from the year before, so it still ends at the year shown.
    if (last == first) --first;
    const long long step = NiceStep(last - first, most);
    return {first, last, step, CeilTo(first, step)};
}

WholeAxis CountAxis(long long lo, long long hi, int most) {
    if (hi < lo) std::swap(lo, hi);
    if (hi == lo) ++hi;
    const long long step = NiceStep(hi - lo, most);
    const long long from = FloorTo(lo, step);
    return {from, CeilTo(hi, step), step, from};
}

std::optional<int> SideApart(const std::vector<ChartLine>& lines,
                             const std::vector<int>& hiddenSides) {
    auto hidden = [&](int side) {
        return std::find(hiddenSides.begin(), hiddenSides.end(), side) != hiddenSides.end();
    };
    long long empire = -1, players = 0;
    for (const ChartLine& line : lines) {
        if (hidden(line.side)) continue;
        long long top = 0;
        for (const auto& point : line.points) top = std::max<long long>(top, point.second);
        if (line.side == kEmpire)
            empire = top;
        else
            players = std::max(players, top);
    }
    if (empire < 0 || players <= 0 || empire < kApartRatio * players) return std::nullopt;
    return kEmpire;
}

}  // namespace zenthar
