// One running game per GAMES folder: a second copy started on the same folder would copy the
// template over the first one's working file and wipe every task force in flight.
#pragma once

#include <filesystem>

namespace zenthar {

// An exclusive advisory lock on a lock file in the folder, held for the object's life. The
// system drops it when the process ends, so a crash never leaves a stale lock behind.
class InstanceLock {
  public:
    InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock() { release(); }

    // True when the lock is now held (or was already); false when another holder has it.
    // Throws StorageError when the lock file cannot be created.
    bool take(const std::filesystem::path& folder);
    void release();
    bool held() const { return fd_ >= 0; }

    static constexpr const char* kFileName = "zenthar.lock";

  private:
    int fd_ = -1;
};

}  // namespace zenthar
