// What the Statistics window and the story of a finished game chart, and the history as CSV:
// one line per side and figure over the years, with the private figures of a player shown to
// that player alone while the game goes on.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "game/history_columns.h"
#include "game/state.h"

namespace zenthar {

// A figure is a charted column of the History table; Figures() lists them in its order.
using Figure = const HistoryColumn*;
std::vector<Figure> Figures();
// The figure of the column with that name, or nullptr.
Figure FindFigure(std::string_view column);

// Whoever looks at a finished game's story sees every figure of every side.
inline constexpr int kEveryone = -2;

std::string_view FigureName(Figure f);
// Ships in flight and battles: what a side's own orders and reports tell it, and nobody else.
bool IsPrivate(Figure f);
// The side's figure, or kNoFigure for a year of an older file that did not keep it.
int FigureValue(const SideYear& s, Figure f);

struct ChartLine {
    int side = 0;
    std::string name;                         // the player's name, or "Empire"
    std::vector<std::pair<int, int>> points;  // year, value; none for a year without the figure
};

// The sides in the game, players in order and then the Empire, with the years they were
// recorded in. A private figure gives only the viewer's own line (none for the Empire's
// turn or after the Empire has won), unless the viewer is kEveryone.
std::vector<ChartLine> ChartLines(const GameState& st, Figure f, int viewer);

// The side's name as the charts and the CSV give it.
std::string SideName(const GameState& st, int side);

// The history as CSV: a header, then one row per year and side. A private figure the viewer
// may not see, or a year did not keep, is an empty cell; names are quoted.
std::string HistoryCsv(const GameState& st, int viewer);

// The window's text about a decided game: who won and after how many years.
std::string OutcomeText(const GameState& st);
// How a decided game ended: by conquest, or on score when its years ran out; empty while the
// game goes on.
std::string EndingText(const GameState& st);

}  // namespace zenthar
