// Zenthar: starts the main window.
#include <QApplication>

#include "app/Zenthar.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zenthar");
    QApplication::setApplicationVersion(ZENTHAR_VERSION);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(ZENTHAR_APP_ID);
    zenthar::ui::Zenthar window;
    if (!window.startUp()) return 1;
    window.show();
    return QApplication::exec();
}
