// One game per GAMES folder: a second copy must leave the first one's files alone, and a copy
// that died must not keep the folder from the next start.
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "game/random.h"
#include "support/galaxy_builder.h"

namespace zenthar::testing {
namespace {

// What a second program's StartUp on the folder ends in, as its exit status: 0 started,
// errors::kFileInUse refused as already running, 1 anything else. With `stayUntilKilled` a
// started child keeps the folder until the test kills it.
pid_t StartSecondProgram(const fs::path& folder, bool stayUntilKilled = false) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    int status = 1;
    try {
        SilentDialogs dialogs;
        SilentDisplay display;
        SilentView view;
        SystemRandom random(1);
        Game second(folder, dialogs, display, view, random);
        StartUp(second);
        status = 0;
        if (stayUntilKilled)
            for (;;) ::pause();
    } catch (const StorageError& e) {
        status = e.code() == errors::kFileInUse ? errors::kFileInUse : 1;
    } catch (...) {
    }
    ::_exit(status);
}

int ExitStatus(pid_t child) {
    int status = 0;
    if (::waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SecondCopy, ASecondProgramOnTheFolderTouchesNothingAndIsToldWhy) {
    TestGame first;
    GalaxyBuilder(first.game).players({"Ann"}).planet(0, 5, 5).owner(0).ships(20).build();
    const std::string working = ReadText(first.game.WorkingFile());
    ASSERT_FALSE(working.empty());

    EXPECT_EQ(ExitStatus(StartSecondProgram(first.folder.path())), errors::kFileInUse);
    EXPECT_EQ(ReadText(first.game.WorkingFile()), working);

    // The same holds inside one program, and the refusal names the folder.
    Game again(first.folder.path(), first.dialogs, first.display, first.view, first.random);
    const std::string said = StorageErrorText([&] { StartUp(again); }, errors::kFileInUse);
    EXPECT_NE(said.find(first.game.GamesFolder().string()), std::string::npos) << said;
    EXPECT_EQ(ReadText(first.game.WorkingFile()), working);
}

TEST(SecondCopy, TheFolderIsFreeOnceTheHolderHasEndedEvenByACrash) {
    TempProgramFolder folder;
    const pid_t holder = StartSecondProgram(folder.path(), true);
    // Wait for the child to hold the folder: a start of ours is refused meanwhile.
    InstanceLock probe;
    for (int i = 0; i < 500 && probe.take(folder.path() / "GAMES"); ++i) {
        probe.release();
        ::usleep(10000);
    }
    EXPECT_FALSE(probe.held()) << "the child never took the folder";
    ::kill(holder, SIGKILL);
    EXPECT_EQ(ExitStatus(holder), -1);
    EXPECT_TRUE(probe.take(folder.path() / "GAMES")) << "a killed holder left its lock";
    probe.release();

    EXPECT_EQ(ExitStatus(StartSecondProgram(folder.path())), 0);
}

}  // namespace
}  // namespace zenthar::testing
