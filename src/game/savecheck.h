// The check of a saved game before it may replace the running one: the file is read from memory
// (never opened in place), every table, field and value a game relies on is checked, and what
// passes comes out as the values a load puts into memory and the rows of a fresh working file.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "game/database.h"
#include "game/history.h"
#include "game/state.h"

namespace zenthar {

struct SavedGame {
    // The AppCfg values as opening puts them in place (game/config_columns.h): the players'
    // fields for the first PlayesNum players, the others as a new GameState has them.
    GameState config;
    std::vector<PlanetRecord> Planets;  // PlanetsNum records, OnMap 0
    History Chronicle;                  // empty for a file saved before there was one
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
