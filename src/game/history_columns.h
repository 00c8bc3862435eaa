// The History table's columns in their order, each with the figure it keeps: the one
// description the schema, saving, opening and the checker of saved games walk. One row per
// year and side; the year's report rides on the Empire's row, the other rows leave it empty.
#pragma once

#include <array>
#include <string_view>

#include "game/history.h"
#include "game/state.h"

namespace zenthar {

struct HistoryColumn {
    std::string_view name;
    int SideYear::*figure;  // nullptr for Year, Side and Report
    long long lo;
    long long hi;
};

// The most ships a side can have: every planet of the largest galaxy full.
inline constexpr long long kMostShips = static_cast<long long>(kMaxPlanets) * 32767;

// clang-format off
inline constexpr std::array<HistoryColumn, 9> kHistoryColumns{{
    {"Year",          nullptr,                  -32768, 32767},
    {"Side",          &SideYear::side,          0,      kEmpire},
    {"Planets",       &SideYear::planets,       0,      kMaxPlanets},
    {"Production",    &SideYear::production,    0,      kMaxPlanets * 32767LL},
    {"Ships",         &SideYear::ships,         -kMostShips,    kMostShips},
    {"ShipsInFlight", &SideYear::shipsInFlight, 0,      1001LL * 32767},
    {"BattlesWon",    &SideYear::battlesWon,    0,      1001LL * kSides},
    {"BattlesLost",   &SideYear::battlesLost,   0,      1001LL * kSides},
    {"Report",        nullptr,                  0,      0},
}};
// clang-format on

inline constexpr std::size_t kHistoryYear = 0;
inline constexpr std::size_t kHistorySide = 1;
inline constexpr std::size_t kHistoryReport = 8;

}  // namespace zenthar
