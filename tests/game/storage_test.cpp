// The one way the game writes a file: a failure part way leaves the old file and no temporary; a
// link or a folder at a name the game gives its own files is refused, named, and nothing is
// written through it. That a link the player made is followed, keeps pointing at the file it
// named, and the permission bits stay is saveload_atomic_test.cpp's, through Save.
#include "game/storage.h"

#include <stdexcept>

#include "game/recovery.h"
#include "game/saveload_fixture.h"
#include "options/inifile.h"
#include "options/map_zoom.h"
#include "turn/endturn.h"

namespace zenthar::testing {
namespace {

std::string NamesIn(const fs::path& dir) {
    std::string names;
    for (const auto& e : fs::directory_iterator(dir)) names += e.path().filename().string() + " ";
    return names;
}

TEST(ReplaceFile, AFailurePartWayLeavesTheOldFileAndNoTemporary) {
    TempProgramFolder folder;
    const fs::path dir = folder.path() / "replaced";
    fs::create_directories(dir);
    ReplaceFile(dir / "a.ini", "old", NamedBy::Game);
    const RenameStep refused = [](const auto&, const auto&) {
        throw SaveLoadError(61, "The disk is full.");
    };
    const FileWriter broken = [](TemporaryFile& t) {
        t.write(std::vector<unsigned char>{'x'});
        throw std::runtime_error("stopped");
    };
    EXPECT_THROW(ReplaceFile(
                     dir / "a.ini", [](TemporaryFile&) {}, NamedBy::Game, refused),
                 SaveLoadError);
    EXPECT_THROW(ReplaceFile(dir / "a.ini", broken, NamedBy::Player), std::runtime_error);
    EXPECT_THROW(ReplaceFile(dir / "none" / "a.ini", "new", NamedBy::Game), SaveLoadError);
    // Every name in the folder, so a temporary left behind shows.
    EXPECT_EQ(std::tuple(ReadText(dir / "a.ini"), NamesIn(dir)), std::tuple("old", "a.ini "));
}

// A report that cannot even be opened is a report not written: told with the system's reason,
// its text kept for the History.
TEST(ReportFile, AReportWhoseFolderIsGoneIsNotWrittenAndSaysWhy) {
    TempProgramFolder folder;
    ReportFile report(folder.path() / "gone" / "turnrep.txt");
    report.begin();
    report.append("Current Year: 4101");
    EXPECT_FALSE(report.finish());
    EXPECT_EQ(report.fault(), "The system reported: No such file or directory.");
    EXPECT_TRUE(report.faultIsNew());
    ASSERT_TRUE(report.text());
    EXPECT_EQ(*report.text(), "Current Year: 4101");
}

TEST(ReplaceFile, ALinkOrFolderAtTheGamesOwnNameIsRefused) {
    TempProgramFolder folder;
    const fs::path dir = folder.path();
    WriteBytes(dir / "theirs.txt", {'t'});
    fs::create_symlink(dir / "theirs.txt", dir / "own.ini");
    fs::create_directory(dir / "folder.ini");
    for (const auto& [name, kind] :
         {std::pair("own.ini", "is a symbolic link"), std::pair("folder.ini", "is a folder")}) {
        const std::string reason = StorageErrorText(
            [&] { ReplaceFile(dir / name, "game's", NamedBy::Game); }, errors::kPathFileAccess,
            [](const StorageError& e) { return dynamic_cast<const SaveLoadError&>(e).reason(); });
        EXPECT_NE(reason.find((dir / name).string() + " " + kind), std::string::npos) << reason;
    }
    EXPECT_EQ(std::tuple(ReadText(dir / "theirs.txt"), fs::is_symlink(dir / "own.ini"),
                         fs::is_directory(dir / "folder.ini")),
              std::tuple("t", true, true));
}

class OwnFiles : public SaveLoadTest {};

// Drafts an earlier version's year end left beside the report go at the next start; a link at
// such a name is not the game's to remove.
TEST_F(OwnFiles, AStartClearsOldReportDraftsButNoLink) {
    const fs::path report = game.ReportPath();
    const fs::path theirs = saves / "theirs.txt";
    WriteBytes(theirs, {'t'});
    WriteBytes(fs::path(report).concat(".new"), {'n'});
    fs::create_symlink(theirs, fs::path(report).concat(".undo"));
    StartUp(game);
    EXPECT_EQ(std::tuple(fs::exists(fs::path(report).concat(".new")),
                         fs::is_symlink(fs::path(report).concat(".undo")), ReadText(theirs)),
              std::tuple(false, true, "t"));
}

// A link at every name the game gives its own files, each to a file of the player's outside the
// game's folders: every write is refused with the name told, and nothing outside changes.
TEST_F(OwnFiles, ALinkAtEveryNameTheGameWritesChangesNothingOutsideItsFolders) {
    MakeSampleGame(game, 3, SampleShape{2, 12, 2});
    game.st.SkipEndTurnScreen = true;
    t.random.setFallback(0.5);
    const fs::path outside = saves / "outside";
    fs::create_directories(outside);
    const fs::path lock = game.GamesFolder() / InstanceLock::kFileName;
    const std::vector<fs::path> names = {RecoveryFile(game),  game.ReportPath(),
                                         game.SettingsFile(), game.SettingsFolder / kStateFileName,
                                         game.WorkingFile(),  lock};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const fs::path theirs = outside / ("file" + std::to_string(i));
        WriteBytes(theirs, {'x', static_cast<unsigned char>('0' + i)});
        if (names[i] != game.WorkingFile() && names[i] != lock) {
            fs::remove(names[i]);
            fs::create_symlink(theirs, names[i]);
        }
    }
    const std::string before = NamesIn(outside);

    const auto refusedNaming = [](const std::function<void()>& write, const fs::path& name) {
        const std::string said = StorageErrorText(write, errors::kPathFileAccess);
        EXPECT_NE(said.find(name.string() + " is a symbolic link"), std::string::npos) << said;
    };
    refusedNaming([&] { WriteRecoveryCopy(game); }, RecoveryFile(game));
    RemoveRecoveryCopy(game);  // a link is not the game's to remove
    EXPECT_TRUE(fs::is_symlink(RecoveryFile(game)));
    EXPECT_FALSE(WriteIniValue(game.SettingsFile(), "Options", "IntBrowser", "x"));
    EXPECT_FALSE(WriteMapScale(game.SettingsFolder / kStateFileName, 0.5));
    // The year ends without its report file, and says so naming it.
    const int year = game.st.CurrentYear;
    game.st.CurrentPlTurn = static_cast<Int16>(game.st.PlayesNum - 1);
    EndTurn(game);
    EXPECT_EQ(game.st.CurrentYear, year + 1);
    ASSERT_FALSE(t.dialogs.asked.empty());
    EXPECT_NE(t.dialogs.asked.back().text.find(game.ReportPath().string() + " is a symbolic link"),
              std::string::npos)
        << t.dialogs.asked.back().text;
    game.Report.clear();
    EXPECT_TRUE(fs::is_symlink(game.ReportPath()));

    // The lock and the working file are taken at start-up, which then stops and names them.
    for (const fs::path& name : {lock, game.WorkingFile()}) {
        t.endRun();
        fs::remove(name);
        fs::create_symlink(outside / "file0", name);
        refusedNaming([&] { StartUp(game); }, name);
        fs::remove(name);
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(ReadText(outside / ("file" + std::to_string(i))),
                  std::string("x") + static_cast<char>('0' + i))
            << names[i];
    EXPECT_EQ(NamesIn(outside), before);
}

}  // namespace
}  // namespace zenthar::testing
