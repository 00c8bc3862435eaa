// Loading when the game's own disk is full: the player must hear that the disk is full (61),
// not of a drive fault (57) that sends them looking for a broken disk.
#include <memory>

#include "saveload_fixture.h"
#include "support/small_disk.h"

namespace zenthar::testing {
namespace {

class FullDisk : public SaveLoadTest {
  protected:
    // Ends the program and starts it again with its GAMES folder on a small disk of its own;
    // null when no disk can be mounted here.
    std::unique_ptr<SmallDisk> restartOnSmallDisk() {
        const std::filesystem::path games = game.GamesFolder();
        game.FileDta1.release();
        game.Lock.release();
        std::filesystem::remove_all(games);
        auto disk = std::make_unique<SmallDisk>(games, "256k");
        if (!disk->mounted()) return nullptr;
        StartUp(game);
        return disk;
    }
};

// Changes only memory holds until the next save: new task forces of the side in turn, enough to
// need new pages, and every planet's changing fields.
void ChangeGameInMemory(GameState& st) {
    for (int n = 0; n < 400 && st.TaskForceLast + 1 < static_cast<int>(st.TaskForceList.size());
         ++n) {
        TaskForceRecord& tf = st.TaskForceList[static_cast<std::size_t>(++st.TaskForceLast)];
        tf.TFNum = static_cast<Int16>(500 + n);
        tf.StartPl = st.planet(n % st.PlanetsNum).PlanetId;
        tf.EndPl = st.planet((n + 1) % st.PlanetsNum).PlanetId;
        tf.RemTurns = static_cast<Int16>(st.CurrentYear + 1 + n % 5);
        tf.NumOfShips = static_cast<Int16>(1 + n);
    }
    for (int i = 0; i < st.PlanetsNum; ++i) {
        st.planet(i).Ships = static_cast<Int16>(st.planet(i).Ships + 7);
        st.planet(i).KnownShip[0] = static_cast<Int16>(i * 3);
    }
    st.Hatest[0] = static_cast<Int16>(st.Hatest[0] + 1);
}

TEST_F(FullDisk, AWorkingFileThatCannotTakeTheRowsStillSavesTheSameFile) {
    // The working file refuses the rows: the save is written from memory into the target's
    // temporary, and gives the very file the usual way gives once the working file has room.
    MakeSampleGame(game, 5, {3, 20, 6});
    ChangeGameInMemory(game.st);
    const std::string inMemory = DescribeSavedGame(game.st);
    const std::vector<unsigned char> workingBefore = ReadBytes(game.WorkingFile());
    SaveHooks full;
    full.beforeWorkingRows = [] { throw StorageError(errors::kDiskFull, "disk full"); };
    SaveGame(game, save("fallback.mdb"), full);
    EXPECT_EQ(ReadBytes(game.WorkingFile()), workingBefore) << "the working file was written";
    expectSettled();
    EXPECT_EQ(DescribeSavedGame(game.st), inMemory) << "the save changed the game";

    SaveGame(game, save("usual.mdb"));
    EXPECT_EQ(DescribeDatabase(save("fallback.mdb")), DescribeDatabase(save("usual.mdb")));
    EXPECT_NE(ReadBytes(game.WorkingFile()), workingBefore) << "the working file did not catch up";

    LoadGame(game, save("fallback.mdb"));
    EXPECT_EQ(DescribeSavedGame(game.st), inMemory);

    // A fault in the way round is the one the player hears of, and nothing is left behind.
    SaveHooks worse = full;
    worse.rename = [](const std::filesystem::path&, const std::filesystem::path&) {
        throw StorageError(errors::kPathFileAccess, "no rename");
    };
    const std::vector<unsigned char> before = ReadBytes(save("usual.mdb"));
    EXPECT_THROW(SaveGame(game, save("usual.mdb"), worse), StorageError);
    EXPECT_EQ(ReadBytes(save("usual.mdb")), before);
    expectSettled();
}

TEST_F(FullDisk, AGameCanBeSavedToAnotherDiskWhenTheGamesDiskIsFull) {
    MakeSampleGame(game, 8, {4, 30, 10});
    SaveGame(game, save("before.mdb"));
    const std::filesystem::path games = game.GamesFolder();
    std::unique_ptr<SmallDisk> disk = restartOnSmallDisk();
    if (!disk) GTEST_SKIP() << "cannot mount a small disk here";
    LoadGame(game, save("before.mdb"));
    ChangeGameInMemory(game.st);
    const std::string inMemory = DescribeSavedGame(game.st);
    disk->fill(0);
    SaveGame(game, save("elsewhere.mdb"));
    expectConnectionOnShips();
    EXPECT_NE(DescribeDatabase(game.WorkingFile()), DescribeDatabase(save("elsewhere.mdb")))
        << "the working file took the rows after all: the disk was not full enough";
    std::filesystem::remove(games / "filler");
    LoadGame(game, save("elsewhere.mdb"));
    EXPECT_EQ(DescribeSavedGame(game.st), inMemory);
}

TEST_F(FullDisk, OpenOnAFullDiskSaysTheDiskIsFull) {
    // The game is loaded into a GAMES folder with no room, then with more and more: each try
    // loads or says the disk is full, and the running game stays whole either way.
    MakeSampleGame(game, 9, {4, 40, 20});
    SaveGame(game, save("big.mdb"));
    std::unique_ptr<SmallDisk> disk = restartOnSmallDisk();
    if (!disk) GTEST_SKIP() << "cannot mount a small disk here";
    int refused = 0;
    for (std::size_t room = 0; room <= 64 * 1024; room += 4096) {
        SCOPED_TRACE(room);
        disk->fill(room);
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
