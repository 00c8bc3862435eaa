// Window tests: finding a control by its name, reading, typing into and clicking it, showing a
// window as the active one, working the next modal window, and a dialog on a test game.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "support/galaxy_builder.h"

// A failed check shows a QString as its text.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace zenthar::testing {

// Copies the pictures of the program folder into a test's one, so icons can be seen and missed.
inline void CopyPictures(const fs::path& to) {
    for (const auto& entry : fs::directory_iterator(ZENTHAR_PROGRAM_DIR))
        if (const auto ext = entry.path().extension(); ext == ".ico" || ext == ".png")
            fs::copy_file(entry.path(), to / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
}

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

// What the named controls show, trailing blanks of fixed-width names cut, joined by " | ".
inline std::string Texts(const QObject* root, std::initializer_list<const char*> names) {
    QStringList shown;
    for (const char* name : names) shown << QString::fromStdString(TrimRight(Text(root, name)));
    return shown.join(" | ").toStdString();
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

// Types `text` over what the field holds, as a player who clicked into it would.
inline void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Runs `act` on the modal window the next command opens, once it is up.
inline void OnNextModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        if (QWidget* modal = QApplication::activeModalWidget())
            act(modal);
        else
            ADD_FAILURE() << "no window opened";
    });
}

// The New Game window the next command opens starts a game of these players.
inline void OnNextNewGame(const std::vector<const char*>& names) {
    OnNextModal([names](QWidget* dlg) {
        FindChild<QComboBox>(dlg, "PlayerNumCmb")->setCurrentIndex(int(names.size()) - 1);
        for (std::size_t k = 0; k < names.size(); ++k)
            FindChild<QLineEdit>(dlg, QString("PlayerEdt%1").arg(k))->setText(names[k]);
        Click(dlg, "OkBtn");
    });
}

// A dialog of type D on a test game, shown as the active window by open().
template <class D>
class DialogTest : public ::testing::Test {
  protected:
    void open() {
        frm = std::make_unique<D>(t.game);
        ShowActive(frm.get());
    }
    template <class W>
    W* child(const QString& name) {
        return FindChild<W>(frm.get(), name);
    }
    std::string lastMessage() { return t.dialogs.asked.empty() ? "" : t.dialogs.asked.back().text; }

    TestGame t;
    std::unique_ptr<D> frm;
};

}  // namespace zenthar::testing
