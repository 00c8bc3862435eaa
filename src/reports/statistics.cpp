// Chart lines and CSV rows from the game's chronicle.
#include "reports/statistics.h"

#include <algorithm>

namespace zenthar {
namespace {

bool MayShow(Figure f, int side, int viewer) {
    return viewer == kEveryone || !IsPrivate(f) || side == viewer;
}

std::string CsvText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// Players first, then the Empire: the order of the Production Summary and of the legend.
std::vector<int> SidesInGame(const GameState& st) {
    std::vector<int> sides;
    for (int p = 0; p < st.PlayesNum && p < kMaxPlayers; ++p) sides.push_back(p);
    sides.push_back(kEmpire);
    return sides;
}

}  // namespace

std::string_view FigureName(Figure f) {
    switch (f) {
        case Figure::Planets:
            return "Planets Owned";
        case Figure::Production:
            return "Total Production";
        case Figure::Ships:
            return "Ships on Planets";
        case Figure::ShipsInFlight:
            return "Ships in Flight";
        case Figure::BattlesWon:
            return "Battles Won";
        case Figure::BattlesLost:
            return "Battles Lost";
    }
    return {};
}

bool IsPrivate(Figure f) {
    return f == Figure::ShipsInFlight || f == Figure::BattlesWon || f == Figure::BattlesLost;
}

int FigureValue(const SideYear& s, Figure f) {
    switch (f) {
        case Figure::Planets:
            return s.planets;
        case Figure::Production:
            return s.production;
        case Figure::Ships:
            return s.ships;
        case Figure::ShipsInFlight:
            return s.shipsInFlight;
        case Figure::BattlesWon:
            return s.battlesWon;
        case Figure::BattlesLost:
            return s.battlesLost;
    }
    return 0;
}

std::string SideName(const GameState& st, int side) {
    if (side == kEmpire) return "Empire";
    return st.PlName.at(static_cast<std::size_t>(side)).trimmed();
}

std::vector<ChartLine> ChartLines(const GameState& st, Figure f, int viewer) {
    std::vector<ChartLine> lines;
    for (int side : SidesInGame(st)) {
        if (!MayShow(f, side, viewer)) continue;
        ChartLine line{side, SideName(st, side), {}};
        line.points.reserve(st.Chronicle.size());
        for (std::size_t i = 0; i < st.Chronicle.size(); ++i)
            if (const SideYear* s = st.Chronicle[i].find(side))
                line.points.emplace_back(st.Chronicle[i].year, FigureValue(*s, f));
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string HistoryCsv(const GameState& st, int viewer) {
    std::string csv = "Year,Side,Name";
    for (Figure f : kFigures) csv += "," + std::string(FigureName(f));
    csv += "\r\n";
    for (std::size_t i = 0; i < st.Chronicle.size(); ++i) {
        const HistoryYear& year = st.Chronicle[i];
        for (const SideYear& s : year.sides) {
            csv += std::to_string(year.year) + "," + std::to_string(s.side) + "," +
                   CsvText(SideName(st, s.side));
            for (Figure f : kFigures) {
                csv += ",";
                if (MayShow(f, s.side, viewer)) csv += std::to_string(FigureValue(s, f));
            }
            csv += "\r\n";
        }
    }
    return csv;
}

std::string OutcomeText(const GameState& st) {
    const int years = std::max(0, st.CurrentYear - kFirstYear);
    const std::string span = std::to_string(years) + (years == 1 ? " year" : " years") + " of war";
    if (st.Decided == kEmpire) return "The Empire has won after " + span + ".";
    if (st.validPlayer(st.Decided))
        return SideName(st, st.Decided) + " conquered the galaxy after " + span + ".";
    return "The war goes on after " + span + ".";
}

}  // namespace zenthar
