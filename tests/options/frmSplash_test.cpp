// The About window: its texts, the keys and clicks that close it and those that do not, and a
// second About bringing the same window forward.
#include "options/frmSplash.h"

#include <QFrame>

#include "support/widgets.h"

namespace zenthar::testing {
namespace {

using ui::frmSplash;

const std::filesystem::path kProgramDir(ZENTHAR_PROGRAM_DIR);

TEST(About, ShowsTheVersionOverTheMainWindowAndASecondAboutReusesIt) {
    QWidget owner;
    owner.setGeometry(100, 80, 1200, 900);
    owner.show();
    QPointer<frmSplash> open;
    frmSplash* w = frmSplash::showAbout(open, kProgramDir, &owner);
    ASSERT_TRUE(w);
    EXPECT_EQ(Text(w, "lblVersion"), "Version 1.1.0 beta");
    EXPECT_EQ(Text(w, "lblProductName"), "Zenthar");
    EXPECT_FALSE(FindChild<QLabel>(w, "imgLogo")->pixmap().isNull());
    EXPECT_FALSE(w->isModal());
    const QPoint offset = w->frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
    EXPECT_EQ(frmSplash::showAbout(open, kProgramDir, &owner), w);
}

TEST(About, AKeyThatTypesACharacterOrAClickOnTheFrameClosesItOthersDoNot) {
    for (Qt::Key key :
         {Qt::Key_A, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Return, Qt::Key_unknown}) {
        SCOPED_TRACE(key);
        QPointer<frmSplash> open;
        frmSplash* w = frmSplash::showAbout(open, kProgramDir, nullptr);
        QTest::keyClick(w, Qt::Key_Shift);
        QTest::keyClick(w, Qt::Key_F5);
        for (const char* label : {"lblVersion", "lblProductName", "lblCredit3", "imgLogo"})
            QTest::mouseClick(FindChild<QWidget>(w, label), Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_TRUE(w->isVisible());
        if (key != Qt::Key_unknown) {
            QTest::keyClick(w, key);
        } else {  // bottom right corner of the frame: below the last credit line
            auto* frame = FindChild<QFrame>(w, "Frame1");
            const QPoint empty(frame->width() - 6, frame->height() - 6);
            ASSERT_EQ(frame->childAt(empty), nullptr);
            QTest::mouseClick(frame, Qt::LeftButton, {}, empty);
        }
        EXPECT_FALSE(w->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(open.isNull()) << "gone once closed, so the next About is a new one";
    }
}

}  // namespace
}  // namespace zenthar::testing
