// The hot seat's hand-over screen: between two human players only, over the map and the panel,
// after the year end's shared windows, lifted by a key or a click; the commands that would show
// the next player's state wait behind it, and what the turn's passing has to tell waits for the
// player who lifts it.
#include "app/app_fixture.h"
#include "game/recovery.h"
#include "ui/side_colours.h"

namespace zenthar::testing {
namespace {

constexpr const char* kPanel[] = {"YearLbl",        "PlTurnLbl",    "CurPlNameLbl",
                                  "CurProdLbl",     "CurShipsLbl",  "CurHostLbl",
                                  "CurPlStatusLbl", "CurPlanetPct", "CurPlayerSimPct"};
constexpr const char* kWaiting[] = {"SendItem",           "IncreaseProdItem",   "EndTurnItem",
                                    "OwningMapItem",      "ShowFleetsItem",     "ProductionSumItem",
                                    "LastYearReportItem", "FleetsInFlightItem", "StatisticsItem",
                                    "SearchItem"};

class HandOverTest : public ShownAppTest {
  protected:
    QWidget& screen() { return *child<QWidget>("HandOverScreen"); }
    bool shown() { return window->playerHidden() && screen().isVisible(); }
    // What the player sees: the screen over the whole map area, the panel gone, the commands
    // that would show the player's state switched off; or the reverse.
    void expectCovered(bool covered) {
        EXPECT_EQ(shown(), covered);
        if (covered) {
            EXPECT_EQ(screen().geometry(), map().rect());
            EXPECT_EQ(map().children().constLast(), &screen()) << "on top of everything";
            EXPECT_EQ(window->focusWidget(), &screen());
        }
        for (const char* label : kPanel)
            EXPECT_EQ(child<QWidget>(label)->isVisible(), !covered) << label;
        for (const char* item : kWaiting)
            EXPECT_EQ(child<QAction>(item)->isEnabled(), !covered) << item;
    }
};

TEST_F(HandOverTest, BetweenTwoHumansItCoversMapAndPanelUntilAKeyThatIsNoModifier) {
    twoPlayers();
    expectCovered(false);
    window->EndTurnItem_Click();  // Ann to Bob
    expectCovered(true);
    EXPECT_EQ(Texts(&screen(), {"HandOverName", "HandOverPrompt"}),
              "Bob | Press a key or click to begin.");
    // Bob's name in Bob's colour, as his marks on the map.
    EXPECT_EQ(child<QLabel>("HandOverName")->palette().color(QPalette::WindowText),
              ui::SideColour(1));

    // That Bob's commands wait, however given, is command_table_test.cpp's.
    // A modifier alone (Alt to reach the menus) does not lift it; any other key does.
    QTest::keyClick(&screen(), Qt::Key_Alt);
    EXPECT_TRUE(shown());
    QTest::keyClick(&screen(), Qt::Key_Tab);
    expectCovered(false);
    EXPECT_EQ(texts({"PlTurnLbl"}), "Player's Turn: Bob");
}

// A recovery copy that cannot be written at the hand-over is told to the player who comes to the
// screen, once he has lifted the curtain; until then the screen showed only the player who
// ended the year, and the curtain came after the year end's windows and before anything of the
// next one.
TEST_F(HandOverTest, ComesAfterTheYearEndsWindowsAndAFailedCopyIsToldOnceItIsLifted) {
    twoPlayers();
    window->EndTurnItem_Click();  // Ann to Bob, the copy kept
    QTest::keyClick(&screen(), Qt::Key_Space);
    ASSERT_TRUE(asked.empty());
    // A folder where the copy goes: no file can take its place.
    fs::remove(RecoveryFile(window->game()));
    fs::create_directories(RecoveryFile(window->game()) / "in the way");
    // Bob's fleet lands on the Empire's planet 3 at the coming year end: a battle and messages.
    LaunchTaskForce(st(), 1, 3, 20);
    st().TaskForceList[static_cast<std::size_t>(st().TaskForceLast)].RemTurns =
        static_cast<Int16>(st().CurrentYear + 1);

    // What the screen showed at each moment of the year end and the hand-over.
    std::vector<std::string> seen;
    auto look = [&](const std::string& when) {
        const auto ann = map().markOf(0);
        seen.push_back(when + ": " + (window->playerHidden() ? "curtain, " : "") +
                       child<QLabel>("PlTurnLbl")->text().trimmed().toStdString() +
                       (child<QWidget>("PlTurnLbl")->isVisible() ? "" : " (hidden)") +
                       (ann && ann->mine ? ", Ann's marks" : ""));
    };
    window->dialogs().setAnswerer([&](const MessageRequest& r) {
        asked.push_back(r);
        look(r.text.substr(0, 32));
        return Answer::Ok;
    });
    struct CurtainWatch : QObject {
        std::function<void()> onShow;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Show) onShow();
            return false;
        }
    } watch;
    watch.onShow = [&] { look("the curtain comes"); };
    screen().installEventFilter(&watch);
    closeYearEndMessages();
    window->EndTurnItem_Click();  // Bob's year end, to Ann
    QApplication::processEvents();
    EXPECT_EQ(std::tuple(st().CurrentYear, asked.size(), Text(&screen(), "HandOverName")),
              std::tuple(4101, 0u, "Ann"))
        << "told before Ann came to the screen";
    // The year end's windows come before the screen.
    ASSERT_FALSE(hiddenAtMessages.empty()) << "the battle's messages were shown";
    EXPECT_EQ(std::count(hiddenAtMessages.begin(), hiddenAtMessages.end(), true), 0);
    expectCovered(true);
    EXPECT_FALSE(map().markOf(0) && map().markOf(0)->mine) << "Ann's marks under the curtain";

    // A click lifts it as a key does.
    QTest::mouseClick(&screen(), Qt::LeftButton, {}, screen().rect().center());
    expectCovered(false);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].text.find("could not keep a copy of this game"), std::string::npos)
        << asked[0].text;
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "the curtain comes: curtain, Player's Turn: Bob (hidden)",
                        "Zenthar could not keep a copy of: Player's Turn: Ann, Ann's marks"}));
}

TEST_F(HandOverTest, NeverWithOneHumanPlayer) {
    // clang-format off
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"one player", [&] {
             galaxy().players({"Ann"}).planet(0, 3, 3).owner(0).home().planet(1, 6, 6).build();
         }},
        {"the other player out of the game", [&] {
             galaxy().players({"Ann", "Bob"}).planet(0, 3, 3).owner(0).home().planet(1, 6, 6).build();
         }},
        // Last: the computer's fleets stay in the Ships table, and a player with a fleet in
        // flight is still in the game.
        {"the other seat a computer's", [&] {
             twoPlayers();
             st().Seats[1] = SeatKind::Easy;
         }},
    };
    // clang-format on
    closeYearEndMessages();  // the Empire's battles may have something to say
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        st().Seats = {};
        st().CurrentYear = 4100;
        st().CurrentPlTurn = 0;
        make();
        window->ShowLoadedGame();
        for (int turn = 0; turn < 3; ++turn) {
            window->EndTurnItem_Click();
            EXPECT_FALSE(window->playerHidden()) << "turn " << turn;
        }
        EXPECT_GT(st().CurrentYear, 4100) << "the turns were played";
    }
}

}  // namespace
}  // namespace zenthar::testing
