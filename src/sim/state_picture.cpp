// Text pictures of a game: two games whose pictures are equal hold the same game.
#include "sim/state_picture.h"

#include <algorithm>
#include <sstream>

#include "game/database.h"

namespace zenthar::sim {
namespace {

void DescribePlanet(std::ostringstream& out, const PlanetRecord& p, bool withOnMap) {
    out << "[" << p.PlanetId.padded() << "|" << p.Name.padded() << "] at " << p.XPos << ","
        << p.YPos << " prod " << p.Production << "/" << p.MaxProd << " will " << p.WillProd
        << " host " << p.Hostility << " ships " << p.Ships << " ico [" << p.Ico.padded()
        << "] scouted [" << p.Scouted.padded() << "]";
    for (std::size_t k = 0; k < 6; ++k)
        out << " k" << k << "=" << p.KnownShip[k] << "/" << p.KnownProd[k] << "/" << p.KnownHost[k]
            << "/" << p.YearScouted[k];
    if (withOnMap) out << " onmap " << p.OnMap;
    out << "\n";
}

void DescribeConfiguration(std::ostringstream& out, const GameState& st, std::size_t slots) {
    out << "players " << st.PlayesNum << " planets " << st.PlanetsNum << " type " << st.GameType
        << " skill " << st.EmpireSkill << " year " << st.CurrentYear << " turn "
        << st.CurrentPlTurn;
    if (st.GameLength != 0) out << " length " << st.GameLength;
    out << "\n";
    out << "campaign " << st.StartYear << " [" << st.StartPl.padded() << "] -> ["
        << st.EndPl.padded() << "] empireout " << st.EmpireOut << "\n";
    for (std::size_t k = 0; k < slots; ++k)
        out << "player " << k << " [" << st.PlName[k].padded() << "] [" << st.PlSymbol[k].padded()
            << "] home " << st.PlHome[k] << " hatest " << st.Hatest[k] << " seat "
            << (k < st.Seats.size() ? static_cast<int>(st.Seats[k]) : 0) << "\n";
}

void DescribeTaskForce(std::ostringstream& out, const TaskForceRecord& tf, bool withPlNum) {
    if (withPlNum) out << "[" << tf.PlNum.padded() << "] ";
    out << tf.TFNum << " " << tf.StartPl.padded() << "->" << tf.EndPl.padded() << " in "
        << tf.RemTurns << " ships " << tf.NumOfShips << "\n";
}

// Every year of the chronicle, every side's figures and the report whole.
void DescribeChronicle(std::ostringstream& out, const History& chronicle) {
    for (std::size_t i = 0; i < chronicle.size(); ++i) {
        const HistoryYear& y = chronicle[i];
        out << "year " << y.year;
        for (const SideYear& s : y.sides)
            out << " | " << s.side << ": " << s.planets << " " << s.production << " " << s.ships
                << " " << s.shipsInFlight << " " << s.battlesWon << " " << s.battlesLost << " "
                << (s.score == kNoFigure ? std::string("-") : std::to_string(s.score));
        std::string report;
        const bool whole = y.report(report);
        out << "\n[" << report << "]";
        if (!whole) out << " does not unpack";
        out << "\n";
    }
}

}  // namespace

std::string DescribeSavedGame(const GameState& st) {
    std::ostringstream out;
    DescribeConfiguration(out, st,
                          static_cast<std::size_t>(std::max(0, std::min(st.PlayesNum, 4))));
    for (int i = 0; i < st.PlanetsNum && i < kPlanetSlots; ++i)
        DescribePlanet(out, st.planet(i), false);
    for (int i = 0; i <= st.TaskForceLast; ++i)
        DescribeTaskForce(out, st.TaskForceList[static_cast<std::size_t>(i)], false);
    out << "prodorder";
    for (int i = 0; i < st.PlanetsNum && i < kPlanetSlots; ++i)
        out << " " << st.ProdOrder[static_cast<std::size_t>(i)].padded();
    out << "\n";
    DescribeChronicle(out, st.Chronicle);
    return out.str();
}

std::string DescribeWholeState(const GameState& st) {
    std::ostringstream out;
    DescribeConfiguration(out, st, kSides);
    out << "skip " << st.SkipEndTurnScreen << " soundsoff " << st.SoundsOff << " active "
        << st.GameActive << " selected " << st.SelectedPlanet << " images " << st.PlanetImagesLoaded
        << " fleets " << st.ShowFleetsMode << " victory " << st.VictoryAnswer << " names "
        << st.PlanetNamesLast << " search [" << st.SearchPlanetName << "]\n";
    for (const PlanetRecord& p : st.PlanetList) DescribePlanet(out, p, true);
    out << "last " << st.TaskForceLast << "\n";
    for (const TaskForceRecord& tf : st.TaskForceList) DescribeTaskForce(out, tf, true);
    for (const auto& id : st.ProdOrder) out << id.padded() << ",";
    out << "\n";
    out << "decided " << st.Decided << " story " << st.StoryShown << " battles";
    for (std::size_t k = 0; k < kSides; ++k)
        out << " " << st.BattlesWon[k] << "/" << st.BattlesLost[k];
    out << "\n";
    DescribeChronicle(out, st.Chronicle);
    return out.str();
}

std::string ShipsTablePicture(Game& game) {
    game.FileDta1.Refresh();
    Recordset& rs = game.FileDta1.rs();
    std::vector<std::string> rows;
    if (rs.RecordCount() > 0) {
        std::vector<int> fields;
        for (const char* name : {"PlNum", "TFNum", "StartPl", "EndPl", "RemTurns", "NumOfShips"})
            fields.push_back(rs.FieldIndex(name));
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
            std::string row;
            for (int f : fields) {
                const FieldValue& v = rs.Field(f);
                row += row.empty() ? "" : "|";
                row += v.isNumber() ? 'n' : (v.isNull() ? '-' : 't');
                if (!v.isNull()) row += v.asText();
            }
            rows.push_back(std::move(row));
        }
    }
    // The table's order among rows of one side and number is not part of the game.
    std::sort(rows.begin(), rows.end());
    std::string out;
    for (const std::string& r : rows) out += r + "\n";
    return out;
}

}  // namespace zenthar::sim
