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

TEST(About, ShowsTheNameTheVersionAndThePlatform) {
    QPointer<frmSplash> open;
    frmSplash* w = frmSplash::showAbout(open, kProgramDir, nullptr);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->lblVersion->text().toStdString(), "Version 1.1.0 beta");
    EXPECT_EQ(w->lblProductName->text().toStdString(), "Zenthar");
    EXPECT_FALSE(w->lblPlatform->text().isEmpty());
    EXPECT_TRUE(w->windowTitle().isEmpty());
    for (QLabel* credit : w->lblCredits) EXPECT_FALSE(credit->text().isEmpty());
    EXPECT_FALSE(w->imgLogo->pixmap().isNull());
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());

    // A second About brings the same window forward.
    EXPECT_EQ(frmSplash::showAbout(open, kProgramDir, nullptr), w);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
    frmSplash* again = frmSplash::showAbout(open, kProgramDir, nullptr);
    EXPECT_NE(again, nullptr);
    EXPECT_TRUE(again->isVisible());
    again->close();
}

TEST(About, OpensOverTheMiddleOfTheMainWindow) {
    QWidget owner;
    owner.setGeometry(100, 80, 1200, 900);
    owner.show();
    QPointer<frmSplash> open;
    frmSplash* w = frmSplash::showAbout(open, kProgramDir, &owner);
    const QPoint offset = w->frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
    w->close();
}

class AboutClosing : public ::testing::TestWithParam<Qt::Key> {};

TEST_P(AboutClosing, AKeyThatTypesACharacterClosesIt) {
    QPointer<frmSplash> open;
    frmSplash* w = frmSplash::showAbout(open, kProgramDir, nullptr);
    QTest::keyClick(w, GetParam());
    EXPECT_FALSE(w->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.isNull());
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutClosing,
                         ::testing::Values(Qt::Key_A, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Return,
                                           Qt::Key_7));

TEST(About, AKeyWithoutACharacterLeavesItOpen) {
    QPointer<frmSplash> open;
    frmSplash* w = frmSplash::showAbout(open, kProgramDir, nullptr);
    QTest::keyClick(w, Qt::Key_Shift);
    QTest::keyClick(w, Qt::Key_F5);
    EXPECT_TRUE(w->isVisible());
    w->close();
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
