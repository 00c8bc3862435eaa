// The chronicle the year end records, checked against what the game itself computes and
// reports each year of seeded simulated games: every battle of the report counts for its
// attacker and its defender, a landing on one's own planet for neither, and each year afresh.

#include "game/side_totals.h"
#include "reports/turn_summary.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

// Battles won and lost per side, as the year's report lines tell them: an attack is a landing
// line with a defending garrison, won when its result is a conquest.
std::map<int, std::pair<int, int>> BattlesInReport(const GameState& st, const std::string& text) {
    std::map<std::string, int> sides{{"Empire", kEmpire}};
    for (int p = 0; p < st.PlayesNum; ++p)
        sides[st.PlName[static_cast<std::size_t>(p)].trimmed()] = p;
    std::map<int, std::pair<int, int>> battles;
    for (const SummaryRow& row : ParseTurnSummary(text).rows) {
        if (row[0] == "Rebels" || row[4].empty() || !sides.count(row[0])) continue;
        const bool conquered = row[7].find(" conquered the planet ") != std::string::npos;
        auto& attacker = battles[sides.at(row[0])];
        auto& defender = battles[sides.at(row[2])];
        (conquered ? attacker.first : attacker.second)++;
        (conquered ? defender.second : defender.first)++;
    }
    return battles;
}

TEST(Chronicle, EveryYearOfASeededGameHoldsWhatTheGameShowedThatYear) {
    // Players, planets, skill, the most years played and the seed of each game.
    const std::tuple<int, int, int, int, unsigned long long> games[] = {
        {1, 26, 0, 60, 11}, {4, 50, 2, 40, 4242}, {3, 5, 2, 30, 13}};
    for (const auto& [players, planets, skill, length, seed] : games) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        sim::SimulationOptions o = SeededGame(players, planets, length, seed, skill);
        std::size_t years = 0;
        int battles = 0;
        sim::RunGame(o, [&](Game& game) {
            const GameState& st = game.st;
            ASSERT_EQ(st.Chronicle.size(), ++years);
            const HistoryYear& y = st.Chronicle.back();
            EXPECT_EQ(y.year, st.CurrentYear - 1);
            std::string report;
            ASSERT_TRUE(y.report(report));
            EXPECT_EQ(report, ReadText(game.ReportPath()));
            const auto totals = ComputeProductionTotals(st);
            const auto counted = sim::CountSides(game);
            const auto fromReport = BattlesInReport(st, report);
            ASSERT_EQ(y.sides.size(), counted.size());
            for (std::size_t i = 0; i < y.sides.size(); ++i) {
                const SideYear& s = y.sides[i];
                const int side = i + 1 == y.sides.size() ? kEmpire : static_cast<int>(i);
                const OwnerTotals& t = totals[static_cast<std::size_t>(side)];
                const auto b = fromReport.count(side) ? fromReport.at(side) : std::pair(0, 0);
                EXPECT_EQ(std::tuple(s.side, s.planets, s.production, s.ships, s.shipsInFlight,
                                     s.battlesWon, s.battlesLost, s.score),
                          std::tuple(side, t.planets, t.production, t.ships,
                                     counted[i].shipsInFlight, b.first, b.second, Score(t)))
                    << "year " << y.year << " side " << side;
                battles += s.battlesWon;
            }
        });
        EXPECT_GT(years, 0u);
        EXPECT_TRUE(planets <= 5 || battles > 0) << "a game of this size fights";
    }
}

}  // namespace
}  // namespace zenthar::testing
