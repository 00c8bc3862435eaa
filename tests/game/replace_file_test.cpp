// Replacing a file whole: a failure part way leaves the old file and no temporary. That a link
// keeps pointing at the file it named and the permission bits stay is saveload_atomic_test.cpp's,
// through the same replacement.
#include "game/replace_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

TEST(ReplaceFile, AFailurePartWayLeavesTheOldFileAndNoTemporary) {
    TempProgramFolder folder;
    const std::filesystem::path dir = folder.path() / "replaced";
    std::filesystem::create_directories(dir);
    ReplaceFile(dir / "a.ini", "old");
    const RenameStep refused = [](const auto&, const auto&) {
        throw SaveLoadError(61, "The disk is full.");
    };
    const FileWriter broken = [](TemporaryFile& t) {
        t.write(std::vector<unsigned char>{'x'});
        throw std::runtime_error("stopped");
    };
    EXPECT_THROW(ReplaceFile(
                     dir / "a.ini", [](TemporaryFile&) {}, refused),
                 SaveLoadError);
    EXPECT_THROW(ReplaceFile(dir / "a.ini", broken), std::runtime_error);
    EXPECT_THROW(ReplaceFile(dir / "none" / "a.ini", "new"), SaveLoadError);
    // Every name in the folder, so a temporary left behind shows.
    std::string names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names += e.path().filename().string() + " ";
    EXPECT_EQ(std::tuple(ReadText(dir / "a.ini"), names), std::tuple("old", "a.ini "));
}

}  // namespace
}  // namespace zenthar::testing
