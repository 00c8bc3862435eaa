// Loading when the game's own disk is full: the player must hear that the disk is full (61),
// not of a drive fault (57) that sends them looking for a broken disk.
#include <sys/mount.h>

#include <fstream>

#include "saveload_fixture.h"

namespace zenthar::testing {
namespace {

// A small file system of its own for the GAMES folder, so it can be filled; mounting needs the
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

using FullDisk = SaveLoadTest;

TEST_F(FullDisk, OpenOnAFullDiskSaysTheDiskIsFull) {
    // The game is loaded into a GAMES folder with no room, then with more and more: each try
    // loads or says the disk is full, and the running game stays whole either way.
    MakeSampleGame(game, 9, {4, 40, 20});
    SaveGame(game, save("big.mdb"));
    const std::filesystem::path games = game.GamesFolder();
    game.FileDta1.release();
    game.Lock.release();
    std::filesystem::remove_all(games);
    SmallDisk disk(games, "256k");
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small disk here";
    StartUp(game);
    int refused = 0;
    for (std::size_t room = 0; room <= 64 * 1024; room += 4096) {
        SCOPED_TRACE(room);
        disk.fill(room);
        try {
            LoadGame(game, save("big.mdb"));
            EXPECT_NE(room, 0u) << "loaded on a full disk";
        } catch (const StorageError& e) {
            ++refused;
            EXPECT_EQ(StorageErrorMessage(e), "ERROR 61 occurred. The disk is full.") << e.what();
        }
        expectConnectionOnShips();
    }
    EXPECT_GT(refused, 1) << "the disk should also fill part way through a load";
}

}  // namespace
}  // namespace zenthar::testing
