// A disk that fills: a small file system mounted on a folder for the test's life.
#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace zenthar::testing {

// A small file system of its own for a folder of the game, so it can be filled; mounting needs the
// rights CI and developers have here (root), and the test says so when it cannot.
class SmallDisk {
  public:
    explicit SmallDisk(const std::filesystem::path& at, const char* size) : at_(at) {
        std::filesystem::create_directories(at_);
        const std::string options = std::string("size=") + size;
        mounted_ = ::mount("tmpfs", at_.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(at_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    // Fills the disk but for `room` bytes.
    void fill(std::size_t room) const {
        std::filesystem::remove(at_ / "filler");
        {
            std::ofstream f(at_ / "filler", std::ios::binary);
            const std::string block(4096, 'x');
            while (f.write(block.data(), block.size())) {
            }
        }
        const auto size = std::filesystem::file_size(at_ / "filler");
        std::filesystem::resize_file(at_ / "filler", size > room ? size - room : 0);
    }

  private:
    std::filesystem::path at_;
    bool mounted_ = false;
};

}  // namespace zenthar::testing
