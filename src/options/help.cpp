// The Help Index command.
#include "options/help.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>

#include "options/inifile.h"

namespace zenthar::ui {

std::filesystem::path HelpPage(const std::filesystem::path& programFolder) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(programFolder, ec);
    return (ec ? programFolder : absolute) / "help.htm";
}

void QtProgramLauncher::start(const std::string& program, const std::vector<std::string>& arguments,
                              std::function<void()> failed) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own session: Ctrl+C in the game's terminal or the game's end leaves the browser open.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = -1;
    const int rc = program.empty() ? ENOENT
                                   : ::posix_spawnp(&pid, program.c_str(), nullptr, &attributes,
                                                    argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (rc != 0) {
        failed();
        return;
    }
    watch(pid, std::move(failed));
}

// Collects the program's end, so it leaves no zombie, and calls failed when it was a failure.
void QtProgramLauncher::watch(int pid, std::function<void()> failed) {
    auto finished = [pid, failed]() {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == 0) return false;
        if (done == pid && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) failed();
        return true;
    };
    // The kernel tells when the process ends; without that, a slow look twice a second.
    const int fd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (fd >= 0) {
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [notifier, fd, finished] {
            if (!finished()) return;
            notifier->setEnabled(false);
            ::close(fd);
            notifier->deleteLater();
        });
        return;
    }
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [timer, finished] {
        if (!finished()) return;
        timer->stop();
        timer->deleteLater();
    });
    timer->start(500);
}

void HelpIndex(zenthar::Game& game, ProgramLauncher& launcher,
               const std::function<void()>& showOwnWindow) {
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
        return;
    }
    // No browser, or one that cannot show the page: the page is shown in the game itself.
    launcher.start(browser, {page.string()}, showOwnWindow);
}

}  // namespace zenthar::ui
