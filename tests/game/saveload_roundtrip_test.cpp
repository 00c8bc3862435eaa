// Saving and loading good games: the same game comes back in the same run and in a fresh run,
// with every side's task forces, the campaign and the check marks; rows a new game wrote are
// rewritten; the working file is recognised however it is named.
#include <sys/stat.h>
#include <unistd.h>

#include "game/random.h"
#include "game/silent.h"
#include "saveload_fixture.h"
#include "setup/newgame.h"
#include "turn/taskforces.h"

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

TEST_F(RoundTrip, SameRunBringsBackTheWholeGame) {
    MakeSampleGame(game, 11, {4, 12, 4});
    const std::string before = DescribeSavedGame(game.st);
    const std::vector<std::string> fleets = FleetsOfEverySide(game);
    for (const std::string& list : fleets) EXPECT_FALSE(list.empty());
    SaveGame(game, save("a.mdb"));
    expectConnectionOnShips();
    EXPECT_EQ(DescribeSavedGame(game.st), before) << "saving changes nothing in memory";

    MakeSampleGame(game, 12, {2, 30, 2});  // another game is played meanwhile
    game.st.VictoryAnswer = 6;             // and won, its winner carrying on
    ASSERT_NE(DescribeSavedGame(game.st), before);
    const int shown = t.view.statusShown;
    LoadGame(game, save("a.mdb"));

    EXPECT_EQ(DescribeSavedGame(game.st), before);
    EXPECT_EQ(FleetsOfEverySide(game), fleets);
    EXPECT_EQ(t.view.statusShown, shown + 1) << "the turn status is shown once";
    EXPECT_TRUE(game.st.GameActive);
    EXPECT_EQ(game.st.VictoryAnswer, 0) << "the loaded game's winner is congratulated";
    for (int i = 0; i < game.st.PlanetsNum; ++i) EXPECT_EQ(game.st.planet(i).OnMap, -1) << i;
    EXPECT_EQ(DescribeDatabase(game.WorkingFile()), DescribeDatabase(save("a.mdb")));
    expectConnectionOnShips();
    EXPECT_TRUE(temporariesIn(game.GamesFolder()).empty());
    EXPECT_TRUE(temporariesIn(saves).empty());
}

TEST_F(RoundTrip, FreshRunContinuesWithTheSameGame) {
    MakeSampleGame(game, 21, {3, 20, 5});
    const std::string before = DescribeSavedGame(game.st);
    const std::vector<std::string> fleets = FleetsOfEverySide(game);
    const bool skip = game.st.SkipEndTurnScreen, sounds = game.st.SoundsOff;
    SaveGame(game, save("b.mdb"));
    game.FileDta1.release();  // the first run ends

    SilentDialogs dialogs;
    SilentDisplay display;
    RecordingView view;
    ScriptedRandom random;
    Game fresh(t.folder.path(), dialogs, display, view, random);
    StartUp(fresh);
    ASSERT_FALSE(fresh.st.GameActive);
    LoadGame(fresh, save("b.mdb"));
    EXPECT_EQ(DescribeSavedGame(fresh.st), before);
    EXPECT_EQ(FleetsOfEverySide(fresh), fleets);
    EXPECT_EQ(fresh.st.SkipEndTurnScreen, skip);
    EXPECT_EQ(fresh.st.SoundsOff, sounds);
    EXPECT_EQ(view.statusShown, 1);

    // Play goes on: a new task force of the current player is numbered after the loaded ones
    // and survives the next save and load.
    const int last = fresh.st.TaskForceLast;
    ASSERT_EQ(LaunchTaskForce(fresh.st, 0, 1, 7), LaunchResult::Launched);
    const TaskForceRecord launched = fresh.st.TaskForceList[static_cast<std::size_t>(last + 1)];
    if (last >= 0) {
        EXPECT_EQ(launched.TFNum, fresh.st.TaskForceList[static_cast<std::size_t>(last)].TFNum + 1);
    }
    SaveGame(fresh, save("c.mdb"));
    LoadGame(fresh, save("b.mdb"));
    EXPECT_EQ(fresh.st.TaskForceLast, last);
    LoadGame(fresh, save("c.mdb"));
    ASSERT_EQ(fresh.st.TaskForceLast, last + 1);
    EXPECT_EQ(fresh.st.TaskForceList[static_cast<std::size_t>(last + 1)].NumOfShips, 7);
    EXPECT_EQ(fresh.st.TaskForceList[static_cast<std::size_t>(last + 1)].EndPl.padded(), "02");
}

TEST_F(RoundTrip, LargestGameKeepsEveryFieldOfEveryPlanet) {
    MakeSampleGame(game, 31, {4, 50, 60});
    game.st.planet(49).KnownShip[4] = -32768;
    game.st.planet(48).Ships = 32767;
    game.st.PlName[3] = std::string(40, 'W');
    const std::string before = DescribeSavedGame(game.st);
    SaveGame(game, save("big.mdb"));
    MakeSampleGame(game, 32, {1, 5, 0});
    LoadGame(game, save("big.mdb"));
    EXPECT_EQ(DescribeSavedGame(game.st), before);
    EXPECT_EQ(game.st.PlanetImagesLoaded, 49);
}

TEST_F(RoundTrip, SaveWithoutAGameDoesNothing) {
    ASSERT_FALSE(game.st.GameActive);
    const Snapshot before = snapshot();
    SaveGame(game, save("nothing.mdb"));
    EXPECT_FALSE(std::filesystem::exists(save("nothing.mdb")));
    EXPECT_TRUE(std::filesystem::is_empty(saves));
    EXPECT_EQ(snapshot(), before);
    expectConnectionOnShips();
}

TEST_F(RoundTrip, SavingTwiceRewritesTheRowsAndCopiesTheSameState) {
    // clang-format off
    GalaxyBuilder(game).players({"Ann", "Bob"})
        .planet(0, 5, 5).owner(0).home().ships(30)
        .planet(1, 9, 5).owner(1).home().ships(25)
        .planet(2, 20, 20)
        .planet(3, 30, 3)
        .planet(4, 40, 40).ships(9)
        .build();
    // clang-format on
    // A galaxy built in memory has no rows yet: the save adds them.
    SaveGame(game, save("one.mdb"));
    const std::string first = DescribeDatabase(save("one.mdb"));
    EXPECT_NE(first.find("== Planets\n"), std::string::npos);
    game.st.planet(4).Ships = 77;
    game.st.Hatest[1] = 3;
    game.st.CurrentYear = 4107;
    SaveGame(game, save("two.mdb"));
    SaveGame(game, save("three.mdb"));
    const std::string second = DescribeDatabase(save("two.mdb"));
    EXPECT_NE(second, first);
    EXPECT_EQ(DescribeDatabase(save("three.mdb")), second);
    EXPECT_EQ(DescribeDatabase(game.WorkingFile()), second) << "the working file keeps the state";
    // Still one row per player and per planet.
    LoadGame(game, save("two.mdb"));
    EXPECT_EQ(game.st.planet(4).Ships, 77);
    EXPECT_EQ(game.st.Hatest[1], 3);
    EXPECT_EQ(game.st.CurrentYear, 4107);
    auto count = [](const std::string& dump, const std::string& table) {
        std::size_t from = dump.find("== " + table + "\n");
        std::size_t to = dump.find("== ", from + 3);
        std::string part = dump.substr(from, to - from);
        return std::count(part.begin(), part.end(), '\n') - 1;
    };
    EXPECT_EQ(count(second, "AppCfg"), 2);
    EXPECT_EQ(count(second, "Planets"), 5);
}

TEST_F(RoundTrip, RowsOfANewGameAreRewrittenNotAdded) {
    SystemRandom random(5);
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
    g.st.GameActive = true;
    g.st.CurrentYear = 4103;
    g.st.Hatest[2] = 4;
    g.st.StartPl = "05";
    g.st.planet(6).Production = 1;
    const Int16 maxProd = g.st.planet(6).MaxProd;
    g.st.planet(6).MaxProd = static_cast<Int16>(maxProd == 20 ? 19 : maxProd + 1);  // never
    // changes in play, so a save does not write it
    SaveGame(g, save("new.mdb"));
    g.FileDta1.release();
    Game fresh(t.folder.path(), t.dialogs, t.display, t.view, random);
    StartUp(fresh);
    LoadGame(fresh, save("new.mdb"));
    EXPECT_EQ(fresh.st.PlayesNum, 3);
    EXPECT_EQ(fresh.st.PlanetsNum, 8);
    EXPECT_EQ(fresh.st.CurrentYear, 4103);
    EXPECT_EQ(fresh.st.Hatest[2], 4);
    EXPECT_EQ(fresh.st.StartPl.padded(), "05");
    EXPECT_EQ(fresh.st.planet(6).Production, 1);
    EXPECT_EQ(fresh.st.PlName[1].trimmed(), "Bob");
    EXPECT_EQ(fresh.st.planet(6).MaxProd, maxProd) << "MaxProd comes from the new game's row";
    const std::string dump = DescribeDatabase(save("new.mdb"));
    std::size_t planets = dump.find("== Planets\n"), ships = dump.find("== Ships\n");
    EXPECT_EQ(std::count(dump.begin(), dump.begin() + static_cast<long>(planets), '\n'), 4);
    EXPECT_EQ(std::count(dump.begin() + static_cast<long>(planets),
                         dump.begin() + static_cast<long>(ships), '\n'),
              9);
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
    EXPECT_EQ(game.st.StartYear, game.st.CurrentYear);
    EXPECT_TRUE(game.st.StartPl.blank());
    EXPECT_TRUE(game.st.EndPl.blank());
    EXPECT_FALSE(game.st.EmpireOut);
    // An empty campaign planet written as the empty text loads the same way.
    WriteBytes(save("empty.mdb"),
               EditSavedGame(bytes, "UPDATE AppCfg SET StartPl = '', EndPl = ' '"));
    LoadGame(game, save("empty.mdb"));
    EXPECT_TRUE(game.st.StartPl.blank());
    EXPECT_TRUE(game.st.EndPl.blank());
}

TEST_F(RoundTrip, CheckMarksAreSetByATrueValueAndLeftByAFalseOne) {
    struct Case {
        bool saved, before, after;
    };
    for (Case c : {Case{true, false, true}, Case{false, true, true}, Case{false, false, false},
                   Case{true, true, true}}) {
        MakeSampleGame(game, 51, {1, 6, 1});
        game.st.SkipEndTurnScreen = c.saved;
        game.st.SoundsOff = !c.saved;
        SaveGame(game, save("marks.mdb"));
        game.st.SkipEndTurnScreen = c.before;
        game.st.SoundsOff = c.before;
        LoadGame(game, save("marks.mdb"));
        EXPECT_EQ(game.st.SkipEndTurnScreen, c.after) << c.saved << c.before;
        EXPECT_EQ(game.st.SoundsOff, !c.saved || c.before) << c.saved << c.before;
    }
    // Stored as yes/no: -1 and 0.
    game.st.SkipEndTurnScreen = true;
    game.st.SoundsOff = false;
    SaveGame(game, save("marks.mdb"));
    const std::string dump = DescribeDatabase(save("marks.mdb"));
    EXPECT_NE(dump.find("|1:-1|1:0\n"), std::string::npos) << dump.substr(0, 300);
}

TEST_F(RoundTrip, LoadingKeepsImagesAndBringsTheSelectionIntoTheGalaxy) {
    savedSample(61, {2, 30, 1}, "big.mdb");
    savedSample(62, {2, 6, 1}, "small.mdb");
    game.st.PlanetImagesLoaded = 0;
    game.st.SelectedPlanet = 40;
    LoadGame(game, save("big.mdb"));
    EXPECT_EQ(game.st.PlanetImagesLoaded, 29);
    EXPECT_EQ(game.st.SelectedPlanet,
              game.st.PlHome[static_cast<std::size_t>(game.st.CurrentPlTurn)]);
    game.st.SelectedPlanet = 25;
    LoadGame(game, save("small.mdb"));
    EXPECT_EQ(game.st.PlanetImagesLoaded, 29) << "images are only ever added";
    EXPECT_LT(game.st.SelectedPlanet, 6);
    EXPECT_TRUE(game.st.PlName[2].blank()) << "slots of absent players are cleared";
}

TEST_F(RoundTrip, AGameSavedAfterTheEmpireWonStillLoads) {
    MakeSampleGame(game, 71, {2, 8, 1});
    game.st.CurrentPlTurn = 2;  // one past the last player
    game.st.TaskForceLast = -1;
    SaveGame(game, save("won.mdb"));
    MakeSampleGame(game, 72, {1, 5, 0});
    LoadGame(game, save("won.mdb"));
    EXPECT_EQ(game.st.CurrentPlTurn, 2);
    EXPECT_EQ(game.st.PlHome[2], 0);
}

TEST_F(RoundTrip, TheWorkingFileIsRecognisedHoweverItIsNamed) {
    const std::filesystem::path folder = game.ProgramFolder;
    EXPECT_TRUE(IsWorkingFile(game, game.WorkingFile()));
    EXPECT_TRUE(IsWorkingFile(game, folder / "GAMES" / "NEWGAME.MDB"));
    EXPECT_TRUE(IsWorkingFile(game, folder / "games" / "newgame.mdb"));
    EXPECT_TRUE(IsWorkingFile(game, folder / "Games" / "NewGame.Mdb"));
    EXPECT_TRUE(IsWorkingFile(game, folder / "saves" / ".." / "GAMES" / "." / "newgame.mdb"));

    std::filesystem::create_symlink(game.WorkingFile(), save("link.mdb"));
    EXPECT_TRUE(IsWorkingFile(game, save("link.mdb")));
    std::filesystem::create_directory_symlink(folder / "GAMES", saves / "linkdir");
    EXPECT_TRUE(IsWorkingFile(game, saves / "linkdir" / "newgame.mdb"));
    std::filesystem::create_hard_link(game.WorkingFile(), save("hard.mdb"));
    EXPECT_TRUE(IsWorkingFile(game, save("hard.mdb")));

    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(saves);
    EXPECT_TRUE(IsWorkingFile(game, "../GAMES/newgame.mdb"));
    EXPECT_TRUE(IsWorkingFile(game, "../games/NEWGAME.mdb"));
    EXPECT_TRUE(IsWorkingFile(game, "link.mdb"));
    EXPECT_FALSE(IsWorkingFile(game, "newgame.mdb"));
    std::filesystem::current_path(here);

    EXPECT_FALSE(IsWorkingFile(game, ""));
    EXPECT_FALSE(IsWorkingFile(game, folder / "GAMES" / "newgame.mdb.bak"));
    EXPECT_FALSE(IsWorkingFile(game, folder / "GAMES" / "newgame.mdx"));
    EXPECT_FALSE(IsWorkingFile(game, folder / "newgame.mdb"));
    EXPECT_FALSE(IsWorkingFile(game, saves / "GAMES" / "newgame.mdb"));
    EXPECT_FALSE(IsWorkingFile(game, folder / "zenthar.mdb"));
}

TEST_F(RoundTrip, TheWorkingFileIsNeitherLoadedNorOverwritten) {
    MakeSampleGame(game, 81, {2, 7, 2});
    const Snapshot before = snapshot();
    EXPECT_EQ(loadFails(game.ProgramFolder / "games" / "NewGame.mdb", 75),
              "ERROR 75 occurred. That is the game's own working file.");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(
        saveFails(game.ProgramFolder / "GAMES" / "NEWGAME.MDB", 75).rfind("ERROR 75 occurred.", 0),
        0u);
    EXPECT_EQ(snapshot(), before);
    expectConnectionOnShips();
}

TEST(StorageErrorText, NumbersWithTheirOwnTextAndOthersWithAReason) {
    EXPECT_EQ(StorageErrorMessage(StorageError(53, "x")), "ERROR 53: That file doesn't exist.");
    EXPECT_EQ(StorageErrorMessage(StorageError(76, "x")), "ERROR 76: That path doesn't exist.");
    EXPECT_EQ(StorageErrorMessage(SaveLoadError(68, "gone", "/media/usb")),
              "ERROR 68: Drive /media/usb: not available.");
    EXPECT_EQ(
        StorageErrorMessage(SaveLoadError(13, "The file is not a Zenthar game (it is empty).")),
        "ERROR 13 occurred. The file is not a Zenthar game (it is empty).");
    EXPECT_EQ(StorageErrorMessage(StorageError(13, "SQLITE_NOTADB")),
              "ERROR 13 occurred. The file is not a Zenthar game (it is damaged).");
    EXPECT_EQ(StorageErrorMessage(StorageError(61, "x")), "ERROR 61 occurred. The disk is full.");
    EXPECT_EQ(StorageErrorMessage(StorageError(3005, "x")),
              "ERROR 3005 occurred. The game database reported a fault.");
    EXPECT_EQ(StorageErrorMessage(StorageError(999, "x")), "ERROR 999 occurred.");
}

}  // namespace
}  // namespace zenthar::testing
