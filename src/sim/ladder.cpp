// Matches between seat kinds: each game is a fresh seeded galaxy, every seat plays its own
// turns, and the game runs until it is decided or its years are up.
#include "sim/ladder.h"

#include <iomanip>
#include <sstream>

namespace zenthar::sim {

std::vector<SeatChoice> SeatNames(const std::string& commaList) {
    std::vector<SeatChoice> seats;
    std::stringstream in(commaList);
    for (std::string name; std::getline(in, name, ',');) {
        const auto seat = SeatChoiceNamed(name);
        if (!seat) return {};
        seats.push_back(*seat);
    }
    if (seats.size() > static_cast<std::size_t>(kMaxPlayers)) return {};
    return seats;
}

MatchResult PlayMatch(const MatchOptions& o) {
    MatchResult r;
    r.seatWins.assign(o.seats.size(), 0);
    long long yearsOfWins = 0;
    SimulationOptions game;
    game.seats = o.seats;
    game.planets = o.planets;
    game.skill = o.skill;
    game.years = o.years;
    game.programDir = o.programDir;
    for (int g = 0; g < o.games; ++g) {
        game.seed = o.seed + static_cast<unsigned long long>(g);
        const GameResult result = RunGame(game);
        const int winner = result.winner, years = result.yearsPlayed;
        if (winner == kEmpire) {
            ++r.empireWins;
        } else if (winner >= 0 && winner < static_cast<int>(o.seats.size())) {
            ++r.seatWins[static_cast<std::size_t>(winner)];
            yearsOfWins += years;
        } else {
            ++r.undecided;
        }
    }
    const int playerWins = o.games - r.empireWins - r.undecided;
    if (playerWins > 0) r.meanYearsOfPlayerWins = static_cast<double>(yearsOfWins) / playerWins;
    return r;
}

void PrintLadder(std::ostream& out, const MatchOptions& base) {
    static const char* const kSkills[] = {"beginner", "intermediate", "advanced"};
    struct Row {
        std::string seats;
        int skill;
    };
    std::vector<Row> rows{
        {"hard,normal", 1}, {"normal,easy", 1}, {"easy,passive", 1}, {"hard,greedy", 1}};
    for (const char* level : {"easy", "normal", "hard"})
        for (int skill = 0; skill < 3; ++skill) rows.push_back({level, skill});
    out << "| Seats | Empire | Games | First seat won | Second seat won | Empire won | Undecided "
           "| First seat's share of player wins | Mean years of player wins |\n"
           "|---|---|--:|--:|--:|--:|--:|--:|--:|\n";
    for (const Row& row : rows) {
        MatchOptions o = base;
        o.seats = SeatNames(row.seats);
        o.skill = row.skill;
        const MatchResult r = PlayMatch(o);
        const int first = r.seatWins[0];
        const int second = r.seatWins.size() > 1 ? r.seatWins[1] : 0;
        std::ostringstream share, years;
        if (first + second > 0)
            share << std::fixed << std::setprecision(0) << 100.0 * first / (first + second) << " %";
        else
            share << "-";
        years << std::fixed << std::setprecision(1) << r.meanYearsOfPlayerWins;
        out << "| " << row.seats << " | " << kSkills[row.skill] << " | " << o.games << " | "
            << first << " | " << (r.seatWins.size() > 1 ? std::to_string(second) : "-") << " | "
            << r.empireWins << " | " << r.undecided << " | " << share.str() << " | " << years.str()
            << " |\n"
            << std::flush;
    }
}

}  // namespace zenthar::sim
