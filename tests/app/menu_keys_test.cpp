// Keyboard play as the players learnt it: every menu in its place on the bar, every item in its
// menu in its order, with its caption, its letter and its keys, and each key reaching its own
// command during a game. The list is written out here, not read from the window's table, so a
// changed table shows as a changed key.
#include <QMenu>
#include <QMenuBar>

#include "app/app_fixture.h"
#include "options/inifile.h"

namespace zenthar::testing {
namespace {

struct MenuEntry {
    const char* menu;
    const char* name;
    const char* caption;
    const char* keys;  // every key of the item, as QKeySequence reads them, "; " between
    char mnemonic;
    const char* shows;  // during a game, part of the window or question the key brings up
};

// clang-format off
const MenuEntry kItems[] = {
    {"FileMenu", "NewGameItem", "New Game", "Ctrl+N", 'N', "Zenthar: New Game"},
    {"FileMenu", "LoadGameItem", "Open Game", "Ctrl+O", 'O', "Zenthar: Load Game"},
    {"FileMenu", "SaveGameItem", "Save Game", "Ctrl+S", 'S', "GameFileDialog"},
    {"FileMenu", "ExitItem", "Exit", "Ctrl+Q", 'X', "Zenthar: Exit Program"},
    {"OrdersItem", "SendItem", "Send Ships", "F2", 'S', "SendShipsFrm"},
    {"OrdersItem", "IncreaseProdItem", "Increase Production", "Ctrl+I", 'I', "increase the production"},
    {"OrdersItem", "EndTurnItem", "End Turn", "Ctrl+E", 'E', "HandOverScreen"},  // Ann to Bob
    {"ReportsItem", "OwningMapItem", "Ownership Map", "F3", 'O', "OwningMapFrm"},
    {"ReportsItem", "ShowFleetsItem", "Show Fleets", "F4", 'F', "OwningMapFrm"},
    {"ReportsItem", "ProductionSumItem", "Production Summary", "F5", 'P', "ProdSumFrm"},
    {"ReportsItem", "LastYearReportItem", "End Turn Report", "F6", 'R', "DispTurnSumFrm"},
    {"ReportsItem", "FleetsInFlightItem", "Fleets in Flight", "Shift+F4", 'I', "FleetsFrm"},
    {"ReportsItem", "StatisticsItem", "Statistics", "Ctrl+T", 'T', "StatisticsFrm"},
    {"ViewItem", "ZoomInItem", "Zoom In", "Ctrl++; Ctrl+=", 'I', "zoomed"},
    {"ViewItem", "ZoomOutItem", "Zoom Out", "Ctrl+-", 'O', "zoomed"},
    {"ViewItem", "WholeGalaxyItem", "Whole Galaxy", "Ctrl+0", 'W', ""},  // may keep the scale
    {"ToolsItem", "SearchItem", "Find Planet", "Ctrl+F", 'F', "PlanetSearchFrm"},
    {"ToolsItem", "OptionsItemAction", "Options", "", 'O', ""},  // the menu under Tools
    {"OptionsItem", "SkipETDispItem", "Skip End Turn Screen", "", 'E', ""},
    {"OptionsItem", "SoundsOffItem", "Sounds Off", "", 'S', ""},
    {"OptionsItem", "IntBrowserItem", "Set Internet Browser Location", "", 'B', ""},
    {"HelpItem", "HelpIndexItem", "Help Index", "F1", 'I', "help.htm"},  // the test's folder has no page
    {"HelpItem", "AboutItem", "About", "", 'A', ""},
};

// Each menu's items in their order, "|" for a separator.
const std::pair<const char*, const char*> kOrder[] = {
    {"FileMenu", "NewGameItem LoadGameItem SaveGameItem | ExitItem"},
    {"OrdersItem", "SendItem IncreaseProdItem | EndTurnItem"},
    {"ViewItem", "ZoomInItem ZoomOutItem WholeGalaxyItem"},
    {"ReportsItem", "OwningMapItem ShowFleetsItem ProductionSumItem LastYearReportItem "
                    "FleetsInFlightItem StatisticsItem"},
    {"ToolsItem", "SearchItem OptionsItemAction"},
    {"OptionsItem", "SkipETDispItem SoundsOffItem | IntBrowserItem"},
    {"HelpItem", "HelpIndexItem | AboutItem"},
};
// clang-format on

QList<QKeySequence> Keys(const char* keys) {
    QList<QKeySequence> list;
    for (const QString& key :
         QString::fromLatin1(keys).split(QStringLiteral("; "), Qt::SkipEmptyParts))
        list << QKeySequence(key);
    return list;
}

class MenuKeysTest : public AppTest {};

TEST_F(MenuKeysTest, EveryCaptionLetterAndKeyOfTheMenusAnswersAsItDid) {
    QString bar;
    for (QAction* a : window->menuBar()->actions())
        bar += a->iconText() + " " + QKeySequence::mnemonic(a->text()).toString() + ", ";
    EXPECT_EQ(bar,
              "File Alt+F, Orders Alt+O, View Alt+V, Reports Alt+R, Tools Alt+T, Help Alt+H, ");
    for (const auto& [menuName, order] : kOrder) {
        QStringList items;
        for (QAction* a : child<QMenu>(menuName)->actions())
            items << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
        EXPECT_EQ(items.join(' ').toStdString(), order) << menuName;
    }
    EXPECT_TRUE(child<QAction>("SkipETDispItem")->isCheckable() &&
                child<QAction>("SoundsOffItem")->isCheckable());

    startShown();
    twoPlayers();
    // Help Index must never start a real browser here.
    ASSERT_TRUE(WriteIniValue(window->game().SettingsFile(), "Options", "IntBrowser", "/bin/true"));
    // Whatever opens is noted and closed, as a player would with Escape.
    std::string shown;
    auto note = [&shown](QWidget* w) {
        shown += std::string(w->metaObject()->className()) + " ";
        w->close();
    };
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&note] {
        if (QWidget* modal = QApplication::activeModalWidget()) note(modal);
    });
    closer.start(2);
    for (const MenuEntry& item : kItems) {
        SCOPED_TRACE(item.name);
        QMenu* menu = child<QMenu>(item.menu);
        QAction* action = child<QAction>(item.name);
        ASSERT_TRUE(menu && action);
        // Two items of one menu on the same letter would make the letter pick neither.
        QStringList letters;
        for (QAction* a : menu->actions()) letters << QKeySequence::mnemonic(a->text()).toString();
        const QString letter = QKeySequence::mnemonic(action->text()).toString();
        // The caption as the player reads it, without its mnemonic mark (Qt's icon text).
        EXPECT_EQ(
            std::tuple(menu->actions().contains(action), action->iconText(), letter,
                       letters.count(letter), action->shortcuts()),
            std::tuple(true, QString::fromLatin1(item.caption),
                       QString("Alt+%1").arg(QLatin1Char(item.mnemonic)), 1, Keys(item.keys)));

        for (const QKeySequence& key : action->shortcuts()) {
            SCOPED_TRACE(key.toString().toStdString());
            shown.clear();
            asked.clear();
            answers.assign(4, Answer::No);  // keep the game: no new game, no load, no exit
            const int turn = st().CurrentPlTurn;
            const double scale = map().scale();
            // The window manager gives the main window back its activation after a dialog.
            window->activateWindow();
            QApplication::processEvents();
            QTest::keySequence(window.get(), key);
            QApplication::processEvents();
            for (QWidget* w : QApplication::topLevelWidgets())  // windows beside the map
                if (w != window.get() && w->isVisible() && !qobject_cast<QMenu*>(w)) note(w);
            for (const MessageRequest& r : asked) shown += r.title + ": " + r.text + " ";
            if (map().scale() != scale) shown += "zoomed ";
            // Bob comes to the screen and lifts the curtain between the players.
            if (window->playerHidden()) {
                shown += "HandOverScreen ";
                QTest::keyClick(child<QWidget>("HandOverScreen"), Qt::Key_Space);
            }
            EXPECT_TRUE(shown.find(item.shows) != shown.npos &&
                        QString::fromStdString(shown).toLower().indexOf("error") < 0)
                << shown;
            // Nothing left running or open, the game kept, and only End Turn moves the turn on.
            EXPECT_EQ(
                std::tuple(window->commandRunning(), window->isVisible(), st().GameActive,
                           QApplication::activeModalWidget(), st().CurrentPlTurn != turn),
                std::tuple(false, true, true, nullptr, item.name == std::string("EndTurnItem")));
            // Back to the scale the next zoom key starts from.
            map().setScale(scale);
        }
    }
    closer.stop();
}

// The help page that ships with the game teaches every menu command with its keys and stands
// on its own (no pictures, scripts or style sheets fetched from elsewhere).
TEST(HelpPage, NamesEveryMenuCommandWithItsKeysAndNeedsNothingElse) {
    const std::string page =
        ReadText(std::filesystem::path(ZENTHAR_SOURCE_DIR) / "assets" / "help.htm");
    ASSERT_FALSE(page.empty());
    for (const MenuEntry& item : kItems) {
        // Ctrl+N is written <kbd>Ctrl</kbd>+<kbd>N</kbd>; an item without keys by its caption.
        const QString first = QString(item.keys).split(QStringLiteral("; ")).constFirst();
        QStringList parts = first.split('+');
        if (first.endsWith("++")) {  // Ctrl++: the last key is the plus
            parts.removeLast();
            parts.last() = "+";
        }
        const std::string keys = "<kbd>" + parts.join("</kbd>+<kbd>").toStdString() + "</kbd>";
        const std::string entry = "<td>" + std::string(item.caption) + "</td><td>" + keys + "</td>";
        EXPECT_NE(page.find(*item.keys ? entry : item.caption), std::string::npos) << entry;
    }
    EXPECT_NE(page.find("zenthar.ini"), std::string::npos);
    for (const char* external : {"http:", "https:", "src=", "<script", "<link", "@import"})
        EXPECT_EQ(page.find(external), std::string::npos) << external;
}

}  // namespace
}  // namespace zenthar::testing
