// The one exception type for storage failures (game database, saved games, data files). It
// carries the error number the save/load messages are built from; it is caught only where a
// command starts (save, load, start-up).
#pragma once

#include <stdexcept>
#include <string>

namespace zenthar {

// Every number a storage failure is reported with; the save and load messages show them.
namespace errors {
inline constexpr int kOutOfMemory = 7;
inline constexpr int kTypeMismatch = 13;  // a file that is not a Zenthar game
inline constexpr int kBadFileName = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDeviceIo = 57;
inline constexpr int kTooManyFiles = 67;
inline constexpr int kDiskFull = 61;
inline constexpr int kDeviceUnavailable = 68;
inline constexpr int kFileInUse = 70;       // another copy of the game holds the folder
inline constexpr int kPathFileAccess = 75;  // no permission, a folder where a file was expected
inline constexpr int kPathNotFound = 76;
inline constexpr int kNoCurrentRecord = 3021;
inline constexpr int kUpdateWithoutEdit = 3020;
inline constexpr int kBadCriteria = 3077;
inline constexpr int kNoSuchTable = 3078;
inline constexpr int kNoSuchField = 3265;
inline constexpr int kDatabaseBase = 3000;  // 3000 + SQLite result code for the rest
}  // namespace errors

class StorageError : public std::runtime_error {
  public:
    StorageError(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
    int code() const { return code_; }

  private:
    int code_;
};

}  // namespace zenthar
