// zenthar-sim: plays whole games without a window and prints one line per game and a summary,
// or one JSON object per game. The same options and seed print the same text.
#include <chrono>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game/saveload.h"
#include "game/skill.h"
#include "game/storage_error.h"
#include "sim/simulation.h"
#include "sim/soak.h"
#include "sim_options.h"

namespace {

using zenthar::sim::CommandLine;
using zenthar::sim::GameResult;
using zenthar::sim::SeatChoice;
using zenthar::sim::SimulationOptions;

enum ExitStatus { kDone = 0, kFileFailed = 1, kBadOptions = 2, kRefusedGame = 3, kSoakBroke = 4 };

// Beside the program in a build tree; installed, the game's read-only files it shares.
std::filesystem::path ProgramFolderOfThisProgram() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    const std::filesystem::path beside = self.parent_path();
    if (std::filesystem::is_regular_file(beside / "planets.dat", ec)) return beside;
    return (beside / ZENTHAR_DATA_FROM_EXECUTABLE).lexically_normal();
}

// "final.mdb" becomes "final-3.mdb" for game 3 of several.
std::filesystem::path NumberedPath(const std::filesystem::path& p, int game) {
    if (p.empty()) return p;
    std::filesystem::path out = p;
    out.replace_filename(p.stem().string() + "-" + std::to_string(game) + p.extension().string());
    return out;
}

SimulationOptions OptionsForGame(const CommandLine& cl, int game) {
    SimulationOptions o = cl.game;
    o.seed = cl.game.seed + static_cast<unsigned long long>(game);
    if (cl.games > 1) {
        o.saveInitial = NumberedPath(o.saveInitial, game);
        o.saveFinal = NumberedPath(o.saveFinal, game);
        if (!o.keepReportsDir.empty())
            o.keepReportsDir = o.keepReportsDir.string() + "-" + std::to_string(game);
    }
    return o;
}

std::string JsonText(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

template <typename Field>
std::string JsonList(const GameResult& r, Field field) {
    std::string out = "[";
    for (std::size_t i = 0; i < r.sides.size(); ++i) {
        if (i > 0) out += ',';
        out += field(r.sides[i]);
    }
    return out + "]";
}

std::string JsonLine(int game, const GameResult& r, const std::vector<SeatChoice>& seats) {
    std::ostringstream os;
    os << "{\"game\":" << game << ",\"seed\":" << r.seed << ",\"winner\":" << JsonText(r.winnerName)
       << ",\"first_year\":" << r.firstYear << ",\"last_year\":" << r.lastYear
       << ",\"years\":" << r.yearsPlayed
       << ",\"sides\":" << JsonList(r, [](const auto& s) { return JsonText(s.name); })
       << ",\"planets\":" << JsonList(r, [](const auto& s) { return std::to_string(s.planets); })
       << ",\"ships\":" << JsonList(r, [](const auto& s) { return std::to_string(s.ships); })
       << ",\"task_forces\":"
       << JsonList(r, [](const auto& s) { return std::to_string(s.taskForces); })
       << ",\"ships_in_flight\":"
       << JsonList(r, [](const auto& s) { return std::to_string(s.shipsInFlight); });
    if (!seats.empty()) {
        os << ",\"seats\":[";
        for (std::size_t k = 0; k < seats.size(); ++k)
            os << (k ? "," : "") << JsonText(zenthar::sim::SeatChoiceName(seats[k]));
        os << "],\"winner_index\":" << r.winner;
    }
    if (r.onScore) os << ",\"on_score\":true";
    os << "}";
    return os.str();
}

template <typename Field>
std::string Slashed(const GameResult& r, Field field) {
    std::string out;
    for (std::size_t i = 0; i < r.sides.size(); ++i) {
        if (i > 0) out += '/';
        out += field(r.sides[i]);
    }
    return out;
}

std::string TableHeader() {
    std::ostringstream os;
    os << std::left << std::setw(6) << "game" << std::setw(22) << "seed" << std::setw(14)
       << "winner" << std::setw(7) << "year" << std::setw(7) << "years" << std::setw(16)
       << "planets" << std::setw(26) << "ships"
       << "fleets";
    return os.str();
}

std::string TableRow(int game, const GameResult& r) {
    std::ostringstream os;
    os << std::left << std::setw(6) << game << std::setw(22) << r.seed << std::setw(14)
       << r.winnerName << std::setw(7) << r.lastYear << std::setw(7) << r.yearsPlayed
       << std::setw(16) << Slashed(r, [](const auto& s) { return std::to_string(s.planets); })
       << std::setw(26) << Slashed(r, [](const auto& s) { return std::to_string(s.ships); })
       << Slashed(r, [](const auto& s) { return std::to_string(s.taskForces); });
    return os.str();
}

// Wins per side in the order the sides first appear, then the undecided games.
std::string SummaryLine(const std::vector<GameResult>& results, double seconds, bool timing) {
    std::vector<std::pair<std::string, int>> wins;
    auto count = [&](const std::string& name, int add) {
        for (auto& w : wins)
            if (w.first == name) {
                w.second += add;
                return;
            }
        wins.emplace_back(name, add);
    };
    long long years = 0;
    int undecided = 0;
    for (const GameResult& r : results) {
        for (const auto& side : r.sides) count(side.name, 0);
        if (r.winner >= 0)
            count(r.winnerName, 1);
        else
            ++undecided;
        years += r.yearsPlayed;
    }
    std::ostringstream os;
    os << "summary: " << results.size() << (results.size() == 1 ? " game" : " games") << "; wins:";
    for (const auto& [name, n] : wins) os << " " << name << " " << n << ",";
    os << " none " << undecided << "; mean length " << std::fixed << std::setprecision(1)
       << static_cast<double>(years) / static_cast<double>(results.size()) << " years";
    if (timing)
        os << "; " << std::setprecision(1)
           << (seconds > 0 ? static_cast<double>(years) / seconds : 0.0) << " game-years/s";
    return os.str();
}

std::string SkillName(int skill) {
    return std::string(zenthar::RulesNearSkill(skill).word);
}

// Games won by the players (any of them), by the Empire, and undecided, per skill level.
std::string BalanceTable(const std::vector<std::vector<GameResult>>& bySkill) {
    std::ostringstream os;
    os << "balance: " << std::left << std::setw(14) << "skill" << std::right << std::setw(12)
       << "players won" << std::setw(12) << "Empire won" << std::setw(11) << "undecided"
       << "\n";
    for (std::size_t skill = 0; skill < bySkill.size(); ++skill) {
        int players = 0, empire = 0, undecided = 0;
        for (const GameResult& r : bySkill[skill]) {
            if (r.winner == zenthar::kEmpire)
                ++empire;
            else if (r.winner >= 0 && r.winner < zenthar::kEmpire)
                ++players;
            else
                ++undecided;
        }
        os << "balance: " << std::left << std::setw(14) << SkillName(static_cast<int>(skill))
           << std::right << std::setw(12) << players << std::setw(12) << empire << std::setw(11)
           << undecided << "\n";
    }
    return os.str();
}

// The games of one skill level (or of the one set up), a row each, and their summary line.
std::vector<GameResult> PlayGames(const CommandLine& cl, const CommandLine& games) {
    std::vector<GameResult> results;
    const auto start = std::chrono::steady_clock::now();
    for (int game = 0; game < games.games; ++game) {
        GameResult r = zenthar::sim::RunGame(OptionsForGame(games, game));
        // Only once a game has been played: a refused start leaves standard output empty.
        if (game == 0 && !cl.json) std::cout << TableHeader() << "\n";
        std::cout << (cl.json ? JsonLine(game, r, games.game.seats) : TableRow(game, r)) << "\n"
                  << std::flush;
        results.push_back(std::move(r));
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!cl.json) std::cout << SummaryLine(results, seconds, cl.timing) << "\n";
    return results;
}

int Run(const CommandLine& cl) {
    if (!cl.everySkill) {
        PlayGames(cl, cl);
        return kDone;
    }
    // The same seeds at every level, so the levels differ by the Empire alone.
    std::vector<std::vector<GameResult>> bySkill;
    for (int skill = 0; skill < static_cast<int>(zenthar::kSkillRules.size()); ++skill) {
        CommandLine level = cl;
        level.game.skill = skill;
        if (!cl.json) std::cout << "skill " << SkillName(skill) << ":\n";
        bySkill.push_back(PlayGames(cl, level));
    }
    if (!cl.json) std::cout << BalanceTable(bySkill);
    return kDone;
}

// One line per game, every fault under it, and the totals.
int Soak(const CommandLine& cl) {
    zenthar::sim::SoakOptions o;
    o.games = cl.soak;
    o.years = cl.game.years;
    o.seed = cl.game.seed;
    o.programDir = cl.game.programDir;
    const auto start = std::chrono::steady_clock::now();
    const zenthar::sim::SoakTotals t =
        zenthar::sim::RunSoak(o, [](const zenthar::sim::SoakGameReport& r) {
            std::ostringstream os;
            os << "game " << r.game << ": " << SkillName(r.setUp.skill) << ", " << r.setUp.players
               << (r.setUp.players == 1 ? " player, " : " players, ") << r.setUp.planets
               << " planets, " << zenthar::sim::BotName(r.setUp.bot) << ", seed " << r.seed << ": "
               << r.result.yearsPlayed << " years, winner " << r.result.winnerName
               << ", saved and opened in "
               << (r.roundTripYear ? std::to_string(r.roundTripYear) : std::string("no year"))
               << ", "
               << (r.faults.empty() ? "clean" : std::to_string(r.faults.size()) + " faults");
            for (const std::string& f : r.faults) os << "\n    " << f;
            std::cout << os.str() << "\n" << std::flush;
        });
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "soak: " << t.games << " games, " << t.gameYears << " game-years, " << t.roundTrips
              << " round trips, " << t.faults << " faults in " << t.faultyGames << " games";
    if (cl.timing) std::cout << std::fixed << std::setprecision(1) << ", " << seconds << " s";
    std::cout << "\n";
    return t.faults == 0 ? kDone : kSoakBroke;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    auto parsed = zenthar::sim::ParseCommandLine(args);
    if (const auto* refusal = std::get_if<std::string>(&parsed)) {
        std::cerr << "zenthar-sim: " << *refusal << "\nTry zenthar-sim --help.\n";
        return kBadOptions;
    }
    CommandLine cl = std::get<CommandLine>(std::move(parsed));
    if (cl.help) {
        std::cout << zenthar::sim::UsageText();
        return kDone;
    }
    if (cl.game.programDir.empty()) cl.game.programDir = ProgramFolderOfThisProgram();
    try {
        return cl.soak > 0 ? Soak(cl) : Run(cl);
    } catch (const zenthar::sim::LoadRefused& e) {
        std::cerr << e.what() << "\n";
        return kRefusedGame;
    } catch (const zenthar::StorageError& e) {
        // A save that failed reads as the game would show it; a missing data file names itself.
        if (dynamic_cast<const zenthar::SaveLoadError*>(&e) != nullptr)
            std::cerr << "zenthar-sim: " << zenthar::StorageErrorMessage(e) << "\n";
        else
            std::cerr << "zenthar-sim: " << e.what() << "\n";
        return kFileFailed;
    } catch (const std::exception& e) {
        std::cerr << "zenthar-sim: " << e.what() << "\n";
        return kFileFailed;
    }
}
