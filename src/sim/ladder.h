// The computer levels measured against each other and against the Empire: seeded games with a
// kind of player in every seat, and the ladder of such matches the README's balance table shows.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "sim/simulation.h"

namespace zenthar::sim {

// One to four seat kinds by name (passive, greedy, easy, normal, hard), separated by commas.
// Empty when a name is unknown or there are too many.
std::vector<SeatChoice> SeatNames(const std::string& commaList);

struct MatchOptions {
    std::vector<SeatChoice> seats;  // one kind per player
    int skill = 1;
    int planets = 26;
    int years = 300;
    int games = 100;
    unsigned long long seed = 1;
    std::filesystem::path programDir;
};

struct MatchResult {
    std::vector<int> seatWins;  // games each seat won
    int empireWins = 0;
    int undecided = 0;
    double meanYearsOfPlayerWins = 0;
};

// Plays options.games games with seeds seed, seed + 1, ... Throws StorageError when the
// program folder lacks a file.
MatchResult PlayMatch(const MatchOptions& options);

// Every level against the next (and Hard against the greedy yardstick) with the Intermediate
// Empire, then every level alone against each skill of the Empire; one table row per match.
void PrintLadder(std::ostream& out, const MatchOptions& base);

}  // namespace zenthar::sim
