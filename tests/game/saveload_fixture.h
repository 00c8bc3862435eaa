// The common set-up of the save and load tests: a started game in a private program folder, a
// folder for saved games, snapshots of the running game and checks of the connection.
#pragma once

#include "game/saveload.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {

// What must not change when a command fails: every variable and the working file's bytes.
struct Snapshot {
    std::string state;
    std::vector<unsigned char> working;
    bool operator==(const Snapshot&) const = default;
};

class SaveLoadTest : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(saves); }

    fs::path save(const std::string& name) const { return saves / name; }

    static Snapshot snapshotOf(const Game& g) {
        return {DescribeWholeState(g.st), ReadBytes(g.WorkingFile())};
    }
    Snapshot snapshot() const { return snapshotOf(game); }

    static void expectConnectionOnShips(Game& g) {
        EXPECT_EQ(std::tuple(g.FileDta1.databaseName(), g.FileDta1.recordSource(),
                             g.FileDta1.isOpen(), g.FileDta1.rs().open()),
                  std::tuple(g.WorkingFile(), std::string("Ships"), true, true));
    }
    void expectConnectionOnShips() const { expectConnectionOnShips(game); }
    // ... and no temporary is left beside the working file or the saved games.
    void expectSettled() const {
        expectConnectionOnShips();
        EXPECT_TRUE(temporariesIn(game.GamesFolder()).empty());
        EXPECT_TRUE(temporariesIn(saves).empty());
    }

    // Files whose names mark them as temporaries of a save or load.
    static std::vector<std::string> temporariesIn(const fs::path& folder) {
        std::vector<std::string> found;
        for (const auto& e : fs::directory_iterator(folder))
            if (e.path().filename().string().find(kTemporaryMarker) != std::string::npos)
                found.push_back(e.path().filename().string());
        return found;
    }

    // Saves a sample game to a file and returns its bytes; the running game is then replaced.
    std::vector<unsigned char> savedSample(std::uint32_t seed, const SampleShape& shape,
                                           const std::string& name) {
        MakeSampleGame(game, seed, shape);
        SaveGame(game, save(name));
        return ReadBytes(save(name));
    }

    // The load or save must fail with this number; returns the message the player would read.
    static std::string fails(const std::function<void()>& run, int code, const fs::path& file) {
        SCOPED_TRACE(file.string());
        return StorageErrorText(run, code,
                                [](const StorageError& e) { return StorageErrorMessage(e); });
    }
    std::string loadFails(const fs::path& file, int code) {
        return fails([&] { LoadGame(game, file); }, code, file);
    }
    std::string saveFails(const fs::path& file, int code, const SaveHooks& h = {}) {
        return fails([&] { SaveGame(game, file, h); }, code, file);
    }

    TestGame t;
    Game& game = t.game;
    fs::path saves = t.folder.path() / "saves";
};

}  // namespace zenthar::testing
