// Window tests: finding a control by its name, reading and clicking it, and showing a window as
// the active one.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>
#include <QWidget>
#include <string>

namespace zenthar::testing {

// The named control under `root`; a missing one fails the test and gives nullptr.
template <class W>
W* FindChild(const QObject* root, const QString& name) {
    W* w = root->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

// What the named label, field or button shows.
inline std::string Text(const QObject* root, const QString& name) {
    const QWidget* w = FindChild<QWidget>(root, name);
    return w ? w->property("text").toString().toStdString() : "(no " + name.toStdString() + ")";
}

// A mouse click on the named button.
inline void Click(const QObject* root, const QString& name) {
    if (auto* b = FindChild<QAbstractButton>(root, name)) QTest::mouseClick(b, Qt::LeftButton);
}

// Shows the window and waits until it has the focus, as a user's click would give it.
inline void ShowActive(QWidget* w) {
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

}  // namespace zenthar::testing
