#include "game/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace zenthar {
namespace {

bool HoldsDataFiles(const std::filesystem::path& folder) {
    static constexpr std::array kNames{"planets.dat", "crt.dat", "backgrnd.dat"};
    std::error_code ec;
    for (const char* name : kNames)
        if (!std::filesystem::is_regular_file(folder / name, ec)) return false;
    return true;
}

std::filesystem::path HomeFolder(const FolderEnvironment& env) {
    const char* home = env.variable("HOME");
    if (home != nullptr && *home == '/') return home;
    // A desktop session always sets HOME; a bare service account may not.
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr)
        return pw->pw_dir;
    return "/";
}

// A relative value counts as unset, as an empty one does: it would name a folder that moves
// with wherever the game happens to be started from.
std::filesystem::path BaseFolder(const FolderEnvironment& env, const char* name,
                                 const std::filesystem::path& fallback) {
    const char* value = env.variable(name);
    if (value != nullptr && *value == '/') return value;
    return HomeFolder(env) / fallback;
}

void MakeFolder(const std::filesystem::path& folder, const char* what) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !std::filesystem::is_directory(folder))
        throw FolderError(errors::kPathFileAccess,
                          std::string("Cannot create the folder for ") + what + " " +
                              folder.string() + ": " +
                              (ec ? ec.message() : std::string("a file of that name is there")));
}

}  // namespace

FolderEnvironment FolderEnvironment::System() {
    return {[](const char* name) { return static_cast<const char*>(std::getenv(name)); },
            [](const std::filesystem::path& p) { return ::access(p.c_str(), W_OK) == 0; }};
}

ProgramFolders DecideProgramFolders(const std::filesystem::path& executableFolder,
                                    const std::filesystem::path& installedData,
                                    const FolderEnvironment& env) {
    if (HoldsDataFiles(executableFolder) && env.writable(executableFolder))
        return ProgramFolders::InOne(executableFolder);
    ProgramFolders f;
    f.program = HoldsDataFiles(executableFolder)
                    ? executableFolder
                    : (executableFolder / installedData).lexically_normal();
    f.user = BaseFolder(env, "XDG_DATA_HOME", ".local/share") / "zenthar";
    f.settings = BaseFolder(env, "XDG_CONFIG_HOME", ".config") / "zenthar";
    return f;
}

void PrepareUserFolders(const ProgramFolders& folders) {
    if (!folders.perUser()) return;
    MakeFolder(folders.user / "GAMES", "saved games");
    MakeFolder(folders.settings, "settings");
    const std::filesystem::path mine = folders.settings / kSettingsFileName;
    const std::filesystem::path installed = folders.program / kSettingsFileName;
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(mine, ec)) ||
        !std::filesystem::is_regular_file(installed, ec))
        return;
    // Without a settings file the game still runs (Help says what is missing), so a failed
    // copy is no reason to stop it.
    std::filesystem::copy_file(installed, mine, std::filesystem::copy_options::skip_existing, ec);
}

void CheckWritableFolder(const std::filesystem::path& folder) {
    if (::access(folder.c_str(), W_OK) == 0 ||
        (errno != EACCES && errno != EROFS && errno != EPERM))
        return;
    throw FolderError(errors::kPathFileAccess, "The folder " + folder.string() +
                                                   " can only be read (" +
                                                   std::generic_category().message(errno) + ").");
}

}  // namespace zenthar
