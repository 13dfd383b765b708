// One QApplication on the real display for every touch check, set up as the
// program sets up its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTranslator>

#include "platform/qt/GuiApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTranslator translator;
    vantor::SetUpApplication(application, translator);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
