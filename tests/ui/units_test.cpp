// Pictures at the size they are drawn: the twice-as-large twin on a screen that scales by two,
// and nothing for a file that is not there. (Which image of an icon file fits is Qt's own
// choice; the maps' tests see the icons they draw.)
#include "ui/units.h"

#include <QImage>

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

void Paint(const fs::path& file, QSize size, Qt::GlobalColor colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(file.string())));
}

// Device pixels, logical size and the colour in the middle.
std::tuple<QSize, QSizeF, QColor> Seen(const QPixmap& p) {
    const QImage image = p.toImage();
    return {p.size(), p.deviceIndependentSize(), image.pixelColor(image.rect().center())};
}

TEST(PictureAt, TakesTheTwinOnAScalingScreenAndTheFileElsewhere) {
    TempProgramFolder folder;
    const auto ship = folder.path() / "ship.png";
    Paint(ship, {12, 8}, Qt::red);
    Paint(folder.path() / "ship@2x.png", {24, 16}, Qt::blue);

    EXPECT_EQ(Seen(ui::PictureAt(ship, {12, 8}, 1.0)),
              std::tuple(QSize(12, 8), QSizeF(12, 8), QColor(Qt::red)));
    // Device pixels for a window scaled by 1.5, drawn from the twin.
    EXPECT_EQ(Seen(ui::PictureAt(ship, {18, 12}, 2.0)),
              std::tuple(QSize(36, 24), QSizeF(18, 12), QColor(Qt::blue)));

    // Without a twin the one file is scaled; a missing or broken file gives nothing.
    fs::remove(folder.path() / "ship@2x.png");
    EXPECT_EQ(Seen(ui::PictureAt(ship, {12, 8}, 2.0)),
              std::tuple(QSize(24, 16), QSizeF(12, 8), QColor(Qt::red)));
    EXPECT_TRUE(ui::PictureAt(folder.path() / "none.png", {12, 8}, 2.0).isNull());
    std::ofstream(folder.path() / "broken.png") << "not a picture";
    EXPECT_TRUE(ui::PictureAt(folder.path() / "broken.png", {12, 8}, 1.0).isNull());
}

}  // namespace
}  // namespace zenthar::testing
