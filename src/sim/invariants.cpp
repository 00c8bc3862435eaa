#include "sim/invariants.h"

#include "game/database.h"
#include "turn/lookups.h"

namespace zenthar::sim {

void InvariantCheck::operator()(Game& game) {
    year_ = game.st.CurrentYear;
    checkPlanets(game.st);
    checkShipsTable(game);
}

std::string InvariantCheck::report() const {
    std::string out;
    for (const std::string& f : faults_) out += "\n  " + f;
    return out;
}

void InvariantCheck::fault(const std::string& what) {
    if (faults_.size() < 20) faults_.push_back(std::to_string(year_) + ": " + what);
}

void InvariantCheck::checkPlanets(const GameState& st) {
    std::vector<int> owned(kSides, 0);
    for (int i = 0; i < st.PlanetsNum; ++i) {
        const PlanetRecord& p = st.planet(i);
        const std::string name = "planet " + std::to_string(i);
        for (int k = 0; k < kMaxPlayers; ++k) {
            if (p.digit(k) != 3) continue;
            if (k >= st.PlayesNum || st.PlHome[static_cast<std::size_t>(k)] != i)
                fault(name + " is a capital of player " + std::to_string(k) +
                      " but not that player's home");
        }
        owned[static_cast<std::size_t>(OwnerOf(st, i))]++;
        if (p.Ships < 0) fault(name + " has " + std::to_string(p.Ships) + " ships");
        if (p.Production < 1 || p.Production > p.MaxProd || p.MaxProd > 20)
            fault(name + " produces " + std::to_string(p.Production) + " of " +
                  std::to_string(p.MaxProd));
    }
    int counted = owned[kEmpire];
    for (int k = 0; k < kMaxPlayers; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        counted += owned[slot];
        if (k >= st.PlayesNum) {
            if (owned[slot] > 0) fault("absent player " + std::to_string(k) + " owns planets");
            continue;
        }
        // A new game starts every count at 0 although the capital is owned, and a count
        // never drops below 0: it trails the planets owned by at most the capital.
        if (st.Hatest[slot] > owned[slot] || st.Hatest[slot] < owned[slot] - 1)
            fault("player " + std::to_string(k) + " counts " + std::to_string(st.Hatest[slot]) +
                  " planets but owns " + std::to_string(owned[slot]));
    }
    if (counted != st.PlanetsNum)
        fault("owners hold " + std::to_string(counted) + " planets, not " +
              std::to_string(st.PlanetsNum));
}

void InvariantCheck::checkShipsTable(Game& game) {
    const GameState& st = game.st;
    game.FileDta1.Refresh();
    Recordset& rs = game.FileDta1.rs();
    if (rs.RecordCount() <= 0) return;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        const long long side = rs.Field("PlNum").asInt();
        const std::string row =
            "task force " + std::to_string(side) + "/" + std::to_string(rs.Field("TFNum").asInt());
        if (side < 0 || side > kEmpire || (side != kEmpire && side >= st.PlayesNum))
            fault(row + " belongs to no side");
        for (const char* field : {"StartPl", "EndPl"})
            if (FindPlanetIndex(st, rs.Field(field).asText()) < 0)
                fault(row + " names no planet in " + field + ": '" + rs.Field(field).asText() +
                      "'");
        for (const char* field : {"PlNum", "TFNum", "RemTurns", "NumOfShips"}) {
            const FieldValue v = rs.Field(field);
            if (!v.isNumber() || v.asInt() < kInt16Min || v.asInt() > kInt16Max)
                fault(row + " holds " + field + " = '" + v.asText() + "'");
        }
        if (rs.Field("NumOfShips").asInt() < 1) fault(row + " carries no ship");
        if (rs.Field("RemTurns").asInt() <= st.CurrentYear)
            fault(row + " was due in " + rs.Field("RemTurns").asText() + " and never landed");
    }
}

}  // namespace zenthar::sim
