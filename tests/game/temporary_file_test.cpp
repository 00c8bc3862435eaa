// The temporaries a save writes beside its target: each carries a name the next start knows as
// the game's own (the target, the marker, the process and six letters or digits), and no two
// live at once under the same name.
#include <unistd.h>

#include "game/savefile.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

TEST(TemporaryFiles, EachIsNamedAsTheGamesOwnAndNoTwoAlike) {
    TempProgramFolder program;
    const std::filesystem::path folder = program.path() / "saves";
    std::filesystem::create_directory(folder);
    const std::filesystem::path target = folder / "war.mdb";
    const std::string head =
        ".war.mdb" + std::string(kTemporaryMarker) + std::to_string(::getpid()) + "-";
    std::vector<std::unique_ptr<TemporaryFile>> open;
    std::set<std::string> names;
    for (int k = 0; k < 300; ++k) {
        open.push_back(std::make_unique<TemporaryFile>(target));
        const std::filesystem::path& p = open.back()->path();
        const std::string name = p.filename().string();
        EXPECT_EQ(p.parent_path(), folder);
        ASSERT_EQ(name.size(), head.size() + 6) << name;
        EXPECT_EQ(name.substr(0, head.size()), head);
        for (const char c : name.substr(head.size()))
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) << name;
        EXPECT_TRUE(std::filesystem::is_regular_file(p)) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), open.size());
    open.clear();  // none committed: every one is removed again
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

// A start sweeps away the temporaries a dead game left, and only those: a name that differs
// from the game's in any one of its six letters is someone else's file.
TEST(TemporaryFiles, TheSweepTakesOnlyNamesTheGameMakes) {
    TempProgramFolder program;
    const std::filesystem::path folder = program.path() / "saves";
    std::filesystem::create_directory(folder);
    const std::string dead = ".war.mdb" + std::string(kTemporaryMarker) + "999999999-";
    std::vector<std::string> kept;
    for (std::size_t k = 0; k < 6; ++k) {
        std::string letters = "abc123";
        letters[k] = '_';
        kept.push_back(dead + letters);
    }
    kept.push_back(dead + "abc12");    // five letters
    kept.push_back(dead + "abc1234");  // seven
    for (const std::string& name : kept) std::ofstream(folder / name) << "x";
    std::ofstream(folder / (dead + "abc123")) << "x";
    RemoveStaleTemporaries(folder);
    std::set<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        left.insert(e.path().filename().string());
    EXPECT_EQ(left, std::set<std::string>(kept.begin(), kept.end()));
}

}  // namespace
}  // namespace zenthar::testing
