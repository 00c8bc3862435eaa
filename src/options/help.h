// Help > Help Index: the help page help.htm of the program folder, opened in the web browser
// named in the settings file, or in the desktop's default browser when none is set; in the
// game's own help window when the browser cannot show it.
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
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
    // failed runs when the program cannot be started (before start returns) or, later, when it
    // ends with a failure.
    virtual void start(const std::string& program, const std::vector<std::string>& arguments,
                       std::function<void()> failed) = 0;
};

// Starts the program itself, never through a shell: every argument reaches it as one
// argument whatever blanks or quotes it holds, and nothing in a path is run as a command. The
// program runs in a session of its own and outlives the game; the game only listens for its end.
class QtProgramLauncher : public QObject, public ProgramLauncher {
    Q_OBJECT

  public:
    using QObject::QObject;
    void start(const std::string& program, const std::vector<std::string>& arguments,
               std::function<void()> failed) override;

  private:
    void watch(int pid, std::function<void()> failed);
};

inline constexpr const char* kBrowserNotSetMessage =
    "The Internet Browser Option in the zenthar.ini file is not set or the file is missing"
    "\r\r"
    "The default setting will be used but if you can't see the Help screen try to fix the "
    "problem";

// The Help Index command. A missing help page is told through game.dialogs; a browser that
// cannot be started or ends with a failure calls showOwnWindow instead.
void HelpIndex(zenthar::Game& game, ProgramLauncher& launcher,
               const std::function<void()>& showOwnWindow);

}  // namespace zenthar::ui
