// Task forces of the game in play: launching one into the current side's list, reloading the
// list when a turn begins, and counting the ships bound for a planet.
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
        if (player == -1 ? owner != kEmpire : owner == player) sum += rs.Field(numOfShips).asInt();
    }
    return static_cast<int>(Saturate16(sum));
}

}  // namespace zenthar
