// Saving and loading when things go wrong: an unwritable folder, a full disk, a failed rename, a
// program killed between writing and renaming. The file already at the target stays whole, no
// temporary is left behind (or the next save clears it), the connection is back on the Ships
// table. A missing folder or one in the way is refused by Save as by Open, in
// saveload_badfile_test.cpp.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "game/savecheck.h"
#include "saveload_fixture.h"
#include "support/small_disk.h"

namespace zenthar::testing {
namespace {

class AtomicSave : public SaveLoadTest {
  protected:
    void SetUp() override {
        SaveLoadTest::SetUp();
        old = savedSample(401, {2, 8, 2}, "target.mdb");
        MakeSampleGame(game, 402, {3, 10, 3});  // a different game to save over it
    }

    // The target still holds the earlier game, byte for byte, and nothing else is in its folder.
    void expectOldFileWhole() {
        EXPECT_EQ(ReadBytes(save("target.mdb")), old);
        expectSettled();
    }

    // Runs a save in a child process and returns its exit status (the error number on failure).
    template <typename Body>
    static int inChild(Body body) {
        pid_t pid = ::fork();
        if (pid == 0) {
            int code = 0;
            try {
                body();
            } catch (const StorageError& e) {
                code = e.code() & 0xff;
            } catch (...) {
                code = 254;
            }
            ::_exit(code);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
    }

    std::vector<unsigned char> old;
};

TEST_F(AtomicSave, NewGameReplacesTheOldFileAlsoThroughASymbolicLink) {
    const std::string wanted = DescribeSavedGame(game.st);
    ::chmod(save("target.mdb").c_str(), 0600);
    fs::create_symlink("target.mdb", save("link.mdb"));
    SaveGame(game, save("link.mdb"));
    struct stat info {};
    ASSERT_EQ(::stat(save("target.mdb").c_str(), &info), 0);
    // The link stays a link, the file it names is replaced and keeps its permissions.
    EXPECT_EQ(std::tuple(fs::is_symlink(save("link.mdb")), ReadBytes(save("target.mdb")) == old,
                         temporariesIn(saves).size(), info.st_mode & 0777),
              std::tuple(true, false, 0u, 0600u));
    LoadGame(game, save("target.mdb"));
    EXPECT_EQ(DescribeSavedGame(game.st), wanted);
}

TEST_F(AtomicSave, FolderWithoutWritePermission) {
    ASSERT_EQ(::chmod(saves.c_str(), 0555), 0);
    if (::geteuid() != 0) {
        EXPECT_EQ(saveFails(save("target.mdb"), 75),
                  "ERROR 75 occurred. Access to the file or its folder was refused.");
    } else {
        // The superuser writes anywhere; an ordinary user (as the game is run) may not.
        int code = inChild([&] {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(253);
            SaveGame(game, save("target.mdb"));
        });
        EXPECT_EQ(code, 75);
    }
    ::chmod(saves.c_str(), 0755);
    expectOldFileWhole();
}

TEST_F(AtomicSave, FullDiskWhileCopyingLeavesTheOldFileAndTheRunningGame) {
    const std::string state = DescribeWholeState(game.st);
    struct rlimit before {};
    ::getrlimit(RLIMIT_FSIZE, &before);
    auto* previous = ::signal(SIGXFSZ, SIG_IGN);
    SaveHooks hooks;
    // From here on no file may grow past 1 KiB, as if the disk had filled up.
    hooks.beforeCopy = [] {
        const rlimit tiny{1024, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &tiny);
    };
    const std::string message = saveFails(save("target.mdb"), errors::kDiskFull, hooks);
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::signal(SIGXFSZ, previous);
    EXPECT_EQ(message, "ERROR 61 occurred. The disk is full.");
    expectOldFileWhole();
    EXPECT_EQ(DescribeWholeState(game.st), state);
    SaveGame(game, save("target.mdb"));  // and the game can still be saved
    EXPECT_NE(ReadBytes(save("target.mdb")), old);
}

// A refused rename leaves the old file and no temporary as any replaced file does
// (storage_test.cpp); what the temporary holds and where it lies is seen here.
TEST_F(AtomicSave, KilledBeforeTheRenameThenTheNextSaveClearsUp) {
    const std::string wanted = DescribeSavedGame(game.st);
    int code = inChild([&] {
        SaveHooks hooks;
        hooks.rename = [](const fs::path&, const fs::path&) { ::_exit(42); };
        SaveGame(game, save("target.mdb"), hooks);
    });
    ASSERT_EQ(code, 42);
    EXPECT_EQ(ReadBytes(save("target.mdb")), old) << "the old save is whole";
    // A complete game, next to the target.
    std::vector<std::string> left = temporariesIn(saves);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_NO_THROW(ReadSavedGame(ReadBytes(saves / left[0])));

    SaveGame(game, save("target.mdb"));
    EXPECT_TRUE(temporariesIn(saves).empty());
    LoadGame(game, save("target.mdb"));
    EXPECT_EQ(DescribeSavedGame(game.st), wanted);
}

TEST_F(AtomicSave, StaleTemporariesAreTheOnlyFilesRemoved) {
    const std::string mark(kTemporaryMarker);
    const std::string running = ".d.mdb" + mark + std::to_string(::getppid()) + "-dddddd";
    std::vector<std::string> kept = {running,
                                     "e.mdb" + mark + "999999999-eeeeee",  // not hidden
                                     ".c.mdb" + mark + "x-cccccc",  // not a name the game makes
                                     ".hidden.mdb",
                                     "plain.mdb",
                                     "target.mdb"};
    for (const std::string& name :
         {".a.mdb" + mark + std::to_string(::getpid()) + "-aaaaaa",  // this process
          ".b.mdb" + mark + "999999999-bbbbbb",                      // long gone
          ".b.mdb" + mark + "999999999-bbbbbb-journal", kept[0], kept[1], kept[2], kept[3],
          kept[4]})
        WriteBytes(saves / name, {1, 2, 3});
    // A name that differs from the game's in any one of its six letters, or has five or seven.
    const std::string dead = ".war.mdb" + mark + "999999999-";
    for (const char* letters :
         {"_bc123", "a_c123", "ab_123", "abc_23", "abc1_3", "abc12_", "abc12", "abc1234"}) {
        kept.push_back(dead + letters);
        WriteBytes(saves / kept.back(), {1, 2, 3});
    }
    WriteBytes(saves / (dead + "abc123"), {1, 2, 3});  // the game's own name: swept
    kept.push_back(".f" + mark + "999999999-ffffff");  // a folder is never removed
    fs::create_directory(saves / kept.back());
    RemoveStaleTemporaries(saves);
    std::set<std::string> names;  // directory entries are unique, so a set loses nothing
    for (const auto& e : fs::directory_iterator(saves)) names.insert(e.path().filename().string());
    EXPECT_EQ(names, std::set<std::string>(kept.begin(), kept.end()));
    RemoveStaleTemporaries(saves / "no-such-folder");  // nothing to do, no failure
}

TEST_F(AtomicSave, TheNextStartClearsWhatAKilledSaveLeftInGames) {
    const fs::path games = game.GamesFolder();
    const std::string stale = ".kept.mdb" + std::string(kTemporaryMarker) + "999999999-zzzzzz";
    WriteBytes(games / stale, {1, 2, 3});
    ASSERT_TRUE(game.st.GameActive && game.st.TaskForceLast >= 0);
    StartUp(game);
    EXPECT_EQ(std::tuple(fs::exists(games / stale), fs::exists(game.WorkingFile())),
              std::tuple(false, true));
    // A new start holds no game: nobody's turn, no task force, no planet image.
    EXPECT_EQ(std::tuple(game.st.GameActive, game.st.CurrentPlTurn), std::tuple(false, 0));
    EXPECT_EQ(std::tuple(game.st.TaskForceLast, game.st.PlanetImagesLoaded), std::tuple(-1, 0));
}

// ---- a full disk under the games ----------------------------------------------------------
// Loading when the game's own disk is full: the player must hear that the disk is full (61),
// not of a drive fault (57) that sends them looking for a broken disk.

class FullDisk : public SaveLoadTest {
  protected:
    // Ends the program and starts it again with its GAMES folder on a small disk of its own;
    // null when no disk can be mounted here.
    std::unique_ptr<SmallDisk> restartOnSmallDisk() {
        const fs::path games = game.GamesFolder();
        t.endRun();
        fs::remove_all(games);
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
    worse.rename = [](const fs::path&, const fs::path&) {
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
    const fs::path games = game.GamesFolder();
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
    fs::remove(games / "filler");
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
