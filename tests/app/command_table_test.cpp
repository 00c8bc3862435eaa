// Every row of the main window's command table, given every way it can be given (its item, each
// of its keys, its map gesture) in each situation a player meets: the curtain between two
// players, the year end running, no game, a game of computers to watch, and the player at the
// screen. What may act is written out here from what each command shows, not read from the
// table, and no window that shows a player's own view may open where it should not. Keyboard
// play as the players learnt it: every menu in its place on the bar, every item in its menu in
// its order, with its caption, its letter and its keys, each reaching what it shows during a
// game; the list is written out here too, so a changed table shows as a changed key.
#include <QMenu>
#include <QMenuBar>
#include <QToolTip>

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
    const char* shows;  // during a game, part of the window or question the command brings up
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
    {"HelpItem", "AboutItem", "About", "", 'A', ""}};

// Each menu's items in their order, "|" for a separator.
const std::pair<const char*, const char*> kOrder[] = {
    {"FileMenu", "NewGameItem LoadGameItem SaveGameItem | ExitItem"},
    {"OrdersItem", "SendItem IncreaseProdItem | EndTurnItem"},
    {"ViewItem", "ZoomInItem ZoomOutItem WholeGalaxyItem"},
    {"ReportsItem", "OwningMapItem ShowFleetsItem ProductionSumItem LastYearReportItem "
                    "FleetsInFlightItem StatisticsItem"},
    {"ToolsItem", "SearchItem OptionsItemAction"},
    {"OptionsItem", "SkipETDispItem SoundsOffItem | IntBrowserItem"},
    {"HelpItem", "HelpIndexItem | AboutItem"}};
// clang-format on

// What shows the player on turn his own planets, fleets or figures, and the windows those open.
// clang-format off
const std::set<std::string> kPrivate = {"SendItem", "IncreaseProdItem", "EndTurnItem",
    "OwningMapItem", "ShowFleetsItem", "ProductionSumItem", "LastYearReportItem",
    "FleetsInFlightItem", "StatisticsItem", "SearchItem", "System1"};
const std::set<std::string> kPrivateWindows = {"zenthar::ui::SendShipsFrm",
    "zenthar::ui::OwningMapFrm", "zenthar::ui::ProdSumFrm", "zenthar::ui::DispTurnSumFrm",
    "zenthar::ui::FleetsFrm", "zenthar::ui::StatisticsFrm", "zenthar::ui::PlanetSearchFrm",
    "QTipLabel"};
// clang-format on
// What needs a game to act on.
const std::set<std::string> kGameOnly = {"SaveGameItem", "WholeGalaxyItem"};
// Orders are a human's.
const std::set<std::string> kOrders = {"SendItem", "IncreaseProdItem"};

enum class Situation { Curtain, YearEnd, NoGame, Watched, Playing };
const char* const kSituations[] = {"the curtain between Ann and Bob", "the year end running",
                                   "no game", "two computer seats", "Ann at the screen"};

bool MayAct(Situation s, const std::string& name) {
    const bool open = !kPrivate.contains(name);
    return s == Situation::Playing || (s == Situation::Curtain && open) ||
           (s == Situation::NoGame && open && !kGameOnly.contains(name)) ||
           (s == Situation::Watched && !kOrders.contains(name));
}

class CommandTableTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        startShown();
        ASSERT_TRUE(
            WriteIniValue(window->game().SettingsFile(), "Options", "IntBrowser", "/bin/true"));
        QObject::connect(window.get(), &ui::Zenthar::commandGiven,
                         [this](const QString& name) { given.push_back(name.toStdString()); });
        // Whatever opens is noted and closed, as a player would with Escape.
        QObject::connect(&closer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) note(modal);
        });
        closer_.start(1);
    }
    void TearDown() override {
        closer_.stop();
        AppTest::TearDown();
    }
    void note(QWidget* w) {
        opened.push_back(w->metaObject()->className());
        w->close();
    }
    // The windows beside the map (and a tooltip) that are open now, after pending events.
    std::vector<QWidget*> beside() {
        QApplication::processEvents();
        std::vector<QWidget*> open;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != window.get() && w->isVisible() && !qobject_cast<QMenu*>(w)) open.push_back(w);
        return open;
    }
    // Those are noted and closed.
    void noteOpenWindows() {
        for (QWidget* w : beside()) note(w);
        if (!window->isVisible()) {  // Exit without a game
            opened.push_back("closed the window");
            window->show();
        }
    }
    // What an End Turn left open goes unnoted.
    void closeAll() {
        for (QWidget* w : beside()) w->close();
    }

    // Brings the window into the situation, with nothing noted yet.
    void enter(Situation s) {
        answers.assign(8, Answer::No);  // no game is left: no new game, no load, no exit
        if (s != Situation::NoGame) {
            // What a year end before may have left: a decided game, a turn past the last.
            ClearGame(st());
            st().CurrentPlTurn = 0;
            st().CurrentYear = 4100;
            twoPlayers();
        }
        if (s == Situation::Curtain) {
            window->EndTurnItem_Click();
            ASSERT_TRUE(window->playerHidden());
            closeAll();
        } else if (s == Situation::Watched) {
            st().Seats = {SeatKind::Easy, SeatKind::Hard};
            window->ShowLoadedGame();
        }
        window->activateWindow();
        QApplication::processEvents();
        given.clear();
        opened.clear();
        asked.clear();
    }

    // Every way the row's command can be given: its item, each key, its gesture on the map.
    std::vector<std::pair<std::string, std::function<void()>>> ways(const ui::Command& row) {
        std::vector<std::pair<std::string, std::function<void()>>> all;
        if (auto* item = window->findChild<QAction*>(QString::fromLatin1(row.name)))
            all.emplace_back("its item", [item] { item->trigger(); });
        for (QKeyCombination key : row.keys)
            if (key.key() != Qt::Key_unknown)
                all.emplace_back(
                    "its key " + QKeySequence(key).toString().toStdString(),
                    [this, key] { QTest::keySequence(window.get(), QKeySequence(key)); });
        const std::string name = row.name;
        // Bob's capital (1) for a click, Ann's second planet (2) for her orders.
        if (name == "System1") {
            all.emplace_back("a click", [this] { emit map().System1_Click(1); });
            // The tooltip and the marks show themselves, they give no command.
            all.emplace_back("its tooltip", [this] {
                const QPoint at = map().imageRect(2).center();
                QHelpEvent help(QEvent::ToolTip, at, map().mapToGlobal(at));
                QApplication::sendEvent(&map(), &help);
                if (QToolTip::isVisible()) {
                    opened.push_back("QTipLabel");
                    given.push_back("System1");
                }
                QToolTip::hideText();
            });
            all.emplace_back("the marks of the player's planets", [this] {
                window->DrawGalaxyMap();
                const int side = st().CurrentPlTurn;
                if (!st().validPlayer(side)) return;
                const auto mark = map().markOf(st().PlHome[static_cast<std::size_t>(side)]);
                if (mark && (mark->mine || mark->capital)) given.push_back("System1");
            });
        }
        if (name == "IncreaseProdItem")
            all.emplace_back("a double click", [this] { emit map().System1_DblClick(2); });
        if (name == "SendItem")
            all.emplace_back("a right click", [this] { emit map().sendRequested(3); });
        if (name == "ZoomInItem")
            all.emplace_back("Ctrl and the wheel",
                             [this] { emit map().zoomRequested(1, map().rect().center()); });
        return all;
    }

    // What a command given during a game brought up holds what its menu item shows, and no
    // error; nothing is left running or open, the game is kept, and only End Turn moves the
    // turn on.
    void expectShown(const std::string& name, int turn, double scale) {
        std::string shown;
        for (const std::string& w : opened) shown += w + " ";
        for (const MessageRequest& r : asked) shown += r.title + ": " + r.text + " ";
        if (map().scale() != scale) shown += "zoomed ";
        if (window->playerHidden()) shown += "HandOverScreen ";
        const auto* item = std::ranges::find(kItems, name, &MenuEntry::name);
        EXPECT_TRUE(item == std::end(kItems) || shown.find(item->shows) != shown.npos) << shown;
        EXPECT_LT(QString::fromStdString(shown).toLower().indexOf("error"), 0) << shown;
        EXPECT_EQ(std::tuple(window->commandRunning(), window->isVisible(), st().GameActive,
                             QApplication::activeModalWidget(), st().CurrentPlTurn != turn),
                  std::tuple(false, true, true, nullptr, name == "EndTurnItem"));
        map().setScale(scale);  // back to the scale the next zoom starts from
    }

    std::vector<std::string> given;
    std::vector<std::string> opened;

  private:
    QTimer closer_;
};

TEST_F(CommandTableTest, EveryCommandActsOnlyWhereItsNeedsAreMetAndNoPrivateWindowOpensElsewhere) {
    int privateOpened = 0;
    int walked = 0;
    // No game first: the window has never had one.
    for (Situation s : {Situation::NoGame, Situation::Curtain, Situation::YearEnd,
                        Situation::Watched, Situation::Playing}) {
        SCOPED_TRACE(kSituations[static_cast<int>(s)]);
        for (const ui::Command& row : ui::Zenthar::commands()) {
            SCOPED_TRACE(row.name);
            const auto rowWays = ways(row);
            EXPECT_FALSE(rowWays.empty()) << "a command nobody can give";
            for (const auto& [how, giveIt] : rowWays) {
                SCOPED_TRACE(how);
                enter(s);
                if (s == Situation::YearEnd) {
                    // Given from inside End Turn, where the year end asks its question.
                    // Bob ends the year, and nobody holds a planet any more.
                    for (int i = 0; i < 3; ++i) st().planet(i).Scouted = "0000";
                    st().CurrentPlTurn = 1;
                    bool inside = false;
                    const auto answer = [this](const MessageRequest& r) {
                        asked.push_back(r);
                        return r.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
                    };
                    window->dialogs().setAnswerer([&](const MessageRequest& r) {
                        if (!inside && window->commandRunning()) {
                            inside = true;
                            // Every command is off meanwhile, and the close box too.
                            QStringList enabled;
                            for (QAction* a : window->findChildren<QAction*>())
                                if (a->isEnabled() && !a->objectName().isEmpty() && !a->menu())
                                    enabled << a->objectName();
                            EXPECT_EQ(enabled.join(" ").toStdString(), "");
                            EXPECT_FALSE(window->close());
                            giveIt();
                            noteOpenWindows();
                            std::erase(given, "EndTurnItem");
                        }
                        return answer(r);
                    });
                    window->EndTurnItem_Click();
                    ASSERT_TRUE(inside) << "the year end asked nothing";
                    // The window outlives the year end and its commands come back.
                    EXPECT_TRUE(window->isVisible() && child<QAction>("NewGameItem")->isEnabled());
                    closeAll();
                    window->dialogs().setAnswerer(answer);
                } else {
                    const int turn = st().CurrentPlTurn;
                    const double scale = map().scale();
                    giveIt();
                    noteOpenWindows();
                    if (s == Situation::Playing) expectShown(row.name, turn, scale);
                }
                ++walked;
                int privateHere = 0;
                for (const std::string& w : opened) privateHere += kPrivateWindows.contains(w);
                for (const MessageRequest& r : asked)
                    privateHere += r.text.find("increase the production") != std::string::npos;
                EXPECT_EQ(std::ranges::count(given, row.name) > 0, MayAct(s, row.name));
                EXPECT_TRUE(MayAct(s, row.name) || privateHere == 0) << privateHere;
                if (s == Situation::Curtain || s == Situation::YearEnd || s == Situation::NoGame)
                    privateOpened += privateHere;
            }
        }
    }
    EXPECT_EQ(privateOpened, 0);
    EXPECT_GT(walked, 3 * static_cast<int>(ui::Zenthar::commands().size()));
}

// The curtain's own rule for windows already open: those that show a player's view go before it
// comes; a public one stays and can still be opened behind it.
TEST_F(CommandTableTest, PrivateWindowsCloseBeforeTheCurtainAndPublicOnesStayUsable) {
    twoPlayers();
    window->ShowEndTurnSummary();  // as F6 opens it, beside the map
    give("AboutItem");
    auto openNow = [this] {
        std::set<std::string> open;
        for (QWidget* w : beside()) open.insert(w->metaObject()->className());
        return open;
    };
    EXPECT_EQ(openNow(),
              (std::set<std::string>{"zenthar::ui::DispTurnSumFrm", "zenthar::ui::frmSplash"}));
    window->EndTurnItem_Click();  // Ann to Bob
    QApplication::processEvents();
    ASSERT_TRUE(window->playerHidden());
    EXPECT_EQ(openNow(), (std::set<std::string>{"zenthar::ui::frmSplash"}));
    // Help and About still answer; the summary waits for Bob.
    EXPECT_TRUE(child<QAction>("HelpIndexItem")->isEnabled() &&
                child<QAction>("AboutItem")->isEnabled());
    EXPECT_FALSE(child<QAction>("LastYearReportItem")->isEnabled());
}

TEST_F(CommandTableTest, EveryMenuCaptionLetterAndKeyIsWhereThePlayersLearntIt) {
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

    for (const MenuEntry& item : kItems) {
        SCOPED_TRACE(item.name);
        QMenu* menu = child<QMenu>(item.menu);
        QAction* action = child<QAction>(item.name);
        ASSERT_TRUE(menu && action);
        // Two items of one menu on the same letter would make the letter pick neither.
        QStringList letters;
        for (QAction* a : menu->actions()) letters << QKeySequence::mnemonic(a->text()).toString();
        const QString letter = QKeySequence::mnemonic(action->text()).toString();
        const auto keys = *item.keys
                              ? QKeySequence::listFromString(item.keys, QKeySequence::NativeText)
                              : QList<QKeySequence>();
        // The caption as the player reads it, without its mnemonic mark (Qt's icon text).
        EXPECT_EQ(std::tuple(menu->actions().contains(action), action->iconText(), letter,
                             letters.count(letter), action->shortcuts()),
                  std::tuple(true, QString::fromLatin1(item.caption),
                             QString("Alt+%1").arg(QLatin1Char(item.mnemonic)), 1, keys));
    }
}

// The help page that ships with the game teaches every menu command with its keys and stands
// on its own (no pictures, scripts or style sheets fetched from elsewhere).
TEST(HelpPage, NamesEveryMenuCommandWithItsKeysAndNeedsNothingElse) {
    const std::string page = ReadText(fs::path(ZENTHAR_SOURCE_DIR) / "assets" / "help.htm");
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
    for (const char* external : {"http:", "https:", "src=", "<script", "<link", "@import"})
        EXPECT_EQ(page.find(external), std::string::npos) << external;
}

}  // namespace
}  // namespace zenthar::testing
