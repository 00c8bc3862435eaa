// The Ships table as the task-force lists see it: the current side's list written back row by
// row, and read again. The table is the authority for every side's fleets; TaskForceList is the
// working copy of the side whose turn it is.
#include "game/taskforce_store.h"

#include <utility>

#include "game/numbers.h"

namespace zenthar {

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

}  // namespace zenthar
