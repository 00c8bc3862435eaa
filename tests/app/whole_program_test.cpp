// The whole program killed in the middle of a game and started again: the game comes back as it
// stood at the last hand-over.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>

#include "game/recovery.h"
#include "support/galaxy_builder.h"
#include "support/widgets.h"

namespace zenthar::testing {
namespace {

class WholeProgram : public ::testing::Test {
  protected:
    void SetUp() override { CopyPictures(folder.path()); }
    void start(QProcess& p, const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        p.setProcessEnvironment(env);
        p.start(ZENTHAR_PLAY_DRIVER,
                QStringList{QString::fromStdString(folder.path().string())} + args);
        ASSERT_TRUE(p.waitForStarted(30000));
    }
    TempProgramFolder folder;
};

TEST_F(WholeProgram, AGameKilledWithoutWarningResumesAtItsLastHandOver) {
    QProcess player;
    start(player, {"play", "5"});
    QByteArray said;
    while (!said.contains("played 5") && player.state() == QProcess::Running &&
           player.waitForReadyRead(120000))
        said += player.readAllStandardOutput();
    ASSERT_TRUE(said.contains("played 5"))
        << said.toStdString() << player.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(player.processId()), SIGKILL);
    ASSERT_TRUE(player.waitForFinished(30000));
    EXPECT_EQ(player.exitStatus(), QProcess::CrashExit);
    ASSERT_TRUE(std::filesystem::exists(folder.path() / kRecoveryFileName));

    QProcess again;
    start(again, {"resume"});
    ASSERT_TRUE(again.waitForFinished(120000));
    const std::string out = again.readAllStandardOutput().toStdString();
    ASSERT_EQ(again.exitCode(), 0) << out << again.readAllStandardError().toStdString();
    const std::size_t game = out.find("game:\n");
    ASSERT_NE(game, std::string::npos) << out;
    EXPECT_NE(out.substr(0, game).find("Do you want to resume it?"), std::string::npos) << out;
    EXPECT_EQ(out.substr(game + 6), ReadText(folder.path() / "expected.txt"));
}

}  // namespace
}  // namespace zenthar::testing
