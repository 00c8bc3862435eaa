// Matches between seat kinds: each game is a fresh seeded galaxy, every seat plays its own
// turns, and the game runs until it is decided or its years are up.
#include "sim/ladder.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "game/levels.h"
#include "game/skill.h"

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
    r.capitalTakenBySeat.assign(o.seats.size(), 0);
    r.capitalFalls.assign(o.seats.size(), 0);
    r.emptyCapitalFalls.assign(o.seats.size(), 0);
    long long yearsOfWins = 0;
    SimulationOptions game;
    game.seats = o.seats;
    game.planets = o.planets;
    game.skill = o.skill;
    game.years = o.years;
    game.length = o.length;
    game.programDir = o.programDir;
    for (int g = 0; g < o.games; ++g) {
        game.seed = o.seed + static_cast<unsigned long long>(g);
        const GameResult result = RunGame(game);
        const int winner = result.winner, years = result.yearsPlayed;
        std::vector<bool> takenBySeat(o.seats.size(), false);
        for (const CapitalFall& f : result.capitalFalls) {
            if (f.seat < 0 || f.seat >= static_cast<int>(o.seats.size())) continue;
            const auto k = static_cast<std::size_t>(f.seat);
            ++r.capitalFalls[k];
            if (f.defenders == 0) ++r.emptyCapitalFalls[k];
            if (f.takenBy >= 0 && f.takenBy < static_cast<int>(o.seats.size()))
                takenBySeat[k] = true;
        }
        for (std::size_t k = 0; k < takenBySeat.size(); ++k)
            if (takenBySeat[k]) ++r.capitalTakenBySeat[k];
        if (o.eachGame) {
            *o.eachGame << "seed " << game.seed << ": winner " << winner << " after " << years
                        << " years; longest idle";
            for (const int idle : result.longestIdle) *o.eachGame << " " << idle;
            for (const CapitalFall& f : result.capitalFalls)
                *o.eachGame << "; capital of " << f.seat << " taken by " << f.takenBy << " in "
                            << f.year << " from " << f.defenders;
            *o.eachGame << "\n";
        }
        for (const int idle : result.longestIdle) {
            if (idle >= 50) ++r.seatsIdle50;
            r.longestIdle = std::max(r.longestIdle, idle);
        }
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

namespace {

// Per seat, separated by slashes.
std::string PerSeat(const std::vector<int>& figures) {
    std::string text;
    for (std::size_t k = 0; k < figures.size(); ++k)
        text += (k ? " / " : "") + std::to_string(figures[k]);
    return text;
}

std::string SeatList(const std::vector<SeatChoice>& seats) {
    std::string text;
    for (std::size_t k = 0; k < seats.size(); ++k)
        text.append(k ? "," : "").append(SeatChoiceName(seats[k]));
    return text;
}

}  // namespace

void PrintLadderHead(std::ostream& out) {
    out << "| Seats | Empire | Length | Games | First seat won | Second seat won | Empire won | "
           "Undecided "
           "| First seat's share of player wins | Mean years of player wins "
           "| Capital taken by a seat (games, per seat) | Capital falls (empty) | Seats idle 50 "
           "years |\n"
           "|---|---|---|--:|--:|--:|--:|--:|--:|--:|--:|--:|--:|\n";
}

void PrintMatchRow(std::ostream& out, const MatchOptions& o) {
    const MatchResult r = PlayMatch(o);
    const int first = r.seatWins.empty() ? 0 : r.seatWins[0];
    const int second = r.seatWins.size() > 1 ? r.seatWins[1] : 0;
    std::ostringstream share, years;
    if (first + second > 0)
        share << std::fixed << std::setprecision(0) << 100.0 * first / (first + second) << " %";
    else
        share << "-";
    years << std::fixed << std::setprecision(1) << r.meanYearsOfPlayerWins;
    int falls = 0, empty = 0;
    for (std::size_t k = 0; k < r.capitalFalls.size(); ++k) {
        falls += r.capitalFalls[k];
        empty += r.emptyCapitalFalls[k];
    }
    const std::string length =
        o.length > 0 ? std::to_string(o.length) + " years" : std::string("conquest");
    out << "| " << SeatList(o.seats) << " | " << RulesNearSkill(o.skill).word << " | " << length
        << " | " << o.games << " | " << first << " | "
        << (r.seatWins.size() > 1 ? std::to_string(second) : "-") << " | " << r.empireWins << " | "
        << r.undecided << " | " << share.str() << " | " << years.str() << " | "
        << PerSeat(r.capitalTakenBySeat) << " | " << falls << " (" << empty << ") | "
        << r.seatsIdle50 << " |\n"
        << std::flush;
}

void PrintLadder(std::ostream& out, const MatchOptions& base) {
    struct Row {
        std::string seats;
        int skill;
    };
    // Each level against the one below it, the weakest against the passive player, the
    // strongest against the greedy yardstick, the levels above the weakest against the raider
    // and four seats of the strongest; then each level alone against every skill.
    constexpr int kIntermediate = static_cast<int>(Skill::Intermidiate);
    const std::string weakest(kComputerLevels.front().word), strongest(kComputerLevels.back().word);
    std::vector<Row> rows;
    for (std::size_t k = kComputerLevels.size(); k-- > 1;)
        rows.push_back(
            {std::string(kComputerLevels[k].word) + "," + std::string(kComputerLevels[k - 1].word),
             kIntermediate});
    rows.push_back({weakest + "," + std::string(BotName(BotKind::Passive)), kIntermediate});
    rows.push_back({strongest + "," + std::string(BotName(BotKind::Greedy)), kIntermediate});
    for (std::size_t k = 1; k < kComputerLevels.size(); ++k)
        rows.push_back(
            {std::string(kComputerLevels[k].word) + "," + std::string(BotName(BotKind::Raider)),
             kIntermediate});
    rows.push_back(
        {strongest + "," + strongest + "," + strongest + "," + strongest, kIntermediate});
    for (const ComputerLevel& level : kComputerLevels)
        for (std::size_t skill = 0; skill < kSkillRules.size(); ++skill)
            rows.push_back({std::string(level.word), static_cast<int>(skill)});
    PrintLadderHead(out);
    for (const Row& row : rows) {
        MatchOptions o = base;
        o.seats = SeatNames(row.seats);
        o.skill = row.skill;
        PrintMatchRow(out, o);
    }
}

}  // namespace zenthar::sim
