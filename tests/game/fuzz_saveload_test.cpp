// A short, repeatable fuzz run of saved-game loading: two thousand edited saved games. Whatever
// the checker decides, a refused file must be refused with the game's number and leave the
// running game as it was, and an accepted one must load and survive another save and load; which
// edit must be refused is pinned case by case in saveload_badfile_test.cpp. (The long run is the
// libFuzzer harness under tools/fuzz.)
#include <random>

#include "game/savecheck.h"
#include "saveload_fixture.h"
#include "support/savegame_fuzz.h"

namespace zenthar::testing {
namespace {

using FuzzSaveLoad = SaveLoadTest;

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += "  " + l + "\n";
    return out;
}

TEST_F(FuzzSaveLoad, EditedGamesAreRefusedWholeOrComeBackWhole) {
    const std::vector<std::vector<unsigned char>> bases = {savedSample(1, {1, 5, 1}, "1.mdb"),
                                                           savedSample(2, {3, 12, 4}, "2.mdb"),
                                                           savedSample(3, {4, 26, 6}, "3.mdb")};
    MakeSampleGame(game, 77, {2, 9, 3});

    std::mt19937 rng(20240607);
    int accepted = 0, refused = 0;
    for (int n = 0; n < 2000 && !HasFailure(); ++n) {
        std::vector<std::uint8_t> script(2 + rng() % 40);
        for (auto& b : script) b = static_cast<std::uint8_t>(rng());
        std::vector<std::string> log;
        const std::vector<unsigned char> bytes =
            MutateSavedGame(bases[static_cast<std::size_t>(n) % bases.size()], script, &log);
        bool ok = true;
        try {
            ReadSavedGame(bytes);
        } catch (const StorageError& e) {
            ok = false;
            EXPECT_EQ(e.code(), errors::kTypeMismatch) << e.what() << "\n" << Joined(log);
        }
        ok ? ++accepted : ++refused;
        // Loading through the working file costs disk syncs: a part of each kind goes that way.
        if (n % (ok ? 3 : 16) != 0) continue;

        WriteBytes(save("fuzz.mdb"), bytes);
        const Snapshot before = snapshot();
        if (ok) {
            LoadGame(game, save("fuzz.mdb"));
            const std::string loaded = DescribeSavedGame(game.st);
            SaveGame(game, save("again.mdb"));
            LoadGame(game, save("again.mdb"));
            EXPECT_EQ(DescribeSavedGame(game.st), loaded) << "input " << n << "\n" << Joined(log);
        } else {
            EXPECT_THROW(LoadGame(game, save("fuzz.mdb")), StorageError);
            EXPECT_EQ(snapshot(), before) << "input " << n;
        }
        expectConnectionOnShips();
    }
    EXPECT_GT(accepted, 200) << "the edits should leave many games loadable";
    EXPECT_GT(refused, 200) << "and break many";
    EXPECT_TRUE(temporariesIn(game.GamesFolder()).empty());
}

}  // namespace
}  // namespace zenthar::testing
