// Entry point of the window tests: one QApplication for the whole run, on the offscreen
// platform unless the caller chose another one (e.g. xvfb for a look at real windows).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zenthar");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
