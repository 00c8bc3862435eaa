// The charts' axes: whole-number ticks of 1, 2 or 5 times a power of ten, the year axis ending
// at the last year on record, counts with room above the highest line, and the Empire put on a
// scale of its own only when it dwarfs the players shown.
#include <gtest/gtest.h>

#include <random>

#include "reports/chart_axes.h"

namespace zenthar::testing {
namespace {

TEST(ChartAxes, YearAxesEndAtTheLastYearAndTickOnWholeYears) {
    // clang-format off
    // The first and last year on record, and the axis: its ends, its step and where it is anchored.
    const std::tuple<long long, long long, std::array<long long, 4>> cases[] = {
        {4100, 4219, {4100, 4219, 20, 4100}},  // the game that ended in 4219 stops there
        {4100, 4100, {4099, 4100, 1, 4099}},   // the first year end alone
        {4100, 4101, {4100, 4101, 1, 4100}},   // never "4100 4100 4100 4101"
        {4103, 4399, {4103, 4399, 50, 4150}},
        {4100, 4116, {4100, 4116, 2, 4100}},   // exactly eight steps of 2
        {4100, 4140, {4100, 4140, 5, 4100}}};   // eight of 5, where 2 would need twenty
    // clang-format on
    for (const auto& [first, last, want] : cases) {
        const WholeAxis a = YearAxis(first, last, 8);
        EXPECT_EQ((std::array{a.lo, a.hi, a.step, a.anchor}), want) << first << ".." << last;
    }
}

TEST(ChartAxes, EveryAxisTicksOnWholeNumbersWithinItsRange) {
    std::mt19937 random(37);
    for (int i = 0; i < 2000; ++i) {
        const long long lo = std::uniform_int_distribution<long long>(-50, 5000)(random);
        const long long hi = lo + std::uniform_int_distribution<long long>(0, 2'000'000)(random) %
                                      (i % 3 == 0 ? 3 : 2'000'000);
        const int most = 1 + i % 10;
        const WholeAxis years = YearAxis(lo, hi, most);
        const WholeAxis counts = CountAxis(lo, hi, most);
        SCOPED_TRACE(::testing::Message() << lo << ".." << hi << " in " << most);
        EXPECT_EQ(std::pair(years.hi, years.lo), std::pair(hi, hi > lo ? lo : lo - 1));
        for (const WholeAxis& a : {years, counts}) {
            ASSERT_GE(a.step, 1);
            long long step = a.step;  // 1, 2 or 5 times a power of ten
            while (step % 10 == 0) step /= 10;
            EXPECT_TRUE(step == 1 || step == 2 || step == 5) << a.step;
            EXPECT_LE((a.hi - a.lo) / a.step, most + 2);
            EXPECT_EQ(a.anchor % a.step, 0);
            EXPECT_GE(a.anchor, a.lo);
            EXPECT_LT(a.anchor - a.step, a.lo);
        }
        EXPECT_LE(counts.lo, lo);
        EXPECT_GE(counts.hi, hi);
        EXPECT_GT(counts.hi, counts.lo);
        EXPECT_LE((years.hi - years.lo + years.step - 1) / years.step, most);
    }
}

ChartLine Line(int side, std::vector<int> values) {
    ChartLine line{side, "", {}};
    int year = kFirstYear;
    for (int v : values) line.points.emplace_back(year++, v);
    return line;
}

TEST(ChartAxes, TheEmpireGetsItsOwnScaleOnlyWhenItDwarfsThePlayersShown) {
    const std::vector<ChartLine> ships{Line(0, {100, 150}), Line(1, {120, 200}),
                                       Line(kEmpire, {900, 1714})};
    // clang-format off
    const struct { std::vector<ChartLine> lines; std::vector<int> hidden; bool apart; } cases[] = {
        {ships, {}, true},
        {ships, {kEmpire}, false},              // hidden, it stretches nothing
        {ships, {0}, true},
        {{Line(0, {100}), Line(kEmpire, {399})}, {}, false},  // under four times
        {{Line(0, {100}), Line(kEmpire, {400})}, {}, true},
        {{Line(0, {0, 0}), Line(kEmpire, {50})}, {}, false},  // nothing to flatten
        {{Line(0, {3})}, {}, false},                          // a private figure: no Empire
        {{Line(0, {10}), Line(1, {500}), Line(kEmpire, {600})}, {}, false},
        {{Line(0, {10}), Line(1, {500}), Line(kEmpire, {600})}, {1}, true}};
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(SideApart(cases[i].lines, cases[i].hidden),
                  cases[i].apart ? std::optional<int>(kEmpire) : std::nullopt)
            << "case " << i;
}

}  // namespace
}  // namespace zenthar::testing
