// Window tests: finding a control by its name and showing a window as the active one.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

namespace zenthar::testing {

// The named control under `root`; a missing one fails the test and gives nullptr.
template <class W>
W* FindChild(const QObject* root, const QString& name) {
    W* w = root->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

// Shows the window and waits until it has the focus, as a user's click would give it.
inline void ShowActive(QWidget* w) {
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

}  // namespace zenthar::testing
