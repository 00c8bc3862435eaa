// The computer levels measured against each other and against the Empire: seeded games with a
// kind of player in every seat, and the ladder of such matches the README's balance table shows.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "sim/simulation.h"

namespace zenthar::sim {

// One to four seat kinds by name (SeatChoiceWords), separated by commas.
// Empty when a name is unknown or there are too many.
std::vector<SeatChoice> SeatNames(const std::string& commaList);

struct MatchOptions {
    std::vector<SeatChoice> seats;  // one kind per player
    int skill = 1;
    int planets = 26;
    int years = 300;
    int length = 0;  // the games' own length in years; 0: until one side holds the galaxy
    int games = 100;
    unsigned long long seed = 1;
    std::filesystem::path programDir;
    std::ostream* eachGame = nullptr;  // a line per game: winner, idle years, capital falls
};

struct MatchResult {
    std::vector<int> seatWins;  // games each seat won
    int empireWins = 0;
    int undecided = 0;
    double meanYearsOfPlayerWins = 0;
    // Per seat: games in which another seat took its capital; every fall of its capital, and
    // those with no ship left on it.
    std::vector<int> capitalTakenBySeat;
    std::vector<int> capitalFalls;
    std::vector<int> emptyCapitalFalls;
    int seatsIdle50 = 0;  // seats of all games that gave no order for 50 years in a row
    int longestIdle = 0;  // years, over every seat of every game
};

// Plays options.games games with seeds seed, seed + 1, ... Throws StorageError when the
// program folder lacks a file.
MatchResult PlayMatch(const MatchOptions& options);

// Every level against the next (and Hard against the greedy yardstick and the raider, and four
// Hard seats) with the Intermediate Empire, then every level alone against each skill of the
// Empire; one table row per match.
void PrintLadder(std::ostream& out, const MatchOptions& base);
// The table's head and the row of one match.
void PrintLadderHead(std::ostream& out);
void PrintMatchRow(std::ostream& out, const MatchOptions& options);

}  // namespace zenthar::sim
