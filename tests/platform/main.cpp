// One QApplication for every test of the process. The same binary also serves
// as the child process of the cross-process tests ("--child ...").
#include <gtest/gtest.h>

#include <QApplication>
#include <QTranslator>
#include <cstdlib>

#include "platform/qt/GuiApp.h"

namespace vantor::test {
int RunChildRole(int argc, char** argv);  // SingleInstanceTest.cpp
}

int main(int argc, char** argv) {
    const int childExit = vantor::test::RunChildRole(argc, argv);
    if (childExit >= 0) {
        return childExit;
    }
    // Also when run by hand or for test discovery, without a display.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The style, language and numeric pad of the program's own windows.
    QTranslator translator;
    vantor::SetUpApplication(application, translator);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
