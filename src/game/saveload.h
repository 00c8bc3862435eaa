// Save Game and Open Game, without the window: saving brings the working game database up to
// date and copies it to the chosen file in one atomic step; loading checks the chosen file
// completely before it replaces the working file and the game in memory.
//
// Error numbers (StorageError::code) and what causes them on Linux:
//   53  the file does not exist (its folder does)
//   76  the folder does not exist, or a part of the path is a file
//   75  the file or folder cannot be read or written, a folder or a device was chosen, or the
//       game's own working file was chosen
//   13  the file is not a Zenthar game (not a database, damaged, or a value the game cannot use)
//   61  the disk is full;  57  a read/write fault;  68  the drive or network share went away;
//   52  no file name or one too long
// The window shows StorageErrorMessage of the error, and "Invalid File Name." itself when
// IsWorkingFile is true for the chosen path.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "game/game.h"
#include "game/savefile.h"
#include "game/storage.h"
#include "game/storage_error.h"

namespace zenthar {

struct SavedGame;

// Points where a test can make a save fail as a crash or a full disk would.
struct SaveHooks {
    // Runs before the rows go into the working file; a StorageError thrown here stands for a
    // working file that cannot take them.
    std::function<void()> beforeWorkingRows;
    // Runs once the rows are written, before the copy to the target begins.
    std::function<void()> beforeCopy;
    // Replaces the rename of the finished temporary over the target.
    RenameStep rename;
};

// Writes the current side's task forces and the planets and players into the working file (one
// transaction), then copies it to the target through a temporary file that is renamed over the
// target. When the working file cannot take the rows, the same rows go from memory straight into
// the target's temporary instead. On failure the file at the target is what it was before. Does
// nothing without a game. A target the game names itself (the recovery copy) is refused when
// it is a link or not a plain file; a player's may be a link, whose file is replaced.
void SaveGame(Game& game, const std::filesystem::path& target, NamedBy namedBy = NamedBy::Player);
void SaveGame(Game& game, const std::filesystem::path& target, const SaveHooks& hooks,
              NamedBy namedBy = NamedBy::Player);

// Checks the chosen file, then makes it the working file and the game in memory and shows the
// current player's turn; the report of the game before is gone. On failure the game in memory, the
// working file and the connection are exactly as before. Throws StorageError (SaveLoadError) with
// the numbers above.
void LoadGame(Game& game, const std::filesystem::path& source);

// The same with a game file already read and checked (ReadSavedGame), so that a file checked
// before a question is not read and checked a second time after it.
void LoadCheckedGame(Game& game, const SavedGame& saved);

// True when the path names the working file GAMES/newgame.mdb of the program folder, in any
// letter case, through symbolic links or hard links or relative to the current folder.
bool IsWorkingFile(const Game& game, const std::filesystem::path& p);

// True for the game's own files no player may open or save over: the working file and the
// recovery copy (matched as IsWorkingFile matches).
bool IsOwnGameFile(const Game& game, const std::filesystem::path& p);

// The message box text for a failed save or load, e.g. "ERROR 53: That file doesn't exist." or
// "ERROR 13 occurred. The file is not a Zenthar game (the table Planets is missing)."
std::string StorageErrorMessage(const StorageError& e);

}  // namespace zenthar
