// The whole program killed in the middle of a game and started again: the game comes back as it
// stood at the last hand-over, and a year end cut short is run again as it would have run.
#include <signal.h>

#include <cstdlib>

#include <QProcess>

#include "support/widgets.h"

namespace zenthar::testing {
namespace {

class WholeProgram : public ::testing::Test {
  protected:
    static void start(QProcess& p, const TempProgramFolder& in, const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        p.setProcessEnvironment(env);
        p.start(ZENTHAR_PLAY_DRIVER,
                QStringList{QString::fromStdString(in.path().string())} + args);
        ASSERT_TRUE(p.waitForStarted(30000));
    }
    // Starts the driver again on a killed run's folder and returns the game it resumed.
    static std::string resumed(const TempProgramFolder& in) {
        QProcess again;
        start(again, in, {"resume"});
        if (!again.waitForFinished(120000)) return "did not end";
        const std::string out = again.readAllStandardOutput().toStdString();
        const std::size_t game = out.find("game:\n");
        if (again.exitCode() != 0 || game == std::string::npos)
            return out + again.readAllStandardError().toStdString();
        return out.substr(game + 6);
    }
};

// The copy is taken as the last player's turn hands over to the year end, and the resumed game
// runs that year end itself with the same dice: killed before its first battle shows, in the
// middle of the battles, at its last step or once it is over, the year comes out byte for byte
// as in the run that was not killed, and nobody gets to change an order in between.
TEST_F(WholeProgram, AYearEndKilledAtAnyMomentComesOutTheSameWhenResumed) {
    for (const char* seed : {"7", "2024", "90001"}) {
        SCOPED_TRACE(seed);
        const QStringList play = {"yearend", seed, "4"};
        TempProgramFolder whole;
        CopyPictures(whole.path());
        QProcess through;
        start(through, whole, play + QStringList{"0"});
        ASSERT_TRUE(through.waitForFinished(120000));
        const std::string said = through.readAllStandardOutput().toStdString();
        const std::size_t at = said.find("steps ");
        ASSERT_NE(at, std::string::npos) << said << through.readAllStandardError().toStdString();
        const int steps = std::atoi(said.c_str() + at + 6);
        ASSERT_GT(steps, 3) << "the year end shows its battles";
        const std::string report = ReadText(whole.path() / "GAMES" / "turnrep.txt");
        const std::string game = ReadText(whole.path() / "expected.txt");
        ASSERT_NE(report.find("Current Year:"), std::string::npos);

        for (const int stop : {1, steps / 2, steps, steps + 1}) {
            SCOPED_TRACE(stop);
            TempProgramFolder killed;
            CopyPictures(killed.path());
            QProcess run;
            start(run, killed, play + QStringList{QString::number(stop)});
            QByteArray out;  // what the driver prints until it prints "stopped" or ends
            while (!out.contains("stopped") && run.state() == QProcess::Running &&
                   run.waitForReadyRead(120000))
                out += run.readAllStandardOutput();
            out += run.readAllStandardOutput();
            ASSERT_TRUE(out.contains("stopped")) << out.toStdString();
            ::kill(static_cast<pid_t>(run.processId()), SIGKILL);
            ASSERT_TRUE(run.waitForFinished(30000));
            EXPECT_EQ(resumed(killed), game);
            EXPECT_EQ(ReadText(killed.path() / "GAMES" / "turnrep.txt"), report);
        }
    }
}

}  // namespace
}  // namespace zenthar::testing
