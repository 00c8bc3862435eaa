// The temporaries a save writes beside its target: each carries a name the next start knows as
// the game's own (the target, the marker, the process and six letters or digits), and no two
// live at once under the same name. Which names the start sweeps away is
// saveload_atomic_test.cpp's.
#include <unistd.h>

#include "game/savefile.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

TEST(TemporaryFiles, EachIsNamedAsTheGamesOwnAndNoTwoAlike) {
    TempProgramFolder program;
    const fs::path folder = program.path() / "saves";
    fs::create_directory(folder);
    const fs::path target = folder / "war.mdb";
    const std::string head =
        ".war.mdb" + std::string(kTemporaryMarker) + std::to_string(::getpid()) + "-";
    std::vector<std::unique_ptr<TemporaryFile>> open;
    std::set<std::string> names;
    for (int k = 0; k < 300; ++k) {
        open.push_back(std::make_unique<TemporaryFile>(target));
        const fs::path& p = open.back()->path();
        const std::string name = p.filename().string();
        EXPECT_EQ(p.parent_path(), folder);
        ASSERT_EQ(name.size(), head.size() + 6) << name;
        EXPECT_EQ(name.substr(0, head.size()), head);
        for (const char c : name.substr(head.size()))
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) << name;
        EXPECT_TRUE(fs::is_regular_file(p)) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), open.size());
    open.clear();  // none committed: every one is removed again
    EXPECT_TRUE(fs::is_empty(folder));
}

}  // namespace
}  // namespace zenthar::testing
