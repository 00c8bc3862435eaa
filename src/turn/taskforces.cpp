// The task-force store. The Ships table is the authority for every side's fleets;
// TaskForceList is the working copy of the side whose turn it is.
#include "turn/taskforces.h"

#include <utility>

#include "turn/lookups.h"

namespace zenthar {

Int16 ArrivalYear(const GameState& st, int from, int to) {
    return Saturate16(st.CurrentYear +
                      static_cast<long long>(TravelTime(PlanetDistance(st, from, to))));
}

LaunchResult LaunchTaskForce(GameState& st, int from, int to, double ships) {
    if (st.TaskForceLast >= kTaskForceSlots - 1) return LaunchResult::ListFull;
    const int k = st.TaskForceLast + 1;
    TaskForceRecord& tf = st.TaskForceList[static_cast<std::size_t>(k)];
    tf.PlNum = FormatPlain(st.CurrentPlTurn);
    tf.TFNum =
        k == 0 ? 0 : Saturate16(st.TaskForceList[static_cast<std::size_t>(k - 1)].TFNum + 1LL);
    tf.StartPl = st.planet(from).PlanetId;
    tf.EndPl = st.planet(to).PlanetId;
    tf.RemTurns = ArrivalYear(st, from, to);
    tf.NumOfShips = Round16(ships);
    PlanetRecord& src = st.planet(from);
    src.Ships = Round16(static_cast<double>(src.Ships) - ships);
    st.TaskForceLast = static_cast<Int16>(k);
    return LaunchResult::Launched;
}

void SaveTaskForces(Game& game) {
    GameState& st = game.st;
    Connection& db = game.FileDta1;
    db.Refresh();
    if (st.TaskForceLast < 0) return;
    Recordset& rs = db.rs();
    Connection::Transaction tx(db);
    bool positioned = false;
    const std::string criteria = "PlNum = " + FormatPlain(st.CurrentPlTurn);
    if (rs.RecordCount() > 0) {
        rs.MoveFirst();
        rs.FindFirst(criteria);
        positioned = !rs.NoMatch();
    }
    const int plNum = rs.FieldIndex("PlNum"), tfNum = rs.FieldIndex("TFNum"),
              startPl = rs.FieldIndex("StartPl"), endPl = rs.FieldIndex("EndPl"),
              remTurns = rs.FieldIndex("RemTurns"), numOfShips = rs.FieldIndex("NumOfShips");
    for (int i = 0; i <= st.TaskForceLast; ++i) {
        const TaskForceRecord& tf = std::as_const(st.TaskForceList)[static_cast<std::size_t>(i)];
        if (positioned)
            positioned =
                rs.Field(plNum).asInt() == st.CurrentPlTurn && rs.Field(tfNum).asInt() == tf.TFNum;
        // Most rows of a side are stored already as they stand: nothing to write.
        const bool unchanged =
            positioned && rs.Field(startPl).isText(tf.StartPl.padded()) &&
            rs.Field(endPl).isText(tf.EndPl.padded()) && rs.Field(remTurns).isInt(tf.RemTurns) &&
            rs.Field(numOfShips).isInt(tf.NumOfShips) && rs.Field(plNum).isInt(st.CurrentPlTurn) &&
            rs.Field(tfNum).isInt(tf.TFNum);
        if (tf.NumOfShips > 0 && !unchanged) {
            if (positioned)
                rs.Edit();
            else
                rs.AddNew();
            rs.SetField(plNum, static_cast<long long>(st.CurrentPlTurn));
            rs.SetField(tfNum, static_cast<long long>(tf.TFNum));
            rs.SetField(startPl, tf.StartPl.padded());
            rs.SetField(endPl, tf.EndPl.padded());
            rs.SetField(remTurns, static_cast<long long>(tf.RemTurns));
            rs.SetField(numOfShips, static_cast<long long>(tf.NumOfShips));
            rs.Update();
        }
        if (positioned) {
            rs.MoveNext();
            if (rs.EOF_()) positioned = false;
        }
    }
    tx.commit();
}

void LoadTaskForces(Game& game) {
    GameState& st = game.st;
    st.TaskForceLast = -1;
    game.FileDta1.Refresh();
    Recordset& rs = game.FileDta1.rs();
    if (rs.RecordCount() <= 0) return;
    rs.MoveFirst();
    rs.FindFirst("PlNum = " + FormatPlain(st.CurrentPlTurn));
    if (rs.NoMatch()) return;
    const int plNum = rs.FieldIndex("PlNum"), tfNum = rs.FieldIndex("TFNum"),
              startPl = rs.FieldIndex("StartPl"), endPl = rs.FieldIndex("EndPl"),
              remTurns = rs.FieldIndex("RemTurns"), numOfShips = rs.FieldIndex("NumOfShips");
    while (!rs.EOF_() && st.TaskForceLast < kTaskForceSlots - 1) {
        if (rs.Field(plNum).asInt() != st.CurrentPlTurn) break;
        st.TaskForceLast = static_cast<Int16>(st.TaskForceLast + 1);
        TaskForceRecord& tf = st.TaskForceList[static_cast<std::size_t>(st.TaskForceLast)];
        tf.TFNum = Saturate16(rs.Field(tfNum).asInt());
        tf.StartPl = rs.Field(startPl).asText();
        tf.EndPl = rs.Field(endPl).asText();
        tf.RemTurns = Saturate16(rs.Field(remTurns).asInt());
        tf.NumOfShips = Saturate16(rs.Field(numOfShips).asInt());
        rs.MoveNext();
    }
}

void ShowTurnStatus(Game& game, bool update) {
    LoadTaskForces(game);
    if (update) game.view.TurnStatusShown();
}

int ShipsHeadingTo(Game& game, int planet, int player) {
    Connection& db = game.FileDta1;
    db.Refresh();
    Recordset& rs = db.rs();
    if (rs.RecordCount() <= 0 || !game.st.validPlanet(planet)) return 0;
    // Every row bound for the planet counts, wherever it stands: the rows are grouped by
    // player, so those bound for one planet need not follow each other.
    const std::string& id = game.st.planet(planet).PlanetId.padded();
    const int endPl = rs.FieldIndex("EndPl"), plNum = rs.FieldIndex("PlNum"),
              numOfShips = rs.FieldIndex("NumOfShips");
    long long sum = 0;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        const FieldValue& end = rs.Field(endPl);
        // A number reads as its digits, as the comparison of texts always did.
        if (end.isText() ? !end.isText(id) : end.asText() != id) continue;
        long long owner = rs.Field(plNum).asInt();
        if ((player == -1 && owner != kEmpire) || (player != -1 && owner == player))
            sum += rs.Field(numOfShips).asInt();
    }
    return static_cast<int>(Saturate16(sum));
}

}  // namespace zenthar
