// Chart lines and CSV rows from the game's chronicle.
#include "reports/statistics.h"

#include <algorithm>

#include "game/victory.h"

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

std::vector<Figure> Figures() {
    std::vector<Figure> figures;
    for (const HistoryColumn& column : kHistoryColumns)
        if (column.charted != Charted::No) figures.push_back(&column);
    return figures;
}

Figure FindFigure(std::string_view column) {
    for (Figure f : Figures())
        if (f->name == column) return f;
    return nullptr;
}

std::string_view FigureName(Figure f) {
    return f->caption;
}

bool IsPrivate(Figure f) {
    return f->privateToSide;
}

int FigureValue(const SideYear& s, Figure f) {
    return s.*f->figure;
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
            if (const SideYear* s = st.Chronicle[i].find(side);
                s && FigureValue(*s, f) != kNoFigure)
                line.points.emplace_back(st.Chronicle[i].year, FigureValue(*s, f));
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string HistoryCsv(const GameState& st, int viewer) {
    std::string csv = "Year,Side,Name";
    const std::vector<Figure> figures = Figures();
    for (Figure f : figures) {
        csv += ',';
        csv += FigureName(f);
    }
    csv += "\r\n";
    for (std::size_t i = 0; i < st.Chronicle.size(); ++i) {
        const HistoryYear& year = st.Chronicle[i];
        for (const SideYear& s : year.sides) {
            csv += std::to_string(year.year) + "," + std::to_string(s.side) + "," +
                   CsvText(SideName(st, s.side));
            for (Figure f : figures) {
                csv += ",";
                if (MayShow(f, s.side, viewer) && FigureValue(s, f) != kNoFigure)
                    csv += std::to_string(FigureValue(s, f));
            }
            csv += "\r\n";
        }
    }
    return csv;
}

std::string OutcomeText(const GameState& st) {
    const int years = std::max(0, st.CurrentYear - kFirstYear);
    const std::string span = std::to_string(years) + (years == 1 ? " year" : " years") + " of war";
    if (st.Decided >= 0 && EndedOnScore(st.Chronicle, st.PlayesNum, st.GameLength)) {
        const std::vector<int> leaders = ScoreLeaders(st.Chronicle.back());
        return SidesText(st, leaders) +
               (leaders.size() == 1 ? " won on score after " : " shared the highest score after ") +
               span + ".";
    }
    if (st.Decided == kEmpire) return "The Empire has won after " + span + ".";
    if (st.validPlayer(st.Decided))
        return SideName(st, st.Decided) + " conquered the galaxy after " + span + ".";
    return "The war goes on after " + span + ".";
}

std::string EndingText(const GameState& st) {
    if (st.Decided < 0) return {};
    if (!EndedOnScore(st.Chronicle, st.PlayesNum, st.GameLength)) return "It ended by conquest.";
    return "It ended on score: the game's " + std::to_string(st.GameLength) +
           (st.GameLength == 1 ? " year had run out." : " years had run out.");
}

}  // namespace zenthar
