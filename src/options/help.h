// Help > Help Index: the help page help.htm of the program folder, opened in the web browser
// named in the settings file, or in the desktop's default browser when none is set.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/game.h"

namespace zenthar::ui {

// The desktop's own opener stands in for a browser path when none is set.
inline constexpr const char* kDefaultBrowser = "xdg-open";
inline constexpr const char* kOptionsSection = "Options";
inline constexpr const char* kBrowserKey = "IntBrowser";

std::filesystem::path HelpPage(const std::filesystem::path& programFolder);

// Starts another program without waiting for it.
class ProgramLauncher {
  public:
    virtual ~ProgramLauncher() = default;
    // True when the program was started.
    virtual bool startDetached(const std::string& program,
                               const std::vector<std::string>& arguments) = 0;
};

// Starts the program itself, never through a shell: every argument reaches it as one
// argument whatever blanks or quotes it holds, and nothing in a path is run as a command.
class QtProgramLauncher : public ProgramLauncher {
  public:
    bool startDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override;
};

inline constexpr const char* kBrowserNotSetMessage =
    "The Internet Browser Option in the zenthar.ini file is not set or the file is missing"
    "\r\r"
    "The default setting will be used but if you can't see the Help screen try to fix the "
    "problem";

// The Help Index command. True when the browser was started; every failure has been told to
// the player through game.dialogs and nothing else happens.
bool HelpIndex(zenthar::Game& game, ProgramLauncher& launcher);

}  // namespace zenthar::ui
