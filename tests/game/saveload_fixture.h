// The common set-up of the save and load tests: a started game in a private program folder, a
// folder for saved games, snapshots of the running game and checks of the connection.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/saveload.h"
#include "support/galaxy_builder.h"
#include "support/savegame_tools.h"

namespace zenthar::testing {

// What must not change when a command fails: every variable and the working file's bytes.
struct Snapshot {
    std::string state;
    std::vector<unsigned char> working;
    bool operator==(const Snapshot&) const = default;
};

class SaveLoadTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(saves); }

    std::filesystem::path save(const std::string& name) const { return saves / name; }

    Snapshot snapshot() const {
        return {DescribeWholeState(game.st), ReadBytes(game.WorkingFile())};
    }

    void expectConnectionOnShips() const {
        EXPECT_EQ(game.FileDta1.databaseName(), game.WorkingFile());
        EXPECT_EQ(game.FileDta1.recordSource(), "Ships");
        EXPECT_TRUE(game.FileDta1.isOpen());
        EXPECT_TRUE(game.FileDta1.rs().open());
    }

    // Files whose names mark them as temporaries of a save or load.
    static std::vector<std::string> temporariesIn(const std::filesystem::path& folder) {
        std::vector<std::string> found;
        for (const auto& e : std::filesystem::directory_iterator(folder))
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

    // Loads and expects a failure with this number; returns the message the player would read.
    std::string loadFails(const std::filesystem::path& file, int code) {
        try {
            LoadGame(game, file);
        } catch (const StorageError& e) {
            EXPECT_EQ(e.code(), code) << e.what();
            return StorageErrorMessage(e);
        }
        ADD_FAILURE() << "the load of " << file << " succeeded";
        return {};
    }

    std::string saveFails(const std::filesystem::path& file, int code,
                          const SaveHooks& hooks = {}) {
        try {
            SaveGame(game, file, hooks);
        } catch (const StorageError& e) {
            EXPECT_EQ(e.code(), code) << e.what();
            return StorageErrorMessage(e);
        }
        ADD_FAILURE() << "the save to " << file << " succeeded";
        return {};
    }

    TestGame t;
    Game& game = t.game;
    std::filesystem::path saves = t.folder.path() / "saves";
};

}  // namespace zenthar::testing
