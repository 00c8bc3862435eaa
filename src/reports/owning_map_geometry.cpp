// Geometry of the Ownership Map.
#include "reports/owning_map_geometry.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

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

// Rings of places round a symbol or a fleet's point, each a label's height further out, tried
// before the search of the whole map.
constexpr int kRings = 3;
// Further than this from what it names, a label gets a leader line.
constexpr double kLeaderGap = 0.1;

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

double Distance(CmPoint a, CmPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

CmPoint NearestIn(const CmRect& r, CmPoint p) {
    return {std::clamp(p.x, r.x, r.x + r.w), std::clamp(p.y, r.y, r.y + r.h)};
}

CmPoint NearestOnLine(CmPoint p, CmPoint a, CmPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
    return {a.x + t * dx, a.y + t * dy};
}

// The nearest points of two boxes; where their sides face each other, the middle of what the
// two share.
CmLine Between(const CmRect& a, const CmRect& b) {
    auto axis = [](double a0, double a1, double b0, double b1) -> std::pair<double, double> {
        if (a1 <= b0) return {a1, b0};
        if (b1 <= a0) return {a0, b1};
        const double middle = (std::max(a0, b0) + std::min(a1, b1)) / 2;
        return {middle, middle};
    };
    const auto [ax, bx] = axis(a.x, a.x + a.w, b.x, b.x + b.w);
    const auto [ay, by] = axis(a.y, a.y + a.h, b.y, b.y + b.h);
    return {{ax, ay}, {bx, by}};
}

// Whether the line from a to b runs through the box (or touches it).
bool Crosses(const CmRect& r, CmPoint a, CmPoint b) {
    double t0 = 0, t1 = 1;
    const double along[2] = {b.x - a.x, b.y - a.y};
    const double low[2] = {r.x - a.x, r.y - a.y}, high[2] = {r.x + r.w - a.x, r.y + r.h - a.y};
    for (int k = 0; k < 2; ++k) {
        if (along[k] == 0) {
            if (low[k] > 0 || high[k] < 0) return false;
            continue;
        }
        const double u = low[k] / along[k], v = high[k] / along[k];
        t0 = std::max(t0, std::min(u, v));
        t1 = std::min(t1, std::max(u, v));
        if (t0 > t1) return false;
    }
    return true;
}

// Free places among `places`, counted up to `enough`.
int FreeCount(const std::vector<CmRect>& places, const std::vector<CmRect>& taken, int enough) {
    int free = 0;
    for (const CmRect& c : places)
        if (Free(c, taken) && ++free >= enough) break;
    return free;
}

// The last resort: the free place nearest what the label names, searched over the whole window
// in steps of half the label's height.
template <class Distance>
std::optional<CmRect> NearestFree(const CmPoint& size, const std::vector<CmRect>& taken,
                                  double width, double height, const Distance& distance) {
    const double step = std::max(0.05, std::min(size.x, size.y) / 2);
    auto stops = [step](double room) {
        std::vector<double> at;
        for (double v = 0; v < room; v += step) at.push_back(v);
        at.push_back(std::max(0.0, room));
        return at;
    };
    const std::vector<double> xs = stops(width - size.x);
    std::optional<CmRect> best;
    double nearest = 0;
    for (double y : stops(height - size.y))
        for (double x : xs) {
            const CmRect c{x, y, size.x, size.y};
            const double d = distance(c);
            if ((!best || d < nearest) && Free(c, taken)) {
                best = c;
                nearest = d;
            }
        }
    return best;
}

// Places one label of each list of places (best first). A label whose first place is free and
// wanted by no other takes it, so a map with room to spare looks as it always did; then the
// label with the fewest free places left goes next, to its first free place, or failing all to
// the free place nearest what it names.
template <class Distance>
std::vector<CmRect> PlaceAll(const std::vector<std::vector<CmRect>>& places,
                             std::vector<CmRect> taken, double width, double height,
                             const Distance& distance) {
    const std::size_t n = places.size();
    std::vector<CmRect> placed(n);
    std::vector<bool> done(n, false);
    std::vector<bool> wanted(n);
    for (std::size_t i = 0; i < n; ++i) wanted[i] = Free(places[i].front(), taken);
    for (std::size_t i = 0; i < n; ++i) {
        done[i] = wanted[i];
        for (std::size_t j = 0; j < n && done[i]; ++j)
            if (j != i && wanted[j] && places[i].front().intersects(places[j].front()))
                done[i] = false;
        if (done[i]) placed[i] = places[i].front();
    }
    for (std::size_t i = 0; i < n; ++i)
        if (done[i]) taken.push_back(placed[i]);

    for (auto left = std::count(done.begin(), done.end(), false); left > 0; --left) {
        std::size_t next = n;
        int fewest = std::numeric_limits<int>::max();
        for (std::size_t i = 0; i < n; ++i)
            if (!done[i])
                if (const int free = FreeCount(places[i], taken, fewest); free < fewest) {
                    fewest = free;
                    next = i;
                }
        const std::vector<CmRect>& own = places[next];
        std::optional<CmRect> chosen;
        for (auto c = own.begin(); c != own.end() && !chosen; ++c)
            if (Free(*c, taken)) chosen = *c;
        if (!chosen)
            chosen = NearestFree({own.front().w, own.front().h}, taken, width, height,
                                 [&](const CmRect& r) { return distance(next, r); });
        placed[next] = chosen.value_or(own.front());
        done[next] = true;
        taken.push_back(placed[next]);
    }
    return placed;
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
    std::vector<std::vector<CmRect>> places;
    for (std::size_t i = 0; i < symbols.size() && i < sizes.size(); ++i) {
        const CmRect& s = symbols[i];
        const CmPoint& n = sizes[i];
        std::vector<CmRect>& own = places.emplace_back();
        for (int ring = 0; ring <= kRings; ++ring) {
            const double gap = ring * n.y;
            const double below = s.y + s.h + gap, above = s.y - n.y - gap;
            const double beside = s.y + (s.h - n.y) / 2;
            const double left = s.x, centred = s.x + (s.w - n.x) / 2, right = s.x + s.w - n.x;
            for (const auto& [x, y] :
                 std::initializer_list<std::pair<double, double>>{{left, below},
                                                                  {centred, below},
                                                                  {right, below},
                                                                  {left, above},
                                                                  {centred, above},
                                                                  {right, above},
                                                                  {s.x + s.w + gap, beside},
                                                                  {s.x - n.x - gap, beside}})
                own.push_back(Within(x, y, n, width, height));
        }
    }
    return PlaceAll(places, symbols, width, height, [&](std::size_t i, const CmRect& r) {
        const CmLine l = Between(symbols[i], r);
        return Distance(l.from, l.to);
    });
}

std::vector<CmRect> PlaceFleetLabels(const std::vector<FleetDrawing>& fleets,
                                     const std::vector<CmPoint>& sizes, std::vector<CmRect> taken,
                                     double width, double height) {
    std::vector<std::vector<CmRect>> places;
    for (std::size_t k = 0; k < fleets.size() && k < sizes.size(); ++k) {
        const FleetDrawing& f = fleets[k];
        const CmPoint& n = sizes[k];
        std::vector<CmRect>& own = places.emplace_back();
        own.push_back(Within(f.label.x, f.label.y, n, width, height));
        for (double t : {0.5, 0.65, 0.43, 0.72, 0.35, 0.8, 0.28, 0.87, 0.2, 0.93, 0.13}) {
            const double x = f.lineFrom.x + t * (f.lineTo.x - f.lineFrom.x);
            const double y = f.lineFrom.y + t * (f.lineTo.y - f.lineFrom.y);
            for (const auto& [dx, dy] : std::initializer_list<std::pair<double, double>>{
                     {0, 0}, {0, -n.y}, {-n.x, 0}, {-n.x, -n.y}})
                own.push_back(Within(x + dx, y + dy, n, width, height));
        }
        const CmPoint p = f.label;
        for (int ring = 1; ring <= kRings; ++ring) {
            const double gap = ring * n.y;
            for (const auto& [x, y] : std::initializer_list<std::pair<double, double>>{
                     {p.x - n.x / 2, p.y + gap},
                     {p.x - n.x / 2, p.y - n.y - gap},
                     {p.x + gap, p.y + gap},
                     {p.x - n.x - gap, p.y + gap},
                     {p.x + gap, p.y - n.y - gap},
                     {p.x - n.x - gap, p.y - n.y - gap}})
                own.push_back(Within(x, y, n, width, height));
        }
    }
    return PlaceAll(places, std::move(taken), width, height, [&](std::size_t k, const CmRect& r) {
        return Distance(NearestIn(r, fleets[k].label), fleets[k].label);
    });
}

std::optional<CmLine> NameLeader(const CmRect& symbol, const CmRect& name) {
    const CmLine l = Between(symbol, name);
    if (Distance(l.from, l.to) <= kLeaderGap) return std::nullopt;
    return l;
}

std::optional<CmLine> FleetLeader(const FleetDrawing& f, const CmRect& label) {
    if (Crosses(label, f.lineFrom, f.lineTo)) return std::nullopt;
    // The shortest line between the two runs from an end of the fleet's line or to a corner.
    CmLine best{f.lineFrom, NearestIn(label, f.lineFrom)};
    auto consider = [&best](CmPoint from, CmPoint to) {
        if (Distance(from, to) < Distance(best.from, best.to)) best = {from, to};
    };
    consider(f.lineTo, NearestIn(label, f.lineTo));
    for (const CmPoint corner :
         {CmPoint{label.x, label.y}, CmPoint{label.x + label.w, label.y},
          CmPoint{label.x, label.y + label.h}, CmPoint{label.x + label.w, label.y + label.h}})
        consider(NearestOnLine(corner, f.lineFrom, f.lineTo), corner);
    if (Distance(best.from, best.to) <= kLeaderGap) return std::nullopt;
    return best;
}

}  // namespace zenthar
