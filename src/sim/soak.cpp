// The long soak: every set-up in turn, the invariants after every year end, and one year, drawn
// from the game's seed, at which the game goes through a save file and must come back the same.
#include "sim/soak.h"

#include <random>
#include <sstream>

#include "game/saveload.h"
#include "game/storage_error.h"
#include "sim/invariants.h"
#include "sim/state_picture.h"
#include "turn/endturn.h"

namespace zenthar::sim {
std::string FirstDifference(const std::string& what, const std::string& before,
                            const std::string& after) {
    if (before == after) return "";
    std::istringstream a(before), b(after);
    std::string la, lb;
    int line = 0;
    while (true) {
        ++line;
        const bool moreA = static_cast<bool>(std::getline(a, la));
        const bool moreB = static_cast<bool>(std::getline(b, lb));
        if (!moreA && !moreB) return what + " differs only in its line ends";
        if (!moreA) la = "(nothing)";
        if (!moreB) lb = "(nothing)";
        if (la != lb)
            return what + " line " + std::to_string(line) + " was \"" + la + "\", came back \"" +
                   lb + "\"";
    }
}

SoakSetUp SoakSetUpOf(int game) {
    static const int kPlanets[] = {5, 26, 50};
    SoakSetUp s;
    s.skill = game % 3;
    s.players = 1 + (game / 3) % 4;
    s.planets = kPlanets[(game / 12) % 3];
    s.bot = (game / 36) % 2 == 0 ? BotKind::Greedy : BotKind::Passive;
    return s;
}

std::string RoundTripDifference(Game& game, const std::filesystem::path& programDir,
                                const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / "round-trip.mdb";
    SaveGame(game, file);
    HeadlessGame copy(programDir, 0);
    LoadGame(copy.game(), file);
    std::error_code ec;
    std::filesystem::remove(file, ec);
    // Once no player holds the turn (the Empire has won) the list in memory is nobody's, and an
    // opened game lists the side whose turn it is; the task forces are compared in the files.
    auto picture = [](const GameState& st) {
        if (st.validPlayer(st.CurrentPlTurn)) return DescribeSavedGame(st);
        GameState listless = st;
        listless.TaskForceLast = -1;
        return DescribeSavedGame(listless);
    };
    std::string diff = FirstDifference("saved game", picture(game.st), picture(copy.game().st));
    if (diff.empty())
        diff =
            FirstDifference("task forces", ShipsTablePicture(game), ShipsTablePicture(copy.game()));
    return diff;
}

SoakTotals RunSoak(const SoakOptions& options, const SoakProgress& onGame,
                   const YearEndHook& tamper) {
    SoakTotals totals;
    ScratchProgramFolder saves(options.programDir);
    for (int n = 0; n < options.games; ++n) {
        SoakGameReport report;
        report.game = n;
        report.setUp = SoakSetUpOf(n);
        report.seed = options.seed + static_cast<unsigned long long>(n);

        SimulationOptions o;
        o.programDir = options.programDir;
        o.players = report.setUp.players;
        o.planets = report.setUp.planets;
        o.skill = report.setUp.skill;
        o.bot = report.setUp.bot;
        o.years = options.years;
        o.seed = report.seed;

        // Drawn apart from the game's own dice, so the soak plays the games zenthar-sim plays.
        std::mt19937_64 pick(report.seed ^ 0x5eedf00dULL);
        const int roundTripAt = std::uniform_int_distribution<int>(1, options.years)(pick);
        InvariantCheck check;
        int yearEnds = 0;
        auto afterYearEnd = [&](Game& g) {
            ++yearEnds;
            if (tamper) tamper(g);
            check(g);
            // A game that is won before its year is saved at its last year end.
            if (report.roundTripYear != 0 || (yearEnds != roundTripAt && Winner(g) == -1)) return;
            report.roundTripYear = g.st.CurrentYear;
            const std::string diff = RoundTripDifference(g, options.programDir, saves.path());
            if (!diff.empty()) report.faults.push_back(diff);
        };
        try {
            report.result = RunGame(o, afterYearEnd);
        } catch (const StorageError& e) {
            report.faults.push_back("the game stopped: " + StorageErrorMessage(e));
        } catch (const std::exception& e) {
            report.faults.push_back(std::string("the game stopped: ") + e.what());
        }
        report.faults.insert(report.faults.begin(), check.faults().begin(), check.faults().end());

        ++totals.games;
        totals.gameYears += report.result.yearsPlayed;
        if (report.roundTripYear != 0) ++totals.roundTrips;
        totals.faults += static_cast<long long>(report.faults.size());
        if (!report.faults.empty()) ++totals.faultyGames;
        if (onGame) onGame(report);
    }
    return totals;
}

}  // namespace zenthar::sim
