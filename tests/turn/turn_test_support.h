// Helpers shared by the turn engine's tests (own namespace: other suites link beside them): task
// forces put straight into the Ships table, the combat results table set by hand, dice values, and
// the report file read back byte for byte, also that of a single step of the year end.
#pragma once

#include "support/galaxy_builder.h"
#include "turn/turnreport.h"

namespace zenthar::testing::turn_support {

// Stores a task force of `side` from `from` to `to` with `ships`, arriving in `year` (0: after
// its flight time), as that side's turn would, and leaves the source planet as it was. A
// non-empty endPl overrides the destination id as stored.
inline void AddTaskForce(Game& game, int side, int from, int to, int ships, int year = 0,
                         const std::string& endPl = "") {
    GameState& st = game.st;
    const Int16 turn = st.CurrentPlTurn;
    st.CurrentPlTurn = static_cast<Int16>(side);
    ShowTurnStatus(game, false);
    const Int16 sourceShips = st.planet(from).Ships;
    ASSERT_EQ(LaunchTaskForce(st, from, to, ships), LaunchResult::Launched);
    st.planet(from).Ships = sourceShips;
    TaskForceRecord& tf = st.TaskForceList[static_cast<std::size_t>(st.TaskForceLast)];
    if (year != 0) tf.RemTurns = static_cast<Int16>(year);
    if (!endPl.empty()) tf.EndPl = endPl;
    SaveTaskForces(game);
    st.CurrentPlTurn = turn;
    st.TaskForceLast = -1;
}

// Every Ships row as "PlNum TFNum EndPl RemTurns NumOfShips", in table order.
inline std::vector<std::string> ShipsRows(Game& game) {
    std::vector<std::string> rows;
    game.FileDta1.Refresh();
    Recordset& rs = game.FileDta1.rs();
    if (rs.RecordCount() <= 0) return rows;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
        rows.push_back(rs.Field("PlNum").asText() + " " + rs.Field("TFNum").asText() + " " +
                       rs.Field("EndPl").asText() + " " + rs.Field("RemTurns").asText() + " " +
                       rs.Field("NumOfShips").asText());
    return rows;
}

inline void FillCrt(GameState& st, int percent) {
    for (auto& column : st.CrtTable) column.fill(percent);
}

// The uniform number that rolls a given face of the die.
inline double Die(int face) {
    return (face - 1) / 6.0 + 0.01;
}

constexpr double kCalm = 0.99;  // no rebels rise; the die shows 6

// How many of the messages and questions so far begin with `start`.
inline int TimesSaid(const ScriptedDialogs& dialogs, const std::string& start) {
    return static_cast<int>(std::ranges::count_if(
        dialogs.texts(), [&](const std::string& t) { return t.rfind(start, 0) == 0; }));
}

// The first `count` of Ann, Bob, Cid and Dee on their home planets in a row; the Empire holds
// the planet after them, Vega, with a few ships. No rebels rise.
template <class View>
void SeatPlayers(TestGameWith<View>& t, int count) {
    t.random.setFallback(kCalm);
    const std::vector<std::string> names = {"Ann", "Bob", "Cid", "Dee"};
    GalaxyBuilder b(t.game);
    b.players({names.begin(), names.begin() + count}).skill(1);
    for (int k = 0; k < count; ++k)
        b.planet(k, 1 + 8 * k, 1).owner(k).home().ships(20).production(4, 20);
    b.planet(count, 20, 20).ships(3).production(2, 2).build();
}

// The report's lines without their CR LF ends (fails the test on a bare LF).
inline std::vector<std::string> ReportLines(const std::filesystem::path& file) {
    const std::string bytes = ReadText(file);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "report ends without CR LF: " << bytes.substr(start);
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Runs one step of the year end into a report of its own and returns the report's lines.
inline std::vector<std::string> ReportOf(Game& game, const std::function<void(TurnReport&)>& step) {
    {
        TurnReport report(game.Report);
        step(report);
    }
    return ReportLines(game.ReportPath());
}

}  // namespace zenthar::testing::turn_support
