// The Help Index command.
#include "options/help.h"

#include <QProcess>
#include <QStringList>

#include "options/inifile.h"

namespace zenthar::ui {

std::filesystem::path HelpPage(const std::filesystem::path& programFolder) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(programFolder, ec);
    return (ec ? programFolder : absolute) / "help.htm";
}

bool QtProgramLauncher::startDetached(const std::string& program,
                                      const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(program), args);
}

bool HelpIndex(zenthar::Game& game, ProgramLauncher& launcher) {
    std::string browser = ReadIniValue(game.SettingsFile(), kOptionsSection, kBrowserKey);
    if (browser == kIniUnknown) {
        game.dialogs.inform(kBrowserNotSetMessage);
        browser = kDefaultBrowser;
    }

    const std::filesystem::path page = HelpPage(game.ProgramFolder);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(page, ec)) {
        game.dialogs.inform("The Help page " + page.string() +
                            " is missing.\r\rReinstalling the game brings it back.");
        return false;
    }
    if (!launcher.startDetached(browser, {page.string()})) {
        game.dialogs.inform("The Internet Browser \"" + browser +
                            "\" could not be started to show the Help screen." + "\r\r" +
                            "Set the location of your browser with Tools > Options > Set "
                            "Internet Browser Location.");
        return false;
    }
    return true;
}

}  // namespace zenthar::ui
