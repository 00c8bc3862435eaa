// Save Game and Open Game. A save writes the changing fields from memory into the working file in
// one transaction and copies the file with SQLite's backup interface into a temporary beside the
// target, which is synced and renamed over the target. A load checks the chosen file from memory,
// writes its rows into a fresh copy of the template and swaps that in for the working file, keeping
// the old one until the game in memory has been replaced, so any failure can put everything back.
#include "game/saveload.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <exception>
#include <memory>
#include <span>
#include <type_traits>
#include <utility>

#include "game/config_columns.h"
#include "game/history_store.h"
#include "game/numbers.h"
#include "game/planet_columns.h"
#include "game/recovery.h"
#include "game/savecheck.h"
#include "game/storage.h"
#include "game/taskforce_store.h"

namespace zenthar {
namespace {

void WritePlanetRows(Game& game) {
    GameState& st = game.st;
    Recordset& rs = game.FileDta1.side("Planets");
    rs.MoveFirst();
    for (int i = 0; i < st.PlanetsNum; ++i) {
        const PlanetRecord& p = st.planet(i);
        // A galaxy made in memory or a file whose rows stop short: the row is added whole.
        const bool existing = !rs.EOF_();
        if (existing)
            rs.Edit();
        else
            rs.AddNew();
        ForEachPlanetColumn(p, [&](std::string_view name, const auto& field, ColumnUse use) {
            if (!existing || use == ColumnUse::Play)
                rs.SetField(name, FieldValue(StoredValue(field)));
        });
        rs.Update();
        if (existing) rs.MoveNext();
    }
}

void WriteConfigRows(Game& game) {
    GameState& st = game.st;
    Recordset& rs = game.FileDta1.side("AppCfg");
    rs.MoveFirst();
    for (int j = 0; j < st.PlayesNum && j < kMaxPlayers; ++j) {
        const auto k = static_cast<std::size_t>(j);
        // A row missing from the file is added whole.
        const bool existing = !rs.EOF_();
        if (existing)
            rs.Edit();
        else
            rs.AddNew();
        ForEachConfigColumn(std::as_const(st), k,
                            [&](std::string_view name, const auto& field, ConfigColumn column) {
                                if (SavedInRow(column, k) || (!existing && MadeInRow(column, k)))
                                    rs.SetField(name, StoredConfigValue(field, column, false));
                            });
        rs.Update();
        if (existing) rs.MoveNext();
    }
}

// Writes what lives only in memory (the current side's task forces, the planets' and players'
// changing fields) through the main connection, into whichever file it stands on.
void WriteRowsFromMemory(Game& game) {
    Connection& db = game.FileDta1;
    db.setRecordSource("Ships");
    db.Refresh();
    Connection::Transaction tx(db);
    // Once the Empire has won, no player holds the turn and a list left in memory is nobody's.
    if (game.st.validPlayer(game.st.CurrentPlTurn)) SaveTaskForces(game);
    // The dice go with the game: a year end run again from the file draws what it drew.
    game.st.RandomState = game.random.state();
    WritePlanetRows(game);
    WriteConfigRows(game);
    WriteHistory(db.database(), game.st.Chronicle);
    tx.commit();
}

void WriteGameRows(Game& game) {
    Connection& db = game.FileDta1;
    if (db.databaseName() != game.WorkingFile()) db.setDatabaseName(game.WorkingFile());
    WriteRowsFromMemory(game);
}

// Between commands the main connection stands on the working file and the Ships table.
void RestoreConnection(Game& game, bool afterFailure) {
    Connection& db = game.FileDta1;
    try {
        if (db.databaseName() != game.WorkingFile() || !db.isOpen()) {
            db.rebind(game.WorkingFile(), "Ships");
        } else {
            db.setRecordSource("Ships");
            db.Refresh();
        }
    } catch (...) {
        // The first failure is the one the player hears about.
        if (!afterFailure) throw;
    }
}

[[noreturn]] void ThrowCopyError(sqlite3* db, int rc, const std::filesystem::path& file) {
    int systemError = db ? sqlite3_system_errno(db) : 0;
    switch (rc & 0xff) {
        case SQLITE_FULL:
            throw SaveLoadError(errors::kDiskFull, "The disk is full.");
        case SQLITE_IOERR:
        case SQLITE_CANTOPEN:
        case SQLITE_READONLY:
        case SQLITE_PERM:
            if (systemError != 0) ThrowFileError(systemError, file, PathRole::NewFileInFolder);
            break;
        default:
            break;
    }
    sqlite::Throw(db, rc, "copy the game to " + file.string());
}

// Copies the open working database page by page into an empty file.
void BackupInto(sqlite3* source, const std::filesystem::path& file) {
    sqlite3* out = nullptr;
    int rc = sqlite3_open_v2(file.c_str(), &out,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW,
                             nullptr);
    struct Closer {
        sqlite3*& db;
        ~Closer() { sqlite3_close_v2(db); }
    } closer{out};
    if (rc != SQLITE_OK) ThrowCopyError(out, rc, file);
    // The temporary is synced as a whole before it is renamed; a journal would only leave a
    // second file behind if the program were killed.
    for (const char* pragma : {"PRAGMA journal_mode=OFF", "PRAGMA synchronous=OFF"}) {
        rc = sqlite3_exec(out, pragma, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) ThrowCopyError(out, rc, file);
    }
    sqlite3_backup* backup = sqlite3_backup_init(out, "main", source, "main");
    if (!backup) ThrowCopyError(out, sqlite3_errcode(out), file);
    rc = sqlite3_backup_step(backup, -1);
    int finished = sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) ThrowCopyError(out, rc, file);
    if (finished != SQLITE_OK) ThrowCopyError(out, finished, file);
    rc = sqlite3_close(out);
    if (rc != SQLITE_OK) ThrowCopyError(out, rc, file);
    out = nullptr;
}

// The working file's pages as one block, written with one call: cheaper than a second database
// copying them page by page, and the bytes are the same.
void CopyWorkingFileTo(Game& game, const std::filesystem::path& target, const SaveHooks& hooks,
                       NamedBy namedBy) {
    sqlite3* db = game.FileDta1.database().get();
    sqlite3_int64 size = 0;
    unsigned char* pages = sqlite3_serialize(db, "main", &size, 0);
    if (!pages) throw SaveLoadError(errors::kOutOfMemory, "The computer ran out of memory.");
    const std::unique_ptr<unsigned char, decltype(&sqlite3_free)> owned(pages, &sqlite3_free);
    ReplaceFile(
        target,
        [&](TemporaryFile& temporary) {
            temporary.write(std::span<const unsigned char>(pages, static_cast<std::size_t>(size)));
        },
        namedBy, hooks.rename);
}

// The way round a working file that cannot take the rows (its disk is full): its last good state
// is copied into the target's temporary, which then gets the rows the working file would have had,
// so the saved file is the same as the usual way gives. The working file catches up at the next
// save or year end that finds room.
void WriteGameFromMemoryTo(Game& game, const std::filesystem::path& target, const SaveHooks& hooks,
                           NamedBy namedBy) {
    ReplaceFile(
        target,
        [&](TemporaryFile& temporary) {
            BackupInto(game.FileDta1.database().get(), temporary.path());
            game.FileDta1.rebind(temporary.path(), "Ships");
            WriteRowsFromMemory(game);
            game.FileDta1.release();
        },
        namedBy, hooks.rename);
}

// The target may be a new name or an ordinary file to replace, in a folder that exists.
void CheckTarget(const std::filesystem::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            throw SaveLoadError(errors::kPathFileAccess, "That is a folder, not a game file.");
        if (!S_ISREG(info.st_mode))
            throw SaveLoadError(errors::kPathFileAccess, "That is not an ordinary file.");
    } else if (errno != ENOENT) {
        ThrowFileError(errno, target, PathRole::NewFileInFolder);
    }
    std::filesystem::path folder = target.parent_path();
    if (::stat(folder.empty() ? "." : folder.c_str(), &info) != 0)
        ThrowFileError(errno, target, PathRole::NewFileInFolder);
    if (!S_ISDIR(info.st_mode)) ThrowFileError(ENOTDIR, target, PathRole::NewFileInFolder);
}

void ApplySavedGame(GameState& st, const SavedGame& g) {
    const auto players = static_cast<std::size_t>(g.config.PlayesNum);
    ForEachConfigColumnOf([&](std::string_view, auto get, const ConfigColumn& column) {
        const auto put = [&](std::size_t k) {
            auto& field = get(st, k);
            using Field = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, bool>) {
                // A check mark is put on by a game that was saved with it; a game saved without
                // it leaves the player's current choice alone.
                if (column.onlyTurnsOn) {
                    field = field || get(g.config, k);
                    return;
                }
            }
            field = k < players || column.scope == ConfigColumn::Scope::Game ? get(g.config, k)
                                                                             : Field{};
        };
        if (column.scope == ConfigColumn::Scope::Game)
            put(0);
        else
            for (std::size_t k = 0; k < kMaxPlayers; ++k) put(k);
    });
    st.VictoryAnswer = 0;  // a game opened from a file announces its winner again
    // A decided game keeps its story, which was shown in the run that decided it and does not
    // open by itself again.
    st.Decided = g.Decided;
    st.StoryShown = g.Decided >= 0;
    st.Chronicle = g.Chronicle;
    for (int i = 0; i < g.config.PlanetsNum; ++i) {
        PlanetRecord& p = st.planet(i);
        p = g.Planets[static_cast<std::size_t>(i)];
        // Every image counts as shown, so the next map drawing hides them all first.
        p.OnMap = -1;
        if (i > 0 && i > st.PlanetImagesLoaded) st.PlanetImagesLoaded = i;
    }
    BuildProdOrder(st);
    st.TaskForceLast = -1;
    st.GameActive = true;
    if (!st.validPlanet(st.SelectedPlanet))
        st.SelectedPlanet = st.PlHome[static_cast<std::size_t>(st.CurrentPlTurn)];
}

// Puts a checked game in place of the running one; any failure puts the running one back.
void ReplaceGame(Game& game, const SavedGame& saved) {
    const std::filesystem::path working = game.WorkingFile();
    RemoveStaleTemporaries(game.GamesFolder());
    TemporaryFile fresh(working);
    // Copied by hand: the library's copy reports a disk that fills part way as a drive fault.
    fresh.write(ReadGameFile(game.TemplateFile()));
    WriteSavedGameRows(fresh.path(), saved);
    TemporaryFile previous(working);  // the running game's file waits here until the end

    GameState before = game.st;
    bool moved = false;
    try {
        game.FileDta1.release();
        // Onto a free name: renaming over even an empty file makes some file systems flush.
        ::unlink(previous.path().c_str());
        RenameFile(working, previous.path());
        moved = true;
        RenameFile(fresh.path(), working);
        fresh.committed();
        game.FileDta1.rebind(working, "Ships");
        ApplySavedGame(game.st, saved);
        // A file from before the dice were kept leaves the source as it is.
        if (!game.st.RandomState.blank()) game.random.restore(game.st.RandomState.trimmed());
        LoadTaskForces(game);
        game.view.TurnStatusShown();
    } catch (...) {
        game.st = std::move(before);
        // Should even the way back fail, the old file is kept rather than thrown away.
        if (moved && ::rename(previous.path().c_str(), working.c_str()) != 0) previous.committed();
        RestoreConnection(game, true);
        throw;
    }
}

std::string GeneralReason(int code) {
    switch (code) {
        case errors::kTypeMismatch:
            return "The file is not a Zenthar game (it is damaged).";
        case errors::kDiskFull:
            return "The disk is full.";
        case errors::kPathFileAccess:
            return "The file or its folder cannot be read or written.";
        case errors::kDeviceIo:
            return "The drive reported a read or write error.";
        case errors::kBadFileName:
            return "The file name is not valid.";
        case errors::kOutOfMemory:
            return "The computer ran out of memory.";
        default:
            return code >= errors::kDatabaseBase ? "The game database reported a fault." : "";
    }
}

}  // namespace

void SaveGame(Game& game, const std::filesystem::path& target, NamedBy namedBy) {
    SaveGame(game, target, {}, namedBy);
}

void SaveGame(Game& game, const std::filesystem::path& target, const SaveHooks& hooks,
              NamedBy namedBy) {
    if (!game.st.GameActive) return;
    if (target.empty()) throw SaveLoadError(errors::kBadFileName, "No file name was given.");
    // A link the player named is followed: the file it names is replaced, the link stays.
    if (namedBy == NamedBy::Game) CheckOwnFile(target);
    const std::filesystem::path resolved =
        namedBy == NamedBy::Player ? ResolvePath(target) : target;
    if (IsWorkingFile(game, resolved))
        throw SaveLoadError(errors::kPathFileAccess,
                            "That is the game's own working file; choose another name.");
    if (namedBy == NamedBy::Player && IsOwnGameFile(game, resolved))
        throw SaveLoadError(errors::kPathFileAccess,
                            "That is the copy Zenthar keeps for a restart after a crash; choose "
                            "another name.");
    CheckTarget(resolved);
    RemoveStaleTemporaries(resolved.parent_path());
    std::exception_ptr workingFailed;
    try {
        if (hooks.beforeWorkingRows) hooks.beforeWorkingRows();
        WriteGameRows(game);
    } catch (const StorageError&) {
        workingFailed = std::current_exception();
    }
    if (workingFailed) {
        // Rolled back, so the working file still holds the game as it last stood; if even that
        // cannot be reopened there is nothing to build the save on, and the first fault is told.
        try {
            RestoreConnection(game, false);
        } catch (...) {
            RestoreConnection(game, true);
            std::rethrow_exception(workingFailed);
        }
    }
    try {
        if (!workingFailed) {
            if (hooks.beforeCopy) hooks.beforeCopy();
            CopyWorkingFileTo(game, resolved, hooks, namedBy);
        } else {
            WriteGameFromMemoryTo(game, resolved, hooks, namedBy);
        }
    } catch (...) {
        RestoreConnection(game, true);
        throw;
    }
    RestoreConnection(game, false);
}

void LoadGame(Game& game, const std::filesystem::path& source) {
    if (source.empty()) throw SaveLoadError(errors::kBadFileName, "No file name was given.");
    if (IsWorkingFile(game, source))
        throw SaveLoadError(errors::kPathFileAccess, "That is the game's own working file.");
    if (IsOwnGameFile(game, source))
        throw SaveLoadError(errors::kPathFileAccess,
                            "That is the copy Zenthar keeps for a restart after a crash.");
    LoadCheckedGame(game, ReadSavedGame(ReadGameFile(source)));
    // The report of the game left behind is not this game's; its earlier years are in its
    // History.
    game.Report.clear();
}

void LoadCheckedGame(Game& game, const SavedGame& saved) {
    ReplaceGame(game, saved);
}

bool IsWorkingFile(const Game& game, const std::filesystem::path& p) {
    if (p.empty()) return false;
    const std::filesystem::path candidate = ResolvePath(p);
    const std::filesystem::path working = ResolvePath(game.WorkingFile());
    if (candidate == working) return true;
    std::error_code ec;
    if (std::filesystem::equivalent(candidate, working, ec)) return true;
    // Folder and file names of the program's own files are matched without regard to case.
    return EqualsNoCase(candidate.filename().string(), "newgame.mdb") &&
           EqualsNoCase(candidate.parent_path().filename().string(), "GAMES") &&
           ResolvePath(candidate.parent_path().parent_path()) == ResolvePath(game.UserFolder);
}

bool IsOwnGameFile(const Game& game, const std::filesystem::path& p) {
    if (p.empty()) return false;
    if (IsWorkingFile(game, p)) return true;
    const std::filesystem::path candidate = ResolvePath(p);
    const std::filesystem::path copy = ResolvePath(RecoveryFile(game));
    std::error_code ec;
    if (candidate == copy || std::filesystem::equivalent(candidate, copy, ec)) return true;
    return EqualsNoCase(candidate.filename().string(), kRecoveryFileName) &&
           ResolvePath(candidate.parent_path()) == ResolvePath(game.UserFolder);
}

std::string StorageErrorMessage(const StorageError& e) {
    const auto* detailed = dynamic_cast<const SaveLoadError*>(&e);
    switch (e.code()) {
        case errors::kFileNotFound:
            return "ERROR 53: That file doesn't exist.";
        case errors::kPathNotFound:
            return "ERROR 76: That path doesn't exist.";
        case errors::kDeviceUnavailable:
            return "ERROR 68: Drive " +
                   (detailed && !detailed->folder().empty() ? detailed->folder()
                                                            : std::string(e.what())) +
                   ": not available.";
        default:
            break;
    }
    std::string reason = detailed ? detailed->reason() : GeneralReason(e.code());
    std::string text = "ERROR " + std::to_string(e.code()) + " occurred.";
    return reason.empty() ? text : text + " " + reason;
}

}  // namespace zenthar
