// Every row of the main window's command table, given every way it can be given (its item, each
// of its keys, its map gesture) in each situation a player meets: the curtain between two
// players, the year end running, no game, a game of computers to watch, and the player at the
// screen. What may act is written out here from what each command shows, not read from the
// table, and no window that shows a player's own view may open where it should not.
#include <QMenu>
#include <QToolTip>
#include <set>

#include "app/app_fixture.h"
#include "options/inifile.h"

namespace zenthar::testing {
namespace {

// What shows the player on turn his own planets, fleets or figures.
const std::set<std::string> kPrivate = {"SendItem",
                                        "IncreaseProdItem",
                                        "EndTurnItem",
                                        "OwningMapItem",
                                        "ShowFleetsItem",
                                        "ProductionSumItem",
                                        "LastYearReportItem",
                                        "FleetsInFlightItem",
                                        "StatisticsItem",
                                        "SearchItem",
                                        "System1"};
// The windows those open.
const std::set<std::string> kPrivateWindows = {
    "zenthar::ui::SendShipsFrm",    "zenthar::ui::OwningMapFrm",
    "zenthar::ui::ProdSumFrm",      "zenthar::ui::DispTurnSumFrm",
    "zenthar::ui::FleetsFrm",       "zenthar::ui::StatisticsFrm",
    "zenthar::ui::PlanetSearchFrm", "QTipLabel"};
// What needs a game to act on.
const std::set<std::string> kGameOnly = {"SaveGameItem", "WholeGalaxyItem"};
// Orders are a human's.
const std::set<std::string> kOrders = {"SendItem", "IncreaseProdItem"};

enum class Situation { Curtain, YearEnd, NoGame, Watched, Playing };

const char* Describe(Situation s) {
    switch (s) {
        case Situation::Curtain:
            return "the curtain between Ann and Bob";
        case Situation::YearEnd:
            return "the year end running";
        case Situation::NoGame:
            return "no game";
        case Situation::Watched:
            return "two computer seats";
        case Situation::Playing:
            return "Ann at the screen";
    }
    return "";
}

bool MayAct(Situation s, const std::string& name) {
    switch (s) {
        case Situation::Curtain:
            return !kPrivate.contains(name);
        case Situation::YearEnd:
            return false;
        case Situation::NoGame:
            return !kPrivate.contains(name) && !kGameOnly.contains(name);
        case Situation::Watched:
            return !kOrders.contains(name);
        case Situation::Playing:
            return true;
    }
    return false;
}

class CommandTableTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        answerFileDialogs();  // every file dialog cancelled
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
    // The windows beside the map (and a tooltip) that are open now are noted and closed.
    void noteOpenWindows() {
        QApplication::processEvents();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != window.get() && w->isVisible() && !qobject_cast<QMenu*>(w)) note(w);
        if (!window->isVisible()) {  // Exit without a game
            opened.push_back("closed the window");
            window->show();
        }
    }

    // What an End Turn left open goes unnoted.
    void closeAll() {
        QApplication::processEvents();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != window.get() && w->isVisible() && !qobject_cast<QMenu*>(w)) w->close();
    }

    // Brings the window into the situation, with nothing noted yet.
    void enter(Situation s) {
        answers.assign(8, Answer::No);  // no game is left: no new game, no load, no exit
        if (s != Situation::NoGame) {
            // What a year end before may have left: a decided game, a turn past the last.
            st().Seats = {};
            st().CurrentPlTurn = 0;
            st().CurrentYear = 4100;
            st().Decided = -1;
            st().StoryShown = false;
            st().VictoryAnswer = 0;
        }
        switch (s) {
            case Situation::NoGame:
                break;
            case Situation::Curtain:
                twoPlayers();
                window->EndTurnItem_Click();
                ASSERT_TRUE(window->playerHidden());
                closeAll();
                break;
            case Situation::Watched:
                twoPlayers();
                st().Seats = {SeatKind::Easy, SeatKind::Hard};
                window->ShowLoadedGame();
                break;
            case Situation::Playing:
            case Situation::YearEnd:
                twoPlayers();
                break;
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
        SCOPED_TRACE(Describe(s));
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
                            given.erase(std::remove(given.begin(), given.end(), "EndTurnItem"),
                                        given.end());
                        }
                        asked.push_back(r);
                        return r.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
                    });
                    window->EndTurnItem_Click();
                    ASSERT_TRUE(inside) << "the year end asked nothing";
                    // The window outlives the year end and its commands come back.
                    EXPECT_TRUE(window->isVisible() && child<QAction>("NewGameItem")->isEnabled());
                    closeAll();
                    window->dialogs().setAnswerer([this](const MessageRequest& r) {
                        asked.push_back(r);
                        return r.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
                    });
                } else {
                    giveIt();
                    noteOpenWindows();
                }
                ++walked;
                const bool acted = std::count(given.begin(), given.end(), row.name) > 0;
                int privateHere = 0;
                for (const std::string& w : opened) privateHere += kPrivateWindows.contains(w);
                for (const MessageRequest& r : asked)
                    privateHere += r.text.find("increase the production") != std::string::npos;
                EXPECT_EQ(acted, MayAct(s, row.name));
                if (!MayAct(s, row.name)) {
                    EXPECT_EQ(privateHere, 0);
                }
                if (s == Situation::Curtain || s == Situation::YearEnd || s == Situation::NoGame)
                    privateOpened += privateHere;
                // A command that may act shows it: a window, a question, its effect.
                if (s == Situation::Playing && kPrivate.contains(row.name) &&
                    std::string(row.name) != "EndTurnItem" && std::string(row.name) != "System1") {
                    EXPECT_GT(privateHere, 0) << "opened nothing";
                }
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
    QApplication::processEvents();
    auto openNow = [] {
        std::set<std::string> open;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !qobject_cast<QMenu*>(w) &&
                std::string(w->metaObject()->className()) != "zenthar::ui::Zenthar")
                open.insert(w->metaObject()->className());
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

}  // namespace
}  // namespace zenthar::testing
