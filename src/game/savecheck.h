// The check of a saved game before it may replace the running one: the file is read from memory
// (never opened in place), every table, field and value a game relies on is checked, and what
// passes comes out as the values a load puts into memory and the rows of a fresh working file.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "game/database.h"
#include "game/state.h"

namespace zenthar {

struct SavedGame {
    int PlayesNum = 0;
    int PlanetsNum = 0;
    int GameType = 1;
    int EmpireSkill = 0;
    Int16 CurrentYear = 0;
    Int16 CurrentPlTurn = 0;
    Int16 StartYear = 0;  // the current year when the file holds none
    FixedText<2> StartPl;
    FixedText<2> EndPl;
    bool EmpireOut = false;
    bool EndTurnScreen = false;
    bool SoundsOff = false;
    std::array<FixedText<40>, kMaxPlayers> PlName{};
    std::array<FixedText<12>, kMaxPlayers> PlSymbol{};
    std::array<Int16, kMaxPlayers> PlHome{};
    std::array<Int16, kMaxPlayers> Hatest{};
    std::array<SeatKind, kMaxPlayers> Seats{};  // all human in a file from before seats
    std::vector<PlanetRecord> Planets;          // PlanetsNum records, OnMap 0
    History Chronicle;                          // empty for a file saved before there was one
    int Decided = -1;  // the side the game had announced as the winner when it was saved

    // The rows the working file receives, every field of the table layout in its order:
    // the players' rows, the planets' rows and every task force in table order.
    std::vector<std::vector<FieldValue>> AppCfgRows;
    std::vector<std::vector<FieldValue>> PlanetRows;
    std::vector<std::vector<FieldValue>> ShipRows;
};

// Reads and checks a game file held in memory. Throws SaveLoadError 13 ("The file is not a
// Zenthar game (...)") naming the first fault found.
SavedGame ReadSavedGame(std::span<const unsigned char> bytes);

// Writes the rows of a checked game into an empty game database file (a copy of the template).
void WriteSavedGameRows(const std::filesystem::path& file, const SavedGame& game);

}  // namespace zenthar
