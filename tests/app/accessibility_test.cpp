// Every control of every window has a name a screen reader can say. That every window opens
// from the keyboard is checked with the menus in Zenthar_test.cpp.
#include <QAccessible>
#include <set>

#include "app/app_fixture.h"
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

    std::set<std::string> inspected;
    auto inspect = [&](QWidget* w) {
        EXPECT_EQ(Unnamed(w), "") << w->objectName().toStdString();
        inspected.insert(w->objectName().toStdString());
        if (auto* box = qobject_cast<QDialog*>(w)) box->reject();
    };
    using Z = ui::Zenthar;
    for (auto command : {&Z::SendItem_Click, &Z::ProductionSumItem_Click, &Z::SearchItem_Click,
                         &Z::IntBrowserItem_Click, &Z::OwningMapItem_Click,
                         &Z::ShowFleetsItem_Click, &Z::NewGameItem_Click}) {
        answers.push_back(Answer::Yes);  // New Game asks first whether to end this one
        OnNextModal(inspect);
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
    EXPECT_EQ(inspected, (std::set<std::string>{"SendShipsFrm", "ProdSumFrm", "PlanetSearchFrm",
                                                "IntBrowserDlg", "OwningMapFrm", "NewGameFrm",
                                                "DispTurnSumFrm", "frmSplash", "TurnRepFrm"}));
}

}  // namespace
}  // namespace zenthar::testing
