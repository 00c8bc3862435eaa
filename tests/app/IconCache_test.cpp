// Icon files at the size they are drawn: the sharper picture on HiDPI, nothing for a missing one.
#include "app/IconCache.h"

#include "app/app_fixture.h"

namespace zenthar::testing {
namespace {

TEST(IconCache, PicksTheImageThatFitsTheScreen) {
    ui::IconCache icons;
    icons.setFolder(ZENTHAR_PROGRAM_DIR);
    // Drawn 32 px large: in device pixels on a HiDPI screen.
    for (const auto& [ratio, size] : {std::pair{1.0, 32}, {2.0, 64}}) {
        const QPixmap p = icons.pixmap("good_pl.ico", 32, ratio);
        EXPECT_EQ(std::pair(p.size(), p.devicePixelRatio()), std::pair(QSize(size, size), ratio));
    }
    // Trailing blanks of a fixed-width name are not part of the file name.
    EXPECT_EQ(icons.pixmap("med_pl.ico  ", 21, 1.0).size(), QSize(21, 21));
}

TEST(IconCache, MissingOrBrokenFilesGiveAnEmptyPicture) {
    TempProgramFolder folder;
    ui::IconCache icons;
    icons.setFolder(folder.path());
    auto none = [&icons](const char* file) { return icons.pixmap(file, 32, 1.0).isNull(); };
    EXPECT_TRUE(none("good_pl.ico") && none("") && none("crt.dat"));  // crt.dat: not a picture

    // Once the file is there, clearing the cache lets it be read.
    CopyPictures(folder.path());
    EXPECT_TRUE(none("good_pl.ico")) << "still the remembered miss";
    icons.clear();
    EXPECT_FALSE(none("good_pl.ico"));
}

}  // namespace
}  // namespace zenthar::testing
