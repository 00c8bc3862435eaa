// Zenthar: starts the main window.
#include <QApplication>
#include <QMessageBox>

#include "app/Zenthar.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zenthar");
    zenthar::ui::Zenthar window;
    if (!window.startUp()) return 1;
    window.show();
    return QApplication::exec();
}
