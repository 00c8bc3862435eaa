// Where the Ownership Map prints names and fleet labels: never cut by an edge, never over a
// symbol or another label where a free place exists, tied by a line to what they name when the
// crowd pushed them away.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "reports/owning_map_geometry.h"

namespace zenthar {
namespace {

bool Overlap(const std::vector<CmRect>& a, const std::vector<CmRect>& b, bool same) {
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = same ? i + 1 : 0; j < b.size(); ++j)
            if (a[i].intersects(b[j])) return true;
    return false;
}

TEST(OwningMapLabels, NamesStayInsideAndClearAndFleetLabelsAvoidNamesSymbolsAndEachOther) {
    // A 20 x 10 cm window; symbols 1 cm; names 3 cm x 0.4 cm.
    const std::vector<CmRect> symbols = {
        {2, 2, 1, 1},      // room below: where names always went
        {18.5, 4, 1, 1},   // at the right edge: the name moves left to end inside
        {5, 9.0, 1, 1},    // at the bottom: the name goes above
        {2, 3.2, 1, 1},    // where the first one's name would go: that name goes above
        {-0.5, 6, 1, 1}};  // half off the left edge (a damaged position): the name stays inside
    const std::vector<CmPoint> sizes(symbols.size(), CmPoint{3, 0.4});
    const std::vector<CmRect> names = PlaceNames(symbols, sizes, 20, 10);
    ASSERT_EQ(names.size(), symbols.size());
    const auto at = [](const CmRect& r) { return std::pair(r.x, r.y); };
    EXPECT_EQ((std::vector{at(names[0]), at(names[1]), at(names[2]), at(names[3]), at(names[4])}),
              (std::vector<std::pair<double, double>>{
                  {2.0, 2.0 - 0.4}, {17.0, 5.0}, {5.0, 9.0 - 0.4}, {2.0, 4.2}, {0.0, 7.0}}));
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_TRUE(names[i].inside(20, 10)) << i;
        for (std::size_t j = 0; j < symbols.size(); ++j)
            EXPECT_FALSE(names[i].intersects(symbols[j])) << i << " over " << j;
    }
    EXPECT_FALSE(Overlap(names, names, true));

    // Fleets: one whose 57 % point falls on the first name, one at the far right edge.
    const FleetDrawing over{
        .lineFrom = {0.5, 3.2}, .lineTo = {4.0, 3.2}, .dot = {}, .label = {2.5, 3.0}, .text = {}};
    const FleetDrawing edge{
        .lineFrom = {10, 7}, .lineTo = {19.9, 7}, .dot = {}, .label = {19.5, 7}, .text = {}};
    std::vector<CmRect> taken = symbols;
    taken.insert(taken.end(), names.begin(), names.end());
    const std::vector<CmRect> labels = PlaceFleetLabels(
        {over, edge, edge}, std::vector<CmPoint>(3, CmPoint{1.2, 0.3}), taken, 20, 10);
    ASSERT_EQ(labels.size(), 3u);
    for (const CmRect& l : labels) EXPECT_TRUE(l.inside(20, 10));
    EXPECT_FALSE(Overlap(labels, taken, false));
    EXPECT_FALSE(Overlap(labels, labels, true)) << "two fleets on one line get two places";
    EXPECT_EQ(at(labels[1]), std::pair(18.8, 7.0)) << "moved left of the edge, else as before";
    // Against its symbol or on its line a label needs no leader.
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_FALSE(NameLeader(symbols[i], names[i]));
    EXPECT_FALSE(FleetLeader(over, labels[0]));
}

// Two names whose first places are taken, where the one place left to the lower name is one of the
// upper name's: the lower name, with fewer places free, chooses first and keeps it.
TEST(OwningMapLabels, TheNameWithFewerFreePlacesChoosesFirst) {
    const std::vector<CmRect> symbols = {
        {5, 5, 1, 1},    // the upper symbol: its name's first place is cut by the next box
        {5, 6.4, 1, 1},  // the lower symbol, right under the upper name's second place
        {7.5, 6, 0.5, 0.4}, {3, 6, 0.9, 0.4},                      // pieces round that place
        {0, 6.4, 5, 1},     {6, 6.4, 14, 1},  {0, 7.4, 20, 2.6}};  // walls beside and below
    const std::vector<CmRect> names = PlaceNames(symbols, {{3, 0.4}, {3, 0.4}}, 20, 10);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(std::tuple(names[1].x, names[1].y), std::tuple(4.0, 6.0)) << "above its symbol";
    EXPECT_EQ(std::tuple(names[0].x, names[0].y), std::tuple(5.0, 4.6)) << "moved above";
}

// A symbol walled in by others on the left of a 10 x 3 cm window: no place round it is free, so
// its name and the label of a fleet along it go to the free places nearest them, right of the
// wall, each tied back by a leader line.
TEST(OwningMapLabels, ALabelWithNoRoomNearbyGoesToTheNearestFreePlaceOnALeader) {
    const std::vector<CmRect> symbols = {
        {0, 1, 1, 1}, {0, 0, 5, 1}, {0, 2, 5, 1}, {1, 1, 4, 1}};  // the symbol, then the wall
    const std::vector<CmRect> names = PlaceNames(symbols, {{3, 0.5}}, 10, 3);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(std::tuple(names[0].x, names[0].y), std::tuple(5.0, 0.5)) << "level with the top";
    const auto name = NameLeader(symbols[0], names[0]);
    ASSERT_TRUE(name);
    EXPECT_EQ(std::tuple(name->from.x, name->from.y, name->to.x, name->to.y),
              std::tuple(1.0, 1.0, 5.0, 1.0));

    const FleetDrawing f{
        .lineFrom = {1, 1.5}, .lineTo = {4.5, 1.5}, .dot = {}, .label = {2.995, 1.5}, .text = {}};
    std::vector<CmRect> taken = symbols;
    taken.push_back(names[0]);
    const std::vector<CmRect> labels = PlaceFleetLabels({f}, {{1, 0.5}}, taken, 10, 3);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(std::tuple(labels[0].x, labels[0].y), std::tuple(5.0, 1.0)) << "under the name";
    const auto leader = FleetLeader(f, labels[0]);
    ASSERT_TRUE(leader);
    EXPECT_EQ(std::tuple(leader->from.x, leader->from.y, leader->to.x, leader->to.y),
              std::tuple(4.5, 1.5, 5.0, 1.5));
}

// The leader of a fleet label is the shortest line between the fleet's line and the label: it
// starts on the line, ends on the label's edge, and no point of the line lies nearer the label.
TEST(OwningMapLabels, AFleetLeaderIsTheShortestLineFromTheFleetToItsLabel) {
    std::mt19937 random(38);
    std::uniform_real_distribution<double> at(0, 20), size(0.3, 3);
    int leaders = 0;
    for (int n = 0; n < 400; ++n) {
        FleetDrawing f;
        f.lineFrom = {at(random), at(random)};
        f.lineTo = {at(random), at(random)};
        // Level and upright lines too: fleets between planets of one row or column.
        if (n % 4 == 0) f.lineTo.y = f.lineFrom.y;
        if (n % 4 == 1) f.lineTo.x = f.lineFrom.x;
        const CmRect label{at(random), at(random), size(random), size(random)};
        // The nearest the label comes to the line, found by walking along it.
        double nearest = 1e9;
        for (int k = 0; k <= 4000; ++k) {
            const double t = k / 4000.0;
            const CmPoint p{f.lineFrom.x + t * (f.lineTo.x - f.lineFrom.x),
                            f.lineFrom.y + t * (f.lineTo.y - f.lineFrom.y)};
            const double dx = std::clamp(p.x, label.x, label.x + label.w) - p.x;
            const double dy = std::clamp(p.y, label.y, label.y + label.h) - p.y;
            nearest = std::min(nearest, std::hypot(dx, dy));
        }
        const auto leader = FleetLeader(f, label);
        if (!leader) {
            EXPECT_LE(nearest, 0.1 + 1e-3) << n << ": a label away from its line has a leader";
            continue;
        }
        ++leaders;
        const double length =
            std::hypot(leader->to.x - leader->from.x, leader->to.y - leader->from.y);
        EXPECT_LE(length, nearest + 1e-9) << n;
        EXPECT_GE(length, nearest - 0.02) << n;
        // from lies on the line: the two parts of the line it divides add up to the whole.
        auto d = [](CmPoint a, CmPoint b) { return std::hypot(a.x - b.x, a.y - b.y); };
        EXPECT_NEAR(d(f.lineFrom, leader->from) + d(leader->from, f.lineTo),
                    d(f.lineFrom, f.lineTo), 1e-9)
            << n;
        EXPECT_TRUE(std::abs(leader->to.x - label.x) < 1e-9 ||
                    std::abs(leader->to.x - label.x - label.w) < 1e-9 ||
                    std::abs(leader->to.y - label.y) < 1e-9 ||
                    std::abs(leader->to.y - label.y - label.h) < 1e-9)
            << n;
    }
    EXPECT_GT(leaders, 100);
}

// A fleet's label starts part way along its line, level with the tops of the symbols, whichever
// way the fleet flies.
TEST(OwningMapLabels, AFleetLabelStandsPartWayAlongItsLine) {
    GameState st;
    st.PlanetsNum = 3;
    const int at[3][2] = {{20, 20}, {9, 5}, {33, 40}};
    for (int i = 0; i < 3; ++i) {
        st.planet(i).PlanetId = std::string("0").append(std::to_string(i + 1));
        st.planet(i).XPos = static_cast<Int16>(at[i][0]);
        st.planet(i).YPos = static_cast<Int16>(at[i][1]);
    }
    const OwningMapMetrics m = MakeOwningMapMetrics(47.0, 32.4, 0.8, 0.6);
    for (const char* to : {"02", "03"}) {
        const auto f = FleetGeometry(st, m, TaskForceRecord{{}, 0, "01", to, 4105, 12});
        ASSERT_TRUE(f) << to;
        const CmPoint& a = f->lineFrom;
        const CmPoint& b = f->lineTo;
        EXPECT_NEAR(f->label.x, a.x + kFleetLabelFraction * (b.x - a.x), 1e-9) << to;
        EXPECT_NEAR(f->label.y, a.y - m.symbolH / 2 + kFleetLabelFraction * (b.y - a.y), 1e-9)
            << to;
        EXPECT_EQ(f->text, "12/4105");
    }
}

}  // namespace
}  // namespace zenthar
