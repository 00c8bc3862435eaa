// A short, repeatable fuzz run of saved-game loading: two thousand edited saved games, judged
// against the reference rules. The loader must agree on every verdict, a refused file must leave
// the running game as it was, and an accepted one must load and survive another save and load.
// (The long run is the libFuzzer harness under tools/fuzz.)
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

TEST_F(FuzzSaveLoad, LoaderAgreesWithTheRulesOnEditedGames) {
    const std::vector<std::vector<unsigned char>> bases = {savedSample(1, {1, 5, 1}, "1.mdb"),
                                                           savedSample(2, {3, 12, 4}, "2.mdb"),
                                                           savedSample(3, {4, 26, 6}, "3.mdb")};
    MakeSampleGame(game, 77, {2, 9, 3});

    std::mt19937 rng(20240607);
    int accepted = 0, refused = 0, disagreements = 0;
    for (int n = 0; n < 2000 && disagreements < 5; ++n) {
        std::vector<std::uint8_t> script(2 + rng() % 40);
        for (auto& b : script) b = static_cast<std::uint8_t>(rng());
        std::vector<std::string> log;
        const std::vector<unsigned char> bytes =
            MutateSavedGame(bases[static_cast<std::size_t>(n) % bases.size()], script, &log);
        const std::optional<std::string> rule = ReferenceRefusal(bytes);
        std::string verdict;
        bool ok = true;
        try {
            ReadSavedGame(bytes);
        } catch (const StorageError& e) {
            ok = false;
            verdict = e.what();
            EXPECT_EQ(e.code(), errors::kTypeMismatch) << verdict;
        }
        if (ok == rule.has_value()) {
            ++disagreements;
            ADD_FAILURE() << "input " << n << ": loader "
                          << (ok ? "accepts" : "refuses: " + verdict) << ", reference "
                          << (rule ? "refuses: " + *rule : "accepts") << "\nedits:\n"
                          << Joined(log);
            continue;
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
    EXPECT_EQ(disagreements, 0);
    EXPECT_GT(accepted, 200) << "the edits should leave many games loadable";
    EXPECT_GT(refused, 200) << "and break many";
    EXPECT_TRUE(temporariesIn(game.GamesFolder()).empty());
}

}  // namespace
}  // namespace zenthar::testing
