// Zenthar: starts the main window.
#include <QApplication>
#include <iostream>

#include "app/Zenthar.h"
#include "app/command_line.h"

int main(int argc, char** argv) {
    // Before the application object, which would need a display.
    if (auto status = zenthar::ui::HandleCommandLine(argc, argv, std::cout, std::cerr))
        return *status;
    if (const std::string reason = zenthar::ui::NoDisplayReason(argc, argv); !reason.empty()) {
        std::cerr << reason << '\n';
        return 1;
    }
    zenthar::ui::GuardWindowStart();
    QApplication app(argc, argv);
    zenthar::ui::EndWindowStartGuard();
    QApplication::setApplicationName("Zenthar");
    QApplication::setApplicationVersion(ZENTHAR_VERSION);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(ZENTHAR_APP_ID);
    zenthar::ui::Zenthar window;
    if (!window.startUp()) return 1;
    window.show();
    window.offerRecoveredGame();
    return QApplication::exec();
}
