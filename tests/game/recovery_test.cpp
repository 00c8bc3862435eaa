// The recovery copy: a saved game like any other, kept beside GAMES/, checked as Open Game checks
// a file before start-up offers it; and the name Open Game makes of one typed without ".mdb".
#include "game/recovery.h"
#include "game/saveload_fixture.h"

namespace zenthar::testing {
namespace {

class RecoveryTest : public SaveLoadTest {};

TEST_F(RecoveryTest, TheCopyIsWhatSaveWritesKeptOutsideTheSavedGamesAndRemovedWithoutTrace) {
    MakeSampleGame(game, 11, SampleShape{3, 20, 4});
    WriteRecoveryCopy(game);
    SaveGame(game, save("same.mdb"));
    const fs::path copy = RecoveryFile(game);
    EXPECT_EQ(copy.parent_path(), game.UserFolder);
    EXPECT_NE(copy.parent_path(), game.GamesFolder());
    EXPECT_EQ(DescribeDatabase(copy), DescribeDatabase(save("same.mdb")));
    expectSettled();
    EXPECT_TRUE(temporariesIn(game.UserFolder).empty());

    const RecoveredGame found = CheckRecoveryCopy(game);
    EXPECT_EQ(std::tuple(found.year, found.players.size(), RecoveryCopyExists(game)),
              std::tuple(int{game.st.CurrentYear}, 3u, true));
    EXPECT_EQ(found.players[0], Trim(game.st.PlName[0].padded()));

    RemoveRecoveryCopy(game);
    RemoveRecoveryCopy(game);  // twice is harmless
    EXPECT_FALSE(RecoveryCopyExists(game));
}

TEST_F(RecoveryTest, ACutDamagedOrForeignCopyIsRefusedAsAnySavedGameIs) {
    const std::vector<unsigned char> good = savedSample(5, SampleShape{2, 12, 2}, "good.mdb");
    const fs::path copy = RecoveryFile(game);
    // What lies at the copy's name, how it comes there, and the error it is refused with.
    // clang-format off
    const std::tuple<const char*, std::function<void()>, int> cases[] = {
        {"empty", [&] { WriteBytes(copy, {}); }, errors::kTypeMismatch},
        {"cut in half", [&] { WriteBytes(copy, {good.begin(), good.begin() + std::ssize(good) / 2}); },
         errors::kTypeMismatch},
        {"pages overwritten", [&] {
             std::vector<unsigned char> bad = good;
             for (std::size_t i = 100; i < bad.size(); i += 7) bad[i] = 0xA5;
             WriteBytes(copy, bad);
         }, errors::kTypeMismatch},
        {"a text file", [&] { std::ofstream(copy) << "Year 4105, Ann and Bob\n"; }, errors::kTypeMismatch},
        {"another database", [&] { fs::copy_file(game.TemplateFile(), copy); },
         errors::kTypeMismatch},
        {"a folder", [&] { fs::create_directory(copy); }, errors::kPathFileAccess}};
    // clang-format on
    for (const auto& [what, make, code] : cases) {
        SCOPED_TRACE(what);
        fs::remove_all(copy);
        make();
        EXPECT_TRUE(RecoveryCopyExists(game));
        const std::string said = fails([&] { CheckRecoveryCopy(game); }, code, copy);
        EXPECT_NE(said.find("ERROR "), std::string::npos) << said;
    }
}

TEST(RecoveryText, TheQuestionNamesTheYearAndEveryPlayer) {
    // clang-format off
    const std::tuple<std::vector<std::string>, const char*> cases[] = {
        {{"Ann"}, "the year 4105, played by Ann."},
        {{"Ann", "Bob"}, "the year 4105, played by Ann and Bob."},
        {{"Ann", "Bob", "Cy", "Di"}, "the year 4105, played by Ann, Bob, Cy and Di."}};
    // clang-format on
    for (const auto& [players, expected] : cases) {
        const std::string q = ResumeQuestion(RecoveredGame{4105, players, {}});
        EXPECT_NE(q.find(expected), std::string::npos) << q;
        EXPECT_NE(q.find("Do you want to resume it?"), std::string::npos) << q;
    }
}

TEST_F(RecoveryTest, ANameTypedWithoutTheExtensionOpensTheGameFileOfThatName) {
    std::ofstream(save("mine.mdb")) << "x";
    std::ofstream(save("plain")) << "x";
    std::ofstream(save("plain.mdb")) << "x";
    fs::create_directory(save("folder.mdb"));
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"mine", "mine.mdb"},       // missing as typed, there with the extension
        {"mine.mdb", "mine.mdb"},   // as typed
        {"plain", "plain"},         // a file of the typed name wins
        {"none", "none"},           // neither: the load tells the player
        {"folder", "folder"}};       // a folder is not a game file to add the extension for
    // clang-format on
    for (const auto& [typed, opened] : cases)
        EXPECT_EQ(GameFileToOpen(save(typed)), save(opened)) << typed;
    EXPECT_EQ(GameFileToOpen({}), fs::path());
}

}  // namespace
}  // namespace zenthar::testing
