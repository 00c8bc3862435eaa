// The file side of saving and loading: reading the file a player chose, writing a game through a
// temporary file that is renamed over the target, clearing temporaries a killed run left behind,
// and turning the system's error numbers into the game's error numbers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/storage_error.h"

namespace zenthar {

// A failure of saving or loading with the sentence the player reads after the error number, and
// for error 68 the folder that is not available.
class SaveLoadError : public StorageError {
  public:
    SaveLoadError(int code, std::string reason, std::string folder = {})
        : StorageError(code, reason), reason_(std::move(reason)), folder_(std::move(folder)) {}
    const std::string& reason() const { return reason_; }
    const std::string& folder() const { return folder_; }

  private:
    std::string reason_;
    std::string folder_;
};

// A saved game of 50 planets and five full task-force lists is well under a megabyte; anything
// this big is something else, and reading it would only keep the player waiting.
inline constexpr std::uintmax_t kMaxGameFileBytes = 64u * 1024u * 1024u;

// Every temporary is named ".<target name>" + kTemporaryMarker + "<process id>-<letters>", so
// a later run can tell its own leftovers from the player's files.
inline constexpr std::string_view kTemporaryMarker = ".zenthar-tmp-";

// What the failing operation expected to find at the path.
enum class PathRole { ExistingFile, NewFileInFolder };

// Throws the game's error for a system error number met on a path.
[[noreturn]] void ThrowFileError(int systemError, const std::filesystem::path& path, PathRole role);

// The whole content of a chosen game file. Throws 53 (no such file), 76 (no such folder),
// 75 (a folder, a device or an unreadable file), 13 (empty or far too large to be a game).
std::vector<unsigned char> ReadGameFile(const std::filesystem::path& source);

// A new, empty file beside a target, removed again (with any journal of it) unless committed.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::filesystem::path& target);
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile();

    const std::filesystem::path& path() const { return path_; }
    // Gives the file the permission bits of an existing file (a replaced save keeps its mode).
    void copyModeFrom(const std::filesystem::path& existing);
    // Writes all of bytes; a disk that fills part way is told as full, not as a drive fault.
    void write(std::span<const unsigned char> bytes);
    // Forces the content to the disk.
    void sync();
    // The file is gone or renamed: nothing left to clean up.
    void committed() { path_.clear(); }

  private:
    std::filesystem::path path_;
    int fd_ = -1;
};

// Renames a file over another in one step; throws the game's error on failure.
void RenameFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Replaces the step that renames a finished temporary over the target (tests inject failures).
using RenameStep =
    std::function<void(const std::filesystem::path& from, const std::filesystem::path& to)>;

// Makes a finished rename survive a power cut. Best effort: some file systems cannot.
void SyncFolder(const std::filesystem::path& folder);

// Removes the temporaries that a save or load of a process that no longer runs left in a folder
// (killed, power cut). Files of a process still running are left alone. Never throws.
void RemoveStaleTemporaries(const std::filesystem::path& folder);

// The file Open Game opens for a typed name: the name itself when something is there, else the
// name with ".mdb" added when that exists (Save adds the extension itself, so players type
// names without it), else the name as typed, for the load to report.
std::filesystem::path GameFileToOpen(const std::filesystem::path& typed);

// Follows symbolic links (also dangling ones) and makes the path absolute and canonical as far
// as it exists.
std::filesystem::path ResolvePath(const std::filesystem::path& p);

}  // namespace zenthar
