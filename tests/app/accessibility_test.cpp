// Every control of every window has a name a screen reader can say, and no title is cut short. That
// every window opens from the keyboard is checked with the menus in command_table_test.cpp.
#include <QAccessible>

#include "app/app_fixture.h"
#include "reports/TurnRepFrm.h"
#include "ui/window_title.h"

namespace zenthar::testing {
namespace {

// The controls under root a screen reader would name nothing: anything the keyboard can reach,
// any button, and any picture.
std::string Unnamed(QWidget* root) {
    QStringList missing;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        const auto* label = qobject_cast<QLabel*>(w);
        const bool control = w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w) ||
                             (label && !label->pixmap().isNull());
        // Hidden ones aside; a combo box's own line edit and the viewports of scroll areas speak
        // for their owner.
        if (!control || (w != root && !w->isVisibleTo(root)) ||
            qobject_cast<QComboBox*>(w->parentWidget()) ||
            w->objectName() == "qt_scrollarea_viewport")
            continue;
        // A list or a field is named by itself or by its label, never by what it holds.
        bool labelled = !w->accessibleName().isEmpty();
        for (const QLabel* l : w->window()->findChildren<QLabel*>()) labelled |= l->buddy() == w;
        const bool holdsText = qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty() || (holdsText && !labelled))
            missing << QString("%1 %2").arg(w->objectName(), w->metaObject()->className());
    }
    return missing.join(", ").toStdString();
}

using KeyboardTest = AppTest;

TEST_F(KeyboardTest, EveryControlOfEveryWindowHasAName) {
    startShown();
    twoPlayers();
    EXPECT_EQ(Unnamed(window.get()), "") << "main window";

    std::set<std::string> inspected;
    auto inspect = [&](QWidget* w) {
        EXPECT_EQ(Unnamed(w), "") << w->objectName().toStdString();
        // A window with a title bar is wide enough for its whole title.
        if (!w->windowTitle().isEmpty() && !(w->windowFlags() & Qt::FramelessWindowHint)) {
            EXPECT_GE(w->width(), ui::TitleWidth(w))
                << w->objectName().toStdString() << ": " << w->windowTitle().toStdString();
        }
        inspected.insert(w->objectName().toStdString());
        w->close();  // a dialog's close is its Cancel
    };
    using Z = ui::Zenthar;
    for (auto command :
         {&Z::SendItem_Click, &Z::ProductionSumItem_Click, &Z::SearchItem_Click,
          &Z::IntBrowserItem_Click, &Z::OwningMapItem_Click, &Z::ShowFleetsItem_Click,
          &Z::FleetsInFlightItem_Click, &Z::NewGameItem_Click}) {
        answers = {Answer::Yes};  // New Game asks first whether to end this one
        OnNextModal(inspect);
        (window.get()->*command)();
    }
    // The summary and the About window stay open beside the map.
    window->ShowEndTurnSummary();
    window->AboutItem_Click();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != window.get()) inspect(w);
    ui::TurnRepFrm& battle = window->turnDisplay().window();
    battle.show();
    inspect(&battle);
    EXPECT_EQ(inspected,
              (std::set<std::string>{"SendShipsFrm", "ProdSumFrm", "PlanetSearchFrm",
                                     "IntBrowserDlg", "OwningMapFrm", "FleetsFrm", "NewGameFrm",
                                     "DispTurnSumFrm", "frmSplash", "TurnRepFrm"}));
}

}  // namespace
}  // namespace zenthar::testing
