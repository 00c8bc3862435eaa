// Icon files at the size they are drawn: the sharper picture on HiDPI, nothing for a missing one.
#include "app/IconCache.h"

#include "app/app_fixture.h"

namespace zenthar::testing {
namespace {

TEST(IconCache, PicksTheImageThatFitsTheScreen) {
    ui::IconCache icons;
    icons.setFolder(ZENTHAR_PROGRAM_DIR);
    const QPixmap normal = icons.pixmap("good_pl.ico", 32, 1.0);
    EXPECT_EQ(std::pair(normal.size(), normal.devicePixelRatio()), std::pair(QSize(32, 32), 1.0));
    const QPixmap sharp = icons.pixmap("good_pl.ico", 32, 2.0);
    EXPECT_EQ(std::pair(sharp.size(), sharp.devicePixelRatio()), std::pair(QSize(64, 64), 2.0))
        << "device pixels on a HiDPI screen, drawn 32 px large";
    // Trailing blanks of a fixed-width name are not part of the file name.
    EXPECT_EQ(icons.pixmap("med_pl.ico  ", 21, 1.0).size(), QSize(21, 21));
}

TEST(IconCache, MissingOrBrokenFilesGiveAnEmptyPicture) {
    TempProgramFolder folder;
    ui::IconCache icons;
    icons.setFolder(folder.path());
    EXPECT_TRUE(icons.pixmap("good_pl.ico", 32, 1.0).isNull());
    EXPECT_TRUE(icons.pixmap("", 32, 1.0).isNull());
    EXPECT_TRUE(icons.pixmap("crt.dat", 32, 1.0).isNull()) << "not a picture";

    // Once the file is there, clearing the cache lets it be read.
    CopyPictures(folder.path());
    EXPECT_TRUE(icons.pixmap("good_pl.ico", 32, 1.0).isNull()) << "still the remembered miss";
    icons.clear();
    EXPECT_FALSE(icons.pixmap("good_pl.ico", 32, 1.0).isNull());
}

}  // namespace
}  // namespace zenthar::testing
