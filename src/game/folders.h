// Where the game finds its files and where it writes. Run from its build tree the game keeps
// everything beside the executable; installed, its own files are read-only and what it writes
// goes to the player's folders (XDG base directories). This is the only place that decides it.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "game/storage_error.h"

namespace zenthar {

struct ProgramFolders {
    std::filesystem::path program;   // data files, template, pictures, sounds, help page
    std::filesystem::path user;      // holds GAMES/: the working file, the report, saved games
    std::filesystem::path settings;  // holds zenthar.ini

    // Everything in one folder: the build tree, the tools and the tests.
    static ProgramFolders InOne(const std::filesystem::path& folder) {
        return {folder, folder, folder};
    }
    // What the game writes lives apart from its own files, in folders made on first start.
    bool perUser() const { return user != program || settings != program; }
};

// What the rule needs to know of the machine, so that tests can give it any.
struct FolderEnvironment {
    std::function<const char*(const char*)> variable;            // getenv
    std::function<bool(const std::filesystem::path&)> writable;  // may files be made there
    static FolderEnvironment System();
};

// The executable's folder when it holds the data files and may be written (the build tree);
// otherwise the read-only files at `installedData` (relative to the executable's folder, so a
// moved prefix still works, or absolute) and the player's folders $XDG_DATA_HOME/zenthar and
// $XDG_CONFIG_HOME/zenthar, each falling back to its default under $HOME when unset, empty or
// not absolute.
ProgramFolders DecideProgramFolders(const std::filesystem::path& executableFolder,
                                    const std::filesystem::path& installedData,
                                    const FolderEnvironment& env = FolderEnvironment::System());

// The settings file a fresh install starts from, installed among the read-only files.
inline constexpr const char* kSettingsFileName = "zenthar.ini";

// A per-user folder that cannot be made or written. The message names it.
class FolderError : public StorageError {
  public:
    using StorageError::StorageError;
};

// Makes the player's folders when missing and gives them the installed settings file when they
// have none (never over one they have). Throws FolderError naming the folder that cannot be
// made. Does nothing for one folder.
void PrepareUserFolders(const ProgramFolders& folders);

// Throws FolderError naming a folder the game keeps its files in when it can only be read.
void CheckWritableFolder(const std::filesystem::path& folder);

}  // namespace zenthar
