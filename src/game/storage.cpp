// The game's one way to write files: whole files replaced through a synced temporary and one
// rename, and the report file written in place with the one before kept for an undo.
#include "game/storage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <span>
#include <system_error>
#include <utility>

namespace zenthar {
namespace {

// A report far larger than any year end writes is not read back for an undo.
constexpr off_t kLargestReport = 64 * 1024 * 1024;

// Opens without following a link, and without waiting on a named pipe.
int OpenOwnFile(const std::filesystem::path& file, int flags) {
    return ::open(file.c_str(), flags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0666);
}

bool IsPlainFile(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// The report a run before this one left, when it is a plain file.
std::optional<std::string> ReadReport(const std::filesystem::path& file) {
    const int fd = OpenOwnFile(file, O_RDONLY);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::optional<std::string> text;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kLargestReport) {
        text.emplace(static_cast<std::size_t>(info.st_size), '\0');
        std::size_t done = 0;
        while (done < text->size()) {
            const ssize_t n = ::read(fd, text->data() + done, text->size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        text->resize(done);
    }
    ::close(fd);
    return text;
}

}  // namespace

std::optional<std::string> OwnFileProblem(const std::filesystem::path& file) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return std::nullopt;
    if (S_ISLNK(info.st_mode)) return file.string() + " is a symbolic link";
    if (S_ISDIR(info.st_mode)) return file.string() + " is a folder";
    return file.string() + " is not an ordinary file";
}

void CheckOwnFile(const std::filesystem::path& file) {
    if (const auto problem = OwnFileProblem(file))
        throw SaveLoadError(errors::kPathFileAccess,
                            *problem + ", not a file of Zenthar's own; it was left as it is.");
}

void ReplaceFile(const std::filesystem::path& target, const FileWriter& write, NamedBy namedBy,
                 const RenameStep& rename) {
    // A link is followed only when the player named it; the game's own names must be files.
    if (namedBy == NamedBy::Game) CheckOwnFile(target);
    const std::filesystem::path resolved =
        namedBy == NamedBy::Player ? ResolvePath(target) : target;
    TemporaryFile temporary(resolved);
    write(temporary);
    temporary.copyModeFrom(resolved);
    temporary.sync();
    if (rename)
        rename(temporary.path(), resolved);
    else
        RenameFile(temporary.path(), resolved);
    temporary.committed();
    SyncFolder(resolved.parent_path());
}

void ReplaceFile(const std::filesystem::path& target, std::string_view content, NamedBy namedBy) {
    ReplaceFile(
        target,
        [content](TemporaryFile& temporary) {
            temporary.write(
                std::span(reinterpret_cast<const unsigned char*>(content.data()), content.size()));
        },
        namedBy);
}

// ---- the report file ---------------------------------------------------------------------------

void ReportFile::begin() {
    draft_.clear();
    if (begun_) return;
    begun_ = true;
    previous_ = current_ ? std::move(current_) : ReadReport(file_);
    current_.reset();
}

bool ReportFile::finish() {
    current_ = std::move(draft_);
    draft_.clear();
    if (writeText(*current_)) {
        fault_.clear();
        faultTold_ = false;
        return true;
    }
    remove();
    return false;
}

void ReportFile::keep() {
    begun_ = false;
    shown_ = false;
    previous_.reset();
}

bool ReportFile::undo() {
    const bool shown = std::exchange(shown_, false);
    if (!begun_) return shown;
    begun_ = false;
    if (!previous_ || !writeText(*previous_)) remove();
    // What the file holds is read afresh at the next year end: an undo is rare, and a report
    // put back by another way than this program's own would otherwise be taken for it.
    current_.reset();
    previous_.reset();
    return shown;
}

void ReportFile::clear() {
    begun_ = false;
    shown_ = false;
    previous_.reset();
    current_.reset();
    draft_.clear();
    remove();
}

bool ReportFile::writeText(const std::string& text) {
    if (const auto problem = OwnFileProblem(file_)) {
        fault_ = *problem + ".";
        return false;
    }
    const int fd = OpenOwnFile(file_, O_WRONLY | O_CREAT);
    if (fd < 0) {
        fault_ = "The system reported: " + std::generic_category().message(errno) + ".";
        return false;
    }
    int error = IsPlainFile(fd) ? 0 : EINVAL;
    for (std::size_t done = 0; error == 0 && done < text.size();) {
        const ssize_t n =
            ::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n == 0 || errno != EINTR)
            error = n == 0 ? EIO : errno;
    }
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(text.size())) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0) return true;
    fault_ = error == ENOSPC || error == EDQUOT
                 ? std::string("The disk is full.")
                 : "The system reported: " + std::generic_category().message(error) + ".";
    return false;
}

// Only a plain file is removed: a link or a folder at the name is not the game's to delete.
void ReportFile::remove() {
    if (!OwnFileProblem(file_)) ::unlink(file_.c_str());
}

}  // namespace zenthar
