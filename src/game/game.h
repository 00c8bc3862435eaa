// One running program's game: the state, the program folder, the main game database
// connection and the interfaces through which the core reaches the user.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "game/database.h"
#include "game/folders.h"
#include "game/instance_lock.h"
#include "game/platform.h"
#include "game/state.h"

namespace zenthar {

class SeatPlayer;

class Game {
  public:
    Game(const ProgramFolders& folders, UserDialogs& dialogs, TurnDisplay& display, GameView& view,
         RandomSource& random)
        : ProgramFolder(folders.program),
          UserFolder(folders.user),
          SettingsFolder(folders.settings),
          dialogs(dialogs),
          display(display),
          view(view),
          random(random) {}
    // Everything in one folder, as in the build tree.
    Game(const std::filesystem::path& programFolder, UserDialogs& dialogs, TurnDisplay& display,
         GameView& view, RandomSource& random)
        : Game(ProgramFolders::InOne(programFolder), dialogs, display, view, random) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState st;
    std::filesystem::path ProgramFolder;   // the game's own files, read only
    std::filesystem::path UserFolder;      // what the game writes: GAMES/ and its files
    std::filesystem::path SettingsFolder;  // zenthar.ini
    // Set by a year end that put a new turn report in place, until its End Turn is committed
    // or undone: an undone End Turn puts the previous report back.
    struct ReportUndo {
        bool replaced = false;
        bool hadPrevious = false;
        bool summaryShown = false;
        // The report replaced, when this program wrote it: then it waits here rather than
        // in ReportUndoFile().
        std::optional<std::string> previousText;
    } reportUndo;
    // What ReportFile() holds as this program last left it: its text, or none when there is no
    // report. Unknown (not set) until this program first wrote or removed it.
    struct KnownReport {
        bool exists = false;
        std::string text;
    };
    std::optional<KnownReport> reportOnDisk;
    // The year end writes its report here and moves it over ReportFile() once it is whole.
    std::filesystem::path ReportDraftFile() const { return ReportFile().concat(".new"); }
    // Where the previous report waits until the End Turn that replaced it is committed.
    std::filesystem::path ReportUndoFile() const { return ReportFile().concat(".undo"); }
    // Where an End Turn keeps the game as it stood, to put back should the disk fail. Kept
    // between turns: the state is large, and a fresh one at every End Turn costs more than
    // the copy.
    std::unique_ptr<GameState> TurnStart = std::make_unique<GameState>();
    // Declared before the connection, so the lock is the last thing to go.
    InstanceLock Lock;
    Connection FileDta1;

    UserDialogs& dialogs;
    TurnDisplay& display;
    GameView& view;
    RandomSource& random;
    // Who plays a computer seat's turns: the game's own levels unless a test or a tool puts
    // other players in the seats.
    std::function<std::unique_ptr<SeatPlayer>(SeatKind)> computerPlayers;

    std::filesystem::path file(std::string_view name) const { return ProgramFolder / name; }
    // The working game database; the only database the game runs on.
    std::filesystem::path WorkingFile() const { return GamesFolder() / "newgame.mdb"; }
    std::filesystem::path TemplateFile() const { return ProgramFolder / "zenthar.mdb"; }
    std::filesystem::path ReportFile() const { return GamesFolder() / "turnrep.txt"; }
    std::filesystem::path GamesFolder() const { return UserFolder / "GAMES"; }
    std::filesystem::path SettingsFile() const { return SettingsFolder / kSettingsFileName; }
    ProgramFolders folders() const { return {ProgramFolder, UserFolder, SettingsFolder}; }
};

// Start-up without a window: reads the data files, makes the player's folders when missing
// (FolderError naming one that cannot be made), takes the GAMES folder for this program,
// resets the working database from the template and leaves no game. Throws StorageError naming
// what is missing, or errors::kFileInUse when another copy of the game runs on the folder (no
// file is touched then).
void StartUp(Game& game);

// Copies the template over the working file and binds the main connection to it on "Ships".
void ResetWorkingDatabase(Game& game);

}  // namespace zenthar
