// One running program's game: the state, the program folder, the main game database
// connection and the interfaces through which the core reaches the user.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "game/database.h"
#include "game/folders.h"
#include "game/instance_lock.h"
#include "game/platform.h"
#include "game/state.h"
#include "game/storage.h"

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
    // The year ends' report file, with what an undone End Turn puts back.
    ReportFile Report{GamesFolder() / "turnrep.txt"};
    // Set by the window: the game in play is kept in the recovery copy also when the last
    // player's turn hands over to the year end, so a crash in the year end resumes it with the
    // same dice. Why that copy could not be written, for the window to tell; empty when it was.
    bool KeepsRecoveryCopy = false;
    std::string RecoveryCopyFault;
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
    std::filesystem::path ReportPath() const { return Report.path(); }
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
