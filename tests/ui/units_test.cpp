// Pictures at the size they are drawn: the twice-as-large twin on a screen that scales by two,
// and nothing for a file that is not there. (Which image of an icon file fits is Qt's own
// choice; the maps' tests see the icons they draw.)
#include "ui/units.h"

#include <gtest/gtest.h>

#include <QImage>
#include <fstream>

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

void Paint(const std::filesystem::path& file, QSize size, Qt::GlobalColor colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(file.string())));
}

QColor Centre(const QPixmap& p) {
    const QImage image = p.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST(PictureAt, TakesTheTwinOnAScalingScreenAndTheFileElsewhere) {
    TempProgramFolder folder;
    const auto ship = folder.path() / "ship.png";
    Paint(ship, {12, 8}, Qt::red);
    Paint(folder.path() / "ship@2x.png", {24, 16}, Qt::blue);

    const QPixmap normal = ui::PictureAt(ship, {12, 8}, 1.0);
    EXPECT_EQ(normal.size(), QSize(12, 8));
    EXPECT_EQ(Centre(normal), QColor(Qt::red));

    const QPixmap sharp = ui::PictureAt(ship, {18, 12}, 2.0);
    EXPECT_EQ(sharp.size(), QSize(36, 24)) << "device pixels for a window scaled by 1.5";
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(18, 12));
    EXPECT_EQ(Centre(sharp), QColor(Qt::blue)) << "drawn from the twin";

    // Without a twin the one file is scaled; a missing or broken file gives nothing.
    std::filesystem::remove(folder.path() / "ship@2x.png");
    EXPECT_EQ(Centre(ui::PictureAt(ship, {12, 8}, 2.0)), QColor(Qt::red));
    EXPECT_TRUE(ui::PictureAt(folder.path() / "none.png", {12, 8}, 2.0).isNull());
    std::ofstream(folder.path() / "broken.png") << "not a picture";
    EXPECT_TRUE(ui::PictureAt(folder.path() / "broken.png", {12, 8}, 1.0).isNull());
}

}  // namespace
}  // namespace zenthar::testing
