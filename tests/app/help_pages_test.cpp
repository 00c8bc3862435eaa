// The help page and the manual page tell the truth about the program: every command of the main
// window's menus is on the help page with its keys, and the manual page names every option of
// the command line and every file the game keeps.
#include <QMenu>
#include <QMenuBar>
#include <string_view>

#include "app/app_fixture.h"
#include "app/command_line.h"
#include "game/folders.h"
#include "game/instance_lock.h"
#include "game/recovery.h"
#include "options/map_zoom.h"

namespace zenthar::testing {
namespace {

std::string Source(const char* path) {
    return ReadText(std::filesystem::path(ZENTHAR_SOURCE_DIR) / path);
}

// A manual page writes a minus as "\-".
std::string Roff(std::string_view text) {
    std::string out;
    for (char c : text) out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
}

// Keys as the help page writes them: <kbd>Ctrl</kbd>+<kbd>N</kbd>.
std::string HelpKeys(const QKeySequence& key) {
    const QKeyCombination c = key[0];
    QStringList parts;
    if (c.keyboardModifiers() & Qt::ControlModifier) parts << "Ctrl";
    if (c.keyboardModifiers() & Qt::AltModifier) parts << "Alt";
    if (c.keyboardModifiers() & Qt::ShiftModifier) parts << "Shift";
    parts << QKeySequence(c.key()).toString(QKeySequence::NativeText);
    for (QString& part : parts) part = "<kbd>" + part + "</kbd>";
    return parts.join('+').toStdString();
}

// Every command under a menu, its submenus' commands included.
void Commands(const QMenu* menu, std::vector<const QAction*>& out) {
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        if (a->menu())
            Commands(a->menu(), out);
        else
            out.push_back(a);
    }
}

using HelpPagesTest = AppTest;

TEST_F(HelpPagesTest, EveryMenuCommandIsOnTheHelpPageWithItsKeys) {
    startShown();
    const std::string help = Source("assets/help.htm");
    std::vector<const QAction*> commands;
    for (const QAction* top : window->menuBar()->actions())
        if (top->menu()) Commands(top->menu(), commands);
    ASSERT_GE(commands.size(), 20u);
    for (const QAction* a : commands) {
        QString caption = a->text().remove('&');
        caption.remove(QStringLiteral("…"));
        const std::string name = caption.trimmed().toStdString();
        EXPECT_NE(help.find(name), std::string::npos) << "the help page lacks " << name;
        if (!a->shortcut().isEmpty()) {
            EXPECT_NE(help.find(HelpKeys(a->shortcut())), std::string::npos)
                << "the help page lacks the keys of " << name << ": " << HelpKeys(a->shortcut());
        }
    }
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
