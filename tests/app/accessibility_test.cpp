// Every control of every window has a name a screen reader can say, and every window opens
// from the keyboard: each menu command by its shortcut, with and without a game.
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <map>

#include "app/app_fixture.h"
#include "options/inifile.h"
#include "reports/TurnRepFrm.h"

namespace zenthar::testing {
namespace {

// The controls under root a screen reader would name nothing: anything the keyboard can reach,
// any button, and any picture.
std::string Unnamed(QWidget* root) {
    QStringList missing;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w != root && !w->isVisibleTo(root)) continue;
        auto* label = qobject_cast<QLabel*>(w);
        const bool picture = label != nullptr && !label->pixmap().isNull();
        const bool control = w->focusPolicy() != Qt::NoFocus ||
                             qobject_cast<QAbstractButton*>(w) != nullptr || picture;
        // A combo box's own line edit and the viewports of scroll areas speak for their owner.
        if (!control || qobject_cast<QComboBox*>(w->parentWidget()) != nullptr ||
            w->objectName() == "qt_scrollarea_viewport")
            continue;
        // A list or a field is named by itself or by its label, never by what it holds.
        bool labelled = !w->accessibleName().isEmpty();
        for (const QLabel* l : w->window()->findChildren<QLabel*>())
            labelled = labelled || l->buddy() == w;
        const bool holdsText = qobject_cast<QComboBox*>(w) != nullptr ||
                               (qobject_cast<QLineEdit*>(w) != nullptr && !labelled);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (a == nullptr || a->text(QAccessible::Name).trimmed().isEmpty() ||
            (holdsText && !labelled))
            missing << (w->objectName().isEmpty() ? QString("(no name)") : w->objectName()) + " " +
                           w->metaObject()->className();
    }
    return missing.join(", ").toStdString();
}

using KeyboardTest = AppTest;

TEST_F(KeyboardTest, EveryControlOfEveryWindowHasAName) {
    startShown();
    twoPlayers();
    EXPECT_EQ(Unnamed(window.get()), "") << "main window";

    std::map<std::string, std::string> unnamed;  // by window
    auto inspect = [&](QWidget* w) {
        unnamed[w->objectName().toStdString()] = Unnamed(w);
        if (auto* box = qobject_cast<QDialog*>(w)) box->reject();
    };
    using Command = void (ui::Zenthar::*)();
    for (Command command : {&ui::Zenthar::SendItem_Click, &ui::Zenthar::ProductionSumItem_Click,
                            &ui::Zenthar::SearchItem_Click, &ui::Zenthar::IntBrowserItem_Click,
                            &ui::Zenthar::OwningMapItem_Click, &ui::Zenthar::ShowFleetsItem_Click,
                            &ui::Zenthar::NewGameItem_Click}) {
        answers.push_back(Answer::Yes);  // New Game asks first whether to end this one
        onNextModal(inspect);
        (window.get()->*command)();
        answers.clear();
    }
    // The summary and the About window stay open beside the map.
    window->ShowEndTurnSummary();
    window->AboutItem_Click();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != window.get()) {
            inspect(w);
            w->close();
        }
    ui::TurnRepFrm& battle = window->turnDisplay().window();
    battle.show();
    inspect(&battle);
    battle.hide();
    std::map<std::string, std::string> none;
    for (const char* w :
         {"SendShipsFrm", "ProdSumFrm", "PlanetSearchFrm", "IntBrowserDlg", "OwningMapFrm",
          "NewGameFrm", "DispTurnSumFrm", "frmSplash", "TurnRepFrm"})
        none[w] = "";
    EXPECT_EQ(unnamed, none);
}

// Without a game the report commands open nothing (see commands_test.cpp); here every shortcut
// of a running game shows something, and only End Turn moves the turn on.
TEST_F(KeyboardTest, EveryMenuCommandRunsFromItsShortcutDuringAGame) {
    startShown();
    twoPlayers();
    // Help Index starts the browser: one that shows nothing.
    ASSERT_TRUE(WriteIniValue(window->game().SettingsFile(), "Options", "IntBrowser", "/bin/true"));
    // Whatever opens is looked at and closed, as a player would with Escape.
    std::vector<std::string> opened;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened.push_back(modal->metaObject()->className());
            modal->close();
        }
    });
    closer.start(2);
    for (const char* key : {"Ctrl+N", "Ctrl+O", "Ctrl+S", "F2", "Ctrl+I", "F3", "F4", "F5", "F6",
                            "Ctrl+F", "F1", "Ctrl+Q", "Ctrl+E"}) {
        SCOPED_TRACE(key);
        opened.clear();
        asked.clear();
        answers.assign(4, Answer::No);  // keep the game: no new game, no exit
        // The window manager gives the main window back its activation after a dialog.
        window->activateWindow();
        QApplication::processEvents();
        QTest::keySequence(window.get(), QKeySequence(QString::fromLatin1(key)));
        QApplication::processEvents();
        for (QWidget* w : QApplication::topLevelWidgets())  // windows that stay beside the map
            if (w != window.get() && w->isVisible() && !qobject_cast<QMenu*>(w)) {
                opened.push_back(w->metaObject()->className());
                w->close();
            }
        QApplication::processEvents();
        EXPECT_FALSE(window->commandRunning() || !window->isVisible() || !st().GameActive);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        const bool endTurn = std::string(key) == "Ctrl+E";
        EXPECT_EQ(st().CurrentPlTurn, endTurn ? 1 : 0);
        EXPECT_TRUE(endTurn || !opened.empty() || !asked.empty()) << "showed something";
        for (const MessageRequest& r : asked)
            EXPECT_EQ(r.text.find("error"), std::string::npos) << r.text;
    }
    closer.stop();
}

}  // namespace
}  // namespace zenthar::testing
