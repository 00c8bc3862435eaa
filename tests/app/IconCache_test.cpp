// Icon files at the size they are drawn: the sharper picture on HiDPI, nothing for a missing one.
#include "app/IconCache.h"

#include <gtest/gtest.h>

#include "app/app_fixture.h"

namespace zenthar::testing {
namespace {

TEST(IconCache, PicksTheImageThatFitsTheScreen) {
    ui::IconCache icons;
    icons.setFolder(ZENTHAR_PROGRAM_DIR);
    const QPixmap normal = icons.pixmap("good_pl.ico", 32, 1.0);
    ASSERT_FALSE(normal.isNull());
    EXPECT_EQ(normal.size(), QSize(32, 32));
    EXPECT_DOUBLE_EQ(normal.devicePixelRatio(), 1.0);

    const QPixmap sharp = icons.pixmap("good_pl.ico", 32, 2.0);
    EXPECT_EQ(sharp.size(), QSize(64, 64)) << "the 64 px image on a HiDPI screen";
    EXPECT_DOUBLE_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(32, 32));

    // Trailing blanks of a fixed-width name are not part of the file name.
    EXPECT_FALSE(icons.pixmap("med_pl.ico  ", 21, 1.0).isNull());
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
