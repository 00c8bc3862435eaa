// The lock file is never removed: removing it would let a third copy lock a new file while the
// first still holds the old one.
#include "game/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "game/storage.h"
#include "game/storage_error.h"

namespace zenthar {

bool InstanceLock::take(const std::filesystem::path& folder) {
    if (held()) return true;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::filesystem::path file = folder / kFileName;
    if (const auto problem = OwnFileProblem(file))
        throw StorageError(errors::kPathFileAccess,
                           "Cannot lock the folder for this game: " + *problem + ".");
    const int fd =
        ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0)
        throw StorageError(errors::kPathFileAccess, "Cannot create the lock file " + file.string() +
                                                        ": " + std::strerror(errno));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int why = errno;
        ::close(fd);
        if (why == EWOULDBLOCK) return false;
        throw StorageError(errors::kPathFileAccess,
                           "Cannot lock " + file.string() + ": " + std::strerror(why));
    }
    fd_ = fd;
    return true;
}

void InstanceLock::release() {
    if (fd_ < 0) return;
    ::close(fd_);  // closing the only descriptor drops the lock
    fd_ = -1;
}

}  // namespace zenthar
