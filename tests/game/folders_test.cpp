// Where the game reads and writes: the build tree keeps everything beside the executable, an
// installed game reads its own files and writes to the player's XDG folders.
#include "game/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

// A machine given by hand: its environment variables and whether a folder may be written.
struct Machine {
    std::map<std::string, std::string> vars{{"HOME", "/home/ann"}};
    bool exeWritable = true;
    FolderEnvironment env() const {
        return {[this](const char* name) -> const char* {
                    auto it = vars.find(name);
                    return it == vars.end() ? nullptr : it->second.c_str();
                },
                [this](const fs::path&) { return exeWritable; }};
    }
};

// The three folders and whether they are the player's own, to compare in one go.
std::tuple<fs::path, fs::path, fs::path, bool> Parts(const ProgramFolders& f) {
    return {f.program, f.user, f.settings, f.perUser()};
}

const char* const kShare = "/home/ann/.local/share/zenthar";
const char* const kConfig = "/home/ann/.config/zenthar";

TEST(ProgramFolderRule, TheBuildTreeKeepsEverythingBesideTheExecutable) {
    TempProgramFolder tree;
    Machine m;
    const ProgramFolders f = DecideProgramFolders(tree.path(), "../share/games/zenthar", m.env());
    EXPECT_EQ(Parts(f), std::tuple(tree.path(), tree.path(), tree.path(), false));

    // The same files in a folder the player may not write: read there, written at home.
    m.exeWritable = false;
    const ProgramFolders ro = DecideProgramFolders(tree.path(), "../share/games/zenthar", m.env());
    EXPECT_EQ(Parts(ro), std::tuple(tree.path(), kShare, kConfig, true));
}

TEST(ProgramFolderRule, AnInstalledGameReadsBesideItsPrefixAndWritesToTheXdgFolders) {
    // What the machine's variables are like, the variables, and the user and settings folders.
    // clang-format off
    const std::tuple<const char*, std::map<std::string, std::string>, const char*, const char*> cases[] = {
        {"unset", {}, kShare, kConfig},
        {"set", {{"XDG_DATA_HOME", "/data"}, {"XDG_CONFIG_HOME", "/conf/x"}},
         "/data/zenthar", "/conf/x/zenthar"},
        {"empty", {{"XDG_DATA_HOME", ""}, {"XDG_CONFIG_HOME", ""}}, kShare, kConfig},
        {"relative, which the base directory rules ignore",
         {{"XDG_DATA_HOME", "data"}, {"XDG_CONFIG_HOME", "./c"}}, kShare, kConfig}};
    // clang-format on
    for (const auto& [what, vars, user, settings] : cases) {
        SCOPED_TRACE(what);
        Machine m;  // HOME is set on every machine here
        m.vars.insert(vars.begin(), vars.end());
        const ProgramFolders f =
            DecideProgramFolders("/opt/zen/games", "../share/games/zenthar", m.env());
        EXPECT_EQ(Parts(f), std::tuple("/opt/zen/share/games/zenthar", user, settings, true));
    }
    // Without HOME, or with one that is no absolute path, the account's own home serves.
    const passwd* account = ::getpwuid(::getuid());
    ASSERT_NE(account, nullptr);
    for (const char* home : {static_cast<const char*>(nullptr), "home/ann"}) {
        Machine m;
        m.vars.erase("HOME");
        if (home) m.vars["HOME"] = home;
        const ProgramFolders f =
            DecideProgramFolders("/opt/zen/games", "../share/games/zenthar", m.env());
        EXPECT_EQ(f.user, fs::path(account->pw_dir) / ".local/share/zenthar")
            << (home ? home : "no HOME");
    }
    // A writable folder without the data files is not a build tree either.
    Machine m;
    EXPECT_TRUE(DecideProgramFolders("/tmp", "../share/games/zenthar", m.env()).perUser());
}

// The real machine is asked as it is: its environment as the process sees it, and a folder may
// be written when the system says so (a missing one may not).
TEST(ProgramFolderRule, TheSystemAnswersForTheRealMachine) {
    TempProgramFolder tree;
    const FolderEnvironment system = FolderEnvironment::System();
    EXPECT_EQ(std::tuple(system.writable(tree.path()), system.writable(tree.path() / "missing")),
              std::tuple(true, false));
    ASSERT_EQ(::setenv("ZENTHAR_FOLDER_TEST", "/x", 1), 0);
    EXPECT_STREQ(system.variable("ZENTHAR_FOLDER_TEST"), "/x");
    EXPECT_EQ(system.variable("ZENTHAR_NO_SUCH_VARIABLE"), nullptr);
}

class UserFolders : public ::testing::Test {
  protected:
    ProgramFolders installed() const {
        return {data.path(), home.path() / "share" / "zenthar", home.path() / "config" / "zenthar"};
    }
    void installDefaultSettings() const {
        std::ofstream(data.path() / kSettingsFileName) << "[Options]\nIntBrowser=xdg-open\n";
    }
    TempProgramFolder data;
    TempProgramFolder home;
    ScriptedDialogs dialogs;
    RecordingDisplay display;
    RecordingView view;
    ScriptedRandom random;
};

TEST_F(UserFolders, TheFirstStartMakesTheFoldersAndCopiesTheDefaultSettingsOnce) {
    installDefaultSettings();
    const ProgramFolders f = installed();
    PrepareUserFolders(f);
    EXPECT_TRUE(fs::is_directory(f.user / "GAMES"));
    EXPECT_EQ(ReadText(f.settings / "zenthar.ini"), "[Options]\nIntBrowser=xdg-open\n");

    // The player's own settings are never overwritten.
    std::ofstream(f.settings / "zenthar.ini") << "[Options]\nIntBrowser=firefox\n";
    PrepareUserFolders(f);
    EXPECT_EQ(ReadText(f.settings / "zenthar.ini"), "[Options]\nIntBrowser=firefox\n");

    // Without an installed default nothing is made up.
    fs::remove(f.settings / "zenthar.ini");
    fs::remove(data.path() / kSettingsFileName);
    PrepareUserFolders(f);
    EXPECT_FALSE(fs::exists(f.settings / "zenthar.ini"));
}

TEST_F(UserFolders, AFolderThatCannotBeMadeIsNamedAndTheGameDoesNotStart) {
    // A plain file where a folder must go: no one, not even root, can make the folder.
    std::ofstream(home.path() / "share") << "not a folder";
    ProgramFolders f = installed();
    try {
        PrepareUserFolders(f);
        ADD_FAILURE() << "the folder was made";
    } catch (const FolderError& e) {
        EXPECT_NE(std::string(e.what()).find((f.user / "GAMES").string()), std::string::npos)
            << e.what();
    }

    // Through start-up: no working file is made anywhere, and the error says which folder.
    Game game(f, dialogs, display, view, random);
    EXPECT_THROW(StartUp(game), FolderError);
    EXPECT_FALSE(fs::exists(data.path() / "GAMES" / "newgame.mdb") || game.Lock.held());
}

TEST_F(UserFolders, AnInstalledGameKeepsItsWorkingFileAndReportInThePlayersFolder) {
    installDefaultSettings();
    const ProgramFolders f = installed();
    Game game(f, dialogs, display, view, random);
    StartUp(game);
    EXPECT_EQ(std::tuple(game.ReportPath(), game.SettingsFile(), game.TemplateFile()),
              std::tuple(f.user / "GAMES" / "turnrep.txt", f.settings / "zenthar.ini",
                         data.path() / "zenthar.mdb"));
    EXPECT_TRUE(fs::is_regular_file(f.user / "GAMES" / "newgame.mdb") &&
                fs::is_regular_file(game.SettingsFile()));
}

}  // namespace
}  // namespace zenthar::testing
