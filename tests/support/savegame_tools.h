// Helpers for the save and load tests, the fuzz loop and the libFuzzer harness: a full random
// game in memory and in the Ships table, a text picture of the game state to compare before and
// after, file bytes, and SQL edits of a saved game held in memory. No test framework needed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/game.h"
#include "sim/state_picture.h"

namespace zenthar::testing {

namespace fs = std::filesystem;

struct SampleShape {
    int players = 4;
    int planets = 12;
    int taskForcesPerSide = 3;  // for every player and for the Empire
};

// Resets the working database and replaces the game by a random but valid one: players, planets
// with every field set, the Empire's campaign, both check marks, and task forces of every side in
// the Ships table (the current player's loaded into TaskForceList). The working database must be
// bound (StartUp).
void MakeSampleGame(Game& game, std::uint32_t seed, const SampleShape& shape = {});

// Sets each player's planet count (Hatest) from the planets' digits, as play keeps it.
void CountOwnedPlanets(GameState& st);

// The pictures of a game the save tests compare.
using sim::DescribeSavedGame;
using sim::DescribeWholeState;

// Every row of the three tables of a game database file (Ships in table order), read through a
// connection of its own.
std::string DescribeDatabase(const fs::path& file);

// The first value of the first row the query gives on the file, read through a connection of
// its own; "no row" when it gives none.
std::string QueryText(const fs::path& file, const std::string& sql);

std::vector<unsigned char> ReadBytes(const fs::path& file);
void WriteBytes(const fs::path& file, const std::vector<unsigned char>& bytes);

// Runs SQL on a copy of a saved game in memory and returns the changed file. Throws
// std::runtime_error when the SQL fails.
std::vector<unsigned char> EditSavedGame(const std::vector<unsigned char>& bytes,
                                         const std::string& sql);

// Like EditSavedGame, but a statement that fails is skipped; returns how many ran and adds
// them to `ran` when given.
int TryEditSavedGame(std::vector<unsigned char>& bytes, const std::vector<std::string>& statements,
                     std::vector<std::string>* ran = nullptr);

}  // namespace zenthar::testing
