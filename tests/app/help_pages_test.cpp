// The manual page and the help page tell the truth about the program: they name every option of
// the command line and every file the game keeps. That the help page teaches every menu command
// with its keys is command_table_test.cpp's.
#include <string_view>

#include "app/app_fixture.h"
#include "app/command_line.h"
#include "game/instance_lock.h"
#include "game/recovery.h"
#include "options/map_zoom.h"

namespace zenthar::testing {
namespace {

std::string Source(const char* path) {
    return ReadText(fs::path(ZENTHAR_SOURCE_DIR) / path);
}

// A manual page writes a minus as "\-".
std::string Roff(std::string_view text) {
    std::string out;
    for (char c : text) out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
}

TEST(ManualPages, TheGamesPageNamesEveryOptionAndEveryFileTheGameKeeps) {
    const std::string page = Source("packaging/zenthar.6");
    const std::string help = Source("assets/help.htm");
    for (const ui::GameOption& option : ui::kGameOptions)
        EXPECT_NE(page.find(Roff(option.name)), std::string::npos)
            << "the manual page lacks " << option.name;
    TestGame t;
    const std::vector<std::string> files{t.game.WorkingFile().filename().string(),
                                         t.game.ReportPath().filename().string(),
                                         t.game.GamesFolder().filename().string(),
                                         kRecoveryFileName,
                                         kSettingsFileName,
                                         kStateFileName,
                                         InstanceLock::kFileName};
    for (const std::string& file : files) {
        EXPECT_NE(page.find(Roff(file)), std::string::npos) << "the manual page lacks " << file;
        EXPECT_NE(help.find(file), std::string::npos) << "the help page lacks " << file;
    }
}

}  // namespace
}  // namespace zenthar::testing
