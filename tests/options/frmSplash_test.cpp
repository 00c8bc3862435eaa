// The About window: its texts, the keys and clicks that close it and those that do not, and a
// second About bringing the same window forward.
#include "options/frmSplash.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QTest>

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
    EXPECT_EQ(w->lblVersion->text().toStdString(), "Version 1.1.0 beta");
    EXPECT_EQ(w->lblProductName->text().toStdString(), "Zenthar");
    EXPECT_FALSE(w->imgLogo->pixmap().isNull());
    EXPECT_FALSE(w->isModal());
    const QPoint offset = w->frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();

    EXPECT_EQ(frmSplash::showAbout(open, kProgramDir, &owner), w);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
    frmSplash* again = frmSplash::showAbout(open, kProgramDir, nullptr);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isVisible());
    again->close();
}

TEST(About, AKeyThatTypesACharacterClosesItOthersDoNot) {
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Return, Qt::Key_7}) {
        SCOPED_TRACE(key);
        QPointer<frmSplash> open;
        frmSplash* w = frmSplash::showAbout(open, kProgramDir, nullptr);
        QTest::keyClick(w, Qt::Key_Shift);
        QTest::keyClick(w, Qt::Key_F5);
        EXPECT_TRUE(w->isVisible());
        QTest::keyClick(w, key);
        EXPECT_FALSE(w->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(open.isNull());
    }
}

TEST(About, AClickOnTheFrameClosesItAndAClickOnALabelDoesNot) {
    QPointer<frmSplash> open;
    frmSplash* w = frmSplash::showAbout(open, kProgramDir, nullptr);
    for (QLabel* label : {w->lblVersion, w->lblProductName, w->lblCredits[2], w->imgLogo}) {
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_TRUE(w->isVisible()) << label->objectName().toStdString();
    }
    // Bottom right corner of the frame: below the last credit line.
    const QPoint empty(w->Frame1->width() - 6, w->Frame1->height() - 6);
    ASSERT_EQ(w->Frame1->childAt(empty), nullptr);
    QTest::mouseClick(w->Frame1, Qt::LeftButton, {}, empty);
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace zenthar::testing
