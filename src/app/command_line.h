// The game's command line, read before any window exists: --help and --version answer and end
// the program without needing a display, and an option the game does not know is refused.
#pragma once

#include <optional>
#include <ostream>

namespace zenthar::ui {

// The exit status when the command line ends the program here (0 after --help or --version,
// 2 for an option the game does not know), or nothing when the game is to start. Qt's own
// options (-platform, -style, -session, ...) are left for the windows.
std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err);

}  // namespace zenthar::ui
