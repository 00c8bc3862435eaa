// Recording a year for the chronicle, once the year end has written its report.
#include "turn/chronicle.h"

#include <algorithm>

#include "game/history_columns.h"
#include "game/side_totals.h"

namespace zenthar {
namespace {

bool IsSide(int side) {
    return side >= 0 && side < kSides;
}

// Ships in flight per side, from the task forces still in the Ships table.
std::array<long long, kSides> ShipsInFlight(Game& game) {
    std::array<long long, kSides> ships{};
    game.FileDta1.Refresh();
    Recordset& rs = game.FileDta1.rs();
    if (rs.RecordCount() <= 0) return ships;
    const int plNum = rs.FieldIndex("PlNum");
    const int count = rs.FieldIndex("NumOfShips");
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        const long long side = rs.Field(plNum).asInt();
        if (IsSide(static_cast<int>(side)))
            ships[static_cast<std::size_t>(side)] += rs.Field(count).asInt();
    }
    return ships;
}

int Clamped(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -2000000000LL, 2000000000LL));
}

}  // namespace

void CountBattle(GameState& st, int attacker, int defender, bool attackerWon) {
    if (IsSide(attacker)) {
        auto& tally = attackerWon ? st.BattlesWon : st.BattlesLost;
        ++tally[static_cast<std::size_t>(attacker)];
    }
    if (IsSide(defender)) {
        auto& tally = attackerWon ? st.BattlesLost : st.BattlesWon;
        ++tally[static_cast<std::size_t>(defender)];
    }
}

void RecordYear(Game& game) {
    GameState& st = game.st;
    const std::array<OwnerTotals, kSides> totals = ComputeProductionTotals(st);
    const std::array<long long, kSides> inFlight = ShipsInFlight(game);
    HistoryYear year;
    year.year = st.CurrentYear - 1;                           // the year the report is about
    const int players = std::min(st.PlayesNum, kMaxPlayers);  // a game has one player or more
    year.sides.reserve(static_cast<std::size_t>(players) + 1);
    const auto add = [&](int side) {
        const auto k = static_cast<std::size_t>(side);
        const SideFacts facts{totals[k], inFlight[k], st.BattlesWon[k], st.BattlesLost[k]};
        SideYear s;
        s.side = side;
        for (const HistoryColumn& column : kHistoryColumns)
            if (column.measure) s.*column.figure = Clamped(column.measure(facts));
        year.sides.push_back(s);
    };
    for (int p = 0; p < players; ++p) add(p);
    add(kEmpire);
    if (const std::string* report = game.Report.text()) year.setReport(*report);
    st.Chronicle.add(std::move(year));
    st.BattlesWon = {};
    st.BattlesLost = {};
}

}  // namespace zenthar
