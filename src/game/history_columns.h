// The History table's columns in their order, each with the figure it keeps: the one
// description the schema, the year end's recorder, saving, opening, the Statistics window and
// the CSV export walk. One row per year and side; the year's report rides on the Empire's row,
// the other rows leave it empty. A new figure is a member of SideYear and a row here.
#pragma once

#include <array>
#include <string_view>

#include "game/history.h"
#include "game/side_totals.h"
#include "game/state.h"

namespace zenthar {

// What the year end knows of a side when it records the year: the totals every player is
// shown, and what only the side itself knows.
struct SideFacts {
    OwnerTotals shown;
    long long shipsInFlight = 0;
    int battlesWon = 0;
    int battlesLost = 0;
};

// How the Statistics window draws a column: not at all (the year, the side, the report), or as
// one line per side over the years.
enum class Charted { No, Lines };

struct HistoryColumn {
    std::string_view name;
    std::string_view caption;  // the chart's title and the CSV's heading
    int SideYear::*figure;     // nullptr for Year and Report
    long long lo;
    long long hi;
    // Only the side itself may see its figure while the game goes on.
    bool privateToSide = false;
    // Added after games were first saved: a file without it reads as no figure (kNoFigure).
    bool optional = false;
    Charted charted = Charted::No;
    // How the year end finds the figure; nullptr for Year, Side and Report.
    long long (*measure)(const SideFacts&) = nullptr;
};

// The most ships a side can have: every planet of the largest galaxy full.
inline constexpr long long kMostShips = static_cast<long long>(kMaxPlanets) * 32767;
inline constexpr long long kMostProduction = kMaxPlanets * 32767LL;

using enum Charted;
// clang-format off
inline constexpr std::array<HistoryColumn, 10> kHistoryColumns{{
    {"Year",          "Year",             nullptr,                  -32768, 32767},
    {"Side",          "Side",             &SideYear::side,          0,      kEmpire},
    {"Planets",       "Planets Owned",    &SideYear::planets,       0,      kMaxPlanets,       false, false, Lines,
     [](const SideFacts& f) { return f.shown.planets; }},
    {"Production",    "Total Production", &SideYear::production,    0,      kMostProduction,   false, false, Lines,
     [](const SideFacts& f) { return f.shown.production; }},
    {"Ships",         "Ships on Planets", &SideYear::ships,         -kMostShips, kMostShips,   false, false, Lines,
     [](const SideFacts& f) { return f.shown.ships; }},
    {"ShipsInFlight", "Ships in Flight",  &SideYear::shipsInFlight, 0,      1001LL * 32767,    true,  false, Lines,
     [](const SideFacts& f) { return f.shipsInFlight; }},
    {"BattlesWon",    "Battles Won",      &SideYear::battlesWon,    0,      1001LL * kSides,   true,  false, Lines,
     [](const SideFacts& f) { return static_cast<long long>(f.battlesWon); }},
    {"BattlesLost",   "Battles Lost",     &SideYear::battlesLost,   0,      1001LL * kSides,   true,  false, Lines,
     [](const SideFacts& f) { return static_cast<long long>(f.battlesLost); }},
    {"Score",         "Score",            &SideYear::score,         -kMostShips, kMostScore,   false, true,  Lines,
     [](const SideFacts& f) { return Score(f.shown); }},
    {"Report",        "Report",           nullptr,                  0,      0},
}};
// clang-format on

inline constexpr std::size_t kHistoryYear = 0;
inline constexpr std::size_t kHistorySide = 1;
inline constexpr std::size_t kHistoryReport = kHistoryColumns.size() - 1;

}  // namespace zenthar
