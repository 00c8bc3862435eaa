// The game's command line.
#include "app/command_line.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace zenthar::ui {
namespace {

// Qt's own options, which a desktop's session manager or a user may pass; those in the first
// list take the next word as their value unless it is joined with "=".
constexpr std::array<std::string_view, 15> kQtOptionsWithValue{"platform",
                                                               "platformpluginpath",
                                                               "platformtheme",
                                                               "plugin",
                                                               "qwindowgeometry",
                                                               "geometry",
                                                               "qwindowicon",
                                                               "icon",
                                                               "qwindowtitle",
                                                               "title",
                                                               "session",
                                                               "display",
                                                               "name",
                                                               "style",
                                                               "stylesheet"};
constexpr std::array<std::string_view, 3> kQtFlags{"reverse", "widgetcount", "qmljsdebugger"};

constexpr std::string_view kUsage =
    "Usage: zenthar [OPTION]\n"
    "Hot-seat game of galactic conquest for one to four players against the Empire.\n"
    "Without an option it opens the game's window.\n"
    "\n"
    "  -h, --help     show this text and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "The window also takes Qt's own options, such as -platform and -style.\n"
    "Where games and settings are kept: man zenthar.\n";

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::string_view n : names)
        if (n == name) return true;
    return false;
}

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// The messages Qt gave while the application object was being made, and who was to hear them.
QtMessageHandler gPreviousHandler = nullptr;
struct HeldMessage {
    QtMsgType type;
    QString text;
};
std::vector<HeldMessage> gHeld;

void HoldOrEnd(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtFatalMsg) {
        gHeld.push_back({type, text});
        return;
    }
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "zenthar: cannot open the window: no display could be reached%s%s%s\n",
                 display ? " (DISPLAY=" : "", display ? display : "", display ? ")" : "");
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

std::string NoDisplayReason(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view word = argv[i];
        word = word.substr(word.starts_with("--") ? 2 : 1);
        if (word == "platform" || word.starts_with("platform=")) return {};
    }
    if (Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY")) return {};
    return "zenthar: cannot open the window: no display (DISPLAY is not set)";
}

void GuardWindowStart() {
    gPreviousHandler = qInstallMessageHandler(HoldOrEnd);
}

void EndWindowStartGuard() {
    qInstallMessageHandler(gPreviousHandler);
    const std::vector<HeldMessage> held = std::move(gHeld);
    gHeld.clear();
    for (const HeldMessage& m : held) {
        switch (m.type) {
            case QtDebugMsg:
                qDebug("%s", qPrintable(m.text));
                break;
            case QtInfoMsg:
                qInfo("%s", qPrintable(m.text));
                break;
            case QtWarningMsg:
                qWarning("%s", qPrintable(m.text));
                break;
            case QtCriticalMsg:
            case QtFatalMsg:
                qCritical("%s", qPrintable(m.text));
                break;
        }
    }
}

std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        for (const GameOption& option : kGameOptions) {
            if (word != option.name) continue;
            if (option.does == GameOptionDoes::Help)
                out << kUsage;
            else
                out << "Zenthar " ZENTHAR_VERSION
                       "\n"
                       "License GPLv3+: GNU General Public License, version 3 or later.\n";
            return 0;
        }
        // Qt reads its options with one dash or two.
        std::string_view name = word.substr(word.starts_with("--") ? 2 : 1);
        const bool joined = name.find('=') != std::string_view::npos;
        name = name.substr(0, name.find('='));
        if (word.starts_with("-") && Among(kQtOptionsWithValue, name)) {
            if (!joined) ++i;
            continue;
        }
        if (word.starts_with("-") && Among(kQtFlags, name)) continue;
        err << "zenthar: " << (word.starts_with("-") ? "unknown option" : "unexpected argument")
            << " '" << word << "'\nTry 'zenthar --help' for more information.\n";
        return 2;
    }
    return std::nullopt;
}

}  // namespace zenthar::ui
