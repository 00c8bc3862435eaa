// The About window: its texts, the keys and clicks that close it and those that do not, and a
// second About bringing the same window forward.
#include "options/frmSplash.h"

#include <QFrame>

#include "support/widgets.h"

namespace zenthar::testing {
namespace {

const fs::path kProgramDir(ZENTHAR_PROGRAM_DIR);

TEST(About, ShowsTheVersionOverTheMainWindowAndASecondAboutReusesIt) {
    QWidget owner;
    owner.setGeometry(100, 80, 1200, 900);
    owner.show();
    QPointer<ui::frmSplash> open;
    ui::frmSplash* w = ui::frmSplash::showAbout(open, kProgramDir, &owner);
    ASSERT_TRUE(w);
    EXPECT_EQ(Texts(w, {"lblVersion", "lblProductName"}), "Version " ZENTHAR_VERSION " | Zenthar");
    EXPECT_FALSE(FindChild<QLabel>(w, "imgLogo")->pixmap().isNull() || w->isModal());
    const QPoint offset = w->frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
    EXPECT_EQ(ui::frmSplash::showAbout(open, kProgramDir, &owner), w);
}

TEST(About, AKeyThatTypesACharacterOrAClickOnTheFrameClosesItOthersDoNot) {
    for (Qt::Key key :
         {Qt::Key_A, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Return, Qt::Key_unknown}) {
        SCOPED_TRACE(key);
        QPointer<ui::frmSplash> open;
        ui::frmSplash* w = ui::frmSplash::showAbout(open, kProgramDir, nullptr);
        for (Qt::Key other : {Qt::Key_Shift, Qt::Key_F5}) QTest::keyClick(w, other);
        for (const char* label : {"lblVersion", "lblProductName", "lblCredit3", "imgLogo"})
            QTest::mouseClick(FindChild<QWidget>(w, label), Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_TRUE(w->isVisible());
        // The frame's bottom right corner, below the last credit line, is the click's place.
        auto* frame = FindChild<QFrame>(w, "Frame1");
        const QPoint empty(frame->width() - 6, frame->height() - 6);
        ASSERT_EQ(frame->childAt(empty), nullptr);
        key != Qt::Key_unknown ? QTest::keyClick(w, key)
                               : QTest::mouseClick(frame, Qt::LeftButton, {}, empty);
        EXPECT_FALSE(w->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(open.isNull()) << "gone once closed, so the next About is a new one";
    }
}

}  // namespace
}  // namespace zenthar::testing
