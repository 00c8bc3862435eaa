// The game's command line, read before any window exists: --help and --version answer and end
// the program without needing a display, and an option the game does not know is refused.
#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace zenthar::ui {

// The game's own options, which the command line answers before any window exists.
enum class GameOptionDoes { Help, Version };
struct GameOption {
    std::string_view name;
    GameOptionDoes does;
};
inline constexpr std::array<GameOption, 3> kGameOptions{{{"-h", GameOptionDoes::Help},
                                                         {"--help", GameOptionDoes::Help},
                                                         {"--version", GameOptionDoes::Version}}};

// The exit status when the command line ends the program here (0 after --help or --version,
// 2 for an option the game does not know), or nothing when the game is to start. Qt's own
// options (-platform, -style, -session, ...) are left for the windows.
std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err);

// Why the window cannot open, in one line for the terminal, or the empty text when it may: no
// -platform option, no QT_QPA_PLATFORM and neither DISPLAY nor WAYLAND_DISPLAY leaves Qt
// nothing to draw on, and Qt's own answer to that is an abort.
std::string NoDisplayReason(int argc, const char* const* argv);

// Until the application object stands, a fatal message of Qt's (a display named but not there)
// prints one line and ends the program with status 1 instead of aborting; other messages wait
// and are passed on once it stands.
void GuardWindowStart();
void EndWindowStartGuard();

}  // namespace zenthar::ui
