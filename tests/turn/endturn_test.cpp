// Ending turns and years: the hand-over between players, the year end's phases, the victory
// box, the Empire-has-won path, and the guards against a missing game and re-entry.
#include "turn/endturn.h"

#include "turn/lookups.h"
#include "turn_test_support.h"

namespace zenthar::testing {
namespace {

using namespace turn_support;

std::vector<MessageRequest> VictoryBoxes(const ScriptedDialogs& dialogs) {
    std::vector<MessageRequest> boxes;
    for (const auto& r : dialogs.asked)
        if (r.text.rfind("Congratulations", 0) == 0) boxes.push_back(r);
    return boxes;
}

// Without a game End Turn does nothing; a new game's first End Turn hands the first turn out
// without storing a fleet or ending a year.
TEST(EndTurnHandOver, WithoutAGameNothingHappensAndANewGameHandsTheFirstTurnOut) {
    TestGame t;
    t.st().TaskForceLast = 0;
    t.st().TaskForceList[0].NumOfShips = 3;
    EndTurn(t.game);
    EXPECT_EQ(std::tuple(t.st().CurrentYear, t.view.statusShown, ShipsRows(t.game).size(),
                         fs::exists(t.game.ReportPath())),
              std::tuple(0, 0, 0u, false));
    t.st().GameActive = true;  // a game flag without players is no game either
    EndTurn(t.game);
    EXPECT_EQ(t.st().CurrentPlTurn, 0);
    EXPECT_TRUE(t.dialogs.asked.empty());

    SeatPlayers(t, 2);
    t.st().CurrentPlTurn = -1;
    t.st().TaskForceLast = 0;  // whatever the list held before must not be stored
    t.st().TaskForceList[0].NumOfShips = 9;
    EndTurn(t.game);
    EXPECT_EQ(std::tuple(t.st().CurrentPlTurn, t.st().CurrentYear), std::tuple(0, 4100));
    EXPECT_EQ(std::tuple(ShipsRows(t.game).size(), t.st().TaskForceLast), std::tuple(0u, -1));
}

// A player who lost his last planet is looked at and passed over, unless a fleet of his is still
// in flight; when every player after the one who ends his turn is out, the year ends, and then
// every planet produces, the Empire's too, saturating, and may raise its production again.
TEST(EndTurnHandOver, PlayersWithoutPlanetsOrFleetsArePassedOver) {
    // Players, Bob's fleet in flight, then whose turn and which year it is, and the turns shown.
    for (const auto& [players, fleet, turn, year, statusShown] :
         {std::tuple{3, false, 2, 4100, 2}, {3, true, 1, 4100, 1}, {2, false, 0, 4101, -1}}) {
        SCOPED_TRACE(::testing::Message() << players << " players, fleet " << fleet);
        TestGame t;
        SeatPlayers(t, players);
        if (fleet) AddTaskForce(t.game, 1, 1, 3, 5, 4110);
        t.st().planet(1).Scouted = "0000";  // Bob lost his home planet
        // A slot past the galaxy, as a bigger game loaded before left it, is no planet of his.
        t.st().planet(players + 1).Scouted = "0200";
        t.st().planet(0).WillProd = 0;
        t.st().planet(players).Ships = 32766;  // Vega
        t.st().EmpireSkill = 7;  // an Empire that only produces leaves Vega's garrison be
        EndTurn(t.game);
        EXPECT_EQ(std::tuple(t.st().planet(0).Ships, t.st().planet(0).WillProd,
                             t.st().planet(players).Ships),
                  year > 4100 ? std::tuple(24, -1, 32767) : std::tuple(20, 0, 32766));
        EXPECT_EQ(std::tuple(t.st().CurrentPlTurn, t.st().CurrentYear, t.st().TaskForceLast),
                  std::tuple(turn, year, fleet ? 0 : -1));
        EXPECT_TRUE(statusShown < 0 || t.view.statusShown == statusShown) << t.view.statusShown;
        EXPECT_EQ(TimesSaid(t.dialogs, kEmpireHasWon), 0);
    }
}

TEST(EndTurnVictory, TheEmpireWinsWhenNoPlayerIsLeftAndEndTurnStaysHarmlessAfterwards) {
    TestGame t;
    SeatPlayers(t, 1);
    t.st().planet(0).Scouted = "0000";
    EndTurn(t.game);
    EXPECT_EQ(std::pair(TimesSaid(t.dialogs, kEmpireHasWon), int{t.st().CurrentPlTurn}),
              std::pair(1, 1));

    // An order given now would belong to no player: it must never reach the Ships table.
    ASSERT_EQ(LaunchTaskForce(t.st(), 1, 0, 1), LaunchResult::Launched);
    EndTurn(t.game);
    EndTurn(t.game);
    EXPECT_EQ(
        std::tuple(TimesSaid(t.dialogs, kEmpireHasWon), t.st().CurrentPlTurn, t.st().CurrentYear),
        std::tuple(3, 1, 4103));
    for (const auto& row : ShipsRows(t.game)) EXPECT_EQ(row[0], '4') << row;

    t.st().planet(0).Scouted = "2000";  // back in the game: Ann gets the turn again
    EndTurn(t.game);
    EXPECT_EQ(std::pair(int{t.st().CurrentPlTurn}, TimesSaid(t.dialogs, kEmpireHasWon)),
              std::pair(0, 3));
}

// The year end that takes a person's last planet tells him he is out; a computer seat goes out
// without a word, and when no person is left the message says how the game goes on.
TEST(EndTurnOut, APersonPutOutOfTheGameIsToldSo) {
    const std::string out = "Bob has no planet and no task force left and is out of the game.";
    const std::string watch =
        "\r\rThe computer players play on: every End Turn plays one more year.";
    // Who plays Ann and Bob, and what is said.
    const std::tuple<SeatKind, SeatKind, std::vector<std::string>> cases[] = {
        {SeatKind::Human, SeatKind::Human, {out}},
        {SeatKind::Hard, SeatKind::Human, {out + watch}},
        {SeatKind::Human, SeatKind::Hard, {}}};
    for (const auto& [ann, bob, said] : cases) {
        TestGame t;
        SeatPlayers(t, 2);
        t.st().Seats[0] = ann;
        t.st().Seats[1] = bob;
        AddTaskForce(t.game, kEmpire, 2, 1, 900, 4101);  // Bob's home falls at this year end
        t.st().CurrentPlTurn = 1;
        EndTurn(t.game);
        std::vector<std::string> told;
        for (const auto& text : t.dialogs.texts())
            if (text.find("out of the game") != std::string::npos) told.push_back(text);
        EXPECT_EQ(told, said);
        EXPECT_NE(OwnerOf(t.st(), 1), 1);
    }
}

// The first player as well as a later one: the box names whoever conquered the galaxy.
TEST(EndTurnVictory, TheLastPlayerStandingIsCongratulatedUntilHeCarriesOn) {
    for (const int winner : {0, 1}) {
        SCOPED_TRACE(::testing::Message() << "winner " << winner);
        TestGame t;
        SeatPlayers(t, 2);
        const std::string his = winner == 0 ? "2000" : "0200";
        t.st().planet(1 - winner).Scouted = his;  // he took the other's home: she is out
        t.st().planet(2).Scouted = his;           // he holds Vega: the Empire has nothing left
        t.st().EmpireOut = true;                  // the Empire's fall was announced already
        t.dialogs.answer(Answer::No);
        EndTurn(t.game);  // Ann's turn, set up before she fell, ends; Ann's win ends the year
        if (winner == 1) EndTurn(t.game);  // Bob's turn ends the year
        auto boxes = VictoryBoxes(t.dialogs);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Congratulations \r\r" + t.st().PlName[winner].padded() +
                                     "\r\rYou conquered the galaxy!\r\rDo you want to continue?");
        EXPECT_EQ(std::tuple(boxes[0].buttons, int{t.st().VictoryAnswer}, t.st().Decided),
                  std::tuple(Buttons::YesNo, 7, winner));

        // After No the box comes again next year; after Yes never again.
        t.dialogs.answer(Answer::Yes);
        EndTurn(t.game);
        EXPECT_EQ(std::pair(VictoryBoxes(t.dialogs).size(), int{t.st().VictoryAnswer}),
                  std::pair(2ul, 6));
        EndTurn(t.game);
        EndTurn(t.game);
        EXPECT_EQ(VictoryBoxes(t.dialogs).size(), 2u);
    }
}

TEST(EndTurnClosedWindow, ClosingTheBattleWindowSkipsTheRestOfTheYearEndButNoReportLine) {
    // Ann attacks Vega and reinforces her second planet; every rising the dice allow happens.
    auto play = [](TestGame& t, int closeAt) {
        // clang-format off
        GalaxyBuilder(t.game).players({"Ann"}).skill(1)
            .planet(0, 1, 1).owner(0).home().ships(20).production(4, 20).hostility(3)
            .planet(1, 4, 1).owner(0).ships(5).production(2, 9).hostility(3)
            .planet(2, 20, 20).ships(3).production(2, 2).build();
        // clang-format on
        t.random.setFallback(0.0);
        t.st().SoundsOff = false;
        FillCrt(t.st(), 50);
        AddTaskForce(t.game, 0, 0, 2, 8, 4101);
        AddTaskForce(t.game, 0, 0, 1, 4, 4101);
        t.display.closeAtShowWindow = closeAt;
        EndTurn(t.game);
    };
    TestGame open, closed;
    int lastYearListed = 0;
    closed.view.onSummary = [&] {
        if (!closed.st().Chronicle.empty()) lastYearListed = closed.st().Chronicle.back().year;
    };
    play(open, -1);
    play(closed, 1);
    EXPECT_EQ(lastYearListed, kFirstYear) << "the summary lists the year just ended";

    EXPECT_GT(open.display.count("showWindow"), 2) << "two landings and a rising rise it";
    EXPECT_GT(open.display.count("showMessage"), 0);
    // A closed window stays closed, and the summary tells what the window did not.
    for (const char* shown : {"landingAnimation", "battleRound", "rebelRound", "showMessage"})
        EXPECT_EQ(closed.display.count(shown), 0) << shown;
    EXPECT_EQ(std::tuple(closed.display.count("showWindow"), closed.display.sounds.size(),
                         closed.view.summaries, open.view.summaries),
              std::tuple(1, 0u, 1, 0));
    // Only the display differs: the game and its report are the same.
    EXPECT_EQ(std::tuple(ReportLines(closed.game.ReportPath()), DescribeWholeState(closed.st())),
              std::tuple(ReportLines(open.game.ReportPath()), DescribeWholeState(open.st())));
    EXPECT_FALSE(closed.st().SkipEndTurnScreen) << "the menu switch is the player's, untouched";

    // The next year end shows its window again.
    closed.display.log.clear();
    closed.display.closeAtShowWindow = -1;
    EndTurn(closed.game);
    EXPECT_GT(closed.display.count("showWindow"), 0);
    EXPECT_EQ(std::pair(closed.display.windowClosed(), closed.display.messagesShown()),
              std::pair(false, true));
}

// A window that lets the user press End Turn again while the turn is being shown.
class PressingView : public RecordingView {
  public:
    void TurnStatusShown() override {
        RecordingView::TurnStatusShown();
        if (game) EndTurn(*game);
    }
    Game* game = nullptr;
};

TEST(EndTurnReentry, EndTurnPressedWhileItRunsIsIgnored) {
    TestGameWith<PressingView> g;
    SeatPlayers(g, 2);
    g.view.game = &g.game;
    EndTurn(g.game);
    EXPECT_EQ(std::tuple(g.game.st.CurrentPlTurn, g.view.statusShown, g.game.st.EndTurnRunning),
              std::tuple(1, 1, false));
    EndTurn(g.game);
    EXPECT_EQ(g.game.st.CurrentYear, 4101);
}

// A window during whose hand-over another program starts reading the working file: the year
// end's writes can then not be committed.
class LockingView : public RecordingView {
  public:
    void TurnStatusShown() override {
        RecordingView::TurnStatusShown();
        if (!lock) return;
        reader.emplace(lock->WorkingFile(), sqlite::Database::Mode::ReadWrite);
        reader->exec("BEGIN; SELECT count(*) FROM Ships;");
    }
    Game* lock = nullptr;
    std::optional<sqlite::Database> reader;
};

// The undone year end puts back the report it found (one from an earlier run, one this program
// wrote, or none at all) and shows nothing of the year that did not happen.
TEST(EndTurnStorage, AFailingDatabaseUndoesTheYearEndAndTheGameGoesOnAfterwards) {
    TestGameWith<LockingView> g;
    SeatPlayers(g, 2);
    Game& game = g.game;
    game.st.SkipEndTurnScreen = true;  // the year end opens its summary by itself
    auto failedYearEnd = [&](const std::string& report) {
        const std::string before = DescribeWholeState(game.st);
        const int summaries = g.view.summaries;
        g.view.lock = &game;
        // A database fault is numbered from its SQLite code: 5, the file is busy.
        StorageErrorText([&] { EndTurn(game); }, errors::kDatabaseBase + 5);
        g.view.lock = nullptr;
        g.view.reader.reset();
        EXPECT_EQ(DescribeWholeState(game.st), before) << "the year end is undone in memory too";
        // The report found is back, no summary of the undone year stays open, nothing is left.
        EXPECT_EQ(std::tuple(game.st.EndTurnRunning, fs::exists(game.ReportPath()),
                             ReadText(game.ReportPath()), g.view.summaries),
                  std::tuple(false, !report.empty(), report, summaries));
    };
    game.st.CurrentPlTurn = 1;  // Bob ends the year
    ShowTurnStatus(game, false);
    ASSERT_EQ(LaunchTaskForce(game.st, 1, 2, 7), LaunchResult::Launched);  // not stored yet
    std::ofstream(game.ReportPath(), std::ios::binary) << "last year\r\n";
    failedYearEnd("last year\r\n");
    fs::remove(game.ReportPath());
    failedYearEnd("");
    EXPECT_TRUE(ShipsRows(game).empty());

    // The file is free again: the same turn ends with Bob's fleet on its way.
    EndTurn(game);
    const std::string written = ReadText(game.ReportPath());
    EXPECT_EQ(std::tuple(game.st.CurrentYear, written.rfind("Current Year: \t 4100", 0),
                         g.view.summaries, game.st.planet(1).Ships),
              std::tuple(4101, 0u, 1, 20 - 7 + 4));
    EXPECT_EQ(std::ranges::count_if(ShipsRows(game),
                                    [](const std::string& r) { return r.rfind("1 ", 0) == 0; }),
              1);

    EndTurn(game);  // Ann hands over to Bob
    ASSERT_EQ(game.st.CurrentPlTurn, 1);
    ASSERT_EQ(LaunchTaskForce(game.st, 1, 2, 5), LaunchResult::Launched);
    failedYearEnd(written);
    EndTurn(game);
    EXPECT_EQ(game.st.CurrentYear, 4102);
    EXPECT_EQ(ReadText(game.ReportPath()).rfind("Current Year: \t 4101", 0), 0u);
    // A longer report written over a shorter one and back leaves no tail of the longer one.
    std::ofstream(game.ReportPath(), std::ios::binary) << std::string(5000, 'x');
    EndTurn(game);
    EndTurn(game);
    const std::string rewritten = ReadText(game.ReportPath());
    EXPECT_EQ(std::tuple(rewritten.rfind("Current Year: \t 4102", 0), rewritten.find('x')),
              std::tuple(0u, std::string::npos));
}

// Who has won, as the victory test, the simulator and the soak ask it.
TEST(EndTurnWinner, TheWinnerIsTheLastSideHoldingAPlanetOrAFleet) {
    TestGame tg;
    // clang-format off
    GalaxyBuilder(tg.game).players({"Ann", "Bob"})
        .planet(0, 1, 1).owner(0).home().ships(5)
        .planet(1, 30, 30).owner(1).home().ships(5)
        .planet(2, 10, 40).ships(5).build();
    // clang-format on
    tg.st().planet(2).Scouted = "0200";
    EXPECT_EQ(Winner(tg.game), -1);  // two players left
    tg.st().planet(0).Scouted = "1300";
    EXPECT_EQ(Winner(tg.game), 1);

    // A fleet in flight keeps a side in the game.
    tg.st().CurrentPlTurn = 0;
    ASSERT_EQ(LaunchTaskForce(tg.st(), 1, 0, 1), LaunchResult::Launched);
    SaveTaskForces(tg.game);
    EXPECT_EQ(Winner(tg.game), -1);

    for (int i = 0; i < 3; ++i) tg.st().planet(i).Scouted = "1100";
    EXPECT_EQ(Winner(tg.game), -1);  // Ann's fleet still flies
    tg.game.FileDta1.Refresh();
    tg.game.FileDta1.rs().MoveFirst();
    tg.game.FileDta1.rs().Delete();
    EXPECT_EQ(Winner(tg.game), kEmpire);
}

}  // namespace
}  // namespace zenthar::testing
