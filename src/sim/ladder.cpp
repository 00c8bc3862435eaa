// Matches between seat kinds: each game is a fresh seeded galaxy, every seat plays its own
// turns, and the game runs until it is decided or its years are up.
#include "sim/ladder.h"

#include <iomanip>
#include <memory>
#include <sstream>

#include "setup/newgame.h"
#include "sim/simulation.h"
#include "turn/endturn.h"
#include "turn/rival.h"

namespace zenthar::sim {
namespace {

std::unique_ptr<SeatPlayer> MakeSeat(const std::string& name) {
    if (name == "easy") return MakeComputerPlayer(SeatKind::Easy);
    if (name == "normal") return MakeComputerPlayer(SeatKind::Normal);
    if (name == "hard") return MakeComputerPlayer(SeatKind::Hard);
    return MakePlayer(name == "greedy" ? BotKind::Greedy : BotKind::Passive);
}

int PlayOneGame(const MatchOptions& o, unsigned long long seed, int& years) {
    HeadlessGame headless(o.programDir, seed);
    Game& game = headless.game();
    NewGameSettings s;
    s.players = static_cast<int>(o.seats.size());
    s.planets = o.planets;
    s.skill = o.skill;
    s.symbols = {"shipvert.ico", "mac.ico", "shiporiz.ico", "flsp.ico"};
    for (std::size_t k = 0; k < 4; ++k) {
        s.names[k] = "Player " + std::to_string(k + 1);
        s.homePlanets[k] = game.st.PlanetList[k].Name.padded();
    }
    CreateNewGame(game, s);
    StartFirstTurn(game);
    std::vector<std::unique_ptr<SeatPlayer>> seats;
    for (const std::string& name : o.seats) seats.push_back(MakeSeat(name));
    const int first = game.st.CurrentYear;
    int winner = Winner(game);
    for (int turnsThisYear = 0;
         winner == -1 && game.st.CurrentYear - first < o.years && turnsThisYear <= kMaxPlayers;) {
        const int p = game.st.CurrentPlTurn;
        if (game.st.validPlayer(p)) seats[static_cast<std::size_t>(p)]->PlayTurn(game);
        const int yearBefore = game.st.CurrentYear;
        EndTurn(game);
        turnsThisYear = game.st.CurrentYear == yearBefore ? turnsThisYear + 1 : 0;
        if (turnsThisYear == 0) winner = Winner(game);
    }
    years = game.st.CurrentYear - first;
    return winner;
}

}  // namespace

std::vector<std::string> SeatNames(const std::string& commaList) {
    std::vector<std::string> names;
    std::stringstream in(commaList);
    for (std::string name; std::getline(in, name, ',');) {
        if (name != "passive" && name != "greedy" && name != "easy" && name != "normal" &&
            name != "hard")
            return {};
        names.push_back(name);
    }
    if (names.size() > static_cast<std::size_t>(kMaxPlayers)) return {};
    return names;
}

MatchResult PlayMatch(const MatchOptions& o) {
    MatchResult r;
    r.seatWins.assign(o.seats.size(), 0);
    long long yearsOfWins = 0;
    for (int g = 0; g < o.games; ++g) {
        int years = 0;
        const int winner = PlayOneGame(o, o.seed + static_cast<unsigned long long>(g), years);
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
