// The game in play kept after every hand-over and offered back at start-up, the question before
// a game is left asked only when something would be lost, and the title that tells which.
#include "app/app_fixture.h"
#include "game/recovery.h"
#include "game/saveload.h"

namespace zenthar::testing {
namespace {

class CrashRecoveryTest : public ShownAppTest {
  protected:
    fs::path copy() { return RecoveryFile(window->game()); }
    bool copyExists() { return fs::exists(copy()); }
    void saveAs(const char* name) {
        nextPath = gamesPath(name);
        window->SaveGameItem_Click();
    }
    // Open Game on a saved game, Yes to leaving the game in play.
    void open(const char* name) {
        answers = {Answer::Yes};
        nextPath = gamesPath(name);
        window->LoadGameItem_Click();
    }
    void newGame(const std::vector<const char*>& names) {
        OnNextNewGame(names);
        window->NewGameItem_Click();
    }
    // A fresh run of the program on the same folder, its questions answered from `answers`.
    void restart() {
        asked.clear();
        startAgain();
        answerFileDialogs();
        window->offerRecoveredGame();
    }
    // Whether Exit asks now; the window is shown again when it closed without a question.
    bool exitAsks() {
        const std::size_t before = asked.size();
        answers = {Answer::No};
        window->ExitItem_Click();
        answers.clear();
        const bool askedNow = asked.size() > before;
        if (!window->isVisible()) window->show();
        return askedNow;
    }
    std::string wholeGame() {
        return sim::DescribeWholeState(st()) + sim::ShipsTablePicture(window->game());
    }
};

// After every hand-over and every open the copy holds what a Save would write then; Exit asks
// only after a change (New Game and Open Game leave the game through the same question); the
// title names the file and marks the changes.
TEST_F(CrashRecoveryTest, TheCopyFollowsEveryHandOverAndTheTitleAndExitFollowEveryChange) {
    EXPECT_EQ(std::tuple(copyExists(), window->windowTitle(), window->isWindowModified()),
              std::tuple(false, "Zenthar", false));
    closeYearEndMessages();
    // What is done, how, the title then, whether Exit asks then, whether the copy was just written.
    // clang-format off
    const std::tuple<const char*, std::function<void()>, const char*, bool, bool> steps[] = {
        {"new game", [&] { newGame({"Ann", "Bob"}); }, "Untitled[*] - Zenthar", true, true},
        {"end turn within the year", [&] { endTurn(); }, "Untitled[*] - Zenthar", true, true},
        {"end turn with a year end", [&] { endTurn(); }, "Untitled[*] - Zenthar", true, true},
        {"saved", [&] { saveAs("mine.mdb"); }, "mine.mdb[*] - Zenthar", false, false},
        {"production raised", [&] {
             answers = {Answer::Yes};
             window->IncreaseProdItem_Click();
         }, "mine.mdb[*] - Zenthar", true, false},
        {"saved again", [&] { saveAs("other.mdb"); }, "other.mdb[*] - Zenthar", false, false},
        {"an option switched", [&] { window->SoundsOffItem_Click(); }, "other.mdb[*] - Zenthar", true, false},
        {"opened", [&] { open("mine.mdb"); }, "mine.mdb[*] - Zenthar", false, true},
        {"a turn ended", [&] { endTurn(); }, "mine.mdb[*] - Zenthar", true, true}};
    // clang-format on
    for (const auto& [what, run, title, asks, copied] : steps) {
        SCOPED_TRACE(what);
        run();
        if (copied) {
            ASSERT_TRUE(copyExists());
            // The copy holds what a Save at this moment writes.
            SaveGame(window->game(), folder.path() / "now.mdb");
            EXPECT_EQ(DescribeDatabase(copy()), DescribeDatabase(folder.path() / "now.mdb"));
        }
        const bool modified = window->isWindowModified();
        EXPECT_EQ(std::tuple(window->windowTitle().toStdString(), modified, exitAsks()),
                  std::tuple(std::string(title), asks, asks));
    }
    EXPECT_EQ(st().CurrentYear, 4101);
}

TEST_F(CrashRecoveryTest, TheCopyGoesWhenTheGameIsLeftOnPurposeAndStaysOtherwise) {
    twoPlayers();
    endTurn();
    ASSERT_TRUE(copyExists());
    answers = {Answer::No};
    window->ExitItem_Click();
    EXPECT_TRUE(copyExists() && window->isVisible()) << "No keeps the game and its copy";
    // New Game: Yes, then Cancel in its window: the game goes on and so does its copy.
    answers = {Answer::Yes};
    OnNextModal([](QWidget* dlg) { Click(dlg, "CancelBtn"); });
    window->NewGameItem_Click();
    EXPECT_TRUE(copyExists() && st().GameActive);
    const std::string old = DescribeDatabase(copy());
    answers = {Answer::Yes};
    newGame({"Cy"});
    EXPECT_NE(DescribeDatabase(copy()), old) << "the new game's copy replaced the old one";
    answers = {Answer::Yes};
    window->ExitItem_Click();
    EXPECT_FALSE(copyExists() || window->isVisible());

    // Without a question, right after a save.
    window->show();
    twoPlayers();
    endTurn();
    saveAs("mine.mdb");
    asked.clear();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(copyExists() || !asked.empty());
}

TEST_F(CrashRecoveryTest, StartUpOffersTheCopyAndYesGivesWhatOpeningItGives) {
    MakeSampleGame(window->game(), 3, SampleShape{3, 14, 3});
    window->ShowLoadedGame();
    WriteRecoveryCopy(window->game());
    fs::copy_file(copy(), games("same.mdb"));
    const std::string names = "played by Ann, Bo Zoë and Carmen de la Vega y Ortiz-Montalbán";

    answers = {Answer::Yes};
    restart();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(std::tuple(asked[0].title, asked[0].buttons, asked[0].defaultButton),
              std::tuple(kResumeTitle, Buttons::YesNo, Answer::Yes));
    EXPECT_NE(asked[0].text.find("the year " + std::to_string(st().CurrentYear) + ", " + names),
              std::string::npos)
        << asked[0].text;
    ASSERT_TRUE(st().GameActive && child<QLabel>("YearLbl")->isVisible());
    EXPECT_TRUE(copyExists()) << "the resumed game is still the game in play";
    EXPECT_TRUE(window->isWindowModified()) << "a resumed game was not saved by the player";
    const std::string resumed = wholeGame();
    open("same.mdb");
    EXPECT_EQ(wholeGame(), resumed);

    answers = {Answer::No};
    restart();
    EXPECT_EQ(std::tuple(asked.size(), st().GameActive, copyExists()),
              std::tuple(1u, false, false));
}

// Which copies are refused is the core's test (recovery_test.cpp); every refusal takes the same
// way here, shown by a copy cut short.
TEST_F(CrashRecoveryTest, ARefusedCopyIsToldRemovedAndStartUpGoesOn) {
    MakeSampleGame(window->game(), 4, SampleShape{2, 10, 2});
    WriteRecoveryCopy(window->game());
    const std::vector<unsigned char> good = ReadBytes(copy());
    WriteBytes(copy(), {good.begin(), good.begin() + 3000});
    restart();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].buttons, Buttons::Ok);
    EXPECT_NE(asked[0].text.find("cannot be resumed"), std::string::npos) << asked[0].text;
    EXPECT_NE(asked[0].text.find("ERROR 13"), std::string::npos) << asked[0].text;
    EXPECT_FALSE(copyExists() || st().GameActive);
    // No game, and a map that scrolls and a New Game that starts.
    horiz()->setValue(10);
    newGame({"Ann"});
    EXPECT_TRUE(st().GameActive);
}

// A link or a folder at the copy's name is not the game's: start-up names it once, leaves it, and
// End Turn does not tell it again; Open and Save refuse the copy as they refuse the working file.
TEST_F(CrashRecoveryTest, ALinkOrFolderAtTheCopysNameIsNamedOnceAndTheCopyIsNoGameToOpen) {
    closeYearEndMessages();
    for (const char* kind : {"is a folder", "is a symbolic link"}) {
        SCOPED_TRACE(kind);
        fs::remove_all(copy());
        if (std::string(kind) == "is a folder")
            fs::create_directory(copy());
        else
            fs::create_symlink(games("elsewhere.mdb"), copy());
        restart();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_NE(asked[0].text.find(copy().string() + " " + kind), std::string::npos)
            << asked[0].text;
        twoPlayers();
        endTurn();
        endTurn();
        EXPECT_EQ(asked.size(), 1u) << asked.back().text;
        EXPECT_TRUE(fs::is_symlink(copy()) || fs::is_directory(copy()));
        EXPECT_FALSE(fs::exists(games("elsewhere.mdb")));
    }
    fs::remove(copy());
    endTurn();
    ASSERT_TRUE(copyExists());
    for (void (ui::Zenthar::*command)() :
         {&ui::Zenthar::LoadGameItem_Click, &ui::Zenthar::SaveGameItem_Click}) {
        asked.clear();
        answers = {Answer::Yes};
        nextPath = QString::fromStdString(copy().string());
        (window.get()->*command)();
        ASSERT_FALSE(asked.empty());
        EXPECT_EQ(asked.back().text, "Invalid File Name.");
    }
}

// The report belongs to its game: after New Game and after Open Game, F6 shows nothing of the
// game before until the new game's own first year end.
TEST_F(CrashRecoveryTest, NewGameAndOpenGameLeaveNoReportOfTheGameBefore) {
    closeYearEndMessages();
    twoPlayers(5);  // a galaxy big enough to save
    saveAs("before.mdb");
    endTurn();
    endTurn();
    const fs::path report = window->game().ReportPath();
    ASSERT_TRUE(fs::exists(report));
    const auto summaryTitle = [&] {
        window->CloseEndTurnSummary();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window->LastYearReportItem_Click();
        return child<QWidget>("DispTurnSumFrm")->windowTitle().toStdString();
    };
    EXPECT_NE(summaryTitle().find("4100"), std::string::npos);
    answers = {Answer::Yes};
    newGame({"Cy", "Di"});
    EXPECT_EQ(std::tuple(fs::exists(report), summaryTitle()),
              std::tuple(false, "End Turn Summary"));
    endTurn();
    endTurn();
    ASSERT_TRUE(fs::exists(report));
    open("before.mdb");
    EXPECT_EQ(std::tuple(fs::exists(report), summaryTitle()),
              std::tuple(false, "End Turn Summary"));
}

}  // namespace
}  // namespace zenthar::testing
