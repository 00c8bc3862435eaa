// Reading chosen game files, temporaries beside a target, atomic renames and the mapping of the
// system's error numbers to the numbers the save and load messages are built on:
//   missing file 53, missing folder 76, unreadable or unwritable file or folder, or a folder
//   where a file was expected 75, full disk 61, read/write fault 57, a drive or network share
//   that went away 68, a name too long 52.
#include "game/savefile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace zenthar {
namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

std::string FolderOf(const std::filesystem::path& p) {
    std::filesystem::path folder = p.parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

bool IsFolder(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_directory(p.parent_path().empty() ? "." : p.parent_path(), ec);
}

std::string NotAGame(const std::string& detail) {
    return "The file is not a Zenthar game (" + detail + ").";
}

// Six letters that differ between calls, for temporary names.
std::string Letters(unsigned attempt) {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned long long x = static_cast<unsigned long long>(
                               std::chrono::steady_clock::now().time_since_epoch().count()) ^
                           (static_cast<unsigned long long>(::getpid()) << 32) ^
                           (attempt * 0x9E3779B97F4A7C15ULL);
    std::string s;
    for (int i = 0; i < 6; ++i) {
        x ^= x >> 33;
        x *= 0xff51afd7ed558ccdULL;
        x ^= x >> 29;
        s += kAlphabet[x % (sizeof(kAlphabet) - 1)];
    }
    return s;
}

// The process id written into a temporary's name, or -1 when the name is not one the game makes
// (".<target>" + marker + "<process id>-" + six letters or digits, and SQLite's journals of it).
long PidOfTemporary(std::string_view name) {
    for (std::string_view journal : {"-journal", "-wal", "-shm"})
        if (name.ends_with(journal)) name.remove_suffix(journal.size());
    const std::size_t at = name.find(kTemporaryMarker);
    if (name.empty() || name[0] != '.' || at == std::string_view::npos) return -1;
    long pid = 0;
    std::size_t i = at + kTemporaryMarker.size();
    const std::size_t start = i;
    while (i < name.size() && name[i] >= '0' && name[i] <= '9' && i - start < 9)
        pid = pid * 10 + (name[i++] - '0');
    if (i == start || pid <= 0 || name.size() != i + 7 || name[i] != '-') return -1;
    for (std::size_t k = i + 1; k < name.size(); ++k)
        if (!std::isalnum(static_cast<unsigned char>(name[k]))) return -1;
    return pid;
}

}  // namespace

void ThrowFileError(int systemError, const std::filesystem::path& path, PathRole role) {
    switch (systemError) {
        case ENOENT:
            if (role == PathRole::ExistingFile && IsFolder(path))
                throw SaveLoadError(errors::kFileNotFound, "That file doesn't exist.");
            throw SaveLoadError(errors::kPathNotFound, "That path doesn't exist.");
        case ENOTDIR:
            throw SaveLoadError(errors::kPathNotFound, "That path doesn't exist.");
        case EACCES:
        case EPERM:
            throw SaveLoadError(errors::kPathFileAccess,
                                "Access to the file or its folder was refused.");
        case EROFS:
            throw SaveLoadError(errors::kPathFileAccess, "The drive can only be read.");
        case EISDIR:
            throw SaveLoadError(errors::kPathFileAccess, "That is a folder, not a game file.");
        case ELOOP:
            throw SaveLoadError(errors::kPathFileAccess,
                                "The path runs in a circle of symbolic links.");
        case ETXTBSY:
        case EBUSY:
            throw SaveLoadError(errors::kPathFileAccess, "The file is in use.");
        case ENAMETOOLONG:
            throw SaveLoadError(errors::kBadFileName, "The file name is too long.");
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            throw SaveLoadError(errors::kDiskFull, "The disk is full.");
        case EIO:
            throw SaveLoadError(errors::kDeviceIo, "The drive reported a read or write error.");
        case ENXIO:
        case ENODEV:
        case ENOMEDIUM:
        case ESTALE:
        case ENOTCONN:
        case EHOSTDOWN:
            throw SaveLoadError(errors::kDeviceUnavailable, "The drive is not available.",
                                FolderOf(path));
        case EMFILE:
        case ENFILE:
            throw SaveLoadError(errors::kTooManyFiles, "Too many files are open.");
        case ENOMEM:
            throw SaveLoadError(errors::kOutOfMemory, "The computer ran out of memory.");
        default:
            throw SaveLoadError(errors::kPathFileAccess, std::string("The system reported: ") +
                                                             std::strerror(systemError) + ".");
    }
}

std::vector<unsigned char> ReadGameFile(const std::filesystem::path& source) {
    if (source.empty()) throw SaveLoadError(errors::kBadFileName, "No file name was given.");
    // Non-blocking: a named pipe chosen by mistake must not wait for a writer forever.
    FileDescriptor fd(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) ThrowFileError(errno, source, PathRole::ExistingFile);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) ThrowFileError(errno, source, PathRole::ExistingFile);
    if (S_ISDIR(info.st_mode))
        throw SaveLoadError(errors::kPathFileAccess, "That is a folder, not a game file.");
    if (!S_ISREG(info.st_mode))
        throw SaveLoadError(errors::kPathFileAccess, "That is not an ordinary file.");
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxGameFileBytes)
        throw SaveLoadError(errors::kTypeMismatch, NotAGame("it is far too large"));

    std::vector<unsigned char> bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    unsigned char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            ThrowFileError(errno, source, PathRole::ExistingFile);
        }
        if (n == 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (bytes.size() > kMaxGameFileBytes)
            throw SaveLoadError(errors::kTypeMismatch, NotAGame("it is far too large"));
    }
    if (bytes.empty()) throw SaveLoadError(errors::kTypeMismatch, NotAGame("it is empty"));
    return bytes;
}

TemporaryFile::TemporaryFile(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string name = target.filename().string();
    if (name.size() > 100) name.resize(100);  // stays within the longest name a folder allows
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate =
            folder / ("." + name + std::string(kTemporaryMarker) + std::to_string(::getpid()) +
                      "-" + Letters(attempt));
        int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            fd_ = fd;
            path_ = candidate;
            return;
        }
        if (errno != EEXIST) ThrowFileError(errno, candidate, PathRole::NewFileInFolder);
    }
    throw SaveLoadError(errors::kPathFileAccess, "No temporary file could be made beside it.");
}

TemporaryFile::~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (path_.empty()) return;
    ::unlink(path_.c_str());
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        ::unlink((path_.string() + suffix).c_str());
}

void TemporaryFile::copyModeFrom(const std::filesystem::path& existing) {
    struct stat info {};
    if (fd_ >= 0 && ::stat(existing.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        (void)::fchmod(fd_, info.st_mode & 07777);
}

void TemporaryFile::write(std::span<const unsigned char> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowFileError(errno, path_, PathRole::NewFileInFolder);
        }
        done += static_cast<std::size_t>(n);
    }
}

void TemporaryFile::sync() {
    if (fd_ >= 0 && ::fsync(fd_) != 0) ThrowFileError(errno, path_, PathRole::NewFileInFolder);
}

void RenameFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        ThrowFileError(errno, to, PathRole::NewFileInFolder);
}

void SyncFolder(const std::filesystem::path& folder) {
    FileDescriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) (void)::fsync(fd.get());
}

void RemoveStaleTemporaries(const std::filesystem::path& folder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        std::string_view name = entry->d_name;
        const long pid = PidOfTemporary(name);
        if (pid < 0) continue;
        const bool owned =
            pid != ::getpid() && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
        if (!owned) stale.emplace_back(name);
    }
    for (const std::string& name : stale) {
        struct stat info {};
        if (::fstatat(::dirfd(dir), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)))
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
    }
    ::closedir(dir);
}

std::filesystem::path ResolvePath(const std::filesystem::path& p) {
    std::error_code ec;
    std::filesystem::path current = std::filesystem::absolute(p, ec);
    if (ec) return p;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(current, ec); ++hops) {
        std::filesystem::path target = std::filesystem::read_symlink(current, ec);
        if (ec) break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    std::filesystem::path resolved = std::filesystem::weakly_canonical(current, ec);
    return ec ? current.lexically_normal() : resolved;
}

std::filesystem::path GameFileToOpen(const std::filesystem::path& typed) {
    std::error_code ec;
    if (typed.empty() || std::filesystem::exists(typed, ec)) return typed;
    std::filesystem::path withExtension = typed;
    withExtension += ".mdb";
    return std::filesystem::is_regular_file(withExtension, ec) ? withExtension : typed;
}

}  // namespace zenthar
