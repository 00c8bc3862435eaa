// Saving and loading good games: the same game comes back in the same run and in a fresh run,
// with every side's task forces, the campaign and the check marks; rows a new game wrote are
// rewritten; the working file is recognised however it is named.
#include "game/random.h"
#include "saveload_fixture.h"
#include "setup/newgame.h"

namespace zenthar::testing {
namespace {

using RoundTrip = SaveLoadTest;

// The task forces of every side as the Ships table holds them, read the way a turn reads them.
std::vector<std::string> FleetsOfEverySide(Game& g) {
    std::vector<std::string> lists;
    const Int16 current = g.st.CurrentPlTurn;
    for (int side : {0, 1, 2, 3, kEmpire}) {
        g.st.CurrentPlTurn = static_cast<Int16>(side);
        LoadTaskForces(g);
        std::string list;
        for (int i = 0; i <= g.st.TaskForceLast; ++i) {
            const TaskForceRecord& tf = g.st.TaskForceList[static_cast<std::size_t>(i)];
            list += std::to_string(tf.TFNum) + ":" + tf.StartPl.padded() + ">" + tf.EndPl.padded() +
                    "@" + std::to_string(tf.RemTurns) + "x" + std::to_string(tf.NumOfShips) + " ";
        }
        lists.push_back(list);
    }
    g.st.CurrentPlTurn = current;
    LoadTaskForces(g);
    return lists;
}

TEST_F(RoundTrip, TheSameAndAFreshRunBringBackTheWholeGameWithEveryField) {
    MakeSampleGame(game, 31, {4, 50, 60});
    game.st.planet(49).KnownShip[4] = -32768;
    game.st.planet(48).Ships = 32767;
    game.st.PlName[3] = std::string(40, 'W');
    const bool skip = game.st.SkipEndTurnScreen, sounds = game.st.SoundsOff;
    const std::string before = DescribeSavedGame(game.st);
    const std::vector<std::string> fleets = FleetsOfEverySide(game);
    for (const std::string& list : fleets) ASSERT_FALSE(list.empty());
    SaveGame(game, save("a.mdb"));
    EXPECT_EQ(DescribeSavedGame(game.st), before) << "saving changes nothing in memory";

    MakeSampleGame(game, 12, {2, 30, 2});  // another game is played meanwhile
    game.st.VictoryAnswer = 6;             // and won, its winner carrying on
    SaveGame(game, save("smaller.mdb"));
    const int shown = t.view.statusShown;
    LoadGame(game, save("a.mdb"));
    EXPECT_EQ(DescribeSavedGame(game.st), before);
    EXPECT_EQ(FleetsOfEverySide(game), fleets);
    // The turn status is shown once, and the loaded game's winner is congratulated.
    EXPECT_EQ(std::tuple(t.view.statusShown, game.st.GameActive, game.st.VictoryAnswer),
              std::tuple(shown + 1, true, 0));
    for (int i = 0; i < game.st.PlanetsNum; ++i) EXPECT_EQ(game.st.planet(i).OnMap, -1) << i;
    EXPECT_EQ(DescribeDatabase(game.WorkingFile()), DescribeDatabase(save("a.mdb")));
    expectSettled();

    // A fresh run continues with the same game, check marks and all.
    t.endRun();
    Game fresh(t.folder.path(), t.dialogs, t.display, t.view, t.random);
    StartUp(fresh);
    EXPECT_EQ(fresh.st.PlanetImagesLoaded, 0);
    LoadGame(fresh, save("a.mdb"));
    EXPECT_EQ(DescribeSavedGame(fresh.st), before);
    EXPECT_EQ(FleetsOfEverySide(fresh), fleets);
    EXPECT_EQ(std::pair(fresh.st.SkipEndTurnScreen, fresh.st.SoundsOff), std::pair(skip, sounds));
    // Every planet image of a loaded galaxy is there from then on, also under a smaller one.
    EXPECT_EQ(fresh.st.PlanetImagesLoaded, 49);
    LoadGame(fresh, save("smaller.mdb"));
    EXPECT_EQ(fresh.st.PlanetImagesLoaded, 49);
}

// Save without a game does nothing, and the working file is neither loaded nor overwritten.
TEST_F(RoundTrip, SaveWithoutAGameOrTheWorkingFileAsTheFileChangesNothing) {
    ASSERT_FALSE(game.st.GameActive);
    Snapshot before = snapshot();
    SaveGame(game, save("nothing.mdb"));
    EXPECT_FALSE(fs::exists(save("nothing.mdb")));
    EXPECT_EQ(snapshot(), before);

    MakeSampleGame(game, 81, {2, 7, 2});
    before = snapshot();
    EXPECT_EQ(loadFails(game.ProgramFolder / "games" / "NewGame.mdb", 75),
              "ERROR 75 occurred. That is the game's own working file.");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(
        saveFails(game.ProgramFolder / "GAMES" / "NEWGAME.MDB", 75).rfind("ERROR 75 occurred.", 0),
        0u);
    EXPECT_EQ(snapshot(), before);
    expectConnectionOnShips();
}

TEST_F(RoundTrip, RowsOfANewGameAreRewrittenNotAdded) {
    SystemRandom random(5);
    t.endRun();  // the fixture's program has ended
    Game g(t.folder.path(), t.dialogs, t.display, t.view, random);
    StartUp(g);
    NewGameSettings s;
    s.players = 3;
    s.names = {"Ann", "Bob", "Cy", ""};
    s.symbols = {"shipvert.ico", "mac.ico", "shiporiz.ico", "flsp.ico"};
    for (std::size_t k = 0; k < 4; ++k)
        s.homePlanets[k] = g.st.planet(static_cast<int>(k)).Name.padded();
    s.planets = 8;
    ASSERT_FALSE(CheckNewGame(g.st, s).has_value());
    CreateNewGame(g, s);
    // No campaign planet yet: a new game writes the empty text, a save the padded one.
    const std::string campaign = "SELECT StartPl || '|' || EndPl FROM AppCfg ORDER BY rowid";
    EXPECT_EQ(QueryText(g.WorkingFile(), campaign), "|");
    g.st.GameActive = true;
    g.st.CurrentYear = 4103;
    g.st.planet(6).Production = 1;
    const Int16 maxProd = g.st.planet(6).MaxProd;
    // MaxProd never changes in play, so a save does not write it.
    g.st.planet(6).MaxProd = static_cast<Int16>(maxProd == 20 ? 19 : maxProd + 1);
    SaveGame(g, save("first.mdb"));
    SaveGame(g, save("new.mdb"));  // saving again rewrites the same rows
    EXPECT_EQ(DescribeDatabase(save("new.mdb")), DescribeDatabase(save("first.mdb")));
    EXPECT_EQ(QueryText(save("new.mdb"), campaign), "  |  ");
    LoadGame(g, save("new.mdb"));
    // MaxProd comes from the new game's row.
    EXPECT_EQ(std::tuple(g.st.CurrentYear, g.st.planet(6).Production, g.st.planet(6).MaxProd),
              std::tuple(4103, 1, maxProd));
    const std::string dump = DescribeDatabase(save("new.mdb"));
    const auto planets = static_cast<long>(dump.find("== Planets\n"));
    const auto ships = static_cast<long>(dump.find("== Ships\n"));
    EXPECT_EQ(std::count(dump.begin(), dump.begin() + planets, '\n'), 4) << "three player rows";
    EXPECT_EQ(std::count(dump.begin() + planets, dump.begin() + ships, '\n'), 9) << "8 planets";
    g.FileDta1.release();
}

TEST_F(RoundTrip, EmptyCampaignFieldsReadAsTheRulesSay) {
    std::vector<unsigned char> bytes = savedSample(41, {2, 9, 1}, "full.mdb");
    WriteBytes(save("nulls.mdb"),
               EditSavedGame(bytes,
                             "UPDATE AppCfg SET StartYear = NULL, StartPl = NULL, "
                             "EndPl = NULL, EmpireOut = NULL, EndTurnScreen = NULL, "
                             "SoundsOff = NULL WHERE rowid = (SELECT min(rowid) FROM AppCfg)"));
    game.st.EmpireOut = true;
    LoadGame(game, save("nulls.mdb"));
    EXPECT_EQ(std::tuple(game.st.StartYear, game.st.StartPl.blank(), game.st.EndPl.blank(),
                         game.st.EmpireOut),
              std::tuple(game.st.CurrentYear, true, true, false));
    // An empty campaign planet written as the empty text loads the same way.
    WriteBytes(save("empty.mdb"),
               EditSavedGame(bytes, "UPDATE AppCfg SET StartPl = '', EndPl = ' '"));
    LoadGame(game, save("empty.mdb"));
    EXPECT_EQ(std::pair(game.st.StartPl.blank(), game.st.EndPl.blank()), std::pair(true, true));
}

// A file saved before seats or a game's length existed, or with either left empty, has only
// human players in a game until conquest; the seats and length of the game that ran before do not
// linger.
TEST_F(RoundTrip, AFileWithoutSeatsOrLengthOpensWithEveryPlayerHumanUntilConquest) {
    MakeSampleGame(game, 42, {3, 9, 1});
    game.st.GameLength = 50;
    SaveGame(game, save("seated.mdb"));
    const std::vector<unsigned char> bytes = ReadBytes(save("seated.mdb"));
    ASSERT_NE(game.st.Seats, (std::array<SeatKind, 4>{}));
    const std::string seated = DescribeSavedGame(game.st);
    const auto human = [](std::string picture) {
        for (std::size_t at = 0; (at = picture.find(" seat ", at)) != std::string::npos;)
            picture[at += 6] = '0';
        return picture;
    };
    std::string endless = seated;
    endless.erase(endless.find(" length 50"), 10);
    // clang-format off
    const std::pair<const char*, std::string> cases[] = {
        {"ALTER TABLE AppCfg DROP COLUMN Seat", human(seated)},
        {"UPDATE AppCfg SET Seat = NULL", human(seated)},
        {"ALTER TABLE AppCfg DROP COLUMN GameLength", endless},
        {"UPDATE AppCfg SET GameLength = NULL", endless}};
    // clang-format on
    for (const auto& [edit, opened] : cases) {
        SCOPED_TRACE(edit);
        WriteBytes(save("older.mdb"), EditSavedGame(bytes, edit));
        LoadGame(game, save("seated.mdb"));
        LoadGame(game, save("older.mdb"));
        EXPECT_EQ(DescribeSavedGame(game.st), opened);
        expectSettled();
        // Saved again, it keeps what it opened with.
        SaveGame(game, save("again.mdb"));
        LoadGame(game, save("again.mdb"));
        EXPECT_EQ(DescribeSavedGame(game.st), opened);
    }
}

// The check marks are set by a true value and left by a false one; the game's length, any of
// them, comes back as it was saved.
TEST_F(RoundTrip, CheckMarksAreSetByATrueValueAndLeftByAFalseOneAndTheLengthComesBack) {
    // The mark saved, the mark before the load, the mark after it, and the game's length. The
    // last case leaves the length empty for the stored values below.
    using Case = std::tuple<bool, bool, bool, int>;
    for (const auto& [saved, before, after, length] :
         {Case{true, false, true, kLongestGame}, Case{false, true, true, 1},
          Case{false, false, false, 50}, Case{true, true, true, 0}}) {
        SCOPED_TRACE(::testing::Message() << saved << before << " length " << length);
        MakeSampleGame(game, 51, {1, 6, 1});
        game.st.SkipEndTurnScreen = saved;
        game.st.SoundsOff = !saved;
        game.st.GameLength = static_cast<Int16>(length);
        SaveGame(game, save("marks.mdb"));
        game.st.SkipEndTurnScreen = before;
        game.st.SoundsOff = before;
        game.st.GameLength = 123;
        LoadGame(game, save("marks.mdb"));
        EXPECT_EQ(std::tuple(game.st.SkipEndTurnScreen, game.st.SoundsOff, int{game.st.GameLength}),
                  std::tuple(after, !saved || before, length));
    }
    // Stored as yes/no: -1 and 0 (the player's seat, the game's length, the dice's state, empty for
    // a scripted source, and the year end due follow).
    game.st.SkipEndTurnScreen = true;
    game.st.SoundsOff = false;
    SaveGame(game, save("marks.mdb"));
    const std::string dump = DescribeDatabase(save("marks.mdb"));
    EXPECT_NE(dump.find("|1:-1|1:0|1:3|1:0|3:|1:0\n"), std::string::npos) << dump.substr(0, 300);
}

TEST_F(RoundTrip, TheWorkingFileIsRecognisedHoweverItIsNamed) {
    const fs::path folder = game.ProgramFolder, games = folder / "GAMES";
    fs::create_symlink(game.WorkingFile(), save("link.mdb"));
    fs::create_directory_symlink(games, saves / "linkdir");
    const fs::path here = fs::current_path();
    fs::current_path(saves);
    // clang-format off
    const std::pair<fs::path, bool> cases[] = {
        {folder / "games" / "newgame.mdb", true}, {save("link.mdb"), true},
        {saves / "linkdir" / "newgame.mdb", true}, {"../games/NEWGAME.mdb", true}, {"link.mdb", true},
        {"newgame.mdb", false}, {"", false}, {folder / "newgame.mdb", false},
        {saves / "GAMES" / "newgame.mdb", false}};
    // clang-format on
    for (const auto& [path, working] : cases) EXPECT_EQ(IsWorkingFile(game, path), working) << path;
    fs::current_path(here);
}

// The texts of the numbers no bad file above leads to.
TEST(StorageErrorText, NumbersWithTheirOwnTextAndOthersWithAReason) {
    EXPECT_EQ(StorageErrorMessage(SaveLoadError(68, "gone", "/media/usb")),
              "ERROR 68: Drive /media/usb: not available.");
    EXPECT_EQ(StorageErrorMessage(StorageError(13, "SQLITE_NOTADB")),
              "ERROR 13 occurred. The file is not a Zenthar game (it is damaged).");
    EXPECT_EQ(StorageErrorMessage(SaveLoadError(57, "The drive reported a read or write error.")),
              "ERROR 57 occurred. The drive reported a read or write error.");
    EXPECT_EQ(StorageErrorMessage(StorageError(3005, "x")),
              "ERROR 3005 occurred. The game database reported a fault.");
    EXPECT_EQ(StorageErrorMessage(StorageError(999, "x")), "ERROR 999 occurred.");
}

}  // namespace
}  // namespace zenthar::testing
