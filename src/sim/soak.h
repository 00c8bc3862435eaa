// The long soak: many whole games over every skill, player count, galaxy size and scripted
// player, the rules' invariants checked after every year end and one save-and-open round trip
// per game that must give back the same game. zenthar-sim --soak runs it.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "sim/simulation.h"

namespace zenthar::sim {

struct SoakSetUp {
    int skill = 0;
    int players = 1;
    int planets = 5;
    BotKind bot = BotKind::Passive;
};

// Game n's set-up; 72 games in a row cover every combination of the three skills, one to four
// players, 5, 26 and 50 planets and both scripted players.
SoakSetUp SoakSetUpOf(int game);
constexpr int kSoakSetUps = 72;

struct SoakOptions {
    int games = 1000;
    int years = 300;
    unsigned long long seed = 1;  // game n uses seed + n
    std::filesystem::path programDir;
};

struct SoakGameReport {
    int game = 0;
    SoakSetUp setUp;
    unsigned long long seed = 0;
    GameResult result;
    int roundTripYear = 0;            // the year the game was saved and opened again; 0: never
    std::vector<std::string> faults;  // invariant breaks, round-trip differences, a stop
};

struct SoakTotals {
    int games = 0;
    long long gameYears = 0;
    int roundTrips = 0;
    long long faults = 0;
    int faultyGames = 0;
};

using SoakProgress = std::function<void(const SoakGameReport&)>;

// Plays options.games games and reports each as it ends. `tamper`, when given, runs after
// every year end before the checks (the tests break the rules with it).
SoakTotals RunSoak(const SoakOptions& options, const SoakProgress& onGame,
                   const YearEndHook& tamper = {});

// Saves the game in `folder`, opens the file in a game of its own and returns the first
// difference between the two (what a save keeps and every task force), or "" when there is
// none.
std::string RoundTripDifference(Game& game, const std::filesystem::path& programDir,
                                const std::filesystem::path& folder);

// The first line where two pictures of `what` differ, both versions shown; "" when equal.
std::string FirstDifference(const std::string& what, const std::string& before,
                            const std::string& after);

}  // namespace zenthar::sim
