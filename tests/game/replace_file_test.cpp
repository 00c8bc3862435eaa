// Replacing a file whole: the new content arrives complete, a link keeps pointing at the file it
// named, the permission bits stay, and a failure part way leaves the old file and no temporary.
#include "game/replace_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <stdexcept>

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

class ReplaceFileTest : public ::testing::Test {
  protected:
    std::filesystem::path at(const char* name) const { return folder.path() / "replaced" / name; }
    void SetUp() override { std::filesystem::create_directories(at("")); }
    // Every name in the folder, so a temporary left behind shows.
    std::string listing() const {
        std::string names;
        for (const auto& e : std::filesystem::directory_iterator(at("")))
            names += e.path().filename().string() + " ";
        return names;
    }
    TempProgramFolder folder;
};

TEST_F(ReplaceFileTest, TheNewContentReplacesTheOldThroughALinkKeepingItsMode) {
    ReplaceFile(at("a.ini"), "old");
    ::chmod(at("a.ini").c_str(), 0600);
    std::filesystem::create_symlink("a.ini", at("link.ini"));
    ReplaceFile(at("link.ini"), "new\n");
    struct stat info {};
    ::stat(at("a.ini").c_str(), &info);
    EXPECT_EQ(std::tuple(ReadText(at("a.ini")), std::filesystem::is_symlink(at("link.ini")),
                         info.st_mode & 0777),
              std::tuple("new\n", true, 0600u));
}

TEST_F(ReplaceFileTest, AFailurePartWayLeavesTheOldFileAndNoTemporary) {
    ReplaceFile(at("a.ini"), "old");
    const RenameStep refused = [](const auto&, const auto&) {
        throw SaveLoadError(61, "The disk is full.");
    };
    const FileWriter broken = [](TemporaryFile& t) {
        t.write(std::vector<unsigned char>{'x'});
        throw std::runtime_error("stopped");
    };
    EXPECT_THROW(ReplaceFile(
                     at("a.ini"), [](TemporaryFile&) {}, refused),
                 SaveLoadError);
    EXPECT_THROW(ReplaceFile(at("a.ini"), broken), std::runtime_error);
    EXPECT_THROW(ReplaceFile(at("none/a.ini"), "new"), SaveLoadError);
    EXPECT_EQ(std::tuple(ReadText(at("a.ini")), listing()), std::tuple("old", "a.ini "));
}

}  // namespace
}  // namespace zenthar::testing
