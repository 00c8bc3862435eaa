// Headless games: a private program folder, a galaxy from a seed or a saved game, scripted
// players ending their turns, and what is left on each side when the game stops.
#include "sim/simulation.h"

#include <stdlib.h>

#include <algorithm>
#include <array>

#include "game/levels.h"
#include "game/random.h"
#include "game/saveload.h"
#include "game/silent.h"
#include "game/storage_error.h"
#include "game/victory.h"
#include "rivals/rival.h"
#include "setup/newgame.h"
#include "turn/endturn.h"
#include "turn/lookups.h"

namespace zenthar::sim {
namespace {

// The game's seat of a choice: the scripted players sit where a human would.
SeatKind SeatOf(SeatChoice choice) {
    return choice.level;
}

NewGameSettings SettingsFor(const GameState& st, const SimulationOptions& o) {
    NewGameSettings s;
    s.players = o.seats.empty() ? o.players : static_cast<int>(o.seats.size());
    for (std::size_t k = 0; k < o.seats.size() && k < s.seats.size(); ++k)
        s.seats[k] = SeatOf(o.seats[k]);
    s.planets = o.planets;
    s.skill = o.skill;
    s.gameType = 1;
    s.gameLength = o.length;
    s.symbols = {"shipvert.ico", "mac.ico", "shiporiz.ico", "flsp.ico"};
    // As the set-up dialog offers them: row k shows the k-th planet of the list.
    for (std::size_t k = 0; k < 4; ++k) {
        s.names[k] = "Player " + std::to_string(k + 1);
        s.homePlanets[k] = st.PlanetList[k].Name.padded();
    }
    return s;
}

void LoadSavedGame(Game& game, const std::filesystem::path& file) {
    if (IsOwnGameFile(game, file)) throw LoadRefused("Invalid File Name.");
    try {
        LoadGame(game, file);
    } catch (const StorageError& e) {
        throw LoadRefused(StorageErrorMessage(e));
    }
}

void KeepReport(Game& game, const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::filesystem::path copy =
        folder / ("turnrep-" + FormatPlain(game.st.CurrentYear - 1LL) + ".txt");
    const std::string* report = game.Report.text();
    try {
        ReplaceFile(copy, report ? *report : std::string(), NamedBy::Player);
    } catch (const SaveLoadError& e) {
        throw StorageError(errors::kPathFileAccess,
                           "Cannot keep the turn report as " + copy.string() + ": " + e.reason());
    }
}

}  // namespace

ScratchProgramFolder::ScratchProgramFolder(const std::filesystem::path& programDir) {
    std::string pattern = (std::filesystem::temp_directory_path() / "zenthar-sim-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw StorageError(errors::kPathFileAccess,
                           "Cannot create a temporary program folder in " +
                               std::filesystem::temp_directory_path().string());
    path_ = pattern;
    std::error_code ec;
    std::filesystem::create_directories(path_ / "GAMES", ec);
    for (const char* name : {"crt.dat", "planets.dat", "backgrnd.dat", "zenthar.mdb"}) {
        const std::filesystem::path from = programDir / name;
        if (!std::filesystem::is_regular_file(from, ec))
            throw StorageError(errors::kFileNotFound, "The program folder lacks " + from.string());
        std::filesystem::copy_file(from, path_ / name, ec);
        // An installed game's files may be read only; the copies are the run's own to write.
        if (!ec)
            std::filesystem::permissions(path_ / name, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ec);
        if (ec)
            throw StorageError(errors::kPathFileAccess,
                               "Cannot copy " + from.string() + ": " + ec.message());
    }
}

ScratchProgramFolder::~ScratchProgramFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

Answer HeadlessGame::AgreeingDialogs::ask(const MessageRequest& r) {
    return r.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
}

HeadlessGame::HeadlessGame(const std::filesystem::path& programDir, unsigned long long seed)
    : folder_(programDir),
      random_(seed),
      game_(folder_.path(), dialogs_, display_, view_, random_) {
    game_.computerPlayers = MakeComputerPlayer;
    StartUp(game_);
}

std::unique_ptr<SeatPlayer> MakePlayer(BotKind kind) {
    if (kind == BotKind::Greedy) return std::make_unique<GreedyPlayer>();
    if (kind == BotKind::Raider) return std::make_unique<RaiderPlayer>();
    return std::make_unique<PassivePlayer>();
}

std::vector<SideResult> CountSides(Game& game) {
    GameState& st = game.st;
    const int players = std::clamp(st.PlayesNum, 0, kMaxPlayers);
    std::vector<SideResult> sides(static_cast<std::size_t>(players) + 1);
    for (int p = 0; p < players; ++p)
        sides[static_cast<std::size_t>(p)].name = st.PlName[static_cast<std::size_t>(p)].trimmed();
    sides.back().name = "Empire";
    auto sideOf = [&](long long owner) -> SideResult* {
        if (owner == kEmpire) return &sides.back();
        if (owner >= 0 && owner < players) return &sides[static_cast<std::size_t>(owner)];
        return nullptr;
    };
    for (int i = 0; i < st.PlanetsNum && i < kPlanetSlots; ++i) {
        if (SideResult* side = sideOf(OwnerOf(st, i))) {
            side->planets++;
            side->ships += st.planet(i).Ships;
        }
    }
    game.FileDta1.Refresh();
    Recordset& rs = game.FileDta1.rs();
    if (rs.RecordCount() > 0) {
        const int plNum = rs.FieldIndex("PlNum"), numOfShips = rs.FieldIndex("NumOfShips");
        for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
            if (SideResult* side = sideOf(rs.Field(plNum).asInt())) {
                side->taskForces++;
                side->shipsInFlight += rs.Field(numOfShips).asInt();
            }
        }
    }
    return sides;
}

std::optional<BotKind> BotNamed(std::string_view word) {
    for (std::size_t k = 0; k < kBotNames.size(); ++k)
        if (word == kBotNames[k]) return static_cast<BotKind>(k);
    return std::nullopt;
}

std::string_view BotName(BotKind kind) {
    return kBotNames[static_cast<std::size_t>(kind)];
}

std::optional<SeatChoice> SeatChoiceNamed(std::string_view word) {
    if (const auto bot = BotNamed(word)) return SeatChoice::Scripted(*bot);
    if (const ComputerLevel* level = LevelNamed(word)) return SeatChoice::Level(level->kind);
    return std::nullopt;
}

std::string SeatChoiceName(SeatChoice choice) {
    const ComputerLevel* level = LevelOf(choice.level);
    return std::string(level ? level->word : BotName(choice.bot));
}

std::string ListOfWords(const std::vector<std::string_view>& words, std::string_view last) {
    std::string list;
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (k > 0 && k + 1 == words.size())
            list.append(" ").append(last).append(" ");
        else if (k > 0)
            list += ", ";
        list += words[k];
    }
    return list;
}

std::string SeatChoiceWords() {
    std::vector<std::string_view> words(kBotNames.begin(), kBotNames.end());
    for (const ComputerLevel& level : kComputerLevels) words.push_back(level.word);
    return ListOfWords(words, "and");
}

void StartSeededGalaxy(Game& game, const SimulationOptions& o) {
    CreateNewGame(game, SettingsFor(game.st, o));
    StartFirstTurn(game);  // as the New Game command does once its dialog closed with OK
}

GameResult RunGame(const SimulationOptions& o, const YearEndHook& afterYearEnd) {
    HeadlessGame headless(o.programDir, o.seed);
    Game& game = headless.game();
    GameState& st = game.st;

    if (o.loadFile.empty())
        StartSeededGalaxy(game, o);
    else
        LoadSavedGame(game, o.loadFile);
    if (!o.saveInitial.empty()) SaveGame(game, o.saveInitial);

    GameResult result;
    result.seed = o.seed;
    result.firstYear = st.CurrentYear;
    // The scripted player of every seat the game counts as human; the engine plays the others.
    // Every seat's turns are watched for the ladder's figures; watching changes nothing.
    SeatWatch watch(st);
    game.computerPlayers = [&watch](SeatKind kind) {
        return watch.watch(MakeComputerPlayer(kind));
    };
    std::array<std::unique_ptr<SeatPlayer>, kMaxPlayers> scripted;
    for (std::size_t k = 0; k < scripted.size(); ++k) {
        if (k < o.seats.size() && SeatOf(o.seats[k]) != SeatKind::Human) continue;
        scripted[k] = watch.watch(MakePlayer(k < o.seats.size() ? o.seats[k].bot : o.bot));
    }
    int winner = Winner(game);
    // Every End Turn passes the turn on or ends the year; more turns than players without a
    // new year would mean the game cannot go on.
    int turnsThisYear = 0;
    while (winner == -1 && st.CurrentYear - result.firstYear < o.years &&
           st.CurrentYear < kInt16Max && turnsThisYear <= kMaxPlayers) {
        if (st.validPlayer(st.CurrentPlTurn) &&
            st.Seats[static_cast<std::size_t>(st.CurrentPlTurn)] == SeatKind::Human)
            scripted[static_cast<std::size_t>(st.CurrentPlTurn)]->PlayTurn(game);
        const Int16 yearBefore = st.CurrentYear;
        EndTurn(game);
        if (st.CurrentYear == yearBefore) {
            ++turnsThisYear;
            continue;
        }
        turnsThisYear = 0;
        watch.afterYearEnd(st);
        if (!o.keepReportsDir.empty()) KeepReport(game, o.keepReportsDir);
        if (afterYearEnd) afterYearEnd(game);
        winner = Winner(game);
    }
    if (!o.saveFinal.empty()) SaveGame(game, o.saveFinal);

    result.winner = winner;
    result.lastYear = st.CurrentYear;
    result.yearsPlayed = st.CurrentYear - result.firstYear;
    result.sides = CountSides(game);
    result.onScore = winner >= 0 && EndedOnScore(st.Chronicle, st.PlayesNum, st.GameLength);
    result.capitalFalls = watch.falls();
    result.longestIdle = watch.longestIdle();
    if (winner == kEmpire)
        result.winnerName = "Empire";
    else if (winner == kSharedWin)
        result.winnerName = "shared";
    else if (winner >= 0)
        result.winnerName = result.sides[static_cast<std::size_t>(winner)].name;
    else
        result.winnerName = "none";
    return result;
}

}  // namespace zenthar::sim
